// How long composing one title card takes on large screens: tambwin's by
// stage (the picture stretched, the text layer, the OR, the whole), each
// both the way the card is composed and the plain QPainter way it is
// checked against, and the whole also without the second thread; then
// mirwin's and dastor's: the way they are composed (their recipe: the
// picture decoded once, as it is while Qt starts, then scaled while the
// face is found and the text laid out) and plainly, as before (face,
// picture decoded, scaled, text, one after the other), and the picture's
// decoding alone. Fonts are loaded and glyphs cached by
// one composition before timing. Run by hand:
//   build/tools/bench_cardcomposition -platform offscreen

#include "second_card/mirwincard.h"
#include "second_card/mirwintitle.h"
#include "second_config/episodetitles.h"
#include "third_card/dastorcard.h"
#include "titlecard/backgroundpicture.h"
#include "titlecard/cardrenderer.h"
#include "titlecard/titletable.h"

#include <QFontDatabase>
#include <QPainter>
#include <QtTest>

namespace {

enum class Way { Fast, OneThread, Plain };

QImage plainStretch(const QImage &picture, const QSize &screen)
{
    QImage image(screen, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), screen), picture, picture.rect());
    return image;
}

void plainOr(QImage &card, const QImage &layer)
{
    QPainter painter(&card);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(0, 0, layer);
}

} // namespace

class BenchCardComposition : public QObject
{
    Q_OBJECT
private slots:
    void compose_data();
    void compose();
    void stretchOnly_data() { stages(); }
    void stretchOnly();
    void textOnly_data() { stages(); }
    void textOnly();
    void orOnly_data() { stages(); }
    void orOnly();
    void mirwin_data() { stages(); }
    void mirwin();
    void dastor_data() { stages(); }
    void dastor();
    void pictureDecoding_data();
    void pictureDecoding();

private:
    void stages(bool withOneThread = false);
    QImage compose(Way way, const QSize &screen) const;

    QImage m_picture = BackgroundPicture::decode(BackgroundPicture::resourceBytes());
    const QString m_title = TitleTable::record(22); // the longest record: all five fields
    const TitleFont m_font = defaultTitleFont();
};

void BenchCardComposition::stages(bool withOneThread)
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<Way>("way");
    for (const QSize &screen : {QSize(1920, 1080), QSize(3840, 2160)}) {
        QTest::addRow("%dx%d", screen.width(), screen.height()) << screen << Way::Fast;
        if (withOneThread)
            QTest::addRow("%dx%d one thread", screen.width(), screen.height()) << screen << Way::OneThread;
        QTest::addRow("%dx%d plain", screen.width(), screen.height()) << screen << Way::Plain;
    }
}

QImage BenchCardComposition::compose(Way way, const QSize &screen) const
{
    switch (way) {
    case Way::Fast:
        return CardRenderer::composeCard(m_picture, m_title, m_font, screen);
    case Way::OneThread: {
        QImage card = CardRenderer::stretchedPicture(m_picture, screen);
        CardRenderer::orOnto(card, CardRenderer::bandedTextLayer(m_title, m_font, screen));
        return card;
    }
    case Way::Plain: {
        QImage card = plainStretch(m_picture, screen);
        plainOr(card, CardRenderer::textLayer(m_title, m_font, screen));
        return card;
    }
    }
    return {};
}

void BenchCardComposition::compose_data()
{
    stages(true);
}

void BenchCardComposition::compose()
{
    QFETCH(QSize, screen);
    QFETCH(Way, way);
    QImage card = compose(way, screen);
    QBENCHMARK {
        card = compose(way, screen);
    }
    QCOMPARE(card.size(), screen);
}

void BenchCardComposition::stretchOnly()
{
    QFETCH(QSize, screen);
    QFETCH(Way, way);
    QBENCHMARK {
        way == Way::Plain ? plainStretch(m_picture, screen) : CardRenderer::stretchedPicture(m_picture, screen);
    }
}

void BenchCardComposition::textOnly()
{
    QFETCH(QSize, screen);
    QFETCH(Way, way);
    compose(way, screen);
    QBENCHMARK {
        if (way == Way::Plain)
            CardRenderer::textLayer(m_title, m_font, screen);
        else
            CardRenderer::bandedTextLayer(m_title, m_font, screen);
    }
}

void BenchCardComposition::orOnly()
{
    QFETCH(QSize, screen);
    QFETCH(Way, way);
    const CardRenderer::BandedLayer banded = CardRenderer::bandedTextLayer(m_title, m_font, screen);
    const QImage full = CardRenderer::textLayer(m_title, m_font, screen);
    QImage card = CardRenderer::stretchedPicture(m_picture, screen);
    QBENCHMARK {
        if (way == Way::Plain)
            plainOr(card, full);
        else
            CardRenderer::orOnto(card, banded);
    }
}

void BenchCardComposition::mirwin()
{
    QFETCH(QSize, screen);
    QFETCH(Way, way);
    const QStringList arguments{QStringLiteral("12")};
    const CardRecipe recipe = MirwinCard::recipe(arguments, 0, QString());
    recipe.prepare();
    const CardText text = MirwinTitle::decide(arguments, EpisodeTitles::load(), 0);
    const auto plain = [&] { // as the card was composed before: the face found, the picture decoded
        const QString family = MirwinCard::family({}, QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese));
        return MirwinCard::compose(QImage(MirwinCard::kPicture), text, {}, family, screen);
    };
    QImage card = recipe.compose(screen);
    QBENCHMARK {
        card = way == Way::Plain ? plain() : recipe.compose(screen);
    }
    QCOMPARE(card.size(), screen);
}

void BenchCardComposition::dastor()
{
    QFETCH(QSize, screen);
    QFETCH(Way, way);
    const CardText text{QStringLiteral("第3話"), QStringLiteral("砂は流れ,夜は明ける")};
    const CardRecipe recipe = DastorCard::recipe({text.heading + ',' + text.title}, 0, QString());
    recipe.prepare();
    const auto plain = [&] { // as the card was composed before: the face found, the picture decoded
        const QString family = DastorCard::family(QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese));
        return DastorCard::compose(QImage(DastorCard::kPicture), text, family, screen);
    };
    QImage card = recipe.compose(screen);
    QBENCHMARK {
        card = way == Way::Plain ? plain() : recipe.compose(screen);
    }
    QCOMPARE(card.size(), screen);
}

void BenchCardComposition::pictureDecoding_data()
{
    QTest::addColumn<QString>("picture");
    QTest::newRow("mirwin") << MirwinCard::kPicture;
    QTest::newRow("dastor") << DastorCard::kPicture;
}

void BenchCardComposition::pictureDecoding()
{
    QFETCH(QString, picture);
    QBENCHMARK {
        QImage decoded(picture);
    }
}

QTEST_MAIN(BenchCardComposition)
#include "bench_cardcomposition.moc"
