#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <sys/types.h>

// Replaces the file at path with data in one step: the new text goes to a
// temporary file beside it, every write, the flush to disk and the close
// are checked, and only then does it take the old file's place. On any
// failure (a full disk, no rights, no descriptor left) the old file, or
// none, stays as it was and error, when given, says why in Japanese
// (ErrorReason). A path that is a symbolic link (a settings file kept in a
// dotfiles folder) has its target replaced, so the link stays; an existing
// file keeps its permissions.
bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr);

// The same for a file made of several parts, written one after the other
// (a large file need not be put together in memory first).
bool writeFileAtomically(const QString &path, const QList<QByteArrayView> &parts, QString *error = nullptr);

// Makes the folder at path and every missing folder above it. False, with
// error saying why, when one cannot be made or something that is not a
// folder stands in the way.
bool makeFolderPath(const QString &path, QString *error = nullptr);

namespace AtomicWrite {
// The write(2) the writer calls; tests put a failing one in place to see
// what a full disk does. Returns the one it replaces.
using WriteCall = ssize_t (*)(int fd, const void *data, size_t bytes);
WriteCall setWriteCall(WriteCall call);
// Writes all of data to fd through that call, again after an interruption
// or a short write; false with errno set (ENOSPC when the disk takes
// nothing more) otherwise.
bool writeAll(int fd, QByteArrayView data);
} // namespace AtomicWrite
