#include "formplacer.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Grows control's height to at least height, about its middle.
void growHeight(QWidget *control, int height)
{
    if (height <= control->height())
        return;
    const int middle = control->y() + control->height() / 2;
    control->setGeometry(control->x(), middle - height / 2, control->width(), height);
}

} // namespace

FormPlacer::FormPlacer(QWidget *parent, const FormStyle &style)
    : m_parent(parent), m_style(style), m_twips(Twips::forWidget(parent))
{
}

FormPlacer::FormPlacer(QWidget *parent, const DialogUnits &units, const FormStyle &style)
    : FormPlacer(parent, style)
{
    m_units = units;
}

int FormPlacer::x(int units) const
{
    return m_units ? m_units->x(units) : m_twips.toPixels(units);
}

int FormPlacer::y(int units) const
{
    return m_units ? m_units->y(units) : m_twips.toPixels(units);
}

QRect FormPlacer::rect(int left, int top, int width, int height) const
{
    return m_units ? m_units->rect(left, top, width, height) : m_twips.rect(left, top, width, height);
}

void FormPlacer::placeWidget(QWidget *control, const QString &name, int left, int top, int width,
                             int height) const
{
    control->setObjectName(name);
    control->setGeometry(rect(left, top, width, height));
    widenToCaption(control);
    if (m_style.heightenCaptions
        && (qobject_cast<QAbstractButton *>(control) || qobject_cast<QLabel *>(control)))
        growHeight(control, control->sizeHint().height());
}

int FormPlacer::heightOr(int height, int styleHeight) const
{
    return height == kStyleHeight ? styleHeight : height;
}

QLabel *FormPlacer::label(const QString &name, const QString &caption, int left, int top, int width,
                          int height) const
{
    return place(new QLabel(caption, m_parent), name, left, top, width, heightOr(height, m_style.lineHeight));
}

QRadioButton *FormPlacer::option(const QString &name, const QString &caption, int left, int top, int width,
                                 int height) const
{
    return place(new QRadioButton(caption, m_parent), name, left, top, width,
                 heightOr(height, m_style.lineHeight));
}

QCheckBox *FormPlacer::checkBox(const QString &name, const QString &caption, int left, int top, int width,
                                int height) const
{
    return place(new QCheckBox(caption, m_parent), name, left, top, width, heightOr(height, m_style.lineHeight));
}

QPushButton *FormPlacer::button(const QString &name, const QString &caption, int left, int top, int width,
                                int height) const
{
    return place(new QPushButton(caption, m_parent), name, left, top, width, height);
}

QLineEdit *FormPlacer::field(const QString &name, int left, int top, int width, bool readOnly, int height) const
{
    auto *field = place(new QLineEdit(m_parent), name, left, top, width, heightOr(height, m_style.fieldHeight));
    field->setReadOnly(readOnly);
    if (const std::optional<FieldBackground> background = readOnly ? m_style.readOnlyField : m_style.inputField)
        setFieldBackground(field, *background);
    return field;
}

void FormPlacer::fitText(QLabel *label, const QString &sample) const
{
    const QFontMetrics metrics(label->font());
    const int width = metrics.horizontalAdvance(sample) + metrics.averageCharWidth();
    growHeight(label, metrics.height());
    if (width <= label->width())
        return;
    const Qt::Alignment alignment = label->alignment();
    QRect r = label->geometry();
    if (alignment & Qt::AlignRight)
        r.setLeft(r.right() + 1 - width);
    else if (alignment & Qt::AlignHCenter)
        r = QRect(r.center().x() - width / 2, r.y(), width, r.height());
    else
        r.setWidth(width);
    label->setGeometry(r);
}

void FormPlacer::finish(int width, int height, int margin) const
{
    const int pixels = x(margin);
    for (QGroupBox *frame : m_parent->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly)) {
        growToChildren(frame, pixels);
        frame->lower();
    }
    m_parent->resize(x(width), y(height));
    growToChildren(m_parent, pixels);
    m_parent->setFixedSize(m_parent->size());
}
