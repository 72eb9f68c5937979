#include "messagebox.h"

#include <QMessageBox>

void QtMessageBoxService::show(const QString &text, const QString &title, bool systemModal)
{
    QString shown = text;
    if (shown.size() > kMaxShownChars)
        shown = shown.left(kMaxShownChars) + QChar(0x2026);
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("viewerMessage"));
    if (systemModal) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.setWindowModality(Qt::ApplicationModal);
    }
    box.exec();
}
