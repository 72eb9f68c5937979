#include "shared/viewersettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The per-user store, pointed at a temporary folder for the whole run.
class TestViewerSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void emptyStoreGivesDefaults();
    void writeAllThenReadAll();
    void storedAsDecimalText();
    void storedText_data();
    void storedText();
    void savePositionTouchesOnlyMs();
    void quoteSourceKeptAsItStands_data();
    void quoteSourceKeptAsItStands();

private:
    QString confPath() const { return m_dir.filePath("Velmo/Velmo.conf"); }
    void writeRaw(const QByteArray &iniBody);
    QTemporaryDir m_dir;
};

void TestViewerSettings::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

void TestViewerSettings::init()
{
    QFile::remove(confPath());
}

void TestViewerSettings::writeRaw(const QByteArray &iniBody)
{
    QDir().mkpath(m_dir.filePath("Velmo"));
    QFile file(confPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[INI]\n" + iniBody);
}

void TestViewerSettings::emptyStoreGivesDefaults()
{
    const ViewerSettings s = QSettingsViewerStore().readAll();
    QCOMPARE(s.quoteSource, QString("tamber.vmf"));
    QCOMPARE(s.showCode, quint8(20));
    QCOMPARE(s.intervalMinutes, qint16(0));
    QCOMPARE(s.linePosition, qint16(1));
    QCOMPARE(s.residentMode, quint8(1));
    QVERIFY(!QFile::exists(confPath())); // reading never creates the store
}

void TestViewerSettings::writeAllThenReadAll()
{
    ViewerSettings s;
    s.quoteSource = QStringLiteral("/home/ユーザー/名言, その2.txt");
    s.showCode = 13;
    s.intervalMinutes = 3000;
    s.linePosition = -32768;
    s.residentMode = 2;
    QSettingsViewerStore().writeAll(s);
    QCOMPARE(QSettingsViewerStore().readAll(), s);
}

void TestViewerSettings::storedAsDecimalText()
{
    ViewerSettings s;
    s.intervalMinutes = -5;
    s.showCode = 255;
    QSettingsViewerStore().writeAll(s);
    QSettings raw(confPath(), QSettings::IniFormat);
    raw.beginGroup("INI");
    QCOMPARE(raw.value("Tim").toString(), QString("-5"));
    QCOMPARE(raw.value("Sh").toString(), QString("255"));
    QCOMPARE(raw.value("Ms").toString(), QString("1"));
    QCOMPARE(raw.childKeys().size(), 5);
}

void TestViewerSettings::storedText_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("sh");
    QTest::addColumn<int>("tim");
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("jo");
    QTest::newRow("valid") << QByteArray("Sh=11\nTim=3000\nMs=-7\nJo=0\n") << 11 << 3000 << -7 << 0;
    QTest::newRow("width limits") << QByteArray("Sh=255\nTim=-32768\nMs=32767\nJo=255\n") << 255 << -32768 << 32767 << 255;
    QTest::newRow("beyond widths") << QByteArray("Sh=256\nTim=32768\nMs=-32769\nJo=-1\n") << 20 << 0 << 1 << 1;
    QTest::newRow("not numbers") << QByteArray("Sh=abc\nTim=5x\nMs=\nJo=1.5\n") << 20 << 0 << 1 << 1;
    QTest::newRow("blanks and plus") << QByteArray("Sh=\" 12\"\nTim=+4\nMs=\"3 \"\nJo=\"-\"\n") << 20 << 0 << 1 << 1;
    QTest::newRow("huge digits") << QByteArray("Sh=99999999999999999999\nTim=4294967301\n") << 20 << 0 << 1 << 1;
    QTest::newRow("binary") << QByteArray("Sh=\x01\x02\nTim=@Variant(\\0\\0\\0\\x7f)\n") << 20 << 0 << 1 << 1;
}

void TestViewerSettings::storedText()
{
    QFETCH(QByteArray, body);
    writeRaw(body);
    const ViewerSettings s = QSettingsViewerStore().readAll();
    QTEST(int(s.showCode), "sh");
    QTEST(int(s.intervalMinutes), "tim");
    QTEST(int(s.linePosition), "ms");
    QTEST(int(s.residentMode), "jo");
}

void TestViewerSettings::savePositionTouchesOnlyMs()
{
    writeRaw("Ops=quill.vmf\nSh=garbage\nMs=4\n");
    QSettingsViewerStore().savePosition(-12);
    const QByteArray text = [this] {
        QFile f(confPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QVERIFY(text.contains("Sh=garbage"));
    QVERIFY(text.contains("Ms=-12"));
    const ViewerSettings s = QSettingsViewerStore().readAll();
    QCOMPARE(s.quoteSource, QString("quill.vmf"));
    QCOMPARE(s.linePosition, qint16(-12));
    QVERIFY(!text.contains("Jo="));
}

void TestViewerSettings::quoteSourceKeptAsItStands_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("case differs") << QByteArray("Ops=Tamber.vmf") << "Tamber.vmf";
    QTest::newRow("unquoted comma") << QByteArray("Ops=a,b.txt") << "a,b.txt";
    QTest::newRow("empty") << QByteArray("Ops=") << "";
    QTest::newRow("other") << QByteArray("Ops=other") << "other";
}

void TestViewerSettings::quoteSourceKeptAsItStands()
{
    QFETCH(QByteArray, line);
    writeRaw(line + "\n");
    QTEST(QSettingsViewerStore().readAll().quoteSource, "expected");
}

QTEST_GUILESS_MAIN(TestViewerSettings)
#include "test_viewersettings.moc"
