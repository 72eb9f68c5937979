#include "shared/cp932.h"
#include "titlecard/titlefontfile.h"

#include <QtTest>

static const QByteArray kDefaultHead = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\n";
static const QByteArray kDefaultFile = kDefaultHead + defaultTitleFace();

static QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

static bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

class TestTitleFontFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("tambwin.ini"); }

private slots:
    void roundTripNegativeFields()
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

    void parse_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QList<int>>("fields"); // height, weight, italic, charset, pitch and family
        QTest::addColumn<QByteArray>("face");
        const QByteArray def = defaultTitleFace();
        QTest::newRow("empty") << QByteArray() << QList<int>{0, 0, 0, 128, 1} << def;
        QTest::newRow("five lines") << QByteArray("1\r\n2\r\n3\r\n4\r\n700\r\n") << QList<int>{1, 700, 0, 128, 1} << def;
        QTest::newRow("byte above 255") << QByteArray("0\n0\n0\n0\n0\n256\n0\n0\n385\n") << QList<int>{0, 0, 0, 129, 1} << def;
        QTest::newRow("garbage numbers") << QByteArray("x\ny\nz\nw\nv\nq\n") << QList<int>{0, 0, 0, 128, 1} << def;
        QTest::newRow("face with line end") << kDefaultHead + "Foo\r\n" << QList<int>{0, 0, 0, 128, 1} << QByteArray("Foo");
        QTest::newRow("LF only") << QByteArray("4294967280\n0\n0\n0\n400\n1\n0\n0\n128\n0\n0\n0\n49\nBar")
                                 << QList<int>{-16, 400, 1, 128, 49} << QByteArray("Bar");
    }

    void parse()
    {
        QFETCH(QByteArray, contents);
        TitleFont font = defaultTitleFont();
        TitleFontFile::parse(contents, font);
        QTEST(QList<int>({font.lfHeight, font.lfWeight, font.lfItalic, font.lfCharSet, font.lfPitchAndFamily}), "fields");
        QTEST(font.lfFaceName, "face");
    }

    void hugeBinaryOrMissingFile()
    {
        QByteArray noise(4 << 20, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919) >> 3);
        QVERIFY(writeFile(path(), noise));
        TitleFont font = defaultTitleFont();
        TitleFontFile::read(path(), font); // must neither crash nor read it all
        QVERIFY(font.lfFaceName.size() <= TitleFont::kFaceNameBytes);
        font = defaultTitleFont();
        TitleFontFile::read(m_dir.filePath("missing.ini"), font);
        QCOMPARE(font, defaultTitleFont());
    }

    void faceLine_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QByteArray>("face");
        const QByteArray longFace = Cp932::fromUnicode(QString(20, QChar(0x3042))); // 40 bytes
        QTest::newRow("written face") << kDefaultFile << defaultTitleFace();
        QTest::newRow("thirteen lines") << kDefaultHead << QByteArray();
        QTest::newRow("long face cut between characters") << kDefaultHead + "a" + longFace << "a" + longFace.left(30);
        QTest::newRow("megabyte face") << kDefaultHead + QByteArray(1 << 20, 'F') << QByteArray(31, 'F');
    }

    void faceLine()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(writeFile(path(), contents));
        QTEST(TitleFontFile::readFaceLine(path()), "face");
    }

    void writesBytesAndKeepsOldFileOnFailure()
    {
        QVERIFY(TitleFontFile::write(path(), defaultTitleFont()));
        QCOMPARE(contentsOf(path()), kDefaultFile);
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        TitleFont changed = defaultTitleFont();
        changed.lfWeight = 700;
        const bool written = TitleFontFile::write(path(), changed);
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (written)
            QSKIP("running with rights that ignore folder permissions");
        QCOMPARE(contentsOf(path()), kDefaultFile);
    }
};

QTEST_GUILESS_MAIN(TestTitleFontFile)
#include "test_titlefontfile.moc"
