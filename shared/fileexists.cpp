#include "fileexists.h"

#include <QFile>
#include <QFileInfo>

bool fileExists(const QString &path)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}
