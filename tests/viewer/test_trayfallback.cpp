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
    // Each look: "+ms" an area is there at that time, "-ms" none; each
    // place: I the icon, W the window, . waiting.
    void presence_data()
    {
        QTest::addColumn<QString>("looks");
        QTest::addColumn<QString>("places");
        QTest::newRow("late panel") << "-0 -29999 +30000" << "..I";
        // The wait starts when the area is first seen missing, not at start.
        QTest::newRow("gone later, back") << "+0 -60000 -80000 -90000 +95000" << "I..WI";
        QTest::newRow("gone twice") << "-0 -30000 +31000 -32000 -61999" << ".WI..";
    }
    void presence()
    {
        QFETCH(QString, looks);
        TrayPresence presence(SystemTrayView::kWaitMs);
        QString places;
        for (const QString &look : looks.split(' ')) {
            const Place place = presence.look(look[0] == '+', look.mid(1).toInt());
            places += place == Place::Icon ? 'I' : place == Place::Window ? 'W' : '.';
        }
        QTEST(places, "places");
    }

    // Qt reports a double click on an embedded icon as c(lick), d(ouble
    // click); a StatusNotifier panel sends one click per click; o: other.
    void activation_data()
    {
        QTest::addColumn<bool>("statusNotifier");
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("quotes");
        QTest::newRow("embedded: click") << false << "c" << 0;
        QTest::newRow("embedded: double click") << false << "cd" << 1;
        QTest::newRow("panel: click") << true << "c" << 1;
        QTest::newRow("panel and embedded icon: double click") << true << "cd" << 1;
        QTest::newRow("panel: menu, then double click") << true << "od" << 1;
    }
    void activation()
    {
        QFETCH(bool, statusNotifier);
        QFETCH(QString, events);
        TrayActivation activation;
        int quotes = 0;
        for (const QChar e : events)
            quotes += activation.shows(e == 'c' ? Event::Click : e == 'd' ? Event::DoubleClick : Event::Other,
                                       [&] { return statusNotifier; });
        QTEST(quotes, "quotes");
    }

    // The view itself: the window comes when the area has been gone for the
    // wait (none here), and goes when it is back; the icon the other way round.
    void windowFollowsTheArea()
    {
        bool available = true;
        SystemTrayView view({[&] { return available; }, [] { return false; }}, 0, 60000);
        view.addIcon(false);
        QCoreApplication::processEvents(); // placed from the event loop
        const auto *icon = view.findChild<QSystemTrayIcon *>("trayIcon");
        QVERIFY(icon);
        const auto place = [&] {
            const QWidget *window = view.fallbackWindow();
            return (icon->isVisible() ? "I" : "") + (window && window->isVisible() ? "W:" + window->windowTitle() : "");
        };
        QStringList places{place()};
        for (const bool there : {false, false, true}) {
            available = there;
            view.lookAtDesktop();
            places << place();
        }
        QCOMPARE(places, (QStringList{"I", "I", "W:ヴェルモ", "I"})); // seen missing first: the wait starts
    }
};

QTEST_MAIN(TestTrayFallback)
#include "test_trayfallback.moc"
