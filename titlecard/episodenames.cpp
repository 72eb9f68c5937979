#include "episodenames.h"

#include "titletable.h"

#include <QFile>

namespace {
// Far more than 45 short lines; keeps a wrong file from being read whole.
constexpr qint64 kMaxBytesRead = 64 * 1024;
}

EpisodeNames EpisodeNames::load(const QString &path)
{
    EpisodeNames names;
    QFile file(path);
    QByteArray data;
    if (file.open(QIODevice::ReadOnly))
        data = file.read(kMaxBytesRead);
    const QList<QByteArray> lines = data.split('\n');
    for (int i = 0; i < TitleTable::kEpisodeCount; ++i) {
        QByteArray line = i < lines.size() ? lines.at(i) : QByteArray();
        if (line.endsWith('\r'))
            line.chop(1);
        names.m_names << QString::fromUtf8(line);
    }
    return names;
}

QString EpisodeNames::name(int episode) const
{
    if (episode < 1 || episode > m_names.size())
        return {};
    return m_names.at(episode - 1);
}
