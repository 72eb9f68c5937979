#include "helpviewer.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopHelpViewer::showPage(const QString &path)
{
    return !path.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
