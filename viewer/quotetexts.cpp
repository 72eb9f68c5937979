#include "quotetexts.h"

#include <QStringList>

namespace {

const QChar kSpace(0x3000); // ideographic space

QString numberLabel(int number, const QString &word)
{
    return QStringLiteral("第") + QString::number(number) + word;
}

// "第N章" padded with ten ideographic spaces, a comma, then the quote framed
// by one ideographic space on each side: the first two fields of a title
// record.
QString cardText(int number, const QString &word, const QString &quote)
{
    return numberLabel(number, word) + QString(10, kSpace) + QLatin1Char(',') + kSpace + quote + kSpace;
}

QString sourceLine(const QString &series, QChar separator, int number, const QString &word)
{
    return series + separator + numberLabel(number, word) + QString(2, kSpace);
}

} // namespace

bool QuoteSources::isFixedFile(const QString &source)
{
    static const QStringList fixed = {
        QStringLiteral("tamber.vmf"),  QStringLiteral("dastor.vmf"),   QStringLiteral("animir.vmf"),
        QStringLiteral("anitamb.vmf"), QStringLiteral("mirelle.vmf"), QStringLiteral("tambkari.vmf"),
        QStringLiteral("quill.vmf"),
    };
    return fixed.contains(source);
}

QuoteTexts buildQuoteTexts(const QString &source, quint8 showCode, int number, const QString &line,
                           const QString &previousSourceLine)
{
    const bool card = isTitleCardCode(showCode);
    const QString chapter = QStringLiteral("章");
    const QString episode = QStringLiteral("話");
    QuoteTexts t{line, previousSourceLine};

    struct Series
    {
        const char16_t *file;
        const char16_t *name;
        char16_t separator;
        bool chapters;
    };
    static const Series series[] = {
        {u"tamber.vmf", u"星環タンバー", 0x3000, true},
        {u"dastor.vmf", u"ダストル", u' ', false},
        {u"animir.vmf", u"月影ミレル", 0x3000, false},
        {u"tambkari.vmf", u"星環タンバー", 0x3000, false},
        {u"quill.vmf", u"深海クイロン", 0x3000, false},
    };
    for (const Series &s : series) {
        if (source != QString::fromUtf16(s.file))
            continue;
        const QString &word = s.chapters ? chapter : episode;
        if (card)
            t.quoteText = cardText(number, word, line);
        else
            t.sourceLine = sourceLine(QString::fromUtf16(s.name), QChar(s.separator), number, word);
        return t;
    }
    if (source == QLatin1String("anitamb.vmf")) {
        t.sourceLine = sourceLine(QStringLiteral("星環タンバー"), kSpace, number, episode);
    } else if (source == QLatin1String("mirelle.vmf")) {
        const QString title = QStringLiteral("「") + line + QStringLiteral("の巻」");
        if (card) {
            t.quoteText = cardText(number, episode, title);
        } else {
            t.quoteText = title;
            t.sourceLine = sourceLine(QStringLiteral("月影ミレル"), QLatin1Char(' '), number, episode);
        }
    } else if (source == QuoteSources::kCommandLine) {
        if (!card && showCode != 12 && showCode != 22)
            t.sourceLine = QStringLiteral("ヴェルモ") + QString(2, kSpace);
    } else {
        t.sourceLine = source + QStringLiteral(" - ") + QString::number(number) + QString(2, kSpace);
    }
    return t;
}
