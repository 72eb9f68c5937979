#include "risingscrollbar.h"

RisingScrollBar::RisingScrollBar(QWidget *parent) : FormScrollBar(Qt::Vertical, parent)
{
    setNegated(true);
    connect(this, &QScrollBar::valueChanged, this, [this] { emit levelChanged(level()); });
}

void RisingScrollBar::setLevelRange(int bottom, int top)
{
    setRange(shown(top), shown(bottom));
}
