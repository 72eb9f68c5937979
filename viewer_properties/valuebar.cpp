#include "valuebar.h"

#include <algorithm>

ValueBar::ValueBar(Qt::Orientation orientation, int startEnd, int finishEnd, QWidget *parent)
    : FormScrollBar(orientation, parent)
{
    setEnds(startEnd, finishEnd);
    setSingleStep(1);
    connect(this, &QAbstractSlider::valueChanged, this, [this] { emit barValueChanged(barValue()); });
}

void ValueBar::setEnds(int startEnd, int finishEnd)
{
    // Qt's bars grow from the top or left; a bar that falls towards the
    // other end keeps the negated value.
    const int current = barValue();
    m_reversed = startEnd > finishEnd;
    {
        const QSignalBlocker blocker(this);
        if (m_reversed) {
            setRange(-startEnd, -finishEnd);
            setValue(-std::clamp(current, finishEnd, startEnd));
        } else {
            setRange(startEnd, finishEnd);
            setValue(std::clamp(current, startEnd, finishEnd));
        }
    }
    if (barValue() != current)
        emit barValueChanged(barValue());
}

void ValueBar::setBarValue(int value)
{
    setValue(m_reversed ? -value : value);
}
