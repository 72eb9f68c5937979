#include "quoteoutput.h"

#include "quotesources.h"

#include "shared/programnames.h"

namespace {

QuoteOutput start(const QString &folder, const QString &name, const QStringList &arguments)
{
    QuoteOutput out;
    out.kind = QuoteOutput::Kind::StartProgram;
    out.program = (folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')) + name;
    out.arguments = arguments;
    return out;
}

QuoteOutput message(const QString &text, const QString &title,
                    QuoteOutput::Kind kind = QuoteOutput::Kind::MessageBox)
{
    QuoteOutput out;
    out.kind = kind;
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

QuoteOutput chooseQuoteOutput(const QString &source, ShowCode code, int number,
                              const QString &line, const QuoteTexts &texts,
                              const QString &programFolder)
{
    using Output = ShowCode::Output;
    const QString &t = texts.quoteText;
    if (source == QuoteSources::kDastor && code == ShowCode(ShowCode::Order::Random, Output::Dastor))
        return start(programFolder, ProgramNames::kDastor, {});
    // The card program is the one tambwin, whatever the letter case of its
    // name was on a platform that ignores it.
    if (source == QuoteSources::kAnitamb && code.shows(Output::TitleCard))
        return start(programFolder, ProgramNames::kTambwin, {QString::number(number)});
    if (source == QuoteSources::kMirelle && code.isKnown() && code.shows(Output::MessageBox))
        return message(QuoteSources::mirelleTitle(line), texts.sourceLine);
    switch (code.output()) {
    case Output::Dastor:
        return start(programFolder, ProgramNames::kDastor, {t});
    case Output::TitleCard:
        return start(programFolder, ProgramNames::kTambwin, {QStringLiteral("-s"), t});
    case Output::Mirwin:
        return start(programFolder, ProgramNames::kMirwin, {t});
    case Output::Notification:
        // The quote as the box shows it: mirelle's episode title framed.
        return message(texts.quoteText, texts.sourceLine, QuoteOutput::Kind::Notification);
    case Output::MessageBox:
        break;
    }
    return message(line, texts.sourceLine);
}
