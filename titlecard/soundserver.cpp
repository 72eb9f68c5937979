#include "soundserver.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>

namespace {

QStringList socketPaths()
{
    QStringList paths;
    const QString runtime = qEnvironmentVariable("PULSE_RUNTIME_PATH");
    const QString userRuntime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        paths << runtime + QStringLiteral("/native");
    else if (!userRuntime.isEmpty())
        paths << userRuntime + QStringLiteral("/pulse/native");
    paths << QStringLiteral("/run/pulse/native") << QStringLiteral("/var/run/pulse/native");
    return paths;
}

} // namespace

bool soundServerAvailable()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    for (const QString &path : socketPaths()) {
        // A socket, not a file that merely has the name.
        const QFileInfo info(path);
        if (info.exists() && !info.isFile() && !info.isDir())
            return true;
    }
    return false;
}
