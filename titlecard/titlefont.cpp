#include "titlefont.h"

#include "shared/cp932.h"
#include "shared/textencoding.h"

bool TitleFont::operator==(const TitleFont &o) const
{
    return lfHeight == o.lfHeight && lfWidth == o.lfWidth && lfEscapement == o.lfEscapement
        && lfOrientation == o.lfOrientation && lfWeight == o.lfWeight && lfItalic == o.lfItalic
        && lfUnderline == o.lfUnderline && lfStrikeOut == o.lfStrikeOut && lfCharSet == o.lfCharSet
        && lfOutPrecision == o.lfOutPrecision && lfClipPrecision == o.lfClipPrecision
        && lfQuality == o.lfQuality && lfPitchAndFamily == o.lfPitchAndFamily
        && lfFaceName == o.lfFaceName;
}

QString TitleFont::faceName() const
{
    return TextEncoding::decode(lfFaceName);
}

void TitleFont::setFaceName(const QString &face)
{
    lfFaceName = TextEncoding::cutAtCharBoundary(TextEncoding::encodeLossless(face), kFaceNameBytes);
}

QByteArray defaultTitleFace()
{
    return Cp932::fromUnicode(QStringLiteral("ＭＳ ゴシック"));
}

TitleFont defaultTitleFont(const QByteArray &face)
{
    TitleFont font;
    font.lfFaceName = Cp932::cutAtCharBoundary(face, TitleFont::kFaceNameBytes);
    return font;
}
