#include "quotesources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace QuoteSources {

namespace {
const QChar kIdeographicSpace(0x3000);
} // namespace

const QList<FixedFile> &fixedFiles()
{
    static const QList<FixedFile> table = {
        {kTamber, QStringLiteral(QT_TRANSLATE_NOOP("QuoteSources", "星環タンバー")), kIdeographicSpace, kChapter},
        {kDastor, QStringLiteral(QT_TRANSLATE_NOOP("QuoteSources", "ダストル")), QLatin1Char(' '), kEpisode},
        {kAnimir, QStringLiteral(QT_TRANSLATE_NOOP("QuoteSources", "月影ミレル")), kIdeographicSpace, kEpisode},
        {kAnitamb, QStringLiteral(QT_TRANSLATE_NOOP("QuoteSources", "星環タンバー")), kIdeographicSpace, kEpisode},
        {kMirelle, QStringLiteral(QT_TRANSLATE_NOOP("QuoteSources", "月影ミレル")), QLatin1Char(' '), kEpisode},
        {kTambkari, QStringLiteral(QT_TRANSLATE_NOOP("QuoteSources", "星環タンバー")), kIdeographicSpace, kEpisode},
        {kQuill, QStringLiteral(QT_TRANSLATE_NOOP("QuoteSources", "深海クイロン")), kIdeographicSpace, kEpisode},
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

QString shownNumberLabel(int number, const QString &unit)
{
    const char *label = unit == kChapter ? QT_TRANSLATE_NOOP("QuoteSources", "第%1章")
                                         : QT_TRANSLATE_NOOP("QuoteSources", "第%1話");
    return QCoreApplication::translate(kTextContext, label).arg(number);
}

QString mirelleTitle(const QString &line)
{
    return QStringLiteral("「") + line + QStringLiteral("の巻」");
}

} // namespace QuoteSources
