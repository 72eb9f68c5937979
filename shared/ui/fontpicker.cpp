#include "fontpicker.h"

#include "fixedpitchfamilies.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QLineEdit>
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

// The row to fall back on when the current family is a hidden one: the
// first visible face with Japanese glyphs, else the first visible face.
int fallbackRow(const QListView *view)
{
    const QAbstractItemModel *model = view->model();
    int first = -1;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (view->isRowHidden(row))
            continue;
        if (QFontDatabase::writingSystems(model->index(row, 0).data().toString())
                .contains(QFontDatabase::Japanese))
            return row;
        if (first < 0)
            first = row;
    }
    return first;
}

// The dialog starts at the nearest installed face, which may be a hidden
// proportional one (and the list's keyboard search can land on one); OK
// would then return it. Such a current row moves to a visible one.
void keepCurrentRowVisible(QListView *view)
{
    const QModelIndex current = view->currentIndex();
    if (current.isValid() && !view->isRowHidden(current.row()))
        return;
    const int row = fallbackRow(view);
    if (row >= 0)
        view->setCurrentIndex(view->model()->index(row, 0));
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
    keepCurrentRowVisible(view);
    QObject::connect(view->model(), &QAbstractItemModel::modelReset, view, [view] {
        hideProportionalRows(view);
        keepCurrentRowVisible(view);
    });
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, view,
                     [view] { keepCurrentRowVisible(view); });
}

// Underline and strike-out are not taken from the choice, so they are not
// offered: the group of check boxes goes. The sample beside it keeps the
// height the two shared, or it would shrink to nothing.
void hideEffects(QFontDialog &dialog)
{
    int effectsHeight = 0;
    QList<QGroupBox *> others;
    for (QGroupBox *group : dialog.findChildren<QGroupBox *>()) {
        if (group->findChildren<QCheckBox *>().isEmpty()) {
            others << group;
        } else {
            effectsHeight = qMax(effectsHeight, group->sizeHint().height());
            group->hide();
        }
    }
    for (QGroupBox *group : std::as_const(others))
        group->setMinimumHeight(qMax(group->minimumHeight(), effectsHeight));
}

// Qt's sample is Latin letters only; a Japanese title is judged by its
// kana and kanji. Qt puts its own sample back only when the user picks a
// writing system, which then has its own letters.
void showJapaneseSample(QFontDialog &dialog)
{
    if (auto *sample = dialog.findChild<QLineEdit *>(QStringLiteral("qt_fontDialog_sampleEdit")))
        sample->setText(FontDialogPicker::kSampleText);
}

} // namespace

FontPicker::Choice FontDialogPicker::choose(const QFont &initial, bool fixedPitchOnly, QWidget *parent)
{
    QFontDialog dialog(initial, parent);
    // The filtering below works on Qt's own dialog; a platform's native
    // font chooser would offer every face.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    hideEffects(dialog);
    showJapaneseSample(dialog);
    if (fixedPitchOnly)
        offerFixedPitchOnly(dialog);
    Choice choice;
    choice.accepted = dialog.exec() == QDialog::Accepted;
    choice.font = dialog.selectedFont();
    if (!choice.accepted)
        choice.font = initial;
    return choice;
}
