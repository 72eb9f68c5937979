#include "shared/viewersettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The per-user store, pointed at a temporary folder for the whole run.
class TestViewerSettings : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString conf() const { return m_dir.filePath("Velmo/Velmo.conf"); }
    QByteArray confText() const
    {
        QFile file(conf());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeRaw(const QByteArray &body)
    {
        QDir().mkpath(m_dir.filePath("Velmo"));
        QFile file(conf());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[INI]\n" + body);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    }
    void init() { QFile::remove(conf()); }

    void readAll_data()
    {
        QTest::addColumn<QByteArray>("body"); // empty: no store at all
        QTest::addColumn<QString>("ops");
        QTest::addColumn<int>("sh");
        QTest::addColumn<int>("tim");
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("jo");
        const QString d = "tamber.vmf";
        QTest::newRow("no store") << QByteArray() << d << 20 << 0 << 1 << 1;
        QTest::newRow("valid") << QByteArray("Ops=Tamber.vmf\nSh=11\nTim=3000\nMs=-7\nJo=0\n") << "Tamber.vmf" << 11 << 3000 << -7 << 0;
        QTest::newRow("width limits") << QByteArray("Sh=255\nTim=-32768\nMs=32767\nJo=255\n") << d << 255 << -32768 << 32767 << 255;
        QTest::newRow("beyond widths") << QByteArray("Sh=256\nTim=32768\nMs=-32769\nJo=-1\n") << d << 20 << 0 << 1 << 1;
        QTest::newRow("not numbers") << QByteArray("Sh=abc\nTim=5x\nMs=\nJo=1.5\n") << d << 20 << 0 << 1 << 1;
        QTest::newRow("blanks and plus") << QByteArray("Sh=\" 12\"\nTim=+4\nMs=\"3 \"\nJo=\"-\"\n") << d << 20 << 0 << 1 << 1;
        QTest::newRow("huge digits") << QByteArray("Sh=99999999999999999999\nTim=4294967301\n") << d << 20 << 0 << 1 << 1;
        QTest::newRow("binary") << QByteArray("Sh=\x01\x02\nTim=@Variant(\\0\\0\\0\\x7f)\n") << d << 20 << 0 << 1 << 1;
        QTest::newRow("unquoted comma") << QByteArray("Ops=a,b.txt\n") << "a,b.txt" << 20 << 0 << 1 << 1;
        QTest::newRow("empty source") << QByteArray("Ops=\n") << "" << 20 << 0 << 1 << 1;
    }
    void readAll()
    {
        QFETCH(QByteArray, body);
        if (!body.isEmpty())
            writeRaw(body);
        const ViewerSettings s = QSettingsViewerStore().readAll();
        QTEST(s.quoteSource, "ops");
        QTEST(int(s.showCode), "sh");
        QTEST(int(s.intervalMinutes), "tim");
        QTEST(int(s.linePosition), "ms");
        QTEST(int(s.residentMode), "jo");
        QCOMPARE(QFile::exists(conf()), !body.isEmpty()); // reading never creates the store
    }

    void writeAllAsDecimalText()
    {
        ViewerSettings s;
        s.quoteSource = QStringLiteral("/home/ユーザー/名言, その2.txt");
        s.showCode = 255;
        s.intervalMinutes = -5;
        s.linePosition = -32768;
        s.residentMode = 2;
        QSettingsViewerStore().writeAll(s);
        QCOMPARE(QSettingsViewerStore().readAll(), s);
        const QByteArray text = confText();
        for (const char *pair : {"Sh=255\n", "Tim=-5\n", "Ms=-32768\n", "Jo=2\n"})
            QVERIFY2(text.contains(pair), text.constData());
        QCOMPARE(text.count('='), 5);
    }

    void savePositionTouchesOnlyMs()
    {
        writeRaw("Ops=quill.vmf\nSh=garbage\nMs=4\n");
        QSettingsViewerStore().savePosition(-12);
        const QByteArray text = confText();
        QVERIFY2(text.contains("Ops=quill.vmf") && text.contains("Sh=garbage") && text.contains("Ms=-12"),
                 text.constData());
        QCOMPARE(text.count('='), 3);
    }
};

QTEST_GUILESS_MAIN(TestViewerSettings)
#include "test_viewersettings.moc"
