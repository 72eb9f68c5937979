#include "viewer/desktopnotification.h"
#include "viewer/quoteplayer.h"
#include "viewer_properties/propertywindow.h"

#include "fakes/fakenotificationserver.h"
#include "fakes/fixedrandom.h"
#include "fakes/memorysettingsstore.h"
#include "fakes/recordinghelpviewer.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "fakes/scripteddialogbinding.h"
#include "shared/cp932.h"

#include <QDBusConnection>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {
const QString kUU(2, QChar(0x3000));
const QString kCommandText = QStringLiteral("<b>今日</b> & 明日");
// The session bus's policy without its service directories: nothing
// installed on the machine is started on demand.
const QByteArray kBusConfig = "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                              " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                              "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                              "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                              "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy>"
                              "</busconfig>\n";
const QStringList kMarkup = {QStringLiteral("body"), QStringLiteral("body-markup")};

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(content), content.size());
}
} // namespace

// The fifth output: the quote as a message of a fake notification server on
// a message bus of the test's own, the box when there is no server, and the
// option that chooses it in velmoinit.
class TestNotification : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir; // programs, quote files, runtime and configuration folders
    QProcess m_daemon;
    QString m_address;
    QThread m_serverThread;
    std::unique_ptr<FakeNotificationServer> m_server; // answers from its own thread: the player's calls block

    QDBusConnection bus(const QString &name) const { return QDBusConnection::connectToBus(m_address, name); }

    const FakeNotificationServer &serve(const QStringList &capabilities)
    {
        m_server->reset(capabilities);
        QDBusConnection server = bus(QStringLiteral("server"));
        server.registerObject(SessionBusNotifier::kPath, m_server.get(), QDBusConnection::ExportAllSlots);
        server.registerService(SessionBusNotifier::kService);
        return *m_server;
    }

    struct Player
    {
        RecordingStarter starter;
        RecordingMessageBox boxes;
        FixedRandom random;
        QuotePlayer player;
        Player(const QString &folder, DesktopNotifier &notifier, const QString &source, int code)
            : player(starter, boxes, random, folder, folder, &notifier)
        {
            random.r = 0.5; // line 2 of 3, as the stored position
            player.state().settings = {source, ShowCode(quint8(code)), 0, 2, 1};
            player.state().commandLine = kCommandText;
        }
    };

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            QSKIP("dbus-daemon is not installed (Debian package dbus-daemon)");
        writeFile(m_dir.filePath("bus.conf"), kBusConfig);
        m_daemon.start(daemon, {"--config-file=" + m_dir.filePath("bus.conf"), "--print-address", "--nofork"});
        while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) {
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY2(!m_address.isEmpty(), m_daemon.readAllStandardError().constData());
        m_server = std::make_unique<FakeNotificationServer>();
        m_server->moveToThread(&m_serverThread);
        m_serverThread.start();

        // velmoinit's published item and login start stay in the test's folder.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
        const QByteArray lines = Cp932::fromUnicode(QStringLiteral("一の言葉\r\n<二> & 言葉\r\n三の言葉\r\n"));
        for (const char *name : {"tamber.vmf", "mirelle.vmf", "mine.txt"})
            writeFile(m_dir.filePath(name), lines);
        for (const char *program : {"velmo", "tambwin"}) // OK and the title-card option
            writeFile(m_dir.filePath(program), "#!/bin/sh\n");
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
        m_server.reset(); // its thread has ended
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    // Summary and body as the box would show them as title and text; the
    // body escaped only for a server that reads markup.
    void notification_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("capabilities");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("body");
        QTest::newRow("chapter in order, markup") << "tamber.vmf" << 14 << kMarkup
                                                  << "星環タンバー\u3000第2章" << "&lt;二&gt; &amp; 言葉";
        QTest::newRow("episode title at random, plain") << "mirelle.vmf" << 24 << QStringList{"body"}
                                                        << "月影ミレル 第2話" << "「<二> & 言葉の巻」";
        QTest::newRow("user file") << "mine.txt" << 24 << kMarkup << "mine.txt - 2" << "&lt;二&gt; &amp; 言葉";
        QTest::newRow("command line") << "other" << 14 << kMarkup << "ヴェルモ"
                                      << "&lt;b&gt;今日&lt;/b&gt; &amp; 明日";
    }
    void notification()
    {
        QFETCH(QString, source);
        QFETCH(int, code);
        QFETCH(QStringList, capabilities);
        const FakeNotificationServer &server = serve(capabilities);
        SessionBusNotifier notifier(bus(QStringLiteral("client")));
        QVERIFY(notifier.available());
        Player p(m_dir.path(), notifier, source, code);
        QVERIFY2(p.player.play(), qPrintable(p.player.failure()));
        QVERIFY(p.boxes.boxes.isEmpty());
        QVERIFY(p.starter.calls.isEmpty());
        const QList<FakeNotificationServer::Notification> got = server.received();
        QCOMPARE(got.size(), 1);
        QCOMPARE(got[0].appName, "ヴェルモ");
        QCOMPARE(got[0].replacesId, 0u);
        QCOMPARE(got[0].icon, "titlecard-suite-velmo");
        QTEST(got[0].summary, "summary");
        QTEST(got[0].body, "body");
        QCOMPARE(got[0].expireTimeout, -1);
    }

    // The next quote takes the place of the last one; a new notifier (a
    // new start of the viewer) adds its own.
    void replacesPrevious()
    {
        const FakeNotificationServer &server = serve(kMarkup);
        SessionBusNotifier notifier(bus(QStringLiteral("client")));
        Player p(m_dir.path(), notifier, "tamber.vmf", 14);
        QVERIFY(p.player.play());
        QVERIFY(p.player.play());
        SessionBusNotifier restarted(bus(QStringLiteral("client")));
        QString reason;
        QVERIFY(restarted.show("s", "b", &reason));
        QList<uint> replaced;
        QStringList bodies;
        for (const FakeNotificationServer::Notification &n : server.received()) {
            replaced << n.replacesId;
            bodies << n.body;
        }
        QCOMPARE(replaced, (QList<uint>{0, 41, 0}));
        QCOMPARE(bodies, (QStringList{"&lt;二&gt; &amp; 言葉", "三の言葉", "b"}));
    }

    // Nobody owns the server's name: the quote is shown in the box, titled
    // as the message-box output titles it.
    void fallsBackToBox()
    {
        SessionBusNotifier notifier(bus(QStringLiteral("client")));
        QVERIFY(!notifier.available());
        Player p(m_dir.path(), notifier, "tamber.vmf", 24);
        QVERIFY(p.player.play());
        QCOMPARE(p.boxes.boxes.size(), 1);
        QCOMPARE(p.boxes.boxes[0].text, "<二> & 言葉");
        QCOMPARE(p.boxes.boxes[0].title, "星環タンバー\u3000第2章" + kUU);
        QVERIFY(p.boxes.boxes[0].systemModal);
        QCOMPARE(p.player.state().settings.linePosition, qint16(3));
    }

    // velmoinit's fifth method option: selected by the stored code, writing
    // the order's tens digit with 4, disabled while no server answers.
    void velmoinitOption_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("server");
        QTest::addColumn<QString>("click"); // empty: none
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("saved");
        QTest::newRow("14 selects it") << 14 << true << "" << true << 14;
        QTest::newRow("in order") << 11 << true << "Option22" << true << 14;
        QTest::newRow("random") << 23 << true << "Option22" << true << 24;
        QTest::newRow("back to the card") << 24 << true << "Option12" << false << 20;
        QTest::newRow("no server: shown, kept") << 24 << false << "Option22" << true << 24;
        QTest::newRow("no server: not chosen") << 21 << false << "Option22" << false << 21;
    }
    void velmoinitOption()
    {
        QFETCH(int, stored);
        QFETCH(bool, server);
        QFETCH(QString, click);
        if (server)
            serve(kMarkup);
        SessionBusNotifier notifier(bus(QStringLiteral("client")));
        MemorySettingsStore store;
        store.stored = {"tamber.vmf", ShowCode(quint8(stored)), 0, 1, 1};
        RecordingStarter starter;
        RecordingMessageBox boxes;
        RecordingHelpViewer help;
        ScriptedDialogBinding dialogs;
        const QString dir = m_dir.path();
        PropertyWindow window({store, starter, boxes, help, dialogs, dir, dir, dir, &notifier});
        window.show();
        auto *option = window.findChild<QRadioButton *>("Option22");
        QVERIFY(option);
        QCOMPARE(option->text(), "デスクトップ通知");
        QCOMPARE(option->isEnabled(), server);
        if (!click.isEmpty()) {
            QWidget *control = window.findChild<QWidget *>(click);
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
        }
        QTEST(option->isChecked(), "checked");
        QTRY_VERIFY(!window.isReading());
        QPushButton *ok = window.findChild<QPushButton *>("Command1");
        QTest::mouseClick(ok, Qt::LeftButton);
        QTEST(int(store.stored.showCode.value()), "saved");
        QVERIFY(boxes.boxes.isEmpty());
    }
};

QTEST_MAIN(TestNotification)
#include "test_notification.moc"
