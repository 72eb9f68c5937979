#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/stat.h>

// A file's bytes, or "<missing>" when it cannot be opened.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
}

// Puts data at path; "fifo" makes a named pipe there instead.
inline bool writeAll(const QString &path, const QByteArray &data)
{
    if (data == "fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}
