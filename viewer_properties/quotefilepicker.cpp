#include "quotefilepicker.h"

#include "widgets/commondlg.h"

namespace {
// Hide the read-only box, the path and the file must exist, the explorer
// look: the flags the open dialog is asked for.
constexpr quint32 kHideReadOnly = 0x4;
constexpr quint32 kPathMustExist = 0x800;
constexpr quint32 kExplorer = 0x80000;
// Room for any path the system allows (a 256-character buffer would turn
// a deep path into a silent cancel).
constexpr int kPathBufferChars = 4096;
} // namespace

QString pickQuoteFile(CommonDlgBinding &dialogs, QWidget *owner, const QString &filter,
                      const QString &initialFolder)
{
    CommonDlg dialog(dialogs);
    dialog.setForm(owner);
    dialog.setFilter(filter);
    dialog.setFilterIndex(1);
    dialog.setMaxFileSize(kPathBufferChars);
    dialog.setFileName(QString());
    dialog.setInitDir(initialFolder);
    dialog.setDialogTitle(QString()); // the platform's own title
    dialog.setFlags(kHideReadOnly | kPathMustExist | CommonDlgFlags::FileMustExist | kExplorer);
    dialog.showOpen();
    return dialog.lastResult() == 1 ? dialog.fileName() : QString();
}
