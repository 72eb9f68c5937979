#include "shared/datalink.h"
#include "shared/linkcontract.h"
#include "viewer/viewersettings.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using Reason = DataLinkClient::EndReason;
Q_DECLARE_METATYPE(Reason)

namespace {
const QString kService = PropertyLinkContract::kService;
constexpr uid_t kNobody = 65534;
QString helper()
{
    return QCoreApplication::applicationDirPath() + "/datalink_peer_helper";
}
int mode(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}
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
    ViewerSettingsFile store() const { return ViewerSettingsFile(conf()); }
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
        QTEST(fields(store().readAll()), "expected");
        QCOMPARE(QFile::exists(conf()), !body.isEmpty()); // reading never creates the store
    }

    void writeSettings()
    {
        const ViewerSettings s{QStringLiteral("/home/ユーザー/名言, その2.txt"), ShowCode(255), -5, -32768, 2};
        QVERIFY(store().writeAll(s));
        QCOMPARE(fields(store().readAll()), fields(s));
        QCOMPARE(confText(), "[INI]\nOps=\"/home/ユーザー/名言, その2.txt\"\nSh=255\nTim=-5\nMs=-32768\nJo=2\n");
        // Saving the position touches Ms alone: the rest, the user's own
        // text included, stays as it was.
        writeConf("; mine\nOps=@Variant(\\0\\0\\0\\x7f)\nSh=garbage\nMs=4\n\n[Other]\nMs=9\n");
        QVERIFY(store().savePosition(-12));
        QCOMPARE(confText(), "[INI]\n; mine\nOps=@Variant(\\0\\0\\0\\x7f)\nSh=garbage\nMs=-12\n\n[Other]\nMs=9\n");
    }

    // Where the link's socket lives: never a folder anybody else can reach.
    void linkFolder_data()
    {
        QTest::addColumn<QString>("runtime"); // the runtime folder: private, open, another user's, none
        QTest::addColumn<QString>("cache");   // the link folder in the cache: new, opened, another user's
        QTest::addColumn<QString>("used");    // runtime, cache or none
        QTest::newRow("private runtime folder") << "private" << "new" << "runtime";
        QTest::newRow("runtime folder open to others") << "open" << "new" << "cache";
        QTest::newRow("no runtime folder") << "none" << "new" << "cache";
        QTest::newRow("runtime folder of another user") << "stranger" << "new" << "cache";
        QTest::newRow("cache folder opened up") << "none" << "opened" << "cache";
        QTest::newRow("cache folder of another user") << "none" << "stranger" << "none";
    }
    void linkFolder()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, cache);
        if ((runtime == "stranger" || cache == "stranger") && ::geteuid() != 0)
            QSKIP("only root can make a folder of another user");
        QTemporaryDir base;
        const QString run = base.filePath("run"), linkDir = base.filePath("cache/datalink");
        QVERIFY(QDir().mkpath(run));
        QCOMPARE(::chmod(QFile::encodeName(run).constData(), runtime == "open" ? 0755 : 0700), 0);
        if (runtime == "stranger")
            QCOMPARE(::chown(QFile::encodeName(run).constData(), kNobody, kNobody), 0);
        if (cache != "new") {
            QVERIFY(QDir().mkpath(linkDir));
            QCOMPARE(::chmod(QFile::encodeName(linkDir).constData(), cache == "opened" ? 0755 : 0700), 0);
            if (cache == "stranger")
                QCOMPARE(::chown(QFile::encodeName(linkDir).constData(), kNobody, kNobody), 0);
        }
        runtime == "none" ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", run.toUtf8());
        qputenv("XDG_CACHE_HOME", base.filePath("cache").toUtf8());
        const QString folder = dataLinkFolder();
        DataLinkSource source(kService, "Form1", "folder");
        const bool listening = source.listen();
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8());
        QFETCH(QString, used);
        QCOMPARE(folder, used == "runtime" ? run : used == "cache" ? linkDir : QString());
        QCOMPARE(listening, used != "none");
        if (used == "cache")
            QCOMPARE(mode(linkDir), 0700);
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
        // Made by root, then listened on as another user: not followed.
        QTest::newRow("another user's socket") << "stranger" << QByteArray() << QStringList() << Reason::Stranger;
    }
    void link()
    {
        QFETCH(QString, mode);
        if (mode == "stranger" && ::geteuid() != 0)
            QSKIP("only root can listen as another user");
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
            source.start(helper(), {mode});
        }
        QVERIFY(ended.wait(15000));
        QTEST(firsts(received), "received");
        QTEST(ended.at(0).at(0).value<Reason>(), "ending");
        QVERIFY(!client.isOpen());
        source.waitForFinished(5000);
    }

    // A second source never takes a live name (nor deletes it when it
    // ends); the name of a source that died is taken over.
    void takingTheName()
    {
        const QString path = dataLinkSocketPath(kService, "Form1", "ok2");
        QProcess holder;
        holder.start(helper(), {"hold"});
        const auto holderAnswers = [] {
            DataLinkClient client(kService, "Form1", "ok2");
            QSignalSpy received(&client, &DataLinkClient::valueReceived);
            client.open(10000);
            return received.wait(10000) && received.at(0).at(0).toString() == "held";
        };
        QVERIFY(holderAnswers());
        {
            DataLinkSource second(kService, "Form1", "ok2");
            QVERIFY(!second.listen());
            QVERIFY2(second.errorString().contains("in use"), qPrintable(second.errorString()));
        }
        QVERIFY(holderAnswers());
        ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(5000));
        QVERIFY(QFileInfo::exists(path)); // left behind by the killed source
        DataLinkSource third(kService, "Form1", "ok2");
        QVERIFY2(third.listen(), qPrintable(third.errorString()));
    }

    // A client of another user that got as far as the socket is dropped
    // before it hears anything.
    void strangerIsDropped()
    {
        if (::geteuid() != 0)
            QSKIP("only root can connect as another user");
        DataLinkSource source(kService, "Form1", "private");
        QVERIFY(source.listen());
        source.setText("secret");
        const QString path = dataLinkSocketPath(kService, "Form1", "private");
        // The folder would stop the stranger before the check is reached.
        QCOMPARE(::chmod(QFile::encodeName(m_dir.path()).constData(), 0711), 0);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0777), 0);
        QTest::ignoreMessage(QtWarningMsg, "datalink: dropped a connection from another user");
        QProcess peer;
        peer.start(helper(), {"stranger-client", path});
        QTRY_COMPARE_WITH_TIMEOUT(peer.state(), QProcess::NotRunning, 10000);
        ::chmod(QFile::encodeName(m_dir.path()).constData(), 0700);
        QCOMPARE(peer.exitCode(), 0); // connected, then the end without a byte
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
