#pragma once

#include <QString>

// The folder of the running executable, without a trailing separator.
// Programs of the suite and the data files they open live there.
QString programFolder();

// Finds a program started "by bare name": the program folder first, then
// the directories of PATH. Returns an empty string when it is found nowhere.
QString findProgram(const QString &bareName, const QString &folder = programFolder());
