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
        // The modality first: setting it drops a stays-on-top hint set before.
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    box.exec();
}
