#include "cardgeometry.h"

#include "shared/cp932.h"

namespace {

int cellX(int byteIndex, double cell, int width)
{
    return static_cast<int>(byteIndex * cell + width * 0.1);
}

} // namespace

LineGeometry layoutTitleLine(const QString &text, const FieldPlacement &placement,
                             const QSize &screen)
{
    LineGeometry line;
    const QList<Cp932::Character> characters = Cp932::characters(text);
    int n = 0;
    for (const Cp932::Character &character : characters)
        n += character.bytes;
    if (n == 0)
        return line;
    const int W = screen.width();
    const int H = screen.height();
    const double cell = W * 0.8 / n;
    line.cellHeight = static_cast<int>(placement.sizePercent * H * 0.01);
    line.cellWidth = static_cast<int>(cell);
    line.top = static_cast<int>(placement.topPercent * H * 0.01);

    int i = 0;
    for (const Cp932::Character &character : characters) {
        const int count = character.bytes;
        const int left = cellX(i, cell, W);
        const int right = cellX(i + count, cell, W);
        line.glyphs.append({i, count, QRect(left, line.top, right - left, line.cellHeight),
                            character.text, character.inCodePage});
        i += count;
    }
    return line;
}
