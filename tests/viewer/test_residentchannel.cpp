#include "viewer/residentchannel.h"
#include "viewer/residentstart.h"
#include "viewer/viewercontroller.h"

#include "fakes/fakepropertylink.h"
#include "fakes/faketicktimer.h"
#include "fakes/faketray.h"
#include "fakes/fixedrandom.h"
#include "fakes/memorysettingsstore.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"

#include <QtTest>

#include <future>

using HandOver = ResidentChannel::HandOver;

// One resident viewer: the hand-over between a later start and the resident
// one over a socket of the test's own, what a later start does when the
// lock is held, and a hand-over that comes while a box is open. A later
// start blocks, as a starting program may, so where the resident must
// answer it runs on a thread of its own while the test's loop answers.
class TestResidentChannel : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("resident"); }

private slots:
    void initTestCase()
    {
        QFile quotes(m_dir.filePath("tamber.vmf"));
        QVERIFY(quotes.open(QIODevice::WriteOnly));
        quotes.write(QStringLiteral("言葉1\r\n言葉2\r\n言葉3\r\n").toUtf8());
    }

    void handOver_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("taken"); // what the resident viewer says to it
        QTest::addColumn<HandOver>("outcome");
        QTest::newRow("none") << QString() << true << HandOver::Accepted;
        QTest::newRow("japanese with shell syntax") << QStringLiteral("今日の一言; rm -rf ~ $(x)") << true
                                                  << HandOver::Accepted;
        QTest::newRow("line ends") << QStringLiteral("一\n二\r三") << true << HandOver::Accepted;
        QTest::newRow("900 KiB") << QString(300 * 1024, u'星') << true << HandOver::Accepted;
        QTest::newRow("not taken now") << QStringLiteral("x") << false << HandOver::Refused;
        QTest::newRow("beyond any command line")
            << QString(ResidentChannel::kMaxCommandLineBytes + 1, 'x') << true << HandOver::Refused;
    }
    void handOver()
    {
        QFETCH(QString, commandLine);
        QFETCH(bool, taken);
        QFETCH(HandOver, outcome);
        ResidentChannel resident(path());
        QCOMPARE(resident.claim(), InstanceLock::State::Held);
        QVERIFY(resident.listen());
        resident.setGate([taken] { return taken; });
        QStringList received;
        connect(&resident, &ResidentChannel::commandLineReceived, this,
                [&](const QString &line) { received << line; });

        std::future<HandOver> handed = std::async(std::launch::async, [&] {
            return ResidentChannel(path()).handOver(commandLine, QDeadlineTimer(20000));
        });
        QTRY_VERIFY_WITH_TIMEOUT(handed.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 20000);
        QCOMPARE(handed.get(), outcome);
        if (outcome == HandOver::Accepted)
            QTRY_COMPARE(received, QStringList{commandLine});
        else
            QCOMPARE(received, QStringList());
    }

    // The test's own thread holds the lock and never answers, as a stopped
    // or hung viewer: the later start waits its time, says so and ends
    // instead of taking the socket. Without a holder it is the resident one.
    void laterStart_data()
    {
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("listening");
        QTest::addColumn<int>("exitCode"); // -1: becomes the resident viewer
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("no viewer runs") << false << false << -1 << QStringList();
        QTest::newRow("viewer stopped") << true << true << 1 << QStringList{ResidentStart::kNotAnsweringMessage};
        QTest::newRow("viewer hung before listening")
            << true << false << 1 << QStringList{ResidentStart::kNotAnsweringMessage};
    }
    void laterStart()
    {
        QFETCH(bool, held);
        QFETCH(bool, listening);
        QFETCH(QStringList, boxes);
        {
            ResidentChannel running(path());
            if (held)
                QCOMPARE(running.claim(), InstanceLock::State::Held);
            if (listening)
                QVERIFY(running.listen());
            ResidentChannel later(path());
            RecordingMessageBox messages;
            QTEST(ResidentStart::settle(later, QStringLiteral("x"), messages, 300).value_or(-1), "exitCode");
            QStringList shown;
            for (const RecordingMessageBox::Box &box : messages.boxes)
                shown << box.text;
            QCOMPARE(shown, boxes);
        }
        // Whoever held it let go on ending: the next start is resident.
        QCOMPARE(ResidentChannel(path()).claim(), InstanceLock::State::Held);
    }

    // A property window started from the menu tells the resident viewer
    // after OK; the viewer reads its settings again as after the link's
    // "OK", but a pause of the person's own stays.
    void reloadReachesTheViewer_data()
    {
        QTest::addColumn<bool>("pausedBefore");
        QTest::addColumn<int>("newMode");
        QTest::addColumn<bool>("timerAfter");
        QTest::addColumn<QList<int>>("exits");
        QTest::newRow("new interval") << false << 1 << true << QList<int>{};
        QTest::newRow("paused by the person") << true << 1 << false << QList<int>{};
        QTest::newRow("show once now") << false << 0 << false << QList<int>{0};
    }
    void reloadReachesTheViewer()
    {
        QFETCH(bool, pausedBefore);
        QFETCH(int, newMode);
        MemorySettingsStore store;
        FakeTray tray;
        FakeTickTimer timer;
        RecordingStarter starter;
        RecordingMessageBox boxes;
        FixedRandom random;
        FakePropertyLink link;
        store.stored = {"tamber.vmf", ShowCode(11), 5, 1, 2};
        ViewerController controller({store, tray, timer, starter, boxes, random, link, m_dir.path(), m_dir.path()},
                                    {});
        QList<int> exits;
        connect(&controller, &ViewerController::finished, this, [&](int code) { exits << code; });
        controller.load();
        if (pausedBefore)
            controller.pauseRequested();
        ResidentChannel resident(path());
        QVERIFY(resident.listen());
        connect(&resident, &ResidentChannel::reloadRequested, &controller, &ViewerController::reloadSettings);
        store.stored.intervalMinutes = 10;
        store.stored.residentMode = quint8(newMode);

        std::future<bool> told = std::async(std::launch::async, [&] {
            return ResidentChannel(path()).requestReload(QDeadlineTimer(20000));
        });
        QTRY_VERIFY_WITH_TIMEOUT(told.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 20000);
        QVERIFY(told.get());
        QTRY_COMPARE(controller.state().settings.intervalMinutes, qint16(10));
        QTEST(timer.running, "timerAfter");
        QCOMPARE(controller.isPaused(), pausedBefore);
        QTEST(exits, "exits");
    }

    // A hand-over that comes while the box of a display is open is taken,
    // and shown once the box is closed; the viewer's own order goes on.
    void handOverDuringABox_data()
    {
        QTest::addColumn<QString>("handed");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("next quote") << QString() << QStringList{"言葉1", "言葉2", "言葉3"};
        QTest::newRow("a text") << QStringLiteral("手渡し") << QStringList{"言葉1", "手渡し", "言葉2"};
    }
    void handOverDuringABox()
    {
        QFETCH(QString, handed);
        MemorySettingsStore store;
        FakeTray tray;
        FakeTickTimer timer;
        RecordingStarter starter;
        RecordingMessageBox boxes;
        FixedRandom random;
        FakePropertyLink link;
        store.stored = {"tamber.vmf", ShowCode(11), 0, 1, 2}; // boxes, in order, nothing at start
        ViewerController controller({store, tray, timer, starter, boxes, random, link, m_dir.path(), m_dir.path()},
                                    {});
        controller.load();
        boxes.onShow = [&] {
            if (boxes.boxes.size() > 1)
                return;
            QVERIFY(controller.takesHandOvers());
            controller.showHandedOver(handed);
            QCOMPARE(boxes.boxes.size(), 1); // not inside the open one
        };
        controller.trayDoubleClick();
        controller.playNow();
        QStringList shown;
        for (const RecordingMessageBox::Box &box : boxes.boxes)
            shown << box.text;
        QTEST(shown, "shown");
    }
};

QTEST_GUILESS_MAIN(TestResidentChannel)
#include "test_residentchannel.moc"
