#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// The card's font description, field for field the platform's LOGFONT
// record. Its text form is tambwin.ini (see titlefontfile.h).
struct TitleFont
{
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;   // tenths of a degree
    std::int32_t lfOrientation = 0;  // tenths of a degree
    std::int32_t lfWeight = 0;       // 0 = the face's default weight
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 128;    // SHIFTJIS_CHARSET
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 1; // FIXED_PITCH | FF_DONTCARE
    QByteArray lfFaceName;           // code page 932, at most kFaceNameBytes

    static constexpr int kFaceNameBytes = 31; // 32-byte field with terminator

    // The face as text. A hand-edited file may hold it in UTF-8, and a face
    // whose name code page 932 cannot hold is kept in UTF-8 rather than
    // lost (TextEncoding); either way it is cut to the field at a
    // character boundary.
    QString faceName() const;
    void setFaceName(const QString &face);

    bool operator==(const TitleFont &other) const;
    bool operator!=(const TitleFont &other) const { return !(*this == other); }
};

// "ＭＳ ゴシック" in code page 932: the face used when nothing else is known.
QByteArray defaultTitleFace();

// The defaults of every field, with the given face (code page 932).
TitleFont defaultTitleFont(const QByteArray &face = defaultTitleFace());
