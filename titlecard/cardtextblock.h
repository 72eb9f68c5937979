#pragma once

#include <QFont>
#include <QList>
#include <QSizeF>
#include <QString>

// Lines of a card stacked into one block that fits a room: each line is
// made smaller until it fits the width, then the whole block until it fits
// the height, so no text ever runs off the screen.
namespace CardTextBlock {

struct Line
{
    QString text;
    QFont font;       // with the line's final pixel size
    qreal width = 0;  // the text's advance
    qreal ascent = 0;
    qreal height = 0; // ascent and descent
};

struct Block
{
    QList<Line> lines; // top to bottom; empty texts are left out
    qreal gap = 0;     // between two lines
    QSizeF size;
};

struct Request
{
    QString text;
    QFont font; // its pixel size is the size the line would like
};

// gap: the room between two lines at the sizes asked for; it shrinks with
// the block.
Block layout(const QList<Request> &lines, qreal gap, const QSizeF &room);

} // namespace CardTextBlock
