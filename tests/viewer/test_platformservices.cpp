#include "viewer/messagebox.h"
#include "viewer/platformservices.h"
#include "viewer/randomsource.h"
#include "viewer/terminationwatcher.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QtTest>

#include <csignal>

// The real services behind the viewer's seams.
class TestPlatformServices : public QObject
{
    Q_OBJECT
private slots:
    void menuItems();
    void menuSignals_data();
    void menuSignals();
    void stopItemState();
    void iconsAndTip();
    void iconShownInTray();
    void messageBox_data();
    void messageBox();
    void tickTimer();
    void randomDraws();
    void sigtermBecomesSignal();
};

void TestPlatformServices::menuItems()
{
    SystemTrayView tray;
    QMenu *right = tray.menu();
    QCOMPARE(right->objectName(), QString("right"));
    QStringList names, captions;
    for (QAction *action : right->actions()) {
        names << action->objectName();
        captions << (action->isSeparator() ? "-" : action->text());
    }
    QCOMPARE(names, (QStringList{"pro", "z", "play", "stop1", "end"}));
    QCOMPARE(captions, (QStringList{"プロパティ(&P)...", "-", "実行(&O)", "タイマーの停止(&T)", "ヴェルモの終了(&X)"}));
    QVERIFY(right->findChild<QAction *>("stop1")->isCheckable());
}

void TestPlatformServices::menuSignals_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("pro") << "pro" << QByteArray("propertiesRequested");
    QTest::newRow("play") << "play" << QByteArray("playRequested");
    QTest::newRow("stop1") << "stop1" << QByteArray("stopRequested");
    QTest::newRow("end") << "end" << QByteArray("endRequested");
}

void TestPlatformServices::menuSignals()
{
    QFETCH(QString, item);
    QFETCH(QByteArray, signal);
    SystemTrayView tray;
    QList<QSignalSpy *> spies;
    for (const char *name : {"propertiesRequested", "playRequested", "stopRequested", "endRequested",
                             "doubleClicked"}) {
        const int index = tray.metaObject()->indexOfSignal(QByteArray(name) + "()");
        spies << new QSignalSpy(&tray, tray.metaObject()->method(index));
        spies.last()->setObjectName(name);
    }
    tray.menu()->findChild<QAction *>(item)->trigger();
    for (QSignalSpy *spy : spies) {
        QCOMPARE(spy->size(), spy->objectName().toLatin1() == signal ? 1 : 0);
        delete spy;
    }
}

void TestPlatformServices::stopItemState()
{
    SystemTrayView tray;
    QAction *stop = tray.menu()->findChild<QAction *>("stop1");
    tray.setStopChecked(true);
    tray.setStopEnabled(false);
    QVERIFY(stop->isChecked());
    QVERIFY(!stop->isEnabled());
    tray.setStopChecked(false);
    tray.setStopEnabled(true);
    QVERIFY(!stop->isChecked());
    QVERIFY(stop->isEnabled());
}

void TestPlatformServices::iconsAndTip()
{
    SystemTrayView tray;
    QCOMPARE(tray.trayIcon()->toolTip(), QString("ヴェルモ"));
    tray.addIcon(false);
    const QImage running = tray.trayIcon()->icon().pixmap(32, 32).toImage();
    QVERIFY(!running.isNull());
    QVERIFY(!tray.isPausedIcon());
    tray.removeIcon();
    tray.addIcon(true);
    const QImage paused = tray.trayIcon()->icon().pixmap(32, 32).toImage();
    QVERIFY(!paused.isNull());
    QVERIFY(tray.isPausedIcon());
    QVERIFY(running != paused);
    QCOMPARE(tray.trayIcon()->icon().availableSizes().size(), 2); // 16 and 32 pixels
}

void TestPlatformServices::iconShownInTray()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        QSKIP("no notification area on this display");
    SystemTrayView tray;
    tray.addIcon(false);
    QVERIFY(tray.trayIcon()->isVisible());
    tray.removeIcon();
    QVERIFY(!tray.trayIcon()->isVisible());
}

void TestPlatformServices::messageBox_data()
{
    QTest::addColumn<bool>("systemModal");
    QTest::addColumn<QString>("text");
    QTest::newRow("quote, on top") << true << QStringLiteral("「満月の約束の巻」");
    QTest::newRow("error, ordinary") << false << QStringLiteral("ファイルが適切でありません。");
    QTest::newRow("huge text is cut") << true << QString(100000, QChar(u'星'));
}

void TestPlatformServices::messageBox()
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
    QCOMPARE(seenText, text.left(QtMessageBoxService::kMaxShownChars) + (text.size() > 2000 ? QString(QChar(0x2026)) : QString()));
    QCOMPARE(flags.testFlag(Qt::WindowStaysOnTopHint), systemModal);
    QCOMPARE(modality, Qt::ApplicationModal); // blocks the viewer either way
}

void TestPlatformServices::tickTimer()
{
    QtTickTimer timer(30);
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    QVERIFY(!timer.isRunning());
    timer.setRunning(true);
    timer.setRunning(true);
    QVERIFY(timer.isRunning());
    QTRY_VERIFY(ticks >= 2);
    timer.setRunning(false);
    const int stopped = ticks;
    QTest::qWait(100);
    QCOMPARE(ticks, stopped);
    QCOMPARE(QtTickTimer().isRunning(), false);
}

void TestPlatformServices::randomDraws()
{
    ClockSeededRandom random;
    QSet<int> buckets;
    for (int i = 0; i < 2000; ++i) {
        const double r = random.draw();
        QVERIFY(r >= 0.0 && r < 1.0);
        buckets.insert(int(r * 10));
    }
    QCOMPARE(buckets.size(), 10);
}

void TestPlatformServices::sigtermBecomesSignal()
{
    TerminationWatcher watcher;
    QSignalSpy spy(&watcher, &TerminationWatcher::terminationRequested);
    ::raise(SIGTERM);
    QVERIFY(spy.wait(2000));
}

QTEST_MAIN(TestPlatformServices)
#include "test_platformservices.moc"
