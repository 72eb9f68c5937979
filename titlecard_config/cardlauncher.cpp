#include "cardlauncher.h"

#include "shared/programnames.h"
#include "shared/programstarter.h"

CardLauncher::CardLauncher(ProgramStarter &starter, const QString &programFolder)
    : m_starter(starter), m_folder(programFolder)
{
}

bool CardLauncher::start(const QStringList &arguments)
{
    const QString program = m_starter.locate(ProgramNames::kTambwin, m_folder);
    if (program.isEmpty())
        return false;
    return m_starter.start(program, arguments);
}
