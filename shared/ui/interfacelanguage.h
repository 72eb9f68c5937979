#pragma once

#include "shared/programfolder.h"

#include <QString>

class QCoreApplication;

// The windows are written in Japanese, and a person whose language of
// messages (ProgramInfo::languageOf) is Japanese sees them as written, with
// Qt's own texts (dialog buttons, the font and file dialogs, context menus)
// from Qt's Japanese translation (Debian package qt6-translations-l10n).
// Anyone else sees the suite's English translation, kept in the program
// folder, and Qt's texts in English as Qt writes them.
// Returns whether what the language needs was loaded; without it the
// windows stay as written. The folder is the tests' way in.
bool loadInterfaceTranslation(QCoreApplication &app, const QString &folder = programFolder());
