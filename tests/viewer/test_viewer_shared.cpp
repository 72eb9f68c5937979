#include "shared/datalink.h"
#include "shared/linkcontract.h"
#include "viewer/viewersettings.h"

#include "fakes/filebytes.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using Reason = DataLinkClient::EndReason;
Q_DECLARE_METATYPE(Reason)

namespace {
const QString kService = PropertyLinkContract::kService;
constexpr uid_t kNobody = 65534;
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
} // namespace

// The settings store, kept in a temporary folder instead of the user's, and
// the change-notification link with both ends real and a raw peer.
class TestViewerShared : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString conf() const { return m_dir.filePath("Velmo/Velmo.conf"); }
    ViewerSettingsFile store() const { return ViewerSettingsFile(conf()); }
    void writeConf(const QByteArray &body)
    {
        QDir().mkpath(m_dir.filePath("Velmo"));
        QVERIFY(writeAll(conf(), "[INI]\n" + body));
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Reason>();
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8());
    }

    // Where the link's socket lives: never a folder anybody else can reach.
    void linkFolder_data()
    {
        QTest::addColumn<QString>("runtime"); // the runtime folder: private, open, another user's, none
        QTest::addColumn<QString>("cache");   // the link folder in the cache: new, open, another user's
        QTest::addColumn<QString>("used");    // runtime, cache or none
        QTest::newRow("private runtime folder") << "private" << "new" << "runtime";
        QTest::newRow("runtime folder open to others") << "open" << "new" << "cache";
        QTest::newRow("no runtime folder, cache folder opened up") << "none" << "open" << "cache";
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
        const auto make = [](const QString &path, const QString &how) {
            const QByteArray native = QFile::encodeName(path);
            return QDir().mkpath(path) && ::chmod(native.constData(), how == "open" ? 0755 : 0700) == 0
                && (how != "stranger" || ::chown(native.constData(), kNobody, kNobody) == 0);
        };
        QVERIFY(make(run, runtime) && (cache == "new" || make(linkDir, cache)));
        runtime == "none" ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", run.toUtf8());
        qputenv("XDG_CACHE_HOME", base.filePath("cache").toUtf8());
        const QString folder = dataLinkFolder();
        DataLinkSource source(kService, "Form1", "folder");
        const bool listening = source.listen();
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8());
        QFETCH(QString, used);
        QCOMPARE(folder, used == "runtime" ? run : used == "cache" ? linkDir : QString());
        QCOMPARE(listening, used != "none");
        QCOMPARE(mode(linkDir), used == "cache" ? 0700 : cache == "new" ? -1 : 0700);
    }

    // Strict decimal within each key's width, its default otherwise. Saving
    // the position touches Ms alone, and a window's save only what it
    // changed (the interval): the rest, the user's own text included, stays.
    void storedNumbers_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("read"); // Ops Sh Tim Ms Jo
        QTest::addColumn<QByteArray>("after");
        const QStringList defaults{"tamber.vmf", "20", "0", "1", "1"};
        QTest::newRow("widths' ends") << QByteArray("Sh=255\nTim=-32768\nMs=32767\nJo=0")
                                      << QStringList{"tamber.vmf", "255", "-32768", "32767", "0"}
                                      << QByteArray("Sh=255\nTim=7\nMs=9\nJo=0\n");
        QTest::newRow("one past each end") << QByteArray("Sh=256\nTim=32768\nMs=-32769\nJo=-1") << defaults
                                           << QByteArray("Sh=256\nTim=7\nMs=9\nJo=-1\n");
        QTest::newRow("not plain decimal") << QByteArray("Sh=+5\nTim=0x5\nMs=5x\nJo=-") << defaults
                                           << QByteArray("Sh=+5\nTim=7\nMs=9\nJo=-\n");
        QTest::newRow("eleven digits, leading zeros") << QByteArray("Sh=00000000021\nTim=0000000015\nMs=-0")
                                                      << QStringList{"tamber.vmf", "20", "15", "0", "1"}
                                                      << QByteArray("Sh=00000000021\nTim=7\nMs=9\n");
        QTest::newRow("text of the user's own") << QByteArray("; mine\nOps=@Variant(\\0\\x7f)\nMs=4\n\n[Other]\nMs=9")
                                                << QStringList{QString("@Variant(%1\x7f)").arg(QChar(0)), "20", "0", "4", "1"}
                                                << QByteArray("; mine\nOps=@Variant(\\0\\x7f)\nMs=9\nTim=7\n\n[Other]\nMs=9\n");
    }
    void storedNumbers()
    {
        QFETCH(QByteArray, stored);
        writeConf(stored + "\n");
        const ViewerSettings read = store().readAll();
        QTEST(fields(read), "read");
        ViewerSettings changed = read;
        changed.intervalMinutes = 7;
        QVERIFY(store().savePosition(9)); // the viewer saves while a window is open
        QVERIFY(store().writeChanges(read, changed));
        QFETCH(QByteArray, after);
        QCOMPARE(readAll(conf()), "[INI]\n" + after);
    }

    // A source that starts after the client began waiting and sends these
    // texts once a client is there, then is gone; or a raw peer that writes
    // garbage, a line and half a line, then hangs up: lines that came with
    // the end still count, an unfinished one does not. The receiver of "OK"
    // runs a nested event loop, as behind a message box.
    void link_data()
    {
        QTest::addColumn<QString>("peer"); // none, source or raw
        QTest::addColumn<QStringList>("sends");
        QTest::addColumn<QStringList>("received");
        QTest::addColumn<Reason>("ending");
        QTest::newRow("no answer") << "none" << QStringList() << QStringList() << Reason::NoAnswer;
        QTest::newRow("confirmed") << "source" << QStringList{"OK", "end"} << QStringList{"", "OK", "end"}
                                   << Reason::Disconnected;
        QTest::newRow("garbage") << "raw" << QStringList() << QStringList{QString::fromUtf8("\xff\xfe\x00zz", 5), "OK"}
                                 << Reason::Disconnected;
    }
    void link()
    {
        QFETCH(QString, peer);
        QFETCH(QStringList, sends);
        QLocalServer raw;
        QVERIFY(peer != "raw" || raw.listen(dataLinkSocketPath(kService, "Form1", "raw")));
        DataLinkClient client(kService, "Form1", peer);
        QSignalSpy ended(&client, &DataLinkClient::ended);
        QStringList received;
        connect(&client, &DataLinkClient::valueReceived, this, [&received](const QString &v) {
            received << v;
            if (v == "OK")
                QTest::qWait(20);
        });
        client.open(peer == "none" ? 300 : 10000);
        std::unique_ptr<DataLinkSource> source;
        if (peer == "source") {
            source = std::make_unique<DataLinkSource>(kService, "Form1", peer);
            connect(source.get(), &DataLinkSource::clientConnected, this, [&] {
                QTimer::singleShot(0, this, [&] {
                    for (const QString &text : sends)
                        source->setText(text);
                    source->flush();
                    source.reset();
                });
            });
            QVERIFY(source->listen());
        } else if (peer == "raw") {
            QVERIFY(raw.waitForNewConnection(3000));
            QLocalSocket *socket = raw.nextPendingConnection();
            socket->write(QByteArray("\xff\xfe\x00zz\r\nOK\nhalf", 14));
            socket->disconnectFromServer();
        }
        QVERIFY(ended.wait(15000));
        QTEST(received, "received");
        QTEST(ended.at(0).at(0).value<Reason>(), "ending");
        QVERIFY(!client.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestViewerShared)
#include "test_viewer_shared.moc"
