#include "programstarter.h"

#include <QProcess>

bool ProcessStarter::start(const QString &program, const QStringList &arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}
