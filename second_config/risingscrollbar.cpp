#include "risingscrollbar.h"

RisingScrollBar::RisingScrollBar(QWidget *parent) : FormScrollBar(Qt::Vertical, parent)
{
    connect(this, &QScrollBar::valueChanged, this, [this](int value) { emit levelChanged(-value); });
}

void RisingScrollBar::setLevelRange(int bottom, int top)
{
    setRange(-top, -bottom);
}

int RisingScrollBar::level() const
{
    return -value();
}

void RisingScrollBar::setLevel(int level)
{
    setValue(-level);
}
