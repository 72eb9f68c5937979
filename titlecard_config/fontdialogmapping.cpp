#include "fontdialogmapping.h"

#include "shared/cp932.h"

#include <QtMath>

QFont toQFont(const TitleFont &font, int logicalDpiY)
{
    QFont result;
    result.setFamily(Cp932::toUnicode(font.lfFaceName));
    // Negative: character height; positive: cell height. Both are pixels;
    // the dialog lists point sizes, so the size goes in as points.
    const qint64 pixels = qMin<qint64>(qAbs(qint64(font.lfHeight)), 4096);
    if (pixels > 0 && logicalDpiY > 0)
        result.setPointSizeF(pixels * 72.0 / logicalDpiY);
    result.setWeight(font.lfWeight <= 0 ? QFont::Normal
                                        : QFont::Weight(qBound(1, int(font.lfWeight), 1000)));
    result.setItalic(font.lfItalic != 0);
    return result;
}

void applyChosenFont(const QFont &chosen, int logicalDpiY, TitleFont &record)
{
    record.lfFaceName = Cp932::cutAtCharBoundary(Cp932::fromUnicode(chosen.family()),
                                                 TitleFont::kFaceNameBytes);
    if (chosen.pixelSize() > 0)
        record.lfHeight = -chosen.pixelSize();
    else if (chosen.pointSizeF() > 0)
        record.lfHeight = -qRound(chosen.pointSizeF() * logicalDpiY / 72.0);
    record.lfWeight = qBound(100, int(chosen.weight()), 900);
    record.lfItalic = chosen.italic() ? 1 : 0;
}
