#include "viewer/platformservices.h"
#include "viewer/quoteplayer.h"
#include "viewer/quotesources.h"
#include "viewer/quotetexts.h"
#include "viewer/trayfallbackwindow.h"
#include "viewer_properties/propertycontrols.h"
#include "viewer_properties/propertyrig.h"

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
// as the files have them. Then velmoinit: its window with every page, the
// preview's labels, and the boxes it reports with.
class TestViewerEnglish : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(loadEnglish()); }

    // The menu, then the window that stands in for the notification area
    // while it is gone (no wait), and the icon again when it is back.
    void windows()
    {
        bool available = true;
        SystemTrayView view({[&] { return available; }, [] { return false; }}, 0, 60000);
        view.addIcon(false);
        QCoreApplication::processEvents(); // placed from the event loop
        const auto *icon = view.findChild<QSystemTrayIcon *>("trayIcon");
        QVERIFY(icon);
        QCOMPARE(icon->toolTip(), QStringLiteral("Velmo"));
        QCOMPARE(japaneseTexts(icon->contextMenu()), QStringList());
        QCOMPARE(view.findChild<QAction *>("end")->text(), QStringLiteral("E&xit Velmo"));
        QStringList places;
        for (const bool there : {false, false, true}) {
            available = there;
            view.lookAtDesktop();
            QWidget *window = view.fallbackWindow();
            places << (icon->isVisible() ? "I" : "") + (window && window->isVisible() ? "W:" + window->windowTitle() : "");
            QVERIFY(!window || japaneseTexts(window).isEmpty());
        }
        QCOMPARE(places, (QStringList{"I", "W:Velmo", "I"})); // seen missing first: the wait starts
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

    // The labels around the start line are interface, the line is the
    // file's; nothing else in the window or its hidden pages is Japanese.
    void preview_data()
    {
        QTest::addColumn<QString>("ops");
        QTest::addColumn<int>("sh");
        QTest::addColumn<QString>("preview");
        QTest::newRow("chapter") << "tamber.vmf" << 10 << "Chapter 3 tamber.vmf 3";
        QTest::newRow("own file") << "own.txt" << 10 << "Line 3 - own 3";
        QTest::newRow("random, built-in") << "tambkari.vmf" << 20 << "Seikan Tamber anime script titles";
        QTest::newRow("random, own file") << "own.txt" << 20 << "From own.txt";
    }
    void preview()
    {
        QFETCH(QString, ops);
        QFETCH(int, sh);
        PropertyRig rig(stored(ops, sh, 0, 3, 1));
        QVERIFY(writeAll(rig.path("own.txt"), numberedLines("own ", 5)));
        rig.open();
        QTEST(rig.text("Text3"), "preview");
        QCOMPARE(japaneseTexts(rig.window.get()), QStringList());
    }

    // Boxes through the message-box seam, titled as the window is.
    void messages_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("failed save") << PropertyControls::kOk << "Velmo's settings could not be saved.\ndisk full";
        QTest::newRow("help page") << PropertyControls::kHelp << "The help could not be shown.\n%1/help_en.html";
    }
    void messages()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        PropertyRig rig;
        rig.store.failSaves = true;
        rig.help.succeed = false;
        rig.open();
        rig.act("click " + button);
        QCOMPARE(rig.boxes.boxes.size(), 1);
        QCOMPARE(rig.boxes.boxes[0].text, text.arg(rig.folder.path()));
        QCOMPARE(rig.boxes.boxes[0].title, QStringLiteral("Velmo Properties"));
    }
};

QTEST_MAIN(TestViewerEnglish)
#include "test_english.moc"
