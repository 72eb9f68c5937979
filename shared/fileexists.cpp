#include "fileexists.h"

#include "regularfile.h"

#include <QFile>

bool fileExists(const QString &path)
{
    // Opened without waiting: a named pipe would otherwise hold the caller
    // until something writes to it.
    QFile file;
    return RegularFile::open(file, path) == RegularFile::Status::Ok;
}
