#pragma once

#include "widgets/formscrollbar.h"

// A vertical bar whose value rises towards the top: the top arrow, Up,
// Page Up and dragging the thumb upwards all raise it, and its largest
// value sits at the top end. Qt's inverted appearance moves the thumb but
// leaves the arrows working the other way, so the bar keeps the negated
// value inside (FormScrollBar) and shows the real one as level().
class RisingScrollBar : public FormScrollBar
{
    Q_OBJECT
public:
    explicit RisingScrollBar(QWidget *parent = nullptr);

    // bottom is the smallest value, top the largest.
    void setLevelRange(int bottom, int top);
    int level() const { return shownValue(); }
    void setLevel(int level) { setShownValue(level); }

signals:
    // While the thumb is dragged and whenever the value changes.
    void levelChanged(int level);
};
