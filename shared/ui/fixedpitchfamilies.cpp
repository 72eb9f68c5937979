#include "fixedpitchfamilies.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QRawFont>

namespace {

bool hasGlyphs(const QRawFont &raw, const QString &text)
{
    for (const QChar c : text) {
        if (!raw.supportsCharacter(c))
            return false;
    }
    return true;
}

} // namespace

bool isFixedPitchFamily(const QString &family)
{
    if (QFontDatabase::isFixedPitch(family))
        return true;
    QFont font(family);
    font.setPixelSize(32);
    // Measure the face itself, never a fallback face that stands in for it.
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    const QString halfWidth = QStringLiteral("iWm1");
    const QString fullWidth = QStringLiteral("あ漢Ｗ");
    if (!raw.isValid() || !hasGlyphs(raw, halfWidth + fullWidth))
        return false;
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.horizontalAdvance(QLatin1Char('W'));
    if (cell <= 0)
        return false;
    for (const QChar c : halfWidth) {
        if (!qFuzzyCompare(metrics.horizontalAdvance(c), cell))
            return false;
    }
    for (const QChar c : fullWidth) {
        if (!qFuzzyCompare(metrics.horizontalAdvance(c), 2 * cell))
            return false;
    }
    return true;
}
