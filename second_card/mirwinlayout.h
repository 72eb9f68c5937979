#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <optional>

// Where mirwin puts its text and how large, from the settings in mirwin.ini.
//
// Sizes are in units of the card's reference height: the screen's height
// is 480 units, so a unit is one pixel on a 640 x 480 screen and the text
// keeps its proportion to the screen on every screen. The title is 40
// units plus the size offset (-39..200: from 1 unit up to 240, half the
// screen's height); the heading is half the title.
//
// The position offsets (-100..100) are fractions of the free room left
// around the text inside the text area (the screen less a margin on every
// side): vertical 100 puts the text at the top of that area, -100 at its
// bottom, 0 in the middle; horizontal 100 at its right edge, -100 at its
// left. The lines are aligned the same way within the text, so text at the
// left edge is flush left. Text too large for the area (a long line, or a
// large size) is made smaller until it fits, so none leaves the screen.
namespace MirwinLayout {

constexpr int kReferenceHeight = 480;
constexpr int kTitleUnits = 40;
constexpr double kHeadingRatio = 0.5;
constexpr double kGapRatio = 0.2;     // between heading and title, of the title's size
constexpr double kMarginRatio = 0.05; // of the screen's width and height, on each side

// The title's size in pixels on a screen this high; an unset size is 0.
// Offsets outside -39..200 are taken as the nearest end.
double titlePixels(const std::optional<int> &sizeOffset, int screenHeight);

QRectF textArea(const QSize &screen);

// The top left of a block of text of this size in the area; offsets
// outside -100..100 are taken as the nearest end.
QPointF blockPosition(const QSizeF &block, const QRectF &area, int vertical, int horizontal);

// Where a line sits across its block: 0 flush left, 1 flush right.
double lineAlignment(int horizontal);

} // namespace MirwinLayout
