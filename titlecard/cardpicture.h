#pragma once

#include <QImage>
#include <QSize>

// The background of a card whose picture keeps its proportions.
namespace CardPicture {

// The picture scaled smoothly to cover the whole screen, its middle kept
// where the screen's proportions differ (the edges are cut); black where
// there is no picture. A null image when the screen is too large for
// memory.
QImage cover(const QImage &picture, const QSize &screen);

} // namespace CardPicture
