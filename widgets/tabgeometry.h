#pragma once

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

// Where the tabs of a tab strip lie, in pixels of its surface. A tab's
// place is fixed when it is added.
struct TabEntry
{
    QString caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The page area below the tabs, in the owning window's units.
struct TabClientArea
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

namespace TabGeometry {

// Positions are 16-bit numbers; a tab ending beyond them cannot be placed.
constexpr int kLargestPosition = 32767;

// The tab for caption after the existing ones, from the caption's text
// width and height on the surface; nothing when it would end beyond the
// largest position.
std::optional<TabEntry> nextTab(const QList<TabEntry> &tabs, const QString &caption, double textWidth,
                                double textHeight);

// The first tab whose rectangle, both edges included, holds position; -1
// when none does.
int hitTab(const QList<TabEntry> &tabs, QPointF position);

// The surface's place in the owning window's units, its inner size in
// pixels, the text height of one line on it and the window's units per
// pixel.
struct SurfaceMetrics
{
    double left = 0;
    double top = 0;
    double height = 0;
    double innerWidth = 0;
    double textHeight = 0;
    double unitsPerPixelX = 15;
    double unitsPerPixelY = 15;
};

// One pixel inside the body's frame on the left, right and bottom, and
// one pixel below its top edge.
TabClientArea clientArea(const SurfaceMetrics &surface);

} // namespace TabGeometry
