#include "episodetitles.h"

#include <QFile>

namespace {
const QString kSource = QStringLiteral(":/second_config/mirelle.txt");
}

EpisodeTitles EpisodeTitles::load()
{
    EpisodeTitles titles;
    QFile file(kSource);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!file.atEnd() && titles.m_titles.size() < kLast)
            titles.m_titles << QString::fromUtf8(file.readLine()).remove(QLatin1Char('\n'));
    }
    return titles;
}

QString EpisodeTitles::title(int episode) const
{
    if (episode < kFirst || episode > m_titles.size())
        return {};
    return m_titles.at(episode - kFirst);
}

QString EpisodeTitles::line(int episode) const
{
    return tr("第%1話 ").arg(episode) + title(episode);
}
