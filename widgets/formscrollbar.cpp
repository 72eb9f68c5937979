#include "formscrollbar.h"

#include "formscrollbaraccessible.h"

#include <QKeyEvent>

FormScrollBar::FormScrollBar(Qt::Orientation orientation, QWidget *parent) : QScrollBar(orientation, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    FormScrollBarAccessible::install();
}

void FormScrollBar::keyPressEvent(QKeyEvent *event)
{
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left: action = SliderSingleStepSub; break;
    case Qt::Key_Down:
    case Qt::Key_Right: action = SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = SliderPageStepSub; break;
    case Qt::Key_PageDown: action = SliderPageStepAdd; break;
    case Qt::Key_Home: action = SliderToMinimum; break;
    case Qt::Key_End: action = SliderToMaximum; break;
    default: QScrollBar::keyPressEvent(event); return;
    }
    triggerAction(action);
    event->accept();
}
