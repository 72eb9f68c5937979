#pragma once

#include <QString>

#include <optional>

// The drawing settings of mirwin, the second series' title card: the face
// of its font, a size offset and two position offsets. mirinit and
// velmoinit edit them; mirwin.ini holds them (mirwinsettingsfile.h).
struct MirwinSettings
{
    // The ranges of the controls that edit them.
    static constexpr int kSizeMin = -39;
    static constexpr int kSizeMax = 200;
    static constexpr int kOffsetMin = -100;
    static constexpr int kOffsetMax = 100;

    QString faceName;
    // Empty until a size was read from the file or chosen: mirwin then
    // keeps its own size, and the file's size line stays empty.
    std::optional<int> size;
    int vertical = 0;
    int horizontal = 0;

    bool operator==(const MirwinSettings &other) const
    {
        return faceName == other.faceName && size == other.size && vertical == other.vertical
               && horizontal == other.horizontal;
    }
    bool operator!=(const MirwinSettings &other) const { return !(*this == other); }
};

// The size as its label shows it: "+" before a value above 0, "0", or the
// value with its minus sign.
QString sizeText(int size);

// The size label for settings whose size was never set: empty.
QString sizeText(const std::optional<int> &size);

// The position label: "( " horizontal " , " vertical " )".
QString positionText(int horizontal, int vertical);
