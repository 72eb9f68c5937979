#pragma once

#include <QString>
#include <QStringList>

class ProgramStarter;

// A trial run of mirwin, the second series' title card, from the program
// folder. mirwin chooses an episode itself, shows the one given by number,
// or shows the given text.
class TrialRun
{
public:
    static inline const QString kProgramName = QStringLiteral("mirwin");

    enum class Mode
    {
        Automatic,
        Episode,
        FreeText,
    };

    // Automatic: no argument. Episode: its decimal number. Free text: the
    // text as one argument, an empty one included; the starter hands it on
    // in UTF-8.
    static QStringList arguments(Mode mode, int episode, const QString &text);

    TrialRun(ProgramStarter &starter, const QString &programFolder);

    // mirwin's path in the program folder.
    QString program() const;

    // False when mirwin could not be started.
    bool start(Mode mode, int episode, const QString &text);

private:
    ProgramStarter &m_starter;
    QString m_folder;
};
