#include "quoteplayer.h"

#include "quotefile.h"
#include "quoteoutput.h"
#include "quotesources.h"
#include "quotetexts.h"
#include "randomsource.h"

#include "shared/programstarter.h"
#include "shared/ui/messagebox.h"

#include <cmath>

QuotePlayer::QuotePlayer(ProgramStarter &starter, MessageBoxService &messages, RandomSource &random,
                         const QString &programFolder, const QString &workingFolder)
    : m_starter(starter), m_messages(messages), m_random(random), m_programFolder(programFolder),
      m_workingFolder(workingFolder)
{
}

QString QuotePlayer::quoteFilePath(const QString &source) const
{
    return QuoteSources::locateQuoteFile(source, m_workingFolder, m_programFolder);
}

bool QuotePlayer::play()
{
    ViewerState &s = m_state;
    const QString &source = s.settings.quoteSource;
    const ShowCode code = s.settings.showCode;

    if (source == QuoteSources::kCommandLine) {
        // The command-line text stands on its own: no file is opened and
        // the reading position does not move.
        s.currentLine = s.commandLine;
        const QuoteTexts texts = buildQuoteTexts(source, code, s.settings.linePosition - 1,
                                                 s.currentLine, s.sourceLine);
        s.quoteText = texts.quoteText;
        s.sourceLine = texts.sourceLine;
        return output(s.settings.linePosition - 1);
    }

    const QString path = quoteFilePath(source);
    const QuoteFile::Scan scan = QuoteFile::scan(path);
    if (scan.status != QuoteFile::Status::Ok)
        return false;
    const int count = scan.lineCount;
    s.lineCount = static_cast<qint16>(count);

    int number = s.settings.linePosition;
    if (code.isRandom()) {
        const double r = m_random.draw();
        number = static_cast<int>(std::floor(count * r + 1.0));
    }
    if (number > count)
        number = count;
    s.settings.linePosition = static_cast<qint16>(qMax(number, -32768));

    // A number of 0 or below reads nothing and leaves the last line of the
    // file (or, for an empty file, the previous line) in place.
    const int wanted = number >= 1 ? number : count;
    if (wanted >= 1) {
        const std::optional<QString> line = QuoteFile::line(path, wanted, scan.utf8);
        if (!line)
            return false;
        s.currentLine = *line;
    }
    const QuoteTexts texts = buildQuoteTexts(source, code, number, s.currentLine, s.sourceLine);
    s.quoteText = texts.quoteText;
    s.sourceLine = texts.sourceLine;
    if (!output(number))
        return false;

    // Wrapping before the position is narrowed keeps a file of exactly
    // 32767 lines usable: its last line is followed by line 1, where a
    // 16-bit overflow would end every later start at the same line.
    int next = number + 1;
    if (next > count)
        next = 1;
    s.settings.linePosition = static_cast<qint16>(next);
    return true;
}

bool QuotePlayer::output(int number)
{
    const ViewerState &s = m_state;
    const QuoteOutput out = chooseQuoteOutput(s.settings.quoteSource, s.settings.showCode, number,
                                              s.currentLine,
                                              QuoteTexts{s.quoteText, s.sourceLine}, m_programFolder);
    if (out.kind == QuoteOutput::Kind::StartProgram)
        return m_starter.start(out.program, out.arguments);
    m_messages.show(out.text, out.title, true);
    return true;
}
