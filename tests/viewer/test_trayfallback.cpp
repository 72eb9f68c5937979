#include "viewer/platformservices.h"
#include "viewer/trayfallbackwindow.h"

#include <QAction>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QtTest>

// The notification-area view on a desktop whose notification area is
// missing, late or there, through its availability seam (the offscreen
// platform has no real one).
class TestTrayFallback : public QObject
{
    Q_OBJECT
private slots:
    void waitsForTheNotificationArea_data()
    {
        QTest::addColumn<int>("availableFromPoll"); // -1: never
        QTest::addColumn<bool>("windowShown");
        QTest::newRow("there at start") << 0 << false;
        QTest::newRow("appears during the wait") << 3 << false;
        QTest::newRow("never appears") << -1 << true;
    }
    void waitsForTheNotificationArea()
    {
        QFETCH(int, availableFromPoll);
        QFETCH(bool, windowShown);
        int polls = 0;
        SystemTrayView view([&] { return availableFromPoll >= 0 && polls++ >= availableFromPoll; }, 200, 10);
        view.addIcon(false);
        auto *wait = view.findChild<QTimer *>("trayWait");
        QVERIFY(wait);
        const auto icon = [&] { return view.findChild<QSystemTrayIcon *>("trayIcon"); };
        QTRY_VERIFY((icon() && icon()->isVisible()) || view.fallbackWindow());
        QVERIFY(!wait->isActive()); // the wait is over either way
        QCOMPARE(icon()->isVisible(), !windowShown);
        QCOMPARE(view.fallbackWindow() != nullptr, windowShown);
        if (windowShown) {
            QVERIFY(view.fallbackWindow()->isVisible());
            QCOMPARE(view.fallbackWindow()->windowTitle(), QStringLiteral("ヴェルモ"));
        }
    }

    // A viewer that shows one quote and ends before its event loop runs
    // never asks for a notification area and shows nothing.
    void iconRemovedBeforeTheLoopIsNeverPlaced()
    {
        int asked = 0;
        SystemTrayView view([&] { return ++asked > 0; }, 200, 10);
        view.addIcon(false);
        view.removeIcon();
        QCoreApplication::processEvents(); // runs what the view queued
        QCOMPARE(asked, 0);
        QVERIFY(!view.findChild<QSystemTrayIcon *>("trayIcon")); // not even made
    }

    // The window's buttons are the menu's commands; closing it ends the viewer.
    void windowCarriesTheMenuCommands()
    {
        SystemTrayView view([] { return false; }, 0, 1);
        view.addIcon(false);
        QTRY_VERIFY(view.fallbackWindow() && view.fallbackWindow()->isVisible());
        TrayFallbackWindow *window = view.fallbackWindow();
        QSignalSpy properties(&view, &SystemTrayView::propertiesRequested);
        QSignalSpy play(&view, &SystemTrayView::playRequested);
        QSignalSpy end(&view, &SystemTrayView::endRequested);
        window->findChild<QToolButton *>("pro")->click();
        window->findChild<QToolButton *>("play")->click();
        QCOMPARE(properties.count(), 1);
        QCOMPARE(play.count(), 1);

        view.setStopChecked(true);
        view.setStopEnabled(false);
        auto *stop = window->findChild<QToolButton *>("stop1");
        QVERIFY(stop->isChecked());
        QVERIFY(!stop->isEnabled());

        // A pause changes the icon; the window stays where it is.
        view.removeIcon();
        view.addIcon(true);
        QCOMPARE(view.fallbackWindow(), window);
        QVERIFY(window->isVisible());

        window->close();
        QCOMPARE(end.count(), 1);
        QVERIFY(window->isVisible()); // until the viewer has ended
    }
};

QTEST_MAIN(TestTrayFallback)
#include "test_trayfallback.moc"
