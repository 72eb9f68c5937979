#include "cardgeometry.h"

#include "shared/cp932.h"

namespace {

int cellX(int byteIndex, double cell, int width)
{
    return static_cast<int>(byteIndex * cell + width * 0.1);
}

} // namespace

LineGeometry layoutTitleLine(const QByteArray &text, const FieldPlacement &placement,
                             const QSize &screen)
{
    LineGeometry line;
    const int n = text.size();
    if (n == 0)
        return line;
    const int W = screen.width();
    const int H = screen.height();
    const double cell = W * 0.8 / n;
    line.cellHeight = static_cast<int>(placement.sizePercent * H * 0.01);
    line.cellWidth = static_cast<int>(cell);
    line.top = static_cast<int>(placement.topPercent * H * 0.01);

    for (int i = 0; i < n;) {
        const bool lead = Cp932::isLeadByte(static_cast<unsigned char>(text.at(i)));
        const int count = lead && i + 1 < n ? 2 : 1;
        const int left = cellX(i, cell, W);
        const int right = cellX(i + count, cell, W);
        line.glyphs.append({i, count, QRect(left, line.top, right - left, line.cellHeight)});
        i += count;
    }
    return line;
}
