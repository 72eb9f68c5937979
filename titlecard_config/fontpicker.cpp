#include "fontpicker.h"

#include "fixedpitchfamilies.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QListView>
#include <QStringListModel>

namespace {

// The dialog's list of families: the list view whose rows are most often
// installed family names (the others list styles and sizes).
QListView *familyList(QFontDialog &dialog)
{
    const QStringList families = QFontDatabase::families();
    QListView *best = nullptr;
    int bestHits = 0;
    for (QListView *view : dialog.findChildren<QListView *>()) {
        auto *model = qobject_cast<QStringListModel *>(view->model());
        if (!model)
            continue;
        int hits = 0;
        for (const QString &row : model->stringList())
            hits += families.contains(row) ? 1 : 0;
        if (hits > bestHits) {
            best = view;
            bestHits = hits;
        }
    }
    return best;
}

void hideProportionalRows(QListView *view)
{
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        view->setRowHidden(row, !isFixedPitchFamily(model->index(row, 0).data().toString()));
}

// QFontDialog's own monospaced filter leaves out the dual-width Japanese
// faces. Hiding rows (rather than replacing the list) keeps the row numbers
// the dialog selects by; the list is filtered again whenever the dialog
// refills it, for example after a change of writing system.
void offerFixedPitchOnly(QFontDialog &dialog)
{
    QListView *view = familyList(dialog);
    if (!view)
        return;
    hideProportionalRows(view);
    QObject::connect(view->model(), &QAbstractItemModel::modelReset, view,
                     [view] { hideProportionalRows(view); });
}

} // namespace

FontPicker::Choice FontDialogPicker::choose(const QFont &initial, bool fixedPitchOnly, QWidget *parent)
{
    QFontDialog dialog(initial, parent);
    // The dialog offers underline and strike-out too; the caller takes only
    // face, size, weight and italic from the choice.
    if (fixedPitchOnly)
        offerFixedPitchOnly(dialog);
    Choice choice;
    choice.accepted = dialog.exec() == QDialog::Accepted;
    choice.font = dialog.selectedFont();
    if (!choice.accepted)
        choice.font = initial;
    return choice;
}
