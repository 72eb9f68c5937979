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
    // A bar that falls towards the bottom or right end keeps its values
    // negated (FormScrollBar).
    const int current = barValue();
    setNegated(startEnd > finishEnd);
    {
        const QSignalBlocker blocker(this);
        setRange(shown(startEnd), shown(finishEnd));
        setShownValue(std::clamp(current, qMin(startEnd, finishEnd), qMax(startEnd, finishEnd)));
    }
    if (barValue() != current)
        emit barValueChanged(barValue());
}
