#include "titletable.h"

#include "shared/cp932.h"

#include <QFile>

namespace TitleTable {

namespace {

// Kept as UTF-8 text so the titles stay readable and diffable in the
// sources; the card works on code page 932 bytes.
QList<QByteArray> load()
{
    QFile file(QStringLiteral(":/titlecard/titles.txt"));
    QList<QByteArray> result;
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (result.size() == kEpisodeCount)
            break;
        QString record = line;
        if (record.endsWith(QLatin1Char('\r')))
            record.chop(1);
        result.append(Cp932::fromUnicode(record));
    }
    return result;
}

} // namespace

QList<QByteArray> records()
{
    static const QList<QByteArray> table = load();
    return table;
}

QByteArray record(int episode)
{
    const QList<QByteArray> table = records();
    if (episode < 1 || episode > table.size())
        return {};
    return table.at(episode - 1);
}

} // namespace TitleTable
