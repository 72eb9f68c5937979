#include "cardink.h"

#include <QPainter>

void CardInk::addPainting(std::function<void(QPainter &)> painting)
{
    m_steps.append({std::move(painting), std::nullopt});
}

void CardInk::addShape(Shape shape)
{
    m_steps.append({{}, std::move(shape)});
}

void CardInk::paint(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Step &step : m_steps) {
        if (step.shape)
            paintShape(painter, *step.shape);
        else if (step.painting)
            step.painting(painter);
    }
}

void CardInk::paintShape(QPainter &painter, const Shape &shape)
{
    painter.save();
    painter.setTransform(shape.transform);
    if (shape.outline) {
        QPen pen = *shape.outline;
        pen.setColor(shape.colour);
        painter.strokePath(shape.path, pen);
    } else {
        painter.fillPath(shape.path, shape.colour);
    }
    painter.restore();
}
