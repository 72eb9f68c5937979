#pragma once

#include <QString>

// A file counts as present when it can be opened for reading.
bool FileExists(const QString &path);
