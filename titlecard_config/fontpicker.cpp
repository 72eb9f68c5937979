#include "fontpicker.h"

#include <QFontDialog>

FontPicker::Choice FontDialogPicker::choose(const QFont &initial, bool fixedPitchOnly, QWidget *parent)
{
    QFontDialog dialog(initial, parent);
    // The dialog offers underline and strike-out too; the caller takes only
    // face, size, weight and italic from the choice.
    QFontDialog::FontDialogOptions options;
    if (fixedPitchOnly)
        options |= QFontDialog::MonospacedFonts;
    dialog.setOptions(options);
    Choice choice;
    choice.accepted = dialog.exec() == QDialog::Accepted;
    choice.font = dialog.selectedFont();
    if (!choice.accepted)
        choice.font = initial;
    return choice;
}
