#include "filepicker.h"

#include <QFileDialog>

FilePicker::Choice FileDialogPicker::choose(const Request &request, QWidget *parent)
{
    QFileDialog dialog(parent, request.title, request.folder);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!request.save)
        dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (!request.nameFilters.isEmpty()) {
        dialog.setNameFilters(request.nameFilters);
        if (request.filterIndex >= 0 && request.filterIndex < request.nameFilters.size())
            dialog.selectNameFilter(request.nameFilters.at(request.filterIndex));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);

    Choice choice;
    choice.accepted = dialog.exec() == QDialog::Accepted;
    choice.filterIndex = qMax(0, request.nameFilters.indexOf(dialog.selectedNameFilter()));
    if (choice.accepted)
        choice.files = dialog.selectedFiles();
    return choice;
}
