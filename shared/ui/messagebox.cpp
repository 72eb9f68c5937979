#include "messagebox.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {
QString cut(const QString &text)
{
    return text.size() > QtMessageBoxService::kMaxShownChars
               ? text.left(QtMessageBoxService::kMaxShownChars) + QChar(0x2026)
               : text;
}

// A box is as wide as its text, and the window manager cuts a longer title
// ("Tsukikage Mirelle - Episode 5" over a short quote): the box is widened
// to the title as title bars draw it (bold, and often a size larger than
// the windows' text), with room for the bar's icon and buttons, up to a
// width a screen always holds.
void widenToTitle(QMessageBox &box, const QString &title)
{
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int width = qMin(metrics.horizontalAdvance(title) * 13 / 10 + 6 * metrics.height(), 600);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
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
    widenToTitle(box, title);
    if (!details.isEmpty())
        box.setDetailedText(cut(details));
    if (systemModal) {
        // The modality first: setting it drops a stays-on-top hint set before.
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    box.exec();
}
