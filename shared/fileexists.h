#pragma once

#include <QString>

// A file counts as present when it can be opened for reading; a folder, a
// named pipe or a device is no file.
bool fileExists(const QString &path);
