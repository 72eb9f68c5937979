// How long composing one title card takes on large screens: tambwin's, and
// mirwin's and dastor's from their arguments (picture, settings, faces and
// text included, as at their start). Run by hand:
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
    void mirwin_data() { compose_data(); }
    void mirwin();
    void dastor_data() { compose_data(); }
    void dastor();

private:
    QImage m_picture = BackgroundPicture::decode(BackgroundPicture::resourceBytes());
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
    const QString title = TitleTable::record(22); // the longest record: all five fields
    const TitleFont font = defaultTitleFont();
    QImage card;
    QBENCHMARK {
        card = CardRenderer::composeCard(m_picture, title, font, screen);
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
    const QString title = TitleTable::record(22);
    const TitleFont font = defaultTitleFont();
    QBENCHMARK {
        CardRenderer::textLayer(title, font, screen);
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
