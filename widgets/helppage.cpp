#include "helppage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

bool openHelpPage(const QString &helpFile)
{
    if (helpFile.isEmpty())
        return false;
    const QFileInfo file(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(helpFile));
    if (!file.isFile() || !file.isReadable())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}
