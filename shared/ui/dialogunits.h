#pragma once

#include <QFont>
#include <QRect>

class QWidget;

// Dialog-template coordinates: a horizontal unit is a quarter of the dialog
// font's average character width, a vertical unit an eighth of its height,
// so a template keeps its arrangement whatever the font's size.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont &font);

    int x(int units) const { return units * m_baseX / 4; }
    int y(int units) const { return units * m_baseY / 8; }
    QRect rect(int x, int y, int width, int height) const;

private:
    int m_baseX;
    int m_baseY;
};

// The 9-point Japanese proportional face the dialogs are laid out in; the
// first of the listed families that is installed wins.
QFont dialogFont();

// The width a control needs to show its caption whole (0 for a control
// without one): text, indicator and frame, measured in its own font.
int captionWidth(const QWidget *control);

// Widens control to its caption width where the template's width would clip.
void widenToCaption(QWidget *control);

// Grows window, if a widened control sticks out, to hold all its children
// with margin pixels to spare on the right and at the bottom.
void growToChildren(QWidget *window, int margin);
