#include "titletable.h"

#include <QFile>

namespace TitleTable {

namespace {

// Kept as UTF-8 text so the titles stay readable and diffable in the
// sources.
QStringList load()
{
    QFile file(QStringLiteral(":/titlecard/titles.txt"));
    QStringList result;
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (result.size() == kEpisodeCount)
            break;
        QString record = line;
        if (record.endsWith(QLatin1Char('\r')))
            record.chop(1);
        result.append(record);
    }
    return result;
}

} // namespace

QStringList records()
{
    static const QStringList table = load();
    return table;
}

QString record(int episode)
{
    const QStringList table = records();
    if (episode < 1 || episode > table.size())
        return {};
    return table.at(episode - 1);
}

} // namespace TitleTable
