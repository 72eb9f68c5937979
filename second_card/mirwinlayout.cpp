#include "mirwinlayout.h"

#include "second_config/mirwinsettings.h"

#include <algorithm>

namespace MirwinLayout {

namespace {

int offset(int value)
{
    return std::clamp(value, MirwinSettings::kOffsetMin, MirwinSettings::kOffsetMax);
}

} // namespace

double titlePixels(const std::optional<int> &sizeOffset, int screenHeight)
{
    const int units = kTitleUnits
                      + std::clamp(sizeOffset.value_or(0), MirwinSettings::kSizeMin, MirwinSettings::kSizeMax);
    return units * double(screenHeight) / kReferenceHeight;
}

QRectF textArea(const QSize &screen)
{
    const double marginX = screen.width() * kMarginRatio;
    const double marginY = screen.height() * kMarginRatio;
    return QRectF(marginX, marginY, screen.width() - 2 * marginX, screen.height() - 2 * marginY);
}

QPointF blockPosition(const QSizeF &block, const QRectF &area, int vertical, int horizontal)
{
    const double freeX = qMax(0.0, area.width() - block.width());
    const double freeY = qMax(0.0, area.height() - block.height());
    return {area.left() + freeX * lineAlignment(horizontal),
            area.top() + freeY * (MirwinSettings::kOffsetMax - offset(vertical))
                             / double(MirwinSettings::kOffsetMax - MirwinSettings::kOffsetMin)};
}

double lineAlignment(int horizontal)
{
    return (offset(horizontal) - MirwinSettings::kOffsetMin)
           / double(MirwinSettings::kOffsetMax - MirwinSettings::kOffsetMin);
}

} // namespace MirwinLayout
