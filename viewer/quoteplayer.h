#pragma once

#include "viewersettings.h"

#include <QCoreApplication>
#include <QString>

class DesktopNotifier;
class MessageBoxService;
class ProgramStarter;
class RandomSource;

// What the viewer holds between displays: its settings (of which only the
// reading position changes) and the working values of the last display.
struct ViewerState
{
    ViewerSettings settings;
    QString commandLine;    // shown in the command-line mode
    QString currentLine;    // L: kept from one display to the next
    qint16 lineCount = 0;   // C
    QString quoteText;      // T
    QString sourceLine;     // R: kept until a layout rebuilds it
};

// One display (showQuote): picks a line of the quote source, builds its texts,
// hands them to the chosen output, then advances the reading position.
class QuotePlayer
{
    Q_DECLARE_TR_FUNCTIONS(QuotePlayer)

public:
    // Without a notifier the notification output shows a box.
    QuotePlayer(ProgramStarter &starter, MessageBoxService &messages, RandomSource &random,
                const QString &programFolder, const QString &workingFolder, DesktopNotifier *notifier = nullptr);

    ViewerState &state() { return m_state; }
    const ViewerState &state() const { return m_state; }

    // False when the display failed; the caller then takes the error path.
    // The position is not advanced by a failed display.
    bool play();
    // Why the last display failed: the file or program and the reason,
    // worded when asked, so that a run that loads the interface's language
    // only for the box that reports it words it in that language.
    QString failure() const;

    // Fixed files are looked for in the working folder, then beside the
    // program; any other source is a path of its own.
    QString quoteFilePath(const QString &source) const;

private:
    bool output(int number);

    ProgramStarter &m_starter;
    MessageBoxService &m_messages;
    RandomSource &m_random;
    DesktopNotifier *m_notifier;
    QString m_programFolder;
    QString m_workingFolder;
    void fail(const QString &subject, const char *reason, int argument = 0);

    ViewerState m_state;
    QString m_failedSubject;
    const char *m_failedReason = nullptr; // none after a display that worked
    int m_failedArgument = 0;
};
