#include "formlayout.h"

#include "shared/ui/dialogunits.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// Room left beside and below a control that outgrew its container.
constexpr int kMarginTwips = 120;

// Grows control's height to at least height, about its middle.
void growHeight(QWidget *control, int height)
{
    if (height <= control->height())
        return;
    const int middle = control->y() + control->height() / 2;
    control->setGeometry(control->x(), middle - height / 2, control->width(), height);
}

} // namespace

FormLayout::FormLayout(QWidget *form) : m_form(form), m_twips(Twips::forWidget(form))
{
    form->setFont(dialogFont());
}

void FormLayout::placeWidget(QWidget *control, const QString &name, int left, int top, int width,
                             int height) const
{
    control->setObjectName(name);
    control->setGeometry(m_twips.rect(left, top, width, height));
    widenToCaption(control);
    // An option button or label as high as the original font's line would
    // clip the taller installed face.
    if (qobject_cast<QAbstractButton *>(control) || qobject_cast<QLabel *>(control))
        growHeight(control, control->sizeHint().height());
}

void FormLayout::fitText(QWidget *label, const QString &sample) const
{
    const QFontMetrics metrics(label->font());
    const int width = metrics.horizontalAdvance(sample) + metrics.averageCharWidth();
    growHeight(label, metrics.height());
    if (width <= label->width())
        return;
    const Qt::Alignment alignment = qobject_cast<QLabel *>(label)->alignment();
    QRect r = label->geometry();
    if (alignment & Qt::AlignRight)
        r.setLeft(r.right() + 1 - width);
    else if (alignment & Qt::AlignHCenter)
        r = QRect(r.center().x() - width / 2, r.y(), width, r.height());
    else
        r.setWidth(width);
    label->setGeometry(r);
}

void FormLayout::finish(int width, int height) const
{
    const int margin = m_twips.toPixels(kMarginTwips);
    for (QGroupBox *frame : m_form->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly)) {
        growToChildren(frame, margin);
        // Frames lie under the controls they surround.
        frame->lower();
    }
    m_form->resize(m_twips.toPixels(width), m_twips.toPixels(height));
    growToChildren(m_form, margin);
    m_form->setFixedSize(m_form->size());
}

QFont labelFont()
{
    QFont font = dialogFont();
    font.setPointSizeF(11.25);
    return font;
}

void showOnButtonFace(QLineEdit *field, bool onButtonFace)
{
    QPalette palette = field->palette();
    const QPalette defaults = QApplication::palette(field);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base,
                         defaults.color(group, onButtonFace ? QPalette::Button : QPalette::Base));
    field->setPalette(palette);
}
