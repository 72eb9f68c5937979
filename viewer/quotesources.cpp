#include "quotesources.h"

#include <QDir>
#include <QFileInfo>

namespace QuoteSources {

namespace {
const QChar kIdeographicSpace(0x3000);
const QString kChapter = QStringLiteral("章");
const QString kEpisode = QStringLiteral("話");
} // namespace

const QList<FixedFile> &fixedFiles()
{
    static const QList<FixedFile> table = {
        {kTamber, QStringLiteral("星環タンバー"), kIdeographicSpace, kChapter},
        {kDastor, QStringLiteral("ダストル"), QLatin1Char(' '), kEpisode},
        {kAnimir, QStringLiteral("月影ミレル"), kIdeographicSpace, kEpisode},
        {kAnitamb, QStringLiteral("星環タンバー"), kIdeographicSpace, kEpisode},
        {kMirelle, QStringLiteral("月影ミレル"), QLatin1Char(' '), kEpisode},
        {kTambkari, QStringLiteral("星環タンバー"), kIdeographicSpace, kEpisode},
        {kQuill, QStringLiteral("深海クイロン"), kIdeographicSpace, kEpisode},
    };
    return table;
}

const FixedFile *findFixedFile(const QString &source)
{
    for (const FixedFile &file : fixedFiles()) {
        if (file.fileName == source)
            return &file;
    }
    return nullptr;
}

QString locateQuoteFile(const QString &source, const QString &workingFolder,
                        const QString &programFolder)
{
    const QString local = QDir(workingFolder).filePath(source);
    if (isFixedFile(source) && !QFileInfo::exists(local))
        return QDir(programFolder).filePath(source);
    return local;
}

QString numberLabel(int number, const QString &unit)
{
    return QStringLiteral("第") + QString::number(number) + unit;
}

QString mirelleTitle(const QString &line)
{
    return QStringLiteral("「") + line + QStringLiteral("の巻」");
}

} // namespace QuoteSources
