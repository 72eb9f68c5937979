#include "tabgeometry.h"

#include "roundhalfeven.h"

namespace TabGeometry {

namespace {

// A tab's width and height around its caption, and the gap between tabs.
constexpr double kCaptionMarginX = 16;
constexpr double kCaptionMarginY = 5;
constexpr int kFirstLeft = 2;
constexpr int kTop = 2;
constexpr int kGap = 1;

} // namespace

std::optional<TabEntry> nextTab(const QList<TabEntry> &tabs, const QString &caption, double textWidth,
                                double textHeight)
{
    TabEntry tab;
    tab.caption = caption;
    const double left = tabs.isEmpty() ? kFirstLeft : double(tabs.last().left) + tabs.last().width + kGap;
    const double width = roundHalfEven(textWidth + kCaptionMarginX);
    const double height = roundHalfEven(textHeight + kCaptionMarginY);
    if (!(left + width <= kLargestPosition && kTop + height <= kLargestPosition && width >= 0 && height >= 0))
        return std::nullopt;
    tab.left = int(left);
    tab.top = kTop;
    tab.width = int(width);
    tab.height = int(height);
    return tab;
}

int hitTab(const QList<TabEntry> &tabs, QPointF position)
{
    for (int i = 0; i < tabs.size(); ++i) {
        const TabEntry &tab = tabs[i];
        if (tab.left <= position.x() && position.x() <= tab.left + tab.width && tab.top <= position.y()
            && position.y() <= tab.top + tab.height)
            return i;
    }
    return -1;
}

TabClientArea clientArea(const SurfaceMetrics &surface)
{
    // The tabs stand textHeight + 5 high from y = 2, the body's top edge
    // lies one pixel below them and the frame is two pixels wide at the
    // right and bottom, one at the left.
    TabClientArea area;
    area.left = int(roundHalfEven(surface.left + surface.unitsPerPixelX));
    area.top = int(roundHalfEven(surface.top + (surface.textHeight + 9) * surface.unitsPerPixelY));
    area.width = int(roundHalfEven((surface.innerWidth - 3) * surface.unitsPerPixelX));
    area.height = int(roundHalfEven(surface.height - (surface.textHeight + 11) * surface.unitsPerPixelY));
    return area;
}

} // namespace TabGeometry
