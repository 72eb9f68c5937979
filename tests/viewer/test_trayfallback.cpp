#include "viewer/platformservices.h"
#include "viewer/trayfallbackwindow.h"

#include <QSystemTrayIcon>
#include <QtTest>

using Place = TrayPresence::Place;
using Event = TrayActivation::Event;

// The notification-area view on a desktop whose notification area comes,
// goes and comes back, through its seams (the offscreen platform has none):
// where the viewer shows itself and which clicks show a quote.
class TestTrayFallback : public QObject
{
    Q_OBJECT
private slots:
    // Each step: whether an area is there, and the time of the look.
    void presence_data()
    {
        QTest::addColumn<QList<bool>>("available");
        QTest::addColumn<QList<int>>("atMs");
        QTest::addColumn<QList<Place>>("places");
        QTest::newRow("late panel") << QList<bool>{false, false, true} << QList<int>{0, 29999, 30000}
                                    << QList<Place>{Place::Waiting, Place::Waiting, Place::Icon};
        // The wait starts when the area is first seen missing, not at start.
        QTest::newRow("gone later, back")
            << QList<bool>{true, false, false, false, true} << QList<int>{0, 60000, 80000, 90000, 95000}
            << QList<Place>{Place::Icon, Place::Waiting, Place::Waiting, Place::Window, Place::Icon};
        QTest::newRow("gone twice") << QList<bool>{false, false, true, false, false}
                                    << QList<int>{0, 30000, 31000, 32000, 61999}
                                    << QList<Place>{Place::Waiting, Place::Window, Place::Icon, Place::Waiting,
                                                    Place::Waiting};
    }
    void presence()
    {
        QFETCH(QList<bool>, available);
        QFETCH(QList<int>, atMs);
        TrayPresence presence(SystemTrayView::kWaitMs);
        QList<Place> places;
        for (int i = 0; i < available.size(); ++i)
            places << presence.look(available[i], atMs[i]);
        QTEST(places, "places");
    }

    // Qt reports a double click on an embedded icon as Click, DoubleClick;
    // a StatusNotifier panel sends one Click per click.
    void activation_data()
    {
        QTest::addColumn<bool>("statusNotifier");
        QTest::addColumn<QList<Event>>("events");
        QTest::addColumn<int>("quotes");
        QTest::newRow("embedded: click") << false << QList<Event>{Event::Click} << 0;
        QTest::newRow("embedded: double click") << false << QList<Event>{Event::Click, Event::DoubleClick} << 1;
        QTest::newRow("panel: click") << true << QList<Event>{Event::Click} << 1;
        QTest::newRow("panel and embedded icon: double click")
            << true << QList<Event>{Event::Click, Event::DoubleClick} << 1;
        QTest::newRow("panel: menu, then double click")
            << true << QList<Event>{Event::Other, Event::DoubleClick} << 1;
    }
    void activation()
    {
        QFETCH(bool, statusNotifier);
        QFETCH(QList<Event>, events);
        TrayActivation activation;
        int quotes = 0;
        for (const Event event : events)
            quotes += activation.shows(event, [&] { return statusNotifier; });
        QTEST(quotes, "quotes");
    }

    // The view itself: the window comes when the area has been gone for the
    // wait, and goes when it is back; the icon the other way round.
    void windowFollowsTheArea()
    {
        bool available = true;
        SystemTrayView view({[&] { return available; }, [] { return false; }}, 0, 60000);
        view.addIcon(false);
        const auto icon = [&] { return view.findChild<QSystemTrayIcon *>("trayIcon"); };
        QCoreApplication::processEvents(); // placed from the event loop
        QVERIFY(icon());
        QVERIFY(icon()->isVisible() && !view.fallbackWindow());

        available = false;
        view.lookAtDesktop(); // seen missing: the wait starts
        QVERIFY(!view.fallbackWindow());
        view.lookAtDesktop(); // the wait (none here) is over
        QVERIFY(view.fallbackWindow() && view.fallbackWindow()->isVisible());
        QCOMPARE(view.fallbackWindow()->windowTitle(), QStringLiteral("ヴェルモ"));
        QVERIFY(!icon()->isVisible());

        available = true;
        view.lookAtDesktop();
        QVERIFY(!view.fallbackWindow());
        QVERIFY(icon()->isVisible());
    }
};

QTEST_MAIN(TestTrayFallback)
#include "test_trayfallback.moc"
