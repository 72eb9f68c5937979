#include "valuebar.h"

#include <QKeyEvent>

#include <algorithm>

ValueBar::ValueBar(Qt::Orientation orientation, int startEnd, int finishEnd, QWidget *parent)
    : QScrollBar(orientation, parent)
{
    setEnds(startEnd, finishEnd);
    setSingleStep(1);
    // The form's bars are tab stops, moved by the arrow keys.
    setFocusPolicy(Qt::StrongFocus);
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

void ValueBar::keyPressEvent(QKeyEvent *event)
{
    // Inside, the top or left end is always the minimum.
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: action = SliderSingleStepSub; break;
    case Qt::Key_Right:
    case Qt::Key_Down: action = SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = SliderPageStepSub; break;
    case Qt::Key_PageDown: action = SliderPageStepAdd; break;
    case Qt::Key_Home: action = SliderToMinimum; break;
    case Qt::Key_End: action = SliderToMaximum; break;
    default: QScrollBar::keyPressEvent(event); return;
    }
    triggerAction(action);
    event->accept();
}
