#include "quoteoutput.h"

namespace {

QuoteOutput start(const QString &folder, const QString &name, const QStringList &arguments)
{
    QuoteOutput out;
    out.kind = QuoteOutput::Kind::StartProgram;
    out.program = (folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')) + name;
    out.arguments = arguments;
    return out;
}

QuoteOutput message(const QString &text, const QString &title)
{
    QuoteOutput out;
    out.kind = QuoteOutput::Kind::MessageBox;
    out.text = text;
    out.title = title;
    return out;
}

} // namespace

bool QuoteOutput::operator==(const QuoteOutput &other) const
{
    return kind == other.kind && program == other.program && arguments == other.arguments
        && text == other.text && title == other.title;
}

QuoteOutput chooseQuoteOutput(const QString &source, quint8 showCode, int number,
                              const QString &line, const QuoteTexts &texts,
                              const QString &programFolder)
{
    const QString &t = texts.quoteText;
    if (source == QLatin1String("dastor.vmf") && showCode == 22)
        return start(programFolder, QStringLiteral("dastor"), {});
    // The card program is the one tambwin, whatever the letter case of its
    // name was on a platform that ignores it.
    if (source == QLatin1String("anitamb.vmf") && isTitleCardCode(showCode))
        return start(programFolder, QStringLiteral("tambwin"), {QString::number(number)});
    if (source == QLatin1String("mirelle.vmf") && (showCode == 11 || showCode == 21))
        return message(QStringLiteral("「") + line + QStringLiteral("の巻」"), texts.sourceLine);
    if (showCode == 12 || showCode == 22)
        return start(programFolder, QStringLiteral("dastor"), {t});
    if (isTitleCardCode(showCode))
        return start(programFolder, QStringLiteral("tambwin"), {QStringLiteral("-s"), t});
    if (showCode == 13 || showCode == 23)
        return start(programFolder, QStringLiteral("mirwin"), {t});
    return message(line, texts.sourceLine);
}
