#include "viewer/viewercontroller.h"
#include "viewerfakes.h"

#include "fakes/recordingstarter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The resident viewer's logic with every platform service replaced.
class TestViewerController : public QObject
{
    Q_OBJECT
    struct Rig
    {
        MemoryStore store;
        FakeTray tray;
        FakeTimer timer;
        RecordingStarter starter;
        RecordingMessageBox boxes;
        FixedRandom random;
        FakeLink link;
        ViewerController controller;
        QSignalSpy finished;
        Rig(const QString &prog, const QString &work, const ViewerSettings &settings)
            : controller({store, tray, timer, starter, boxes, random, link, prog, work}, {}),
              finished(&controller, &ViewerController::finished)
        {
            store.stored = settings;
            controller.Form_Load();
        }
        int displays() const { return starter.calls.size() + boxes.boxes.size(); }
    };
    // A started viewer over five lines of tamber.vmf.
    std::unique_ptr<Rig> start(int code, int interval, int mode, const QString &source = "tamber.vmf",
                               int position = 1, const QString &prog = {})
    {
        ViewerSettings s;
        s.quoteSource = source;
        s.showCode = quint8(code);
        s.intervalMinutes = qint16(interval);
        s.residentMode = quint8(mode);
        s.linePosition = qint16(position);
        return std::make_unique<Rig>(prog.isEmpty() ? m_prog.path() : prog, m_work.path(), s);
    }
    QTemporaryDir m_work, m_prog;

private slots:
    void initTestCase()
    {
        QFile quotes(m_work.filePath("tamber.vmf"));
        QVERIFY(quotes.open(QIODevice::WriteOnly));
        quotes.write("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\n");
        QFile init(m_prog.filePath("velmoinit"));
        QVERIFY(init.open(QIODevice::WriteOnly));
        init.write("#!/bin/sh\n");
        init.setPermissions(init.permissions() | QFileDevice::ExeOwner);
    }

    void startUp_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("displays");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<bool>("timerRuns");
        QTest::newRow("once") << 0 << 0 << 1 << true << false;
        QTest::newRow("resident, no timer") << 1 << 0 << 1 << false << false;
        QTest::newRow("resident every 5") << 1 << 5 << 1 << false << true;
        QTest::newRow("resident silent") << 2 << 0 << 0 << false << false;
        QTest::newRow("silent every 3") << 2 << 3 << 0 << false << true;
        QTest::newRow("negative interval") << 1 << -4 << 1 << false << false;
        QTest::newRow("unknown mode") << 9 << 0 << 1 << false << false;
    }
    void startUp()
    {
        QFETCH(int, mode);
        QFETCH(int, interval);
        QFETCH(bool, ended);
        auto rig = start(10, interval, mode);
        QTEST(rig->displays(), "displays");
        QCOMPARE(rig->finished.size(), ended ? 1 : 0);
        QCOMPARE(rig->tray.shown, !ended);
        QCOMPARE(rig->tray.log.first(), QString("add running"));
        QTEST(rig->timer.running, "timerRuns");
        QCOMPARE(rig->tray.stopEnabled, interval > 0);
        QCOMPARE(rig->controller.tickCount(), 1);
        if (ended) {
            QCOMPARE(rig->finished.at(0).at(0).toInt(), 0);
            QCOMPARE(rig->store.saved, QList<qint16>{2});
        }
    }

    void periodicDisplay()
    {
        auto rig = start(20, 5, 2);
        QList<int> at;
        for (int minute = 1; minute <= 15; ++minute) {
            if (minute == 3)
                rig->controller.play_Click(); // does not move the next periodic one
            const int before = rig->displays();
            rig->timer.tick();
            if (rig->displays() > before)
                at << minute;
        }
        QCOMPARE(at, (QList<int>{5, 10, 15}));
        QCOMPARE(rig->starter.calls.size(), 4);
        QCOMPARE(rig->starter.calls.at(0).program, m_prog.filePath("tambwin"));
    }

    void loweredIntervalIsMetAtNextTick()
    {
        auto rig = start(11, 30, 2);
        for (int i = 0; i < 10; ++i)
            rig->timer.tick();
        rig->store.stored.intervalMinutes = 5;
        rig->controller.okt_Change("OK");
        rig->timer.tick();
        QCOMPARE(rig->displays(), 1);
        QCOMPARE(rig->controller.tickCount(), 1);
    }

    void tickDuringOpenBoxIsCounted()
    {
        auto rig = start(11, 1, 2);
        int shown = 0;
        rig->boxes.onShow = [&] {
            if (++shown == 1)
                rig->timer.tick(); // a minute passes while the box is open
        };
        rig->timer.tick();
        QCOMPARE(rig->boxes.boxes.size(), 1);
        rig->timer.tick();
        QCOMPARE(rig->boxes.boxes.size(), 2);
    }

    void pauseTwice()
    {
        auto rig = start(11, 4, 2);
        rig->timer.tick();
        rig->controller.stop1_Click();
        QVERIFY(rig->controller.isPaused() && !rig->timer.running && rig->tray.stopChecked);
        QCOMPARE(rig->tray.log.mid(1), (QStringList{"remove", "add paused"}));
        rig->controller.stop1_Click();
        QVERIFY(rig->timer.running && !rig->tray.stopChecked && !rig->tray.paused);
        QCOMPARE(rig->controller.tickCount(), 2);
        auto noTimer = start(11, 0, 2);
        noTimer->controller.stop1_Click(); // the item is disabled
        QVERIFY(!noTimer->controller.isPaused());
    }

    void propertyWindow_data()
    {
        QTest::addColumn<bool>("pausedBefore");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("newInterval");
        QTest::addColumn<bool>("pausedAfter");
        QTest::addColumn<bool>("timerAfter");
        for (const bool paused : {false, true}) {
            const QByteArray p = paused ? "paused, " : "running, ";
            QTest::newRow(p + "OK") << paused << "OK" << 7 << false << true;
            QTest::newRow(p + "OK with interval 0") << paused << "OK" << 0 << false << false;
            QTest::newRow(p + "cancel") << paused << "end" << 7 << paused << !paused;
            QTest::newRow(p + "crash or no answer") << paused << "gone" << 7 << paused << !paused;
            QTest::newRow(p + "not installed") << paused << "missing" << 7 << paused << !paused;
            QTest::newRow(p + "start fails") << paused << "start fails" << 7 << paused << !paused;
        }
    }
    void propertyWindow()
    {
        QFETCH(bool, pausedBefore);
        QFETCH(QString, ending);
        QFETCH(int, newInterval);
        QTemporaryDir noProgram;
        auto rig = start(11, 3, 2, "tamber.vmf", 1, ending == "missing" ? noProgram.path() : QString());
        rig->starter.succeed = ending != "start fails";
        if (pausedBefore)
            rig->controller.stop1_Click();
        rig->store.stored.linePosition = 99;
        rig->controller.pro_Click();
        QCOMPARE(rig->store.saved.last(), qint16(1)); // the window sees the current position
        if (ending == "missing" || ending == "start fails") {
            QCOMPARE(rig->link.opens, 0);
        } else {
            QCOMPARE(rig->starter.calls.last().program, m_prog.filePath("velmoinit"));
            QCOMPARE(rig->starter.calls.last().arguments, QStringList());
            QCOMPARE(rig->link.opens, 1);
            QCOMPARE(rig->controller.isPaused(), !pausedBefore); // the opening toggles the pause
            rig->link.deliver(""); // the item's text at connection means nothing
            rig->store.stored.intervalMinutes = qint16(newInterval);
            if (ending == "OK")
                rig->link.deliver("OK");
            if (ending != "gone")
                rig->link.deliver("end");
            rig->link.gone();
            QVERIFY(!rig->link.isOpen);
        }
        QVERIFY(!rig->controller.propertyWindowOpen());
        QTEST(rig->controller.isPaused(), "pausedAfter");
        QTEST(rig->tray.stopChecked, "pausedAfter");
        QTEST(rig->tray.paused, "pausedAfter");
        QTEST(rig->timer.running, "timerAfter");
        QVERIFY(rig->tray.shown);
        QCOMPARE(rig->tray.stopEnabled, ending == "OK" ? newInterval > 0 : true);
        QCOMPARE(rig->store.reads, ending == "OK" ? 2 : 1);
    }

    void confirmedChangeToModeZero_data()
    {
        QTest::addColumn<bool>("duringBox");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("savedMs");
        QTest::newRow("idle") << false << QStringList{"three"} << 4;
        // The box of a double click is still open when "OK" comes: it is
        // not cut short, and the last display follows it.
        QTest::newRow("while a box is open") << true << QStringList{"one", "two"} << 3;
    }
    void confirmedChangeToModeZero()
    {
        QFETCH(bool, duringBox);
        auto rig = start(11, 0, 2);
        rig->controller.pro_Click();
        rig->store.stored.residentMode = 0;
        rig->store.stored.linePosition = 3;
        QList<int> finishedAtBox;
        rig->boxes.onShow = [&] {
            if (duringBox && rig->boxes.boxes.size() == 1)
                rig->link.deliver("OK");
            finishedAtBox << int(rig->finished.size());
        };
        if (duringBox)
            rig->controller.trayDoubleClick();
        else
            rig->link.deliver("OK");
        QStringList shown;
        for (const auto &box : rig->boxes.boxes)
            shown << box.text;
        QTEST(shown, "shown");
        QVERIFY(!finishedAtBox.contains(1));
        QCOMPARE(rig->finished.size(), 1);
        QVERIFY(!rig->tray.shown && !rig->link.isOpen);
        QTEST(int(rig->store.saved.last()), "savedMs");
    }

    void errorPathAtStartUp()
    {
        auto rig = start(11, 5, 1, "quill.vmf", 3); // not there
        QCOMPARE(rig->boxes.boxes.size(), 1);
        QCOMPARE(rig->boxes.boxes.at(0).text, QString("ファイルが適切でありません。"));
        QCOMPARE(rig->boxes.boxes.at(0).title, QString("ヴェルモ for Windows95"));
        QVERIFY(!rig->boxes.boxes.at(0).systemModal);
        QCOMPARE(rig->finished.size(), 1);
        QCOMPARE(rig->finished.at(0).at(0).toInt(), 1);
        QVERIFY(!rig->tray.shown && !rig->timer.running);
        QCOMPARE(rig->store.saved, QList<qint16>{3});
    }

    void errorPathWhileResidentThenNothingMore()
    {
        auto rig = start(20, 1, 1);
        QCOMPARE(rig->starter.calls.size(), 1);
        rig->starter.succeed = false; // tambwin vanished
        rig->timer.tick();
        QCOMPARE(rig->finished.size(), 1);
        QCOMPARE(rig->boxes.boxes.size(), 1);
        QVERIFY(!rig->tray.shown);
        rig->timer.tick();
        rig->controller.play_Click();
        rig->controller.end_Click();
        QCOMPARE(rig->starter.calls.size(), 2);
        QCOMPARE(rig->finished.size(), 1);
        QCOMPARE(rig->store.saved.size(), 1);
    }

    void endWhileBoxIsOpenThenSessionEnd()
    {
        auto rig = start(11, 0, 2);
        rig->boxes.onShow = [&] { rig->controller.end_Click(); };
        rig->controller.trayDoubleClick();
        rig->controller.Form_QueryUnload();
        QCOMPARE(rig->finished.size(), 1);
        QCOMPARE(rig->boxes.boxes.size(), 1); // no error box after it
        QCOMPARE(rig->store.saved, QList<qint16>{1});
        QCOMPARE(rig->tray.log.last(), QString("remove"));
    }
};

QTEST_GUILESS_MAIN(TestViewerController)
#include "test_viewercontroller.moc"
