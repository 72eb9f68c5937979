#include "viewer/messagebox.h"
#include "viewer/platformservices.h"
#include "viewer/randomsource.h"
#include "viewer/terminationwatcher.h"
#include "viewer/viewercontroller.h"
#include "viewerfakes.h"

#include "shared/programstarter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {
long residentKiB()
{
    QFile status("/proc/self/status");
    const QList<QByteArray> lines = status.open(QIODevice::ReadOnly) ? status.readAll().split('\n') : QList<QByteArray>();
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}
} // namespace

// The real services behind the viewer's seams.
class TestPlatformServices : public QObject
{
    Q_OBJECT
private slots:
    // The pop-up menu `right`, driven through its items.
    void menu()
    {
        SystemTrayView tray;
        QCOMPARE(tray.menu()->objectName(), QString("right"));
        QStringList items;
        for (QAction *action : tray.menu()->actions())
            items << action->objectName() + ":" + (action->isSeparator() ? "-" : action->text());
        QCOMPARE(items, (QStringList{"pro:プロパティ(&P)...", "z:-", "play:実行(&O)", "stop1:タイマーの停止(&T)",
                                     "end:ヴェルモの終了(&X)"}));
        QSignalSpy pro(&tray, &SystemTrayView::propertiesRequested), play(&tray, &SystemTrayView::playRequested),
            stop(&tray, &SystemTrayView::stopRequested), end(&tray, &SystemTrayView::endRequested);
        const QList<QSignalSpy *> spies = {&pro, &play, &stop, &end};
        const QStringList names = {"pro", "play", "stop1", "end"};
        for (int i = 0; i < names.size(); ++i) {
            tray.menu()->findChild<QAction *>(names.at(i))->trigger();
            for (int j = 0; j < spies.size(); ++j)
                QCOMPARE(spies.at(j)->size(), j <= i ? 1 : 0);
        }
        QAction *stop1 = tray.menu()->findChild<QAction *>("stop1");
        tray.setStopChecked(true);
        tray.setStopEnabled(false);
        QVERIFY(stop1->isCheckable() && stop1->isChecked() && !stop1->isEnabled());
    }

    void iconsTellThePause()
    {
        SystemTrayView tray;
        tray.addIcon(false);
        const QImage running = tray.trayIcon()->icon().pixmap(32, 32).toImage();
        tray.removeIcon();
        tray.addIcon(true);
        QVERIFY(!running.isNull() && tray.isPausedIcon());
        QVERIFY(running != tray.trayIcon()->icon().pixmap(32, 32).toImage());
        QCOMPARE(tray.trayIcon()->icon().availableSizes().size(), 2); // 16 and 32 pixels
    }

    void messageBox_data()
    {
        QTest::addColumn<bool>("systemModal");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("quote, on top") << true << QStringLiteral("「満月の約束の巻」") << QStringLiteral("「満月の約束の巻」");
        QTest::newRow("error, ordinary") << false << QStringLiteral("ファイルが適切でありません。")
                                         << QStringLiteral("ファイルが適切でありません。");
        QTest::newRow("huge text is cut") << true << QString(100000, QChar(u'星')) << QString(2000, QChar(u'星')) + QChar(0x2026);
    }
    void messageBox()
    {
        QFETCH(bool, systemModal);
        QFETCH(QString, text);
        QString seenTitle, seenText;
        Qt::WindowFlags flags;
        Qt::WindowModality modality = Qt::NonModal;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seenTitle = box->windowTitle();
            seenText = box->text();
            flags = box->windowFlags();
            modality = box->windowModality();
            box->button(QMessageBox::Ok)->click();
        });
        QtMessageBoxService().show(text, QStringLiteral("月影ミレル 第3話　　"), systemModal);
        QCOMPARE(seenTitle, QStringLiteral("月影ミレル 第3話　　"));
        QTEST(seenText, "shown");
        QCOMPARE(flags.testFlag(Qt::WindowStaysOnTopHint), systemModal);
        QCOMPARE(modality, Qt::ApplicationModal); // blocks the viewer either way
    }

    void tickTimer()
    {
        QtTickTimer timer(30);
        int ticks = 0;
        timer.setHandler([&] { ++ticks; });
        timer.setRunning(true);
        timer.setRunning(true);
        QVERIFY(timer.isRunning());
        QTRY_VERIFY(ticks >= 2);
        timer.setRunning(false);
        const int stopped = ticks;
        QTest::qWait(100);
        QCOMPARE(ticks, stopped);
    }

    void randomDraws()
    {
        ClockSeededRandom random;
        QSet<int> tenths;
        for (int i = 0; i < 2000; ++i) {
            const double r = random.draw();
            QVERIFY(r >= 0.0 && r < 1.0);
            tenths.insert(int(r * 10));
        }
        QCOMPARE(tenths.size(), 10);
    }

    void sigtermBecomesSignal()
    {
        TerminationWatcher watcher;
        QSignalSpy spy(&watcher, &TerminationWatcher::terminationRequested);
        ::raise(SIGTERM);
        QVERIFY(spy.wait(2000));
    }

    // An hour of one-minute displays in fast motion through the real tray,
    // starter, store and random draw: the resident memory must not grow.
    void anHourOfDisplays()
    {
        QTemporaryDir folder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath("config"));
        QVERIFY(QFile::copy(qEnvironmentVariable("SUITE_DIR") + "/tamber.vmf", folder.filePath("tamber.vmf")));
        {
            QFile fake(folder.filePath("tambwin"));
            QVERIFY(fake.open(QIODevice::WriteOnly));
            fake.write("#!/bin/sh\nexit 0\n");
            fake.setPermissions(fake.permissions() | QFileDevice::ExeOwner);
        }
        QSettingsViewerStore store;
        ViewerSettings settings;
        settings.intervalMinutes = 1;
        store.writeAll(settings);
        SystemTrayView tray;
        FakeTimer timer;
        ProcessStarter starter;
        QtMessageBoxService messages;
        ClockSeededRandom random;
        LocalPropertyLink link;
        ViewerController controller({store, tray, timer, starter, messages, random, link, folder.path(), folder.path()}, {});
        controller.Form_Load();
        QCoreApplication::processEvents();
        const long afterFirst = residentKiB();
        for (int minute = 1; minute <= 60; ++minute) {
            timer.tick();
            QCoreApplication::processEvents();
        }
        const long afterHour = residentKiB();
        QVERIFY(!controller.isClosed());
        qInfo("resident memory after the first display: %ld KiB, after 60 more: %ld KiB", afterFirst, afterHour);
        QVERIFY(afterHour - afterFirst < 2048);
        controller.end_Click();
    }
};

QTEST_MAIN(TestPlatformServices)
#include "test_platformservices.moc"
