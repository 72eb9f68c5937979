#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

// Where the card puts a field: the top of its text and its cell height, in
// per cent of the screen height.
struct FieldPlacement
{
    int topPercent;
    int sizePercent;
};

// By rank after splitting: line1, line2, ruby1, ruby2, line3.
constexpr FieldPlacement kFieldPlacements[] = {{35, 10}, {55, 10}, {30, 4}, {50, 4}, {70, 5}};

// One glyph of a line: a character of one or two bytes in code page 932,
// or one the code page lacks (two cells), and the cells it owns (one cell
// per byte).
struct GlyphCell
{
    int byteIndex;
    int byteCount; // 1 or 2
    QRect cell;
    QString text;  // the character to draw
    bool inCodePage = true;
};

// A field spread over the band 0.1 W .. 0.9 W with one equal cell per byte.
struct LineGeometry
{
    int cellHeight = 0; // the font height for the line
    int cellWidth = 0;  // the font width for the line (one byte)
    int top = 0;
    QList<GlyphCell> glyphs;
};

// The arithmetic is in double precision, left to right as written, and
// truncates toward zero: cell height trunc(z * H * 0.01), cell width
// trunc(W * 0.8 / n), glyph x trunc(i * (W * 0.8 / n) + W * 0.1), top
// trunc(p * H * 0.01), where n is the field's length in code page 932
// bytes. A glyph is placed by its byte index, never by the font's
// advances; a double-byte glyph spans to where byte i + 2 starts. The text
// becomes bytes here and nowhere else (Cp932::characters).
LineGeometry layoutTitleLine(const QString &text, const FieldPlacement &placement,
                             const QSize &screen);
