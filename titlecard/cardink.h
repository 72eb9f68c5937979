#pragma once

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <functional>
#include <optional>

class QPainter;

// What is drawn over a card's picture, in order: paintings (any QPainter
// drawing, done on the card as it comes) and shapes (a path filled, or
// stroked with a pen, in one colour). A shape can also be rasterized ahead,
// on any thread, into a coverage mask and blended in its turn (CoveredCard):
// pixel for pixel what painting it gives.
class CardInk
{
public:
    struct Shape
    {
        QPainterPath path;
        QColor colour;
        std::optional<QPen> outline; // stroked with this pen (its brush unused), else filled
        QTransform transform;
    };

    void addPainting(std::function<void(QPainter &)> painting);
    void addShape(Shape shape);
    bool isEmpty() const { return m_steps.isEmpty(); }

    // Every step painted onto the card in order, antialiased: the plain way.
    void paint(QPainter &painter) const;

    struct Step
    {
        std::function<void(QPainter &)> painting; // when not a shape
        std::optional<Shape> shape;
    };
    const QList<Step> &steps() const { return m_steps; }

    static void paintShape(QPainter &painter, const Shape &shape);

private:
    QList<Step> m_steps;
};
