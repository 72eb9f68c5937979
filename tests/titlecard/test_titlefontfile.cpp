#include "shared/cp932.h"
#include "titlecard/titlefontfile.h"

#include <QtTest>

class TestTitleFontFile : public QObject
{
    Q_OBJECT
private slots:
    void defaultsFileBytes();
    void roundTripNegativeHeight();
    void parse_data();
    void parse();
    void hugeAndBinaryFiles();
    void faceLine_data();
    void faceLine();
    void failedWriteKeepsOldFile();
};

static const QByteArray kDefaultFile =
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\n" + defaultTitleFace();

void TestTitleFontFile::defaultsFileBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tambwin.ini");
    QVERIFY(TitleFontFile::write(path, defaultTitleFont()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), kDefaultFile);
}

void TestTitleFontFile::roundTripNegativeHeight()
{
    TitleFont font = defaultTitleFont(Cp932::fromUnicode(QStringLiteral("IPAゴシック")));
    font.lfHeight = -16;
    font.lfWeight = 400;
    font.lfEscapement = -900;
    font.lfItalic = 1;
    const QByteArray bytes = TitleFontFile::serialize(font);
    QVERIFY(bytes.startsWith("4294967280\r\n0\r\n4294966396\r\n0\r\n400\r\n1\r\n"));
    TitleFont back = defaultTitleFont();
    TitleFontFile::parse(bytes, back);
    QCOMPARE(back, font);
}

void TestTitleFontFile::parse_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("italic");
    QTest::addColumn<int>("charSet");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<QByteArray>("face");
    const QByteArray def = defaultTitleFace();
    QTest::newRow("empty") << QByteArray() << 0 << 0 << 0 << 128 << 1 << def;
    QTest::newRow("five lines") << QByteArray("1\r\n2\r\n3\r\n4\r\n700\r\n") << 1 << 700 << 0 << 128 << 1 << def;
    QTest::newRow("byte above 255") << QByteArray("0\n0\n0\n0\n0\n256\n0\n0\n385\n") << 0 << 0 << 0 << 129 << 1 << def;
    QTest::newRow("garbage numbers") << QByteArray("x\ny\nz\nw\nv\nq\n") << 0 << 0 << 0 << 128 << 1 << def;
    QTest::newRow("face with line end") << kDefaultFile.left(kDefaultFile.size() - def.size()) + "Foo\r\n"
                                        << 0 << 0 << 0 << 128 << 1 << QByteArray("Foo");
    QTest::newRow("LF only") << QByteArray("4294967280\n0\n0\n0\n400\n1\n0\n0\n128\n0\n0\n0\n49\nBar")
                             << -16 << 400 << 1 << 128 << 49 << QByteArray("Bar");
}

void TestTitleFontFile::parse()
{
    QFETCH(QByteArray, contents);
    TitleFont font = defaultTitleFont();
    TitleFontFile::parse(contents, font);
    QTEST(int(font.lfHeight), "height");
    QTEST(int(font.lfWeight), "weight");
    QTEST(int(font.lfItalic), "italic");
    QTEST(int(font.lfCharSet), "charSet");
    QTEST(int(font.lfPitchAndFamily), "pitch");
    QTEST(font.lfFaceName, "face");
}

void TestTitleFontFile::hugeAndBinaryFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tambwin.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray noise(4 << 20, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919) >> 3);
    file.write(noise);
    file.close();
    TitleFont font = defaultTitleFont();
    TitleFontFile::read(path, font); // must neither crash nor read it all
    QVERIFY(font.lfFaceName.size() <= TitleFont::kFaceNameBytes);
    TitleFont untouched = defaultTitleFont();
    TitleFontFile::read(dir.filePath("missing.ini"), untouched);
    QCOMPARE(untouched, defaultTitleFont());
}

void TestTitleFontFile::faceLine_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QByteArray>("face");
    const QByteArray head = kDefaultFile.left(kDefaultFile.size() - defaultTitleFace().size());
    const QByteArray longFace = Cp932::fromUnicode(QString(20, QChar(0x3042))); // 40 bytes
    QTest::newRow("written face") << kDefaultFile << defaultTitleFace();
    QTest::newRow("thirteen lines") << head << QByteArray();
    QTest::newRow("long face cut between characters") << head + "a" + longFace << QByteArray("a") + longFace.left(30);
    QTest::newRow("megabyte face") << head + QByteArray(1 << 20, 'F') << QByteArray(31, 'F');
}

void TestTitleFontFile::faceLine()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    QFile file(dir.filePath("tambwin.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    QTEST(TitleFontFile::readFaceLine(file.fileName()), "face");
}

void TestTitleFontFile::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tambwin.ini");
    QVERIFY(TitleFontFile::write(path, defaultTitleFont()));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    TitleFont changed = defaultTitleFont();
    changed.lfWeight = 700;
    const bool written = TitleFontFile::write(path, changed);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (written)
        QSKIP("running with rights that ignore folder permissions");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), kDefaultFile);
}

QTEST_GUILESS_MAIN(TestTitleFontFile)
#include "test_titlefontfile.moc"
