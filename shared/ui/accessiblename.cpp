#include "accessiblename.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace {

QString captionOf(const QWidget *caption)
{
    if (const auto *label = qobject_cast<const QLabel *>(caption))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(caption))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(caption))
        return frame->title();
    return {};
}

} // namespace

void nameAfter(QWidget *control, const QWidget *caption)
{
    control->setAccessibleName(withoutMnemonics(captionOf(caption)).trimmed());
}

QString withoutMnemonics(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size())
            break;
        text += caption[i];
    }
    return text;
}
