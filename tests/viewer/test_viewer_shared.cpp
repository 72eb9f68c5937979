#include "shared/datalink.h"
#include "shared/linkcontract.h"
#include "viewer/viewersettings.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Reason = DataLinkClient::EndReason;
Q_DECLARE_METATYPE(Reason)

namespace {
const QString kService = PropertyLinkContract::kService;
QStringList fields(const ViewerSettings &s)
{
    return {s.quoteSource, QString::number(s.showCode.value()), QString::number(s.intervalMinutes),
            QString::number(s.linePosition), QString::number(s.residentMode)};
}
QStringList firsts(const QSignalSpy &spy)
{
    QStringList result;
    for (const QList<QVariant> &args : spy)
        result << args.at(0).toString();
    return result;
}
} // namespace

// The settings store, kept in a temporary folder instead of the user's, and
// the change-notification link with both ends real.
class TestViewerShared : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString conf() const { return m_dir.filePath("Velmo/Velmo.conf"); }
    QByteArray confText() const
    {
        QFile file(conf());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeConf(const QByteArray &body)
    {
        QDir().mkpath(m_dir.filePath("Velmo"));
        QFile file(conf());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[INI]\n" + body);
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Reason>();
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8());
    }
    void init() { QFile::remove(conf()); }

    void readSettings_data()
    {
        QTest::addColumn<QByteArray>("body"); // empty: no store at all
        QTest::addColumn<QStringList>("expected");
        const QStringList defaults{"tamber.vmf", "20", "0", "1", "1"};
        QTest::newRow("no store") << QByteArray() << defaults;
        QTest::newRow("limits, comma in name") << QByteArray("Ops=a,b.vmf\nSh=255\nTim=-32768\nMs=32767\nJo=0\n")
                                               << QStringList{"a,b.vmf", "255", "-32768", "32767", "0"};
        QTest::newRow("beyond widths") << QByteArray("Sh=256\nTim=32768\nMs=-32769\nJo=-1\n") << defaults;
        QTest::newRow("not numbers") << QByteArray("Sh=abc\nTim=+4\nMs=\"3 \"\nJo=1.5\n") << defaults;
        QTest::newRow("huge, binary") << QByteArray("Sh=99999999999999999999\nTim=@Variant(\\0\\0\\0\\x7f)\nMs=\x01\n")
                                      << defaults;
    }
    void readSettings()
    {
        QFETCH(QByteArray, body);
        if (!body.isEmpty())
            writeConf(body);
        QTEST(fields(QSettingsViewerStore().readAll()), "expected");
        QCOMPARE(QFile::exists(conf()), !body.isEmpty()); // reading never creates the store
    }

    void writeSettings()
    {
        const ViewerSettings s{QStringLiteral("/home/ユーザー/名言, その2.txt"), ShowCode(255), -5, -32768, 2};
        QSettingsViewerStore().writeAll(s);
        QCOMPARE(fields(QSettingsViewerStore().readAll()), fields(s));
        const QByteArray text = confText();
        QVERIFY2(text.contains("\nSh=255\n") && text.contains("\nTim=-5\n") && text.contains("\nMs=-32768\n")
                     && text.contains("\nJo=2\n") && text.count('=') == 5,
                 text.constData());
        // Saving the position touches Ms alone.
        writeConf("Ops=quill.vmf\nSh=garbage\nMs=4\n");
        QSettingsViewerStore().savePosition(-12);
        QCOMPARE(confText(), QByteArray("[INI]\nMs=-12\nOps=quill.vmf\nSh=garbage\n"));
    }

    // The source in a process of its own, started after the client began
    // waiting, or a peer writing raw bytes. The receiver of "OK" sits in a
    // nested event loop until the source is gone, as behind a message box.
    void link_data()
    {
        QTest::addColumn<QString>("mode"); // of the source process; empty: no source ever appears
        QTest::addColumn<QByteArray>("bytes"); // what a raw peer writes
        QTest::addColumn<QStringList>("received");
        QTest::addColumn<Reason>("ending");
        QTest::newRow("no answer") << "" << QByteArray() << QStringList() << Reason::NoAnswer;
        QTest::newRow("confirmed") << "ok" << QByteArray() << QStringList{"", "OK", "end"} << Reason::Disconnected;
        QTest::newRow("closed") << "end" << QByteArray() << QStringList{"", "end"} << Reason::Disconnected;
        QTest::newRow("crashed") << "crash" << QByteArray() << QStringList{""} << Reason::Disconnected;
        // Lines that came with the end still count; an unfinished one does not.
        QTest::newRow("garbage") << "raw" << QByteArray("\xff\xfe\x00zz\r\nOK\nhalf", 14)
                                 << QStringList{QString::fromUtf8("\xff\xfe\x00zz", 5), "OK"} << Reason::Disconnected;
        // A peer that never ends its line is broken, however long it keeps going.
        QTest::newRow("endless line") << "raw" << QByteArray("OK\n") + QByteArray(DataLinkClient::kMaxLineBytes + 2, 'x')
                                      << QStringList{"OK"} << Reason::Disconnected;
    }
    void link()
    {
        QFETCH(QString, mode);
        QLocalServer raw;
        const QString item = mode == "raw" ? "raw" : "ok2";
        QLocalServer::removeServer(dataLinkSocketPath(kService, "Form1", item));
        QVERIFY(mode != "raw" || raw.listen(dataLinkSocketPath(kService, "Form1", item)));
        DataLinkClient client(kService, "Form1", item);
        QSignalSpy received(&client, &DataLinkClient::valueReceived), ended(&client, &DataLinkClient::ended);
        QProcess source;
        connect(&client, &DataLinkClient::valueReceived, this, [&source](const QString &v) {
            if (v == "OK")
                QTRY_VERIFY_WITH_TIMEOUT(source.state() == QProcess::NotRunning, 10000);
        });
        client.open(mode.isEmpty() ? 300 : 10000);
        QLocalSocket *peer = nullptr;
        if (mode == "raw") {
            QVERIFY(raw.waitForNewConnection(3000));
            peer = raw.nextPendingConnection();
            QFETCH(QByteArray, bytes);
            peer->write(bytes);
            if (bytes.endsWith("half"))
                peer->disconnectFromServer();
        } else if (!mode.isEmpty()) {
            source.start(QCoreApplication::applicationDirPath() + "/datalink_source_helper", {mode});
        }
        QVERIFY(ended.wait(15000));
        QTEST(firsts(received), "received");
        QTEST(ended.at(0).at(0).value<Reason>(), "ending");
        QVERIFY(!client.isOpen());
        source.waitForFinished(5000);
    }

    // A published text is one line whatever it holds.
    void publishedLineBreaks()
    {
        DataLinkSource source(kService, "Form1", "breaks");
        QVERIFY(source.listen());
        DataLinkClient client(kService, "Form1", "breaks");
        QSignalSpy received(&client, &DataLinkClient::valueReceived);
        client.open(5000);
        QTRY_COMPARE(received.count(), 1);
        source.setText("one\ntwo\r\nthree\r");
        QTRY_COMPARE(firsts(received), (QStringList{"", "one two  three "}));
    }
};

QTEST_GUILESS_MAIN(TestViewerShared)
#include "test_viewer_shared.moc"
