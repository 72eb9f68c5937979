#pragma once

#include <QString>

// Opens the suite's help page with the desktop's viewer. A relative name
// is looked up in the program folder, where the help page is installed.
// Returns false, without opening anything, when the file is not a readable
// regular file or the desktop has no viewer for it.
bool openHelpPage(const QString &helpFile);
