#include "titlecard/backgroundpicture.h"
#include "titlecard/cardrenderer.h"
#include "titlecard/titletable.h"

#include <QPainter>
#include <QtTest>

namespace {

// The card as it was first composed, written plainly with QPainter: the
// picture drawn over a black screen without smoothing, the whole-screen
// text layer ORed on by a raster operation.
QImage plainCard(const QImage &picture, const QString &title, const TitleFont &font, const QSize &screen)
{
    QImage card(screen, QImage::Format_RGB32);
    card.fill(Qt::black);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!picture.isNull())
        painter.drawImage(QRect(QPoint(0, 0), screen), picture, picture.rect());
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(0, 0, CardRenderer::textLayer(title, font, screen));
    return card;
}

// Every column and every row differs from its neighbours, so a pixel taken
// from one column or row too far shows.
QImage checkered(const QSize &size, int colours)
{
    QImage picture(size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table << qRgb(i * 15, 255 - i * 13, (i * 97) % 256);
    picture.setColorTable(table);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, (x * 7 + y * 3) % colours);
    return picture;
}

TitleFont fontWith(const QString &face, int escapement, int quality)
{
    TitleFont font = defaultTitleFont();
    font.setFaceName(face);
    font.lfEscapement = escapement;
    font.lfQuality = std::uint8_t(quality);
    return font;
}

} // namespace

// The card composed the fast way (replicated picture, text in bands, two
// threads) is the card composed plainly, pixel for pixel.
class TestFastComposition : public QObject
{
    Q_OBJECT
private slots:
    void cardIsPlainComposition_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QString>("title");
        QTest::addColumn<TitleFont>("font");
        QTest::addColumn<QSize>("screen");
        const QImage shipped = BackgroundPicture::decode(BackgroundPicture::resourceBytes());
        const QImage pattern = checkered({640, 480}, 16);
        const QString all = TitleTable::record(22); // all five fields
        const TitleFont plain = defaultTitleFont();
        for (const QSize &screen : {QSize(640, 480), QSize(1366, 768), QSize(1, 1), QSize(7, 3000), QSize(641, 479)})
            QTest::addRow("%dx%d", screen.width(), screen.height()) << pattern << all << plain << screen;
        QTest::newRow("shipped picture 1920x1080") << shipped << all << plain << QSize(1920, 1080);
        // Pictures the replication does not take: QPainter draws them.
        QImage outsideTable = checkered({640, 480}, 16);
        outsideTable.setColorCount(5);
        QTest::newRow("index outside the colour table") << outsideTable << all << plain << QSize(1366, 768);
        QTest::newRow("true-colour picture") << pattern.convertToFormat(QImage::Format_RGB32) << all << plain << QSize(1366, 768);
        QTest::newRow("no picture") << QImage() << all << plain << QSize(800, 600);
        QTest::newRow("outside the code page") << shipped << QStringLiteral("AéB€😀한 Ǻ̂ṩ,星環国,ÅÄÖ,ñ,→∀") << plain << QSize(1366, 768);
        QTest::newRow("rotated face") << shipped << all << fontWith("IPAGothic", 900, 0) << QSize(1366, 768);
        const QString longLines = QStringLiteral("とても長い一行目の題名がここに続いてゆきますよ,a second line that runs on and on,るび,ruby,三行目");
        QTest::newRow("proportional face, long lines") << shipped << longLines << fontWith("IPAPGothic", 0, 0) << QSize(1366, 768);
        QTest::newRow("not antialiased") << shipped << all << fontWith("IPAGothic", 0, 3) << QSize(1366, 768);
    }

    void cardIsPlainComposition()
    {
        QFETCH(QImage, picture);
        QFETCH(QString, title);
        QFETCH(TitleFont, font);
        QFETCH(QSize, screen);
        QCOMPARE(CardRenderer::composeCard(picture, title, font, screen), plainCard(picture, title, font, screen));
    }
};

QTEST_MAIN(TestFastComposition)
#include "test_fastcomposition.moc"
