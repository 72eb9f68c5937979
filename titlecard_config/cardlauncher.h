#pragma once

#include <QString>
#include <QStringList>

class ProgramStarter;

// Starts a trial run of the title card: tambwin by its bare name, looked
// for in the program folder first, then along PATH.
class CardLauncher
{
public:
    CardLauncher(ProgramStarter &starter, const QString &programFolder);

    // False when tambwin is nowhere to be found or would not start; the
    // caller shows nothing either way.
    bool start(const QStringList &arguments);

private:
    ProgramStarter &m_starter;
    QString m_folder;
};
