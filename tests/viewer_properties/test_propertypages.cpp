#include "propertyrig.h"

#include <QRadioButton>

Q_DECLARE_METATYPE(ViewerSettings)

// The pages as a person uses them: the start-line preview of every kind of
// source and of files that cannot be read, the options, bars, labels and
// fields of each page and what OK then saves, the file and font dialogs.
class TestPropertyPages : public QObject
{
    Q_OBJECT
    QTemporaryDir m_runtime;

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path())); }

    void preview_data()
    {
        QTest::addColumn<QString>("source"); // a name in the program folder
        QTest::addColumn<QByteArray>("content"); // "keep": the rig's own file
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("preview"); // "%1": the program folder
        QTest::addColumn<int>("maximum"); // of the start-line bar; 0 when not checked
        const QByteArray keep("keep");
        const QByteArray seven = numberedLines("自分の行", 7);
        QTest::newRow("tamber, line 1") << "tamber.vmf" << keep << 10 << 1 << "第1章 tamber.vmf 1" << 50;
        QTest::newRow("mirelle") << "mirelle.vmf" << keep << 11 << 3 << "第3話 「mirelle.vmf 3の巻」" << 50;
        QTest::newRow("own file") << "own.txt" << seven << 10 << 2 << "2行 - 自分の行2" << 7;
        QTest::newRow("UTF-8 file as the viewer shows it") << "utf8.txt" << QByteArray("一行目\n二行目\n") << 10 << 2
                                                          << "2行 - 二行目" << 2;
        QTest::newRow("missing tamber") << "tamber.vmf" << QByteArray("missing") << 10 << 12 << "12行 - " << 30000;
        QTest::newRow("empty tamber") << "tamber.vmf" << QByteArray() << 10 << 5 << "第0章 " << 0;
        QTest::newRow("named pipe") << "own.txt" << QByteArray("fifo") << 10 << 3 << "3行 - " << 30000;
        QTest::newRow("random: the title") << "quill.vmf" << keep << 20 << 1 << "アニメクイロン" << 0;
        QTest::newRow("random: own file") << "own.txt" << seven << 22 << 1 << "%1/own.txt より" << 0;
    }
    void preview()
    {
        QFETCH(QString, source);
        QFETCH(QByteArray, content);
        QFETCH(int, code);
        QFETCH(int, start);
        PropertyRig rig;
        if (content == "missing")
            QVERIFY(QFile::remove(rig.path(source)));
        else if (content != "keep")
            QVERIFY(writeAll(rig.path(source), content));
        rig.store.stored = stored(source.endsWith(".vmf") ? source : rig.path(source), code, 0, start, 1);
        rig.open();
        rig.settle();
        QFETCH(QString, preview);
        QCOMPARE(rig.text("Text3"), preview.arg(rig.folder.path()));
        QCOMPARE(rig.child("Text3")->isEnabled(), code < 20);
        QCOMPARE(rig.child("HScroll2")->isEnabled(), code < 20);
        QFETCH(int, maximum);
        if (maximum)
            QCOMPARE(rig.child<ValueBar>("HScroll2")->finishEnd(), maximum);
    }

    // Each row: the stored values, steps (PropertyRig::act), and what the
    // named controls and the saved values then show (PropertyRig::look).
    void controls_data()
    {
        QTest::addColumn<ViewerSettings>("before");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const ViewerSettings &s, const char *steps, const QString &shown) {
            QTest::newRow(name) << s << QString(steps) << shown;
        };
        const auto sh = [](int code) { return stored("tamber.vmf", code, 0, 1, 1); };
        // The order is the tens digit of Sh, the method its units digit.
        row("in file order keeps the method", sh(22), "click Option15; click Command1", "Sh=12");
        row("message box", sh(10), "click Option14; click Command1", "Sh=11");
        row("mirwin", sh(20), "click Option7; click Command1", "Sh=23");
        row("the title card", sh(13), "click Option12; click Command1", "Sh=10");
        row("an unknown code stays", sh(19), "click Option14; click Option15; click Option21; click Command1", "Sh=19");
        // The start-line bar runs from line 1 to the file's last line.
        const QString last = "Text3=第50章 tamber.vmf 50 Ms=50";
        row("start line to the first", sh(10), "key HScroll2 Right; settle; key HScroll2 Home; settle; click Command1",
            "Text3=第1章 tamber.vmf 1 Ms=1");
        row("start line to the last", sh(10), "key HScroll2 End; settle; click Command1", last);
        row("start line beyond the last", stored("tamber.vmf", 10, 0, 50, 1), "key HScroll2 Right; settle; click Command1",
            last);
        // The mirwin bars move the way their arrows point, to their ends;
        // the labels follow, and OK saves what they show.
        row("size, vertical to the bottom, horizontal to the left", sh(20),
            "key VScroll1 End; key VScroll2 End; key HScroll1 Home; click Command1",
            "Label13=-39 Label15=( -100 , -100 ) mirwin.ini=|-39|-100 |-100 |");
        row("size, vertical to the top, horizontal to the right", sh(20),
            "key VScroll1 Home; key VScroll2 Home; key HScroll1 End",
            "Label13=+200 Label15=( 100 , 100 )");
        row("size up one: the position label stays empty", sh(20), "key VScroll1 Up", "Label13=+1 Label15=");
        // The interval counts only in the periodic mode; the field is read at OK.
        const ViewerSettings periodic = stored("tamber.vmf", 20, 7, 1, 1);
        row("periodic, as stored", periodic, "click Command1", "Option4=on Text1=7 Tim=7 Jo=1");
        row("periodic, typed 12.9", periodic, "type Text1 12.9; click Command1", "Text1=12.9 Tim=12 Jo=1");
        row("once, resident", periodic, "type Text1 30; click Option16; click Command1",
            "Text1(disabled)(grey)=0 Tim=0 Jo=1");
        row("once", periodic, "click Option3; click Command1", "Tim=0 Jo=0");
        row("no display at start", periodic, "click Option17; click Command1", "Text1(disabled)(grey)=0 Tim=0 Jo=2");
        // A built-in source chosen in random order after the file option
        // switches the file-name field off; file order with the file option
        // opens it again.
        const ViewerSettings own = stored("x.txt", 20, 0, 1, 1);
        row("built-in source in random order", own, "click Option10; type Text4 typed; click Command1",
            "Text4(disabled)(grey)=x.txt Ops=tamber.vmf");
        row("file option in file order", own, "click Option10; click Option20; click Option15; click Command1",
            "Text4=x.txt Ops=x.txt Sh=10");
    }
    void controls()
    {
        QFETCH(ViewerSettings, before);
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        PropertyRig rig(before);
        rig.open();
        rig.settle();
        rig.act(steps);
        QCOMPARE(rig.look(shown), shown);
    }

    // "...": the file option, the chosen file in the field and its line in
    // the preview; 選択: the face through the font dialog, which starts at
    // the face shown. A cancelled dialog keeps what was there.
    void dialogs_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("before"); // the field's text
        QTest::addColumn<QString>("preview");
        QTest::newRow("chosen") << true << "" << "2行 - 自分の行2";
        QTest::newRow("cancelled: an empty name") << false << "/nowhere/x.txt" << "2行 - ";
    }
    void dialogs()
    {
        QFETCH(bool, chosen);
        QFETCH(QString, before);
        PropertyRig rig(stored(before.isEmpty() ? "tamber.vmf" : before, 10, 0, 2, 1));
        QVERIFY(writeAll(rig.path("own.txt"), numberedLines("自分の行", 7)));
        QVERIFY(writeAll(rig.path("mirwin.ini"), "Old Face\r\n0\r\n 0 \r\n 0 \r\n"));
        if (chosen) {
            rig.dialogs.fileAnswer = {1, 0, {rig.path("own.txt")}, 1};
            rig.dialogs.fontAnswer = {1, 0, QFont(QStringLiteral("New Face"), 20), Qt::red};
        }
        rig.open();
        rig.act("settle; click Command7; settle; click Command5");
        QVERIFY(rig.child<QRadioButton>("Option20")->isChecked());
        QCOMPARE(rig.text("Text4"), chosen ? rig.path("own.txt") : QString());
        QTEST(rig.text("Text3"), "preview");
        QCOMPARE(rig.dialogs.fileRequests.size(), 1);
        QCOMPARE(rig.dialogs.fontRequests.value(0).font.family(), QStringLiteral("Old Face"));
        QCOMPARE(rig.text("Text6"), chosen ? QStringLiteral("New Face") : QStringLiteral("Old Face"));
        rig.click("Command1");
        QCOMPARE(rig.store.stored.quoteSource, rig.text("Text4"));
    }
};

QTEST_MAIN(TestPropertyPages)
#include "test_propertypages.moc"
