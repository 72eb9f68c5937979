#include "fakefontpicker.h"
#include "shared/cp932.h"
#include "titlecard/titlefontfile.h"
#include "titlecard_config/fontselection.h"

#include <QtTest>

static const QByteArray kDefaultFile =
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\n"
    + Cp932::fromUnicode(QStringLiteral("ＭＳ ゴシック"));

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
    void cancelWithoutFileWritesDefaults();
    void cancelRewritesWhatWasRead();
    void chosenFont_data();
    void chosenFont();
    void fixedPitchFlagReachesDialog();
    void unwritableFolder();
    void readOnlyFolderKeepsOldFile();
    void initialFace_data();
    void initialFace();
};

void TestFontSelection::cancelWithoutFileWritesDefaults()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tambwin.ini");
    FakeFontPicker picker;
    FontSelection selection(picker, path);
    const FontSelection::Result result = selection.run(::initialFace(path), true, 96);
    QCOMPARE(picker.calls, 1);
    QVERIFY(!result.accepted);
    QVERIFY(result.written);
    QCOMPARE(readAll(path), kDefaultFile);
    QCOMPARE(result.font.lfFaceName, Cp932::fromUnicode(QStringLiteral("ＭＳ ゴシック")));
}

void TestFontSelection::cancelRewritesWhatWasRead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tambwin.ini");
    // A hand-edited file: LF line ends, a line end after the face.
    QVERIFY(writeAll(path, "4294967280\n0\n0\n0\n700\n1\n1\n1\n128\n0\n0\n0\n49\nIPAGothic\n"));
    FakeFontPicker picker;
    FontSelection selection(picker, path);
    const FontSelection::Result result = selection.run("IPAGothic", false, 96);
    QCOMPARE(picker.lastInitial.family(), QString("IPAGothic"));
    QCOMPARE(picker.lastInitial.pointSizeF(), 12.0); // 16 pixels at 96 dpi
    QCOMPARE(picker.lastInitial.weight(), QFont::Bold);
    QVERIFY(picker.lastInitial.italic());
    QCOMPARE(readAll(path),
             QByteArray("4294967280\r\n0\r\n0\r\n0\r\n700\r\n1\r\n1\r\n1\r\n128\r\n0\r\n0\r\n0\r\n49\r\nIPAGothic"));
    QCOMPARE(result.font.lfHeight, -16);
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
    QTest::newRow("12 pt at 96 dpi") << twelve << 96 << -16 << 400 << false << QByteArray("IPAGothic");
    QTest::newRow("12 pt at 120 dpi") << twelve << 120 << -20 << 400 << false << QByteArray("IPAGothic");

    QFont pixels(QStringLiteral("IPAゴシック"));
    pixels.setPixelSize(33);
    pixels.setWeight(QFont::Black);
    pixels.setItalic(true);
    QTest::newRow("pixel size, black italic")
        << pixels << 96 << -33 << 900 << true << Cp932::fromUnicode(QStringLiteral("IPAゴシック"));

    QFont light("X");
    light.setPointSizeF(10.5);
    light.setWeight(QFont::Weight(50)); // below LOGFONT's thinnest
    QTest::newRow("10.5 pt, very light") << light << 96 << -14 << 100 << false << QByteArray("X");

    // 1 + 16 x 2 bytes: the face field holds 31, so the last kanji goes whole.
    QFont longFace(QString("a") + QString(16, QChar(0x6F22)));
    longFace.setPointSize(9);
    QTest::newRow("face cut at a character boundary")
        << longFace << 96 << -12 << 400 << false
        << Cp932::fromUnicode(QString("a") + QString(15, QChar(0x6F22)));
}

void TestFontSelection::chosenFont()
{
    QFETCH(QFont, chosen);
    QFETCH(int, dpi);
    QFETCH(int, height);
    QFETCH(int, weight);
    QFETCH(bool, italic);
    QFETCH(QByteArray, face);
    QTemporaryDir dir;
    const QString path = dir.filePath("tambwin.ini");
    // Underline, strike-out and the rest are not chosen: they keep the file's values.
    QVERIFY(writeAll(path, "0\r\n5\r\n900\r\n900\r\n0\r\n0\r\n1\r\n1\r\n128\r\n3\r\n2\r\n1\r\n1\r\nOld"));
    FakeFontPicker picker;
    picker.answer = {true, chosen};
    FontSelection selection(picker, path);
    const FontSelection::Result result = selection.run("Old", true, dpi);
    QVERIFY(result.accepted);
    QVERIFY(result.written);
    TitleFont expected = defaultTitleFont("Old");
    TitleFontFile::read(path, expected);
    QCOMPARE(expected, result.font);
    QCOMPARE(result.font.lfHeight, height);
    QCOMPARE(result.font.lfWeight, weight);
    QCOMPARE(result.font.lfItalic, italic ? 1 : 0);
    QCOMPARE(result.font.lfFaceName, face);
    QCOMPARE(result.font.lfWidth, 5);
    QCOMPARE(result.font.lfEscapement, 900);
    QCOMPARE(result.font.lfUnderline, 1);
    QCOMPARE(result.font.lfStrikeOut, 1);
    QCOMPARE(result.font.lfOutPrecision, 3);
}

void TestFontSelection::fixedPitchFlagReachesDialog()
{
    QTemporaryDir dir;
    FakeFontPicker picker;
    FontSelection selection(picker, dir.filePath("tambwin.ini"));
    selection.run("A", true, 96);
    QVERIFY(picker.lastFixedPitchOnly);
    selection.run("A", false, 96);
    QVERIFY(!picker.lastFixedPitchOnly);
}

void TestFontSelection::unwritableFolder()
{
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath("plainfile"), "keep"));
    const QString path = dir.filePath("plainfile/tambwin.ini");
    FakeFontPicker picker;
    FontSelection selection(picker, path);
    const FontSelection::Result result = selection.run(defaultTitleFace(), true, 96);
    QVERIFY(!result.written);
    QCOMPARE(result.font, defaultTitleFont());
    QCOMPARE(readAll(dir.filePath("plainfile")), QByteArray("keep"));
}

void TestFontSelection::readOnlyFolderKeepsOldFile()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("ro");
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + "/tambwin.ini";
    const QByteArray old = "1\r\n2\r\n3";
    QVERIFY(writeAll(path, old));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool ignored = writeAll(folder + "/probe", "x");
    if (ignored) {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QSKIP("folder permissions are not enforced for this user");
    }
    FakeFontPicker picker;
    picker.answer = {true, QFont("IPAGothic", 20)};
    FontSelection selection(picker, path);
    const FontSelection::Result result = selection.run("x", true, 96);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!result.written);
    QCOMPARE(readAll(path), old);
}

void TestFontSelection::initialFace_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QByteArray>("face");
    const QByteArray thirteen = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\n";
    QTest::newRow("missing") << QByteArray("<missing>") << defaultTitleFace();
    QTest::newRow("empty") << QByteArray() << defaultTitleFace();
    QTest::newRow("five lines") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n") << defaultTitleFace();
    QTest::newRow("thirteen lines") << thirteen << defaultTitleFace();
    QTest::newRow("face") << thirteen + "IPAGothic" << QByteArray("IPAGothic");
    QTest::newRow("megabyte face line")
        << thirteen + QByteArray(1024 * 1024, 'W') << QByteArray(31, 'W');
    QTest::newRow("binary") << QByteArray(4096, '\0') << defaultTitleFace();
}

void TestFontSelection::initialFace()
{
    QFETCH(QByteArray, contents);
    QFETCH(QByteArray, face);
    QTemporaryDir dir;
    const QString path = dir.filePath("tambwin.ini");
    if (contents != "<missing>")
        QVERIFY(writeAll(path, contents));
    QCOMPARE(::initialFace(path), face);
}

QTEST_GUILESS_MAIN(TestFontSelection)
#include "test_fontselection.moc"
