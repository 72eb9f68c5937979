#include "cardtextblock.h"

#include <QFontMetricsF>

#include <cmath>

namespace CardTextBlock {

namespace {

Line measure(const QString &text, QFont font, int pixelSize)
{
    font.setPixelSize(qMax(1, pixelSize));
    const QFontMetricsF metrics(font);
    return {text, font, metrics.horizontalAdvance(text), metrics.ascent(),
            metrics.ascent() + metrics.descent()};
}

// Shrinks by the ratio of the widths, then a pixel at a time: hinting keeps
// the advance from scaling exactly with the size.
Line fitWidth(const QString &text, const QFont &font, qreal width)
{
    Line line = measure(text, font, font.pixelSize());
    while (line.width > width && line.font.pixelSize() > 1) {
        const int current = line.font.pixelSize();
        const int scaled = static_cast<int>(std::floor(current * width / line.width));
        line = measure(text, font, qMin(current - 1, scaled));
    }
    return line;
}

QSizeF sizeOf(const QList<Line> &lines, qreal gap)
{
    QSizeF size;
    for (const Line &line : lines) {
        size.setWidth(qMax(size.width(), line.width));
        size.rheight() += line.height;
    }
    if (lines.size() > 1)
        size.rheight() += gap * qreal(lines.size() - 1);
    return size;
}

} // namespace

Block layout(const QList<Request> &requests, qreal gap, const QSizeF &room)
{
    Block block;
    block.gap = gap;
    for (const Request &request : requests) {
        if (!request.text.isEmpty())
            block.lines.append(fitWidth(request.text, request.font, room.width()));
    }
    block.size = sizeOf(block.lines, block.gap);
    // Smaller by the ratio of the heights until it fits; every round takes
    // at least a pixel off each line, so it ends.
    while (block.size.height() > room.height() && block.size.height() > 0) {
        const qreal factor = room.height() / block.size.height();
        bool shrunk = false;
        for (Line &line : block.lines) {
            const int current = line.font.pixelSize();
            const int scaled = qMin(current - 1, static_cast<int>(std::floor(current * factor)));
            if (current > 1)
                shrunk = true;
            line = measure(line.text, line.font, scaled);
        }
        block.gap *= factor;
        block.size = sizeOf(block.lines, block.gap);
        if (!shrunk)
            break;
    }
    return block;
}

} // namespace CardTextBlock
