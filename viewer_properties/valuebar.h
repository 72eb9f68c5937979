#pragma once

#include "widgets/formscrollbar.h"

// A scroll bar given by the values at its two ends, as the form's bars
// are: the value at the top (or left) end may be the larger one, as on
// the size bar that runs from 200 at the top to -39 at the bottom. The
// arrows, the keys and the thumb then all move the way they point. Values
// set outside the ends are clamped to them. Keys move towards the end
// they name (FormScrollBar).
class ValueBar : public FormScrollBar
{
    Q_OBJECT
public:
    ValueBar(Qt::Orientation orientation, int startEnd, int finishEnd, QWidget *parent = nullptr);

    // startEnd is the value at the top or left end, finishEnd at the other.
    void setEnds(int startEnd, int finishEnd);
    int startEnd() const { return shown(minimum()); }
    int finishEnd() const { return shown(maximum()); }

    int barValue() const { return shownValue(); }
    void setBarValue(int value) { setShownValue(value); }

signals:
    // Every change: set by the program, moved by arrow, key or page, and
    // while the thumb is dragged.
    void barValueChanged(int value);
};
