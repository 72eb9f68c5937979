#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Every file the programs read may be missing, huge, garbage, a named pipe,
// a device or a directory. These open it without ever waiting (O_NONBLOCK)
// and decide by the descriptor actually opened (fstat), so a file swapped
// for a pipe between a look and the open cannot block the program.
namespace RegularFile {

enum class Status {
    Ok,
    Missing,    // nothing by that name (or a folder on the way is missing)
    NotRegular, // a pipe, a device, a socket or a directory
    Unreadable, // there, but no rights or a read error
};

// Opens path read-only into file; on Ok the file is open and is a regular
// file, otherwise it stays closed.
Status open(QFile &file, const QString &path, int *errorCode = nullptr);

// Why a file of that status could not be used, in Japanese (ErrorReason);
// empty for Ok and Missing.
QString reason(Status status, int errorCode);

struct Head
{
    Status status = Status::Missing;
    QByteArray bytes;      // at most maxBytes
    bool complete = false; // the whole file is in bytes
    int errorCode = 0;     // the errno of an Unreadable file
};

// At most maxBytes from the start of the file.
Head readHead(const QString &path, qint64 maxBytes);

} // namespace RegularFile
