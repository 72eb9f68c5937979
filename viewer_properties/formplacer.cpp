#include "formplacer.h"

#include "shared/ui/dialogunits.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {
// Height of one line of option, check box, label or field, in twips.
constexpr int kLineHeight = 270;
constexpr int kFieldHeight = 315;
} // namespace

FormPlacer::FormPlacer(QWidget *parent) : m_parent(parent), m_twips(Twips::forWidget(parent))
{
}

QRect FormPlacer::rect(int left, int top, int width, int height) const
{
    return m_twips.rect(left, top, width, height);
}

void FormPlacer::placeWidget(QWidget *control, const QString &name, int left, int top, int width,
                             int height) const
{
    control->setObjectName(name);
    control->setGeometry(rect(left, top, width, height));
    widenToCaption(control);
}

QRadioButton *FormPlacer::option(const QString &name, const QString &caption, int left, int top,
                                 int width) const
{
    return place(new QRadioButton(caption, m_parent), name, left, top, width, kLineHeight);
}

QCheckBox *FormPlacer::checkBox(const QString &name, const QString &caption, int left, int top, int width) const
{
    return place(new QCheckBox(caption, m_parent), name, left, top, width, kLineHeight);
}

QLabel *FormPlacer::label(const QString &name, const QString &caption, int left, int top, int width) const
{
    return place(new QLabel(caption, m_parent), name, left, top, width, kLineHeight);
}

QPushButton *FormPlacer::button(const QString &name, const QString &caption, int left, int top, int width,
                                int height) const
{
    return place(new QPushButton(caption, m_parent), name, left, top, width, height);
}

QLineEdit *FormPlacer::field(const QString &name, int left, int top, int width, bool readOnly) const
{
    auto *field = place(new QLineEdit(m_parent), name, left, top, width, kFieldHeight);
    field->setReadOnly(readOnly);
    setFieldWhite(field, !readOnly);
    return field;
}

void setFieldWhite(QLineEdit *field, bool white)
{
    QPalette palette = field->palette();
    const QPalette standard = field->style()->standardPalette();
    palette.setColor(QPalette::Base, white ? QColor(Qt::white) : standard.color(QPalette::Window));
    field->setPalette(palette);
}

bool isFieldWhite(const QLineEdit *field)
{
    return field->palette().color(QPalette::Base) == QColor(Qt::white);
}
