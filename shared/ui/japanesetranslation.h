#pragma once

class QCoreApplication;

// Qt's own texts (dialog buttons, the font and file dialogs, context
// menus) in Japanese, as the rest of every program's interface is: loads
// Qt's Japanese translation from where Qt keeps its translations (Debian
// package qt6-translations-l10n). Without it Qt's texts stay English.
// Returns whether it was loaded.
bool loadJapaneseTranslation(QCoreApplication &app);
