#pragma once

#include "cardink.h"

#include <QColor>
#include <QRect>
#include <QSize>

#include <memory>

class QImage;

// How much of each pixel a shape covers, rasterized by QPainter alone (it
// needs neither the card nor the thread that owns it), then blended onto
// the card with the shape's colour exactly as QPainter blends a solid
// colour over 32-bit pixels: the same pixels as painting the shape there.
class CoverageMask
{
public:
    // Only shapes QPainter fills through its coverage rasterizer, one span
    // per pixel; a hairline stroke takes another way, which may touch a
    // pixel twice.
    static bool canHold(const CardInk::Shape &shape);

    // The shape on a screen of this size. Memory is taken only for the rows
    // it touches; null when even that is not to be had.
    static CoverageMask rasterize(const CardInk::Shape &shape, const QSize &screen);

    bool isNull() const { return !m_bits; }
    // Blends the colour over card (RGB32, the screen's size) where covered.
    void blendOnto(QImage &card, const QColor &colour) const;

private:
    struct Free
    {
        void operator()(uchar *bits) const;
    };
    std::unique_ptr<uchar, Free> m_bits;
    QSize m_size;
    QRect m_bounds; // no coverage outside
};
