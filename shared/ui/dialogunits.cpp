#include "dialogunits.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QtMath>

namespace {

// The letters the platform averages over for its dialog base unit.
const QString kAverageSample = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

QString withoutMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QString(QChar(1)));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(1), QLatin1Char('&'));
    return text;
}

} // namespace

DialogUnits::DialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    m_baseX = qMax(1, qRound(metrics.horizontalAdvance(kAverageSample) / 52.0));
    m_baseY = qMax(1, metrics.height());
}

QRect DialogUnits::rect(int x, int y, int width, int height) const
{
    return QRect(this->x(x), this->y(y), this->x(width), this->y(height));
}

QFont dialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("Droid Sans Fallback")});
    font.setPointSize(9);
    return font;
}

int captionWidth(const QWidget *control)
{
    const QFontMetrics metrics(control->font());
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        // The style's minimum button width is no part of the caption: only
        // the text inside the frame and its bevel must fit.
        const int frame = control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
        return metrics.horizontalAdvance(withoutMnemonic(button->text())) + 2 * frame + 6;
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->sizeHint().width(); // indicator, spacing and text
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text().isEmpty() ? 0 : label->sizeHint().width();
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        return metrics.horizontalAdvance(group->title()) + 4 * metrics.averageCharWidth();
    return 0;
}

void widenToCaption(QWidget *control)
{
    const int needed = captionWidth(control);
    if (needed > control->width())
        control->resize(needed, control->height());
}

void growToChildren(QWidget *window, int margin)
{
    QRect bounds(QPoint(0, 0), window->size());
    for (const QObject *child : window->children()) {
        if (const auto *widget = qobject_cast<const QWidget *>(child); widget && !widget->isWindow())
            bounds = bounds.united(widget->geometry().adjusted(0, 0, margin, margin));
    }
    window->resize(bounds.size());
}
