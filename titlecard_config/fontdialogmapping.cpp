#include "fontdialogmapping.h"

#include "shared/facecatalogue.h"

#include <QFontDatabase>
#include <QList>
#include <QtMath>

namespace {

constexpr std::uint8_t kAnsiCharset = 0;
constexpr std::uint8_t kShiftJisCharset = 128;
constexpr std::uint8_t kFixedPitch = 1;
constexpr std::uint8_t kVariablePitch = 2;
constexpr std::uint8_t kPitchBits = 0x03;

} // namespace

QFont toQFont(const TitleFont &font, int logicalDpiY)
{
    QFont result;
    result.setFamily(font.faceName());
    // Negative: character height; positive: cell height. Both are pixels;
    // the dialog lists point sizes, so the size goes in as points.
    const qint64 pixels = qMin<qint64>(qAbs(qint64(font.lfHeight)), 4096);
    if (pixels > 0 && logicalDpiY > 0)
        result.setPointSizeF(double(pixels) * 72.0 / logicalDpiY);
    result.setWeight(font.lfWeight <= 0 ? QFont::Normal
                                        : QFont::Weight(qBound(1, int(font.lfWeight), 1000)));
    result.setItalic(font.lfItalic != 0);
    return result;
}

void applyChosenFont(const QFont &chosen, int logicalDpiY, const FaceCatalogue &faces,
                     TitleFont &record)
{
    record.setFaceName(chosen.family());
    if (chosen.pixelSize() > 0)
        record.lfHeight = -chosen.pixelSize();
    else if (chosen.pointSizeF() > 0)
        record.lfHeight = -qRound(chosen.pointSizeF() * logicalDpiY / 72.0);
    record.lfWeight = qBound(100, int(chosen.weight()), 900);
    record.lfItalic = chosen.italic() ? 1 : 0;

    const QString family = faces.installedFamily(chosen.family());
    if (family.isEmpty())
        return;
    record.lfCharSet = QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese)
        ? kShiftJisCharset
        : kAnsiCharset;
    const std::uint8_t pitch = faces.isFixedPitch(family) ? kFixedPitch : kVariablePitch;
    record.lfPitchAndFamily = static_cast<std::uint8_t>((record.lfPitchAndFamily & ~kPitchBits) | pitch);
}
