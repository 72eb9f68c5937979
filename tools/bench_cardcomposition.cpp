// How long composing one title card takes on large screens: tambwin's by
// stage (the picture stretched, the text layer in its bands, the OR, the
// whole), and mirwin's and dastor's from their arguments (picture,
// settings, faces and text included, as at their start). Fonts are loaded
// and glyphs cached by one composition before timing. Run by hand:
//   build/tools/bench_cardcomposition -platform offscreen

#include "second_card/mirwincard.h"
#include "third_card/dastorcard.h"
#include "titlecard/backgroundpicture.h"
#include "titlecard/cardrenderer.h"
#include "titlecard/titletable.h"

#include <QtTest>

class BenchCardComposition : public QObject
{
    Q_OBJECT
private slots:
    void compose_data();
    void compose();
    void stretchOnly_data() { compose_data(); }
    void stretchOnly();
    void textOnly_data() { compose_data(); }
    void textOnly();
    void fullTextLayer_data() { compose_data(); }
    void fullTextLayer();
    void orOnly_data() { compose_data(); }
    void orOnly();
    void mirwin_data() { compose_data(); }
    void mirwin();
    void dastor_data() { compose_data(); }
    void dastor();

private:
    QImage m_picture = BackgroundPicture::decode(BackgroundPicture::resourceBytes());
    const QString m_title = TitleTable::record(22); // the longest record: all five fields
    const TitleFont m_font = defaultTitleFont();
};

void BenchCardComposition::compose_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("3840x2160") << QSize(3840, 2160);
}

void BenchCardComposition::compose()
{
    QFETCH(QSize, screen);
    QImage card = CardRenderer::composeCard(m_picture, m_title, m_font, screen);
    QBENCHMARK {
        card = CardRenderer::composeCard(m_picture, m_title, m_font, screen);
    }
    QCOMPARE(card.size(), screen);
}

void BenchCardComposition::stretchOnly()
{
    QFETCH(QSize, screen);
    QBENCHMARK {
        CardRenderer::stretchedPicture(m_picture, screen);
    }
}

void BenchCardComposition::textOnly()
{
    QFETCH(QSize, screen);
    CardRenderer::bandedTextLayer(m_title, m_font, screen);
    QBENCHMARK {
        CardRenderer::bandedTextLayer(m_title, m_font, screen);
    }
}

// The whole-screen layer, which the card no longer needs.
void BenchCardComposition::fullTextLayer()
{
    QFETCH(QSize, screen);
    CardRenderer::textLayer(m_title, m_font, screen);
    QBENCHMARK {
        CardRenderer::textLayer(m_title, m_font, screen);
    }
}

void BenchCardComposition::orOnly()
{
    QFETCH(QSize, screen);
    const CardRenderer::BandedLayer layer = CardRenderer::bandedTextLayer(m_title, m_font, screen);
    QImage card = CardRenderer::stretchedPicture(m_picture, screen);
    QBENCHMARK {
        CardRenderer::orOnto(card, layer);
    }
}

void BenchCardComposition::mirwin()
{
    QFETCH(QSize, screen);
    QBENCHMARK {
        MirwinCard::composeForArguments({QStringLiteral("12")}, screen, 0, QString());
    }
}

void BenchCardComposition::dastor()
{
    QFETCH(QSize, screen);
    QBENCHMARK {
        DastorCard::composeForArguments({}, screen, 0, QString()); // no quote file: the series' name
    }
}

QTEST_MAIN(BenchCardComposition)
#include "bench_cardcomposition.moc"
