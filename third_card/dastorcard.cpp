#include "dastorcard.h"

#include "dastortitle.h"

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
#include <QtMath>

#include <memory>

namespace DastorCard {

namespace {

// Sizes in fractions of the screen's height, unless said otherwise.
constexpr double kTitleSize = 0.12;
constexpr double kHeadingSize = 0.05;
constexpr double kGap = 0.035;
constexpr double kLeft = 0.06;         // of the width
constexpr double kRoomWidth = 0.88;    // of the width
constexpr double kRoomHeight = 0.40;
constexpr double kBlockCentre = 0.68;  // below the sun, over the dunes
constexpr double kBandPadding = 0.035;
constexpr double kSlant = 0.2;         // of a letter's height above the line, to the right

const QColor kBandColour(24, 12, 6, 185);
const QColor kBandEdgeColour(196, 84, 36);
const QColor kTagColour(176, 58, 30);
const QColor kTagTextColour(250, 232, 196);
const QColor kTitleColour(242, 206, 140);
const QColor kOutlineColour(40, 22, 10);

QFont faceAt(const QString &family, double pixels)
{
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixels)));
    font.setWeight(QFont::Bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void drawBand(QPainter &painter, const QRectF &band, double edge)
{
    painter.fillRect(band, kBandColour);
    painter.fillRect(QRectF(band.left(), band.top(), band.width(), edge), kBandEdgeColour);
    painter.fillRect(QRectF(band.left(), band.bottom() - edge, band.width(), edge), kBandEdgeColour);
}

void drawTag(QPainter &painter, const CardTextBlock::Line &line, const QPointF &topLeft)
{
    const qreal padX = line.font.pixelSize() * 0.35;
    painter.fillRect(QRectF(topLeft.x() - padX, topLeft.y(), line.width + 2 * padX, line.height), kTagColour);
    painter.setFont(line.font);
    painter.setPen(kTagTextColour);
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + line.ascent), line.text);
}

// Qt's font engine outlines a text a little differently once glyphs of the
// face have been drawn, and the card has always had its tag drawn before
// the title was outlined: the tag is drawn once ahead, where it will be,
// on a scratch image that reaches just that far (memory is taken only for
// the rows drawn on).
void rehearseTag(const CardTextBlock::Line &line, const QPointF &topLeft)
{
    const QSize reach(qCeil(topLeft.x() + line.width + line.font.pixelSize()) + 1, qCeil(topLeft.y() + line.height) + 1);
    QImage scratch(reach, QImage::Format_RGB32);
    if (scratch.isNull())
        return;
    QPainter painter(&scratch);
    painter.setRenderHint(QPainter::Antialiasing);
    drawTag(painter, line, topLeft);
}

void addSlantedTitle(CardInk &ink, const CardTextBlock::Line &line, const QPointF &baseline)
{
    QPainterPath path;
    path.addText(QPointF(0, 0), line.font, line.text);
    QTransform slant;
    slant.translate(baseline.x(), baseline.y());
    slant.shear(-kSlant, 0); // the letters lean forward
    ink.addShape({path, kOutlineColour,
                  QPen(kOutlineColour, line.font.pixelSize() * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), slant});
    ink.addShape({path, kTitleColour, std::nullopt, slant});
}

} // namespace

QString family(const QStringList &installed, const QStringList &japanese)
{
    return CardFace::resolve(QString(), CardFace::gothicFaces(), installed, japanese);
}

CardInk textInk(const CardText &text, const QString &family, const QSize &screen)
{
    const double H = screen.height();
    const double title = kTitleSize * H;
    // The slant reaches beyond a line's advance by a part of its height.
    const QSizeF room(kRoomWidth * screen.width() - kSlant * title, kRoomHeight * H);
    const CardTextBlock::Block block = CardTextBlock::layout(
        {{text.heading, faceAt(family, kHeadingSize * H)}, {text.title, faceAt(family, title)}}, kGap * H, room);
    CardInk ink;
    if (block.lines.isEmpty())
        return ink;

    const QPointF topLeft(kLeft * screen.width(), kBlockCentre * H - block.size.height() / 2);
    const double padding = kBandPadding * H;
    const QRectF band(0, topLeft.y() - padding, screen.width(), block.size.height() + 2 * padding);
    const bool hasHeading = !text.heading.isEmpty(); // then it is the first line
    // The band and the heading's tag are cheap to paint; the title's wide
    // outline is what takes time.
    ink.addPainting([block, topLeft, band, hasHeading, H](QPainter &painter) {
        drawBand(painter, band, qMax(1.0, 0.006 * H));
        if (hasHeading)
            drawTag(painter, block.lines.first(), topLeft);
    });
    if (hasHeading)
        rehearseTag(block.lines.first(), topLeft);
    qreal top = topLeft.y();
    for (int i = 0; i < block.lines.size(); ++i) {
        const CardTextBlock::Line &line = block.lines.at(i);
        if (!(hasHeading && i == 0))
            addSlantedTitle(ink, line, {topLeft.x(), top + line.ascent});
        top += line.height + block.gap;
    }
    return ink;
}

QImage compose(const QImage &picture, const CardText &text, const QString &family, const QSize &screen)
{
    QImage card = CardPicture::cover(picture, screen);
    if (!card.isNull()) {
        QPainter painter(&card);
        textInk(text, family, screen).paint(painter);
    }
    return card;
}

CardRecipe recipe(const QStringList &arguments, double random, const QString &quoteFile)
{
    const CardText text = DastorTitle::decide(arguments, quoteFile, random);
    CardKey key(ProgramNames::kDastor);
    key << text.heading << text.title;
    const auto picture = std::make_shared<CoveredCard::Picture>(kPicture);
    const auto face = std::make_shared<QString>(); // found while composing
    return {key.bytes(),
            [=](const QSize &screen) {
                return CoveredCard::compose(*picture, screen, [=](const QSize &size) {
                    *face = family(QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese));
                    return textInk(text, *face, size);
                });
            },
            [face] { return QStringList{*face, QFontInfo(QFont(*face)).family()}; },
            [picture] { picture->start(); }};
}

QImage composeForArguments(const QStringList &arguments, const QSize &screen, double random,
                           const QString &quoteFile)
{
    return recipe(arguments, random, quoteFile).compose(screen);
}

} // namespace DastorCard
