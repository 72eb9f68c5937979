#include "mirwincard.h"

#include "mirwinlayout.h"
#include "mirwintitle.h"

#include "second_config/episodetitles.h"
#include "second_config/mirwinsettingsfile.h"
#include "titlecard/cardface.h"
#include "titlecard/cardpicture.h"
#include "titlecard/cardtextblock.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

namespace MirwinCard {

namespace {

const QColor kHeadingColour(243, 227, 168); // pale gold
const QColor kTitleColour(246, 248, 255);   // moonlight
const QColor kGlowColour(6, 12, 48);        // night blue

QFont faceAt(const QString &family, double pixels)
{
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixels)));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// A soft glow of two widths under the letters keeps them readable over
// the bright moon and the dark sky alike.
void drawGlowingLine(QPainter &painter, const CardTextBlock::Line &line, const QPointF &baseline,
                     const QColor &colour)
{
    QPainterPath path;
    path.addText(baseline, line.font, line.text);
    const qreal size = line.font.pixelSize();
    QColor glow = kGlowColour;
    glow.setAlpha(110);
    painter.strokePath(path, QPen(glow, size * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    glow.setAlpha(210);
    painter.strokePath(path, QPen(glow, size * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, colour);
}

} // namespace

QString family(const QString &face, const QStringList &installed, const QStringList &japanese)
{
    return CardFace::resolve(face, CardFace::minchoFaces() + CardFace::gothicFaces(), installed, japanese);
}

QImage compose(const QImage &picture, const CardText &text, const MirwinSettings &settings,
               const QString &family, const QSize &screen)
{
    QImage card = CardPicture::cover(picture, screen);
    if (card.isNull())
        return card;
    const double title = MirwinLayout::titlePixels(settings.size, screen.height());
    const QRectF area = MirwinLayout::textArea(screen);
    const CardTextBlock::Block block = CardTextBlock::layout(
        {{text.heading, faceAt(family, title * MirwinLayout::kHeadingRatio)}, {text.title, faceAt(family, title)}},
        title * MirwinLayout::kGapRatio, area.size());
    if (block.lines.isEmpty())
        return card;

    const QPointF topLeft = MirwinLayout::blockPosition(block.size, area, settings.vertical, settings.horizontal);
    const double alignment = MirwinLayout::lineAlignment(settings.horizontal);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool hasHeading = !text.heading.isEmpty(); // then it is the first line
    qreal top = topLeft.y();
    for (int i = 0; i < block.lines.size(); ++i) {
        const CardTextBlock::Line &line = block.lines.at(i);
        const qreal left = topLeft.x() + (block.size.width() - line.width) * alignment;
        drawGlowingLine(painter, line, {left, top + line.ascent}, hasHeading && i == 0 ? kHeadingColour : kTitleColour);
        top += line.height + block.gap;
    }
    return card;
}

QImage composeForArguments(const QStringList &arguments, const QSize &screen, double random,
                           const QString &settingsPath)
{
    const MirwinSettings settings = MirwinSettingsFile::read(settingsPath).settings;
    const CardText text = MirwinTitle::decide(arguments, EpisodeTitles::load(), random);
    const QString face = family(settings.faceName, QFontDatabase::families(),
                                QFontDatabase::families(QFontDatabase::Japanese));
    return compose(QImage(kPicture), text, settings, face, screen);
}

} // namespace MirwinCard
