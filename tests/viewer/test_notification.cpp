#include "viewer/desktopnotification.h"
#include "viewer/quoteplayer.h"

#include "fakes/fakenotificationserver.h"
#include "fakes/filebytes.h"
#include "fakes/fixedrandom.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "shared/cp932.h"

#include <QDBusConnection>
#include <QtTest>

namespace {
// The session bus's policy without its service directories: nothing
// installed on the machine is started on demand.
const QByteArray kBusConfig = "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                              "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                              "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy>"
                              "</busconfig>\n";
} // namespace

// The fifth output: the quote as a message of a fake notification server on
// a message bus of the test's own, or the box when there is no server.
class TestNotification : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir; // the bus's configuration and the quote files
    QProcess m_daemon;
    QString m_address;
    QThread m_serverThread;
    FakeNotificationServer m_server; // answers from its own thread: the player's calls block

    // A client of the fake server with these capabilities; none: no server.
    std::unique_ptr<SessionBusNotifier> serve(const QStringList &capabilities)
    {
        m_server.reset(capabilities);
        QDBusConnection server = QDBusConnection::connectToBus(m_address, QStringLiteral("server"));
        if (!capabilities.isEmpty()) {
            server.registerObject(SessionBusNotifier::kPath, &m_server, QDBusConnection::ExportAllSlots);
            server.registerService(SessionBusNotifier::kService);
        }
        return std::make_unique<SessionBusNotifier>(QDBusConnection::connectToBus(m_address, QStringLiteral("client")));
    }

private slots:
    void initTestCase()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            QSKIP("dbus-daemon is not installed (Debian package dbus-daemon)");
        QVERIFY(writeAll(m_dir.filePath("bus.conf"), kBusConfig));
        m_daemon.start(daemon, {"--config-file=" + m_dir.filePath("bus.conf"), "--print-address", "--nofork"});
        QTRY_VERIFY2_WITH_TIMEOUT(m_daemon.canReadLine(), m_daemon.readAllStandardError().constData(), 10000);
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        m_server.moveToThread(&m_serverThread);
        m_serverThread.start();
        const QByteArray lines = Cp932::fromUnicode(QStringLiteral("一の言葉\r\n<二> & 言葉\r\n三の言葉\r\n"));
        QVERIFY(writeAll(m_dir.filePath("tamber.vmf"), lines) && writeAll(m_dir.filePath("mirelle.vmf"), lines));
    }

    void cleanup()
    {
        if (QDBusConnection server(QStringLiteral("server")); server.isConnected())
            server.unregisterService(SessionBusNotifier::kService);
        QDBusConnection::disconnectFromBus(QStringLiteral("server"));
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    }

    void cleanupTestCase()
    {
        m_serverThread.quit();
        m_serverThread.wait();
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    // Two displays: summary and body as the box would show them as title
    // and text, the body escaped only for a server that reads markup, the
    // second in place of the first; without a server, the box itself.
    void notification_data()
    {
        QTest::addColumn<QStringList>("capabilities"); // empty: no server
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("seen");
        const auto sent = [](const QString &summary, const QString &body, const char *id) {
            return QStringList{"ヴェルモ", "titlecard-suite-velmo", summary, body, id};
        };
        const QString mirelle = "「<二> & 言葉の巻」", tamber = "星環タンバー\u3000第", box = "<二> & 言葉";
        QTest::newRow("markup, in order") << QStringList{"body", "body-markup"} << "tamber.vmf" << 14
                                          << sent(tamber + "2章", "&lt;二&gt; &amp; 言葉", "0")
                                                 + sent(tamber + "3章", "三の言葉", "41");
        QTest::newRow("plain, at random") << QStringList{"body"} << "mirelle.vmf" << 24
                                          << sent("月影ミレル 第2話", mirelle, "0") + sent("月影ミレル 第2話", mirelle, "41");
        QTest::newRow("no server: the box") << QStringList() << "tamber.vmf" << 24
                                            << QStringList{box, tamber + "2章\u3000\u3000", box, tamber + "2章\u3000\u3000"};
    }
    void notification()
    {
        QFETCH(QStringList, capabilities);
        QFETCH(QString, source);
        QFETCH(int, code);
        const std::unique_ptr<SessionBusNotifier> notifier = serve(capabilities);
        QCOMPARE(notifier->available(), !capabilities.isEmpty());
        RecordingStarter starter;
        RecordingMessageBox boxes;
        FixedRandom random;
        random.r = 0.5; // line 2 of 3, as the stored position
        QuotePlayer player(starter, boxes, random, m_dir.path(), m_dir.path(), notifier.get());
        player.state().settings = {source, ShowCode(quint8(code)), 0, 2, 1};
        QVERIFY2(player.play() && player.play(), qPrintable(player.failure()));
        QStringList seen = m_server.received();
        for (const RecordingMessageBox::Box &box : boxes.boxes)
            seen << box.text << box.title;
        QTEST(seen, "seen");
        QVERIFY(starter.calls.isEmpty());
    }
};

QTEST_MAIN(TestNotification)
#include "test_notification.moc"
