#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The file dialogs' name buffer of a fixed number of characters, its
// terminating NUL included.
namespace FileNameBuffer {

// What the dialog starts with: fileName cut to maxFileSize - 1 characters,
// read up to its first NUL. Empty when the buffer has no room at all.
QString initialText(const QString &fileName, int maxFileSize);

// The buffer after the user chose files: one path, or for several files
// the folder and the names separated by NUL characters. Nothing when that
// text and its terminating NULs do not fit in maxFileSize characters.
std::optional<QString> chosenText(const QStringList &files, int maxFileSize);

} // namespace FileNameBuffer
