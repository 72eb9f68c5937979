#include "mirwincard.h"

#include "mirwinlayout.h"
#include "mirwintitle.h"

#include "second_config/episodetitles.h"
#include "second_config/mirwinsettingsfile.h"
#include "shared/programnames.h"
#include "titlecard/cardface.h"
#include "titlecard/cardkey.h"
#include "titlecard/cardpicture.h"
#include "titlecard/cardtextblock.h"
#include "titlecard/coveredcard.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>

#include <memory>

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
void addGlowingLine(CardInk &ink, const CardTextBlock::Line &line, const QPointF &baseline, const QColor &colour)
{
    QPainterPath path;
    path.addText(baseline, line.font, line.text);
    const qreal size = line.font.pixelSize();
    QColor glow = kGlowColour;
    glow.setAlpha(110);
    ink.addShape({path, glow, QPen(glow, size * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), {}});
    glow.setAlpha(210);
    ink.addShape({path, glow, QPen(glow, size * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), {}});
    ink.addShape({path, colour, std::nullopt, {}});
}

} // namespace

QString family(const QString &face, const QStringList &installed, const QStringList &japanese)
{
    return CardFace::resolve(face, CardFace::minchoFaces() + CardFace::gothicFaces(), installed, japanese);
}

CardInk textInk(const CardText &text, const MirwinSettings &settings, const QString &family, const QSize &screen)
{
    const double title = MirwinLayout::titlePixels(settings.size, screen.height());
    const QRectF area = MirwinLayout::textArea(screen);
    const CardTextBlock::Block block = CardTextBlock::layout(
        {{text.heading, faceAt(family, title * MirwinLayout::kHeadingRatio)}, {text.title, faceAt(family, title)}},
        title * MirwinLayout::kGapRatio, area.size());
    CardInk ink;
    const QPointF topLeft = MirwinLayout::blockPosition(block.size, area, settings.vertical, settings.horizontal);
    const double alignment = MirwinLayout::lineAlignment(settings.horizontal);
    const bool hasHeading = !text.heading.isEmpty(); // then it is the first line
    qreal top = topLeft.y();
    for (int i = 0; i < block.lines.size(); ++i) {
        const CardTextBlock::Line &line = block.lines.at(i);
        const qreal left = topLeft.x() + (block.size.width() - line.width) * alignment;
        addGlowingLine(ink, line, {left, top + line.ascent}, hasHeading && i == 0 ? kHeadingColour : kTitleColour);
        top += line.height + block.gap;
    }
    return ink;
}

QImage compose(const QImage &picture, const CardText &text, const MirwinSettings &settings,
               const QString &family, const QSize &screen)
{
    QImage card = CardPicture::cover(picture, screen);
    if (!card.isNull()) {
        QPainter painter(&card);
        textInk(text, settings, family, screen).paint(painter);
    }
    return card;
}

CardRecipe recipe(const QStringList &arguments, double random, const QString &settingsPath)
{
    const MirwinSettings settings = MirwinSettingsFile::read(settingsPath).settings;
    const CardText text = MirwinTitle::decide(arguments, EpisodeTitles::load(), random);
    CardKey key(ProgramNames::kMirwin);
    key << text.heading << text.title << settings.faceName << settings.size.has_value() << settings.size.value_or(0)
        << settings.vertical << settings.horizontal;
    const auto picture = std::make_shared<CoveredCard::Picture>(kPicture);
    const auto face = std::make_shared<QString>(); // found while composing
    return {key.bytes(),
            [=](const QSize &screen) {
                return CoveredCard::compose(*picture, screen, [=](const QSize &size) {
                    *face = family(settings.faceName, QFontDatabase::families(),
                                   QFontDatabase::families(QFontDatabase::Japanese));
                    return textInk(text, settings, *face, size);
                });
            },
            [face] { return QStringList{*face, QFontInfo(QFont(*face)).family()}; },
            [picture] { picture->start(); }};
}

QImage composeForArguments(const QStringList &arguments, const QSize &screen, double random,
                           const QString &settingsPath)
{
    return recipe(arguments, random, settingsPath).compose(screen);
}

} // namespace MirwinCard
