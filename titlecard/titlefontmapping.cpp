#include "titlefontmapping.h"

#include "shared/facechoice.h"

namespace TitleFontMapping {

namespace {

constexpr int kFixedPitch = 1;
constexpr int kVariablePitch = 2;
constexpr int kNonAntialiasedQuality = 3;
constexpr int kAntialiasedQuality = 4;
constexpr int kClearTypeQuality = 5;

QFont::StyleHint styleHintFor(std::uint8_t pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case 0x10: return QFont::Serif;      // FF_ROMAN
    case 0x20: return QFont::SansSerif;  // FF_SWISS
    case 0x30: return QFont::Monospace;  // FF_MODERN
    case 0x40: return QFont::Cursive;    // FF_SCRIPT
    case 0x50: return QFont::Decorative; // FF_DECORATIVE
    default: return QFont::AnyStyle;
    }
}

} // namespace

QFont toQFont(const TitleFont &font, const FaceCatalogue &faces)
{
    QFont qfont;
    qfont.setFamilies({FaceChoice::resolve(font.faceName(), font.lfPitchAndFamily, faces)});
    if (font.lfWeight > 0)
        qfont.setWeight(static_cast<QFont::Weight>(qBound(1, int(font.lfWeight), 1000)));
    else
        qfont.setWeight(QFont::Normal);
    qfont.setItalic(font.lfItalic != 0);
    qfont.setUnderline(font.lfUnderline != 0);
    qfont.setStrikeOut(font.lfStrikeOut != 0);

    const int pitch = font.lfPitchAndFamily & 0x03;
    if (pitch == kFixedPitch)
        qfont.setFixedPitch(true);
    else if (pitch == kVariablePitch)
        qfont.setFixedPitch(false);

    QFont::StyleStrategy strategy = QFont::PreferDefault;
    if (font.lfQuality == kNonAntialiasedQuality)
        strategy = QFont::NoAntialias;
    else if (font.lfQuality == kAntialiasedQuality || font.lfQuality == kClearTypeQuality)
        strategy = QFont::PreferAntialias;
    qfont.setStyleHint(styleHintFor(font.lfPitchAndFamily), strategy);
    return qfont;
}

qreal rotationDegrees(const TitleFont &font)
{
    return -font.lfEscapement / 10.0;
}

bool antialiased(const TitleFont &font)
{
    return font.lfQuality != kNonAntialiasedQuality;
}

} // namespace TitleFontMapping
