#include "helpviewer.h"

#include "shared/programfolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

bool DesktopHelpViewer::showPage(const QString &helpFile)
{
    if (helpFile.isEmpty())
        return false;
    const QFileInfo file(QDir(programFolder()).absoluteFilePath(helpFile));
    if (!file.isFile() || !file.isReadable())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}
