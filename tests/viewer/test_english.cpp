#include "viewer/platformservices.h"
#include "viewer/quoteplayer.h"
#include "viewer/quotesources.h"
#include "viewer/quotetexts.h"
#include "viewer/trayfallbackwindow.h"

#include "fakes/fixedrandom.h"
#include "fakes/japanesetexts.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QtTest>

using Output = ShowCode::Output;

// The viewer with the suite's English installed: its menu, the window that
// stands in for the notification area, the captions of its boxes and the
// reasons it gives; the quotes themselves, and what goes on a card, stay
// as the files have them.
class TestViewerEnglish : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(loadEnglish()); }

    void windows_data()
    {
        QTest::addColumn<bool>("trayAvailable");
        QTest::newRow("tray menu") << true;
        QTest::newRow("stand-in window") << false;
    }
    void windows()
    {
        QFETCH(bool, trayAvailable);
        SystemTrayView view({[=] { return trayAvailable; }, [] { return false; }}, 0, 60000);
        view.addIcon(false);
        QCoreApplication::processEvents(); // placed from the event loop
        view.lookAtDesktop();              // a missing area: the wait (none) is over
        const auto *icon = view.findChild<QSystemTrayIcon *>("trayIcon");
        QVERIFY(icon);
        QCOMPARE(icon->toolTip(), QStringLiteral("Velmo"));
        QWidget *shown = trayAvailable ? static_cast<QWidget *>(icon->contextMenu()) : view.fallbackWindow();
        QVERIFY(shown);
        QCOMPARE(japaneseTexts(shown), QStringList());
        QCOMPARE(view.findChild<QAction *>("end")->text(), QStringLiteral("E&xit Velmo"));
    }

    // The caption (R) is interface; the card's text (T) is drawn as written.
    void captions_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("output");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("quote");
        const QString box = "quote";
        QTest::newRow("chapter") << QuoteSources::kTamber << int(Output::MessageBox) << "Seikan Tamber - Chapter 3"
                                 << box;
        QTest::newRow("episode title") << QuoteSources::kMirelle << int(Output::MessageBox)
                                       << "Tsukikage Mirelle - Episode 3" << QuoteSources::mirelleTitle(box);
        QTest::newRow("own file") << "mine.txt" << int(Output::MessageBox) << "mine.txt - 3" << box;
        QTest::newRow("card keeps its label") << QuoteSources::kTamber << int(Output::TitleCard) << "kept"
                                              << QStringLiteral("第3章%1,\u3000quote\u3000").arg(QString(10, QChar(0x3000)));
    }
    void captions()
    {
        QFETCH(QString, source);
        QFETCH(int, output);
        const QuoteTexts texts =
            buildQuoteTexts(source, ShowCode(ShowCode::Order::InFileOrder, Output(output)), 3, "quote", "kept");
        QTEST(texts.sourceLine, "caption");
        QTEST(texts.quoteText, "quote");
    }

    // Why a display failed, as the error box's details and stderr give it.
    void failure()
    {
        QTemporaryDir folder;
        RecordingStarter starter;
        RecordingMessageBox boxes;
        FixedRandom random;
        QuotePlayer player(starter, boxes, random, folder.path(), folder.path());
        player.state().settings.quoteSource = "missing.txt";
        QVERIFY(!player.play());
        QCOMPARE(player.failure().section(": ", -1), "does not exist");
    }
};

QTEST_MAIN(TestViewerEnglish)
#include "test_english.moc"
