#include "questionbox.h"

#include <QMessageBox>

bool QtQuestionBox::ask(const QString &text, const QString &title, QWidget *parent)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
