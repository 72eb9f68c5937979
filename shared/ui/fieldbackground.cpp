#include "fieldbackground.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyle>

namespace {

QColor colour(FieldBackground background, const QLineEdit *field, QPalette::ColorGroup group)
{
    switch (background) {
    case FieldBackground::Window:
        return QApplication::palette(field).color(group, QPalette::Base);
    case FieldBackground::ButtonFace:
        return QApplication::palette(field).color(group, QPalette::Button);
    case FieldBackground::White:
        return Qt::white;
    case FieldBackground::Menu:
        break;
    }
    return field->style()->standardPalette().color(QPalette::Window);
}

} // namespace

void setFieldBackground(QLineEdit *field, FieldBackground background)
{
    QPalette palette = field->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour(background, field, group));
    field->setPalette(palette);
}

bool isFieldWhite(const QLineEdit *field)
{
    return field->palette().color(QPalette::Base) == QColor(Qt::white);
}
