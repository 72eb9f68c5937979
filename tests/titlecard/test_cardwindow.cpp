#include "fakesoundplayer.h"

#include "titlecard/cardsession.h"
#include "titlecard/cardwindow.h"

#include <QScreen>
#include <QtTest>

static QImage cardFor(const QSize &size)
{
    QImage card(size, QImage::Format_RGB32);
    card.fill(qRgb(30, 60, 90));
    for (int y = 0; y < size.height(); y += 7)
        for (int x = 0; x < size.width(); ++x)
            card.setPixel(x, y, qRgb(x % 256, y % 256, 200));
    return card;
}

// The card window and the session that ties it to the sound.
class TestCardWindow : public QObject
{
    Q_OBJECT
private slots:
    void showsTheFinishedImageFullScreen()
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        const QImage card = cardFor(screen->size());
        CardWindow window(card);
        QVERIFY(window.windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        QCOMPARE(window.cursor().shape(), Qt::BlankCursor);
        QCOMPARE(window.windowTitle(), QStringLiteral("タンバー for Windows95"));
        QSignalSpy frames(&window, &CardWindow::firstFramePainted);
        window.showOnScreen(screen);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(frames.count(), 1);
        QVERIFY(window.isFullScreen());
        QCOMPARE(window.geometry(), screen->geometry());
        QCOMPARE(window.grab().toImage().convertToFormat(QImage::Format_RGB32), card);
        window.repaint();
        QCOMPARE(frames.count(), 1);
        window.finish();
    }

    void cardInDevicePixelsFillsTheWindow()
    {
        // Composed at twice the window's size for a scaled desktop: left half red, right half blue.
        QImage card(400, 200, QImage::Format_RGB32);
        card.fill(Qt::red);
        for (int y = 0; y < 200; ++y)
            for (int x = 200; x < 400; ++x)
                card.setPixel(x, y, qRgb(0, 0, 255));
        card.setDevicePixelRatio(2);
        CardWindow window(card);
        window.setGeometry(0, 0, 200, 100);
        const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int dpr = qRound(shown.devicePixelRatio());
        QCOMPARE(QList<QRgb>({shown.pixel(98 * dpr, 50 * dpr), shown.pixel(102 * dpr, 50 * dpr), shown.pixel(199 * dpr, 99 * dpr)}),
                 QList<QRgb>({qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 255)}));
    }

    void inputDoesNotCloseIt()
    {
        CardWindow window(cardFor(QSize(200, 100)));
        window.showOnScreen(QGuiApplication::primaryScreen());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::keyClick(&window, Qt::Key_F4, Qt::AltModifier);
        QTest::mouseClick(&window, Qt::LeftButton);
        QTest::mouseDClick(&window, Qt::RightButton);
        QVERIFY(!window.close()); // a close request from outside is refused too
        QVERIFY(window.isVisible());
        window.finish();
        QVERIFY(!window.isVisible());
    }

    void soundPlaysOnceThenCloses()
    {
        CardWindow window(cardFor(QSize(200, 100)));
        FakeSoundPlayer player;
        CardSession session(window, player);
        session.start(QGuiApplication::primaryScreen());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(player.plays, 1);
        window.repaint();
        QTest::qWait(100);
        QCOMPARE(player.plays, 1);
        QVERIFY(window.isVisible());
        player.end();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestCardWindow)
#include "test_cardwindow.moc"
