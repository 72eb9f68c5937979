#include "messagebox.h"

#include <QMessageBox>

namespace {
QString cut(const QString &text)
{
    return text.size() > QtMessageBoxService::kMaxShownChars
               ? text.left(QtMessageBoxService::kMaxShownChars) + QChar(0x2026)
               : text;
}
} // namespace

void QtMessageBoxService::show(const QString &text, const QString &title, bool systemModal)
{
    exec(text, title, QString(), systemModal);
}

void QtMessageBoxService::showWithDetails(const QString &text, const QString &title, const QString &details)
{
    exec(text, title, details, false);
}

void QtMessageBoxService::exec(const QString &text, const QString &title, const QString &details, bool systemModal)
{
    QMessageBox box(QMessageBox::NoIcon, title, cut(text), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("viewerMessage"));
    if (!details.isEmpty())
        box.setDetailedText(cut(details));
    if (systemModal) {
        // The modality first: setting it drops a stays-on-top hint set before.
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    box.exec();
}
