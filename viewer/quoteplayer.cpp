#include "quoteplayer.h"

#include "quotefile.h"
#include "quoteoutput.h"
#include "quotesources.h"
#include "quotetexts.h"
#include "randomsource.h"
#include "viewerseams.h"

#include "shared/programnames.h"
#include "shared/programstarter.h"
#include "shared/ui/messagebox.h"

#include <QFileInfo>

#include <cmath>
#include <cstdio>

QuotePlayer::QuotePlayer(ProgramStarter &starter, MessageBoxService &messages, RandomSource &random,
                         const QString &programFolder, const QString &workingFolder, DesktopNotifier *notifier)
    : m_starter(starter), m_messages(messages), m_random(random), m_notifier(notifier), m_programFolder(programFolder),
      m_workingFolder(workingFolder)
{
}

QString QuotePlayer::quoteFilePath(const QString &source) const
{
    return QuoteSources::locateQuoteFile(source, m_workingFolder, m_programFolder);
}

namespace {
const char *scanFailure(const QString &path, QuoteFile::Status status)
{
    switch (status) {
    case QuoteFile::Status::TooManyLines:
        return QT_TRANSLATE_NOOP("QuotePlayer", "行が多すぎます (%1 行まで)");
    case QuoteFile::Status::NotText:
        return QT_TRANSLATE_NOOP("QuotePlayer", "テキストファイルではありません (NUL を含みます)");
    case QuoteFile::Status::CannotOpen:
    case QuoteFile::Status::Ok:
        break;
    }
    const QFileInfo info(path);
    if (!info.exists())
        return QT_TRANSLATE_NOOP("QuotePlayer", "ありません");
    if (!info.isFile())
        return QT_TRANSLATE_NOOP("QuotePlayer", "通常のファイルではありません");
    return QT_TRANSLATE_NOOP("QuotePlayer", "読めません");
}
} // namespace

void QuotePlayer::fail(const QString &subject, const char *reason, int argument)
{
    m_failedSubject = subject;
    m_failedReason = reason;
    m_failedArgument = argument;
}

QString QuotePlayer::failure() const
{
    if (!m_failedReason)
        return QString();
    QString reason = tr(m_failedReason);
    if (reason.contains(QLatin1String("%1")))
        reason = reason.arg(m_failedArgument);
    return m_failedSubject + QStringLiteral(": ") + reason;
}

bool QuotePlayer::play()
{
    m_failedReason = nullptr;
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
    if (scan.status != QuoteFile::Status::Ok) {
        fail(path, scanFailure(path, scan.status), QuoteFile::kMaxLines);
        return false;
    }
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
        if (!line) {
            fail(path, QT_TR_NOOP("%1 行目を読めません (ファイルが変わりました)"), wanted);
            return false;
        }
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
    if (out.kind == QuoteOutput::Kind::StartProgram) {
        if (m_starter.start(out.program, out.arguments))
            return true;
        fail(out.program, QT_TR_NOOP("起動できません"));
        return false;
    }
    if (out.kind == QuoteOutput::Kind::Notification) {
        // The box's padding only lines up a title bar.
        QString reason = QStringLiteral("no notifier");
        if (m_notifier && m_notifier->show(out.title.trimmed(), out.text, &reason))
            return true;
        // The quote is still seen, in the box.
        std::fprintf(stderr, "%s: no desktop notification (%s); the quote is shown in a box\n",
                     qPrintable(ProgramNames::kVelmo), qPrintable(reason));
    }
    m_messages.show(out.text, out.title, true);
    return true;
}
