#include "programfolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

QString programFolder()
{
    // Before the application object exists (a card deciding what it will
    // show while Qt starts) the kernel's link to the program says the same.
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                               : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

QString findProgram(const QString &bareName, const QString &folder)
{
    if (bareName.isEmpty())
        return {};
    const QFileInfo local(folder + QLatin1Char('/') + bareName);
    if (local.isFile() && local.isExecutable())
        return local.absoluteFilePath();
    return QStandardPaths::findExecutable(bareName);
}
