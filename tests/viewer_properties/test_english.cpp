#include "propertyrig.h"

#include "fakes/japanesetexts.h"
#include "viewer_properties/propertycontrols.h"

#include <QtTest>

// velmoinit with the suite's English installed: every page and the window
// around them, the preview's labels, and the boxes it reports with.
class TestVelmoinitEnglish : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(loadEnglish()); }

    // The window and every page in it, the hidden ones too.
    void window()
    {
        PropertyRig rig;
        rig.open();
        rig.settle();
        QCOMPARE(japaneseTexts(rig.window.get()), QStringList());
        QCOMPARE(rig.window->windowTitle(), QStringLiteral("Velmo Properties"));
    }

    // The labels around the start line are interface, the line is the file's.
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
        rig.settle();
        QTEST(rig.text("Text3"), "preview");
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
        rig.settle();
        rig.click(button);
        QCOMPARE(rig.boxes.boxes.size(), 1);
        QCOMPARE(rig.boxes.boxes[0].text, text.arg(rig.folder.path()));
        QCOMPARE(rig.boxes.boxes[0].title, QStringLiteral("Velmo Properties"));
    }
};

QTEST_MAIN(TestVelmoinitEnglish)
#include "test_english.moc"
