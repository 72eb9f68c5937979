#pragma once

#include <QString>

class CommonDlgBinding;
class QWidget;

// The open-file dialog of the content page's "..." button: all files,
// text files or quote files, the first of these shown. Returns the chosen
// path, or an empty text when the dialog was cancelled.
QString pickQuoteFile(CommonDlgBinding &dialogs, QWidget *owner, const QString &filter,
                      const QString &initialFolder);

namespace QuoteFilePicker {
// Description and pattern pairs, as CommonDlg takes them.
// Translated where it is used (context "QuoteFilePicker").
inline const char *const kFilter = QT_TRANSLATE_NOOP(
    "QuoteFilePicker", "全てのファイル(*.*)|*.*|テキストファイル(*.TXT)|*.txt|VMFファイル(*.VMF)|*.vmf");
} // namespace QuoteFilePicker
