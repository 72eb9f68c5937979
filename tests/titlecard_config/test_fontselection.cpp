#include "fakefontpicker.h"
#include "shared/cp932.h"
#include "titlecard/titlefontfile.h"
#include "titlecard_config/fontselection.h"

#include <QtTest>

static QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

static bool writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

class TestFontSelection : public QObject
{
    Q_OBJECT
private slots:
    void cancelRewritesWhatWasRead_data();
    void cancelRewritesWhatWasRead();
    void chosenFont_data();
    void chosenFont();
    void unwritableFolder();
    void initialFace_data();
    void initialFace();
};

void TestFontSelection::cancelRewritesWhatWasRead_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<qreal>("pointSize"); // of the font the dialog starts at, 96 dpi
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QByteArray>("rewritten");
    QTest::newRow("hand-edited, LF, -16 as unsigned")
        << QByteArray("4294967280\n0\n0\n0\n700\n1\n1\n1\n128\n0\n0\n0\n49\nIPAGothic\n") << 12.0 << 700 << true
        << QByteArray("4294967280\r\n0\r\n0\r\n0\r\n700\r\n1\r\n1\r\n1\r\n128\r\n0\r\n0\r\n0\r\n49\r\nIPAGothic");
    const QByteArray tail = "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\nIPAGothic";
    QTest::newRow("most negative height, weight 0")
        << "2147483648" + tail << 4096 * 0.75 << 400 << false << "2147483648" + tail;
    QTest::newRow("positive cell height") << "32" + tail << 24.0 << 400 << false << "32" + tail;
}

void TestFontSelection::cancelRewritesWhatWasRead()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    const QString path = dir.filePath("tambwin.ini");
    QVERIFY(writeAll(path, contents));
    FakeFontPicker picker;
    const FontSelection::Result result = FontSelection(picker, path).run("IPAGothic", false, 96);
    QVERIFY(!result.accepted);
    QVERIFY(result.written);
    QCOMPARE(picker.lastInitial.family(), QString("IPAGothic"));
    QTEST(picker.lastInitial.pointSizeF(), "pointSize");
    QTEST(int(picker.lastInitial.weight()), "weight");
    QTEST(picker.lastInitial.italic(), "italic");
    QTEST(readAll(path), "rewritten");
}

void TestFontSelection::chosenFont_data()
{
    QTest::addColumn<QFont>("chosen");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QByteArray>("face");

    QFont twelve("IPAGothic");
    twelve.setPointSizeF(12);
    twelve.setWeight(QFont::Normal);
    QTest::newRow("12 pt at 120 dpi") << twelve << 120 << -20 << 400 << false << QByteArray("IPAGothic");
    QFont pixels(QStringLiteral("IPAゴシック"));
    pixels.setPixelSize(33);
    pixels.setWeight(QFont::Black);
    pixels.setItalic(true);
    QTest::newRow("pixel size, black italic")
        << pixels << 96 << -33 << 900 << true << Cp932::fromUnicode(QStringLiteral("IPAゴシック"));
    QFont light("X");
    light.setPointSizeF(10.5);
    light.setWeight(QFont::Weight(50)); // below the record's thinnest
    QTest::newRow("10.5 pt, very light") << light << 96 << -14 << 100 << false << QByteArray("X");
    // 1 + 16 x 2 bytes: the face field holds 31, so the last kanji goes whole.
    QFont longFace(QString("a") + QString(16, QChar(0x6F22)));
    longFace.setPointSize(9);
    QTest::newRow("face cut at a character boundary")
        << longFace << 96 << -12 << 400 << false << Cp932::fromUnicode("a" + QString(15, QChar(0x6F22)));
}

void TestFontSelection::chosenFont()
{
    QFETCH(QFont, chosen);
    QFETCH(int, dpi);
    QTemporaryDir dir;
    const QString path = dir.filePath("tambwin.ini");
    // Only face, size, weight and italic change; the rest keep the file's values.
    const QByteArray old = "0\r\n5\r\n900\r\n900\r\n0\r\n0\r\n1\r\n1\r\n128\r\n3\r\n2\r\n1\r\n1\r\nOld";
    QVERIFY(writeAll(path, old));
    FakeFontPicker picker;
    picker.answer = {true, chosen};
    const FontSelection::Result result = FontSelection(picker, path).run("Old", true, dpi);
    QVERIFY(result.accepted);
    QVERIFY(result.written);
    TitleFont expected;
    TitleFontFile::parse(old, expected);
    QFETCH(int, height);
    QFETCH(int, weight);
    QFETCH(bool, italic);
    QFETCH(QByteArray, face);
    expected.lfHeight = height;
    expected.lfWeight = weight;
    expected.lfItalic = italic ? 1 : 0;
    expected.lfFaceName = face;
    QCOMPARE(result.font, expected);
    QCOMPARE(readAll(path), TitleFontFile::serialize(expected));
}

void TestFontSelection::unwritableFolder()
{
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath("plainfile"), "keep"));
    FakeFontPicker picker;
    const FontSelection::Result result =
        FontSelection(picker, dir.filePath("plainfile/tambwin.ini")).run(defaultTitleFace(), true, 96);
    QVERIFY(!result.written);
    QCOMPARE(result.font, defaultTitleFont());
    QCOMPARE(readAll(dir.filePath("plainfile")), QByteArray("keep"));
}

void TestFontSelection::initialFace_data()
{
    QTest::addColumn<QByteArray>("contents"); // null: no file
    QTest::addColumn<QByteArray>("face");
    const QByteArray thirteen = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\n";
    QTest::newRow("missing") << QByteArray() << defaultTitleFace();
    QTest::newRow("thirteen lines") << thirteen << defaultTitleFace();
    QTest::newRow("face") << thirteen + "IPAGothic" << QByteArray("IPAGothic");
    QTest::newRow("megabyte of lead bytes") << thirteen + QByteArray(1024 * 1024, '\x82') << QByteArray(30, '\x82');
    QTest::newRow("binary") << QByteArray(4096, '\0') << defaultTitleFace();
}

void TestFontSelection::initialFace()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    const QString path = dir.filePath("tambwin.ini");
    if (!contents.isNull())
        QVERIFY(writeAll(path, contents));
    QTEST(::initialFace(path), "face");
}

QTEST_GUILESS_MAIN(TestFontSelection)
#include "test_fontselection.moc"
