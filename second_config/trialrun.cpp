#include "trialrun.h"

#include "shared/programstarter.h"

QStringList TrialRun::arguments(Mode mode, int episode, const QString &text)
{
    switch (mode) {
    case Mode::FreeText:
        return {text};
    case Mode::Episode:
        return {QString::number(episode)};
    case Mode::Automatic:
        break;
    }
    return {};
}

TrialRun::TrialRun(ProgramStarter &starter, const QString &programFolder)
    : m_starter(starter), m_folder(programFolder)
{
}

QString TrialRun::program() const
{
    return m_folder + QLatin1Char('/') + kProgramName;
}

bool TrialRun::start(Mode mode, int episode, const QString &text)
{
    return m_starter.start(program(), arguments(mode, episode, text));
}
