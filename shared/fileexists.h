#pragma once

#include <QString>

// A file counts as present when it can be opened for reading.
bool fileExists(const QString &path);
