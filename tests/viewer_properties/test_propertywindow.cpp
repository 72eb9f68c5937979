#include "propertyrig.h"

#include "shared/datalink.h"
#include "shared/linkcontract.h"
#include "viewer_properties/autostartentry.h"

Q_DECLARE_METATYPE(ViewerSettings)

// The window as a person uses it: the start-line preview of every kind of
// source and of files that cannot be read, the files of the program folder,
// the options, bars, labels and fields of each page and the file and font
// dialogs, and what OK then saves; then the window as a whole, run in the
// dialog's own loop as the program runs it: what OK writes and publishes,
// what closing publishes, and the failures a person is told of.
class TestPropertyWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_runtime;

private slots:
    // The published item lives in a folder of the test.
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path())); }

    // Each row: the stored values, a file of the program folder changed
    // (content "none": removed; "folder", "fifo"), steps (PropertyRig::act),
    // and what the named controls and the saved values then show
    // (PropertyRig::look).
    void controls_data()
    {
        QTest::addColumn<ViewerSettings>("before");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("server"); // a notification server answers
        const auto row = [](const char *name, const ViewerSettings &s, const char *steps, const QString &shown,
                            const QString &file = {}, const QByteArray &content = {}, bool server = true) {
            QTest::newRow(name) << s << QString(steps) << shown << file << content << server;
        };
        const auto sh = [](int code) { return stored("tamber.vmf", code, 0, 1, 1); };
        // The start-line preview of every kind of source and of files that cannot be read.
        const QByteArray seven = numberedLines("自分の行", 7);
        row("tamber, line 1", sh(10), "", "Text3=第1章 tamber.vmf 1 HScroll2=1/50");
        row("mirelle", stored("mirelle.vmf", 11, 0, 3, 1), "", "Text3=第3話 「mirelle.vmf 3の巻」 HScroll2=3/50");
        row("own file", stored("own.txt", 10, 0, 2, 1), "", "Text3=2行 - 自分の行2 HScroll2=2/7", "own.txt", seven);
        row("missing tamber", stored("tamber.vmf", 10, 0, 12, 1), "", "Text3=12行 -  HScroll2=12/30000", "tamber.vmf",
            "none");
        row("empty tamber", stored("tamber.vmf", 10, 0, 5, 1), "", "Text3=第0章  HScroll2=0/0", "tamber.vmf", "");
        row("named pipe", stored("own.txt", 10, 0, 3, 1), "", "Text3=3行 -  HScroll2=3/30000", "own.txt", "fifo");
        row("random: the title", stored("quill.vmf", 20, 0, 1, 1), "", "Text3(disabled)=アニメクイロン HScroll2(disabled)=1/10000");
        row("random: own file", stored("own.txt", 22, 0, 1, 1), "", "Text3(disabled)=own.txt より", "own.txt", seven);
        // A file missing from the program folder leaves its control
        // disabled, with its selection as it was, and Enter cannot save
        // without velmo (it leaves by キャンセル); a folder of the name counts as missing.
        row("velmo: no OK", sh(10), "enter", "Command1(disabled)=OK published=end", "velmo", "none");
        row("tamber.vmf, still selected", sh(10), "enter", "Option10(disabled)=on published=OK end", "tamber.vmf", "none");
        row("a folder named velmo", sh(10), "enter", "Command1(disabled)=OK published=end", "velmo", "folder");
        // The face name of tambwin.ini is its fourteenth line; a damaged,
        // huge or strange file shows nothing and never blocks the window.
        const QByteArray thirteen = "4294967280\r\n0\r\n0\r\n0\r\n700\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n49\r\n";
        row("fourteen lines", sh(10), "", "Text7=ＭＳ 明朝", "tambwin.ini", thirteen + Cp932::fromUnicode("ＭＳ 明朝"));
        // Read as its 255-byte pieces, and the face cut to its 31 bytes.
        row("ten megabytes without a line end", sh(10), "", "Text7=" + QString(31, 'x'), "tambwin.ini",
            QByteArray(10 << 20, 'x'));
        row("tambwin.ini a named pipe", sh(10), "", "Text7=", "tambwin.ini", "fifo");
        // What the stored values select, and what OK then saves without a
        // change by the person. The start line ends at the file's last line
        // in every order; a code no option shows is kept.
        row("Sh 2 becomes 20, Ms the last line", stored("tamber.vmf", 2, 0, 80, 1), "click Command1",
            "Option10=on Option21=on Option12=on Option16=on Sh=20 Ms=50");
        row("Sh 3 selects nothing, kept, Ms the last line", stored("tamber.vmf", 3, 0, 80, 1), "click Command1",
            "Option10=on Option15=off Option21=off Option12=off Option16=on Sh=3 Ms=50");
        row("Jo 7 kept, interval kept", stored("tamber.vmf", 21, 15, 1, 7), "click Command1",
            "Option14=on Option3=off Option16=off Option17=off Tim=15 Jo=7");
        row("empty source", stored("", 22, 0, 1, 0), "click Command1", "Option10=on Option13=on Option3=on Ops=tamber.vmf");
        row("file order, periodic", stored("mirelle.vmf", 13, 30, 12, 1), "click Command1",
            "Option1=on Option15=on Option7=on Option4=on Text1=30 Sh=13 Tim=30 Ms=12");
        row("no display at start drops the interval", stored("tamber.vmf", 20, 45, 1, 2), "click Command1",
            "Option17=on Tim=0 Jo=2");
        row("Ms 0, below the bar", stored("tamber.vmf", 10, 0, 0, 1), "click Command1", "HScroll2=1/50 Ms=1");
        // Only what the window changed is written: the viewer's own save stays.
        row("the viewer moved on meanwhile", stored("tamber.vmf", 10, 0, 3, 1), "viewer=7; click Command1", "Ms=7");
        row("the viewer moved on meanwhile, Ms lowered to the last line", stored("tamber.vmf", 10, 0, 80, 1),
            "viewer=7; click Command1", "Ms=50");
        // The order is the tens digit of Sh, the method its units digit.
        row("in file order keeps the method", sh(22), "click Option15; click Command1", "Sh=12");
        row("message box", sh(10), "click Option14; click Command1", "Sh=11");
        row("mirwin", sh(20), "click Option7; click Command1", "Sh=23");
        row("the title card", sh(13), "click Option12; click Command1", "Sh=10");
        // The fifth method: the order's tens digit with 4, disabled while no server answers.
        row("notification", sh(11), "click Option22; click Command1", "Option22=on Sh=14");
        row("notification back to the card", sh(24), "click Option12; click Command1", "Option22=off Sh=20");
        row("no server: shown, kept", sh(24), "click Option22; click Command1", "Option22(disabled)=on Sh=24", {}, {}, false);
        row("no server: not chosen", sh(21), "click Option22; click Command1", "Option22(disabled)=off Sh=21", {}, {}, false);
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
        // "...": the file option, the chosen file in the field and its line in
        // the preview, or an empty name when cancelled; 選択: the face through
        // the font dialog, which starts at the face shown and keeps it when
        // cancelled.
        row("file and face chosen", stored("tamber.vmf", 10, 0, 2, 1), "file=own.txt; click Command7; settle; font=New; click Command5; font=; "
            "click Command5; click Command1", "Option20=on Text4=%/own.txt Text3=2行 - 自分の行2 Text6=New asked=New Ops=%/own.txt",
            "own.txt", seven);
        row("file dialog cancelled", stored("/nowhere/x.txt", 10, 0, 2, 1), "click Command7; settle",
            "Option20=on Text4= Text3=2行 - ");
    }
    void controls()
    {
        QFETCH(ViewerSettings, before);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        PropertyRig rig(before);
        QFETCH(bool, server);
        rig.notifier.answers = server;
        if (!file.isEmpty()) {
            QFile::remove(rig.path(file));
            QVERIFY(content == "none" || (content == "folder" ? QDir().mkpath(rig.path(file)) : writeAll(rig.path(file), content)));
        }
        rig.open();
        QFETCH(QString, steps);
        rig.act(steps);
        QFETCH(QString, shown);
        QCOMPARE(rig.look(shown), shown);
    }

    // OK writes mirwin.ini only where the person changed a value, against
    // the file as it is then (another program may have saved meanwhile),
    // and never over a file it could not read. The box shows the login-start
    // entry found at opening; OK applies a change of it, and an entry left
    // alone stays as it was to the byte. Every way of closing without OK
    // publishes only the end and saves nothing. A save that fails is told,
    // publishes nothing, writes nothing of the viewer's values and keeps the
    // window, in its own loop, with its change: OK works once the cause is gone.
    void savedFiles_data()
    {
        QTest::addColumn<QString>("file"); // mirwin.ini, autostart (the entry) or Velmo.conf
        QTest::addColumn<QByteArray>("before"); // "fifo": a named pipe; "none": no file; "folder"
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("meanwhile"); // saved by another program while the window is open
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("told"); // the failure OK reports; then the folder goes and OK again
        QTest::addColumn<QByteArray>("after"); // "fifo": still the pipe; "ours": velmo's entry
        const auto row = [](const char *name, const char *file, const QByteArray &before, const QString &shown,
                            const QByteArray &meanwhile, const QString &steps, const QByteArray &after,
                            const char *told = "") {
            QTest::newRow(name) << QString(file) << before << shown << meanwhile << steps << QString(told) << after;
        };
        const QByteArray values = Cp932::fromUnicode("ＭＳ ゴシック") + "\r\n+12\r\n 25 \r\n-7 \r\nextra\r\n";
        const QString shown = "Text6=ＭＳ ゴシック Label13=+12 Label15=( -7 , 25 )", ok = "; click Command1";
        const QByteArray other = "Other\n-3\n 4 \n 5 \n", beyond("F\r\n-500\r\n 300 \r\n-300 \r\n");
        row("untouched: left to the byte", "mirwin.ini", values, shown, {}, ok, values);
        row("beyond the bars, untouched", "mirwin.ini", beyond, "Text6=F Label13=-39 Label15=( -100 , 100 )", {}, ok, beyond);
        row("saved meanwhile, untouched: the other save stays", "mirwin.ini", values, shown, other, ok, other);
        row("saved meanwhile, size moved: only that line", "mirwin.ini", values, shown, other, "key VScroll1 Down" + ok,
            "Other\n+11\n 4 \n 5 \n");
        row("named pipe: told at opening, left", "mirwin.ini", "fifo", "Text6= Label13= Label15=", {}, ok, "fifo");
        const QByteArray byHand = "[Desktop Entry]\n# by hand\nExec=velmo\n", hidden = byHand + "Hidden=true\n";
        const QString toggle = "click Check1" + ok, change = "click Option14; click Check1; key VScroll1 Up; ";
        row("no entry, toggled", "autostart", "none", "Check1=off", {}, toggle, "ours");
        row("on, toggled", "autostart", byHand, "Check1=on", {}, toggle, "none");
        row("hidden, toggled twice", "autostart", hidden, "Check1=off", {}, "click Check1; " + toggle, hidden);
        row("キャンセル", "autostart", "none", "Check1=off", {}, change + "click Command2", "none");
        row("close box", "autostart", "none", "Check1=off", {}, change + "close", "none");
        // No file can replace a folder.
        row("settings file a folder", "Velmo.conf", "folder", "", {}, "click Option14" + ok, "[INI]\nSh=21\n",
            "ヴェルモの設定を保存できませんでした");
        row("mirwin.ini a folder", "mirwin.ini", "folder", "", {}, "click Option14; key VScroll1 Up" + ok,
            "\r\n+1\r\n 0 \r\n 0 \r\n", "mirwin.ini を保存できませんでした");
        row("login-start entry a folder", "autostart", "folder", "", {}, "click Check1" + ok, "ours",
            "ログイン時の起動を設定できませんでした");
    }
    void savedFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, meanwhile);
        QFETCH(QString, steps);
        QFETCH(QString, told);
        QTemporaryDir config; // the login-start entry and the settings in a configuration folder of their own
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const QString entry = config.filePath("autostart/velmo.desktop"), conf = config.filePath("Velmo/Velmo.conf");
        ViewerSettingsFile store(conf);
        PropertyRig rig;
        rig.usedStore = &store;
        const QString path = file == "autostart" ? entry : file == "mirwin.ini" ? rig.path(file) : conf;
        QVERIFY(before == "none" || (QDir().mkpath(before == "folder" ? path : QFileInfo(path).path())
                                     && (before == "folder" || writeAll(path, before))));
        // The viewer hears the window through the real link.
        DataLinkClient link(PropertyLinkContract::kService, PropertyLinkContract::kTopic, PropertyLinkContract::kItem);
        QStringList heard;
        connect(&link, &DataLinkClient::valueReceived, this, [&heard](const QString &value) { heard << value; });
        const bool unreadable = file == "mirwin.ini" && (before == "fifo" || before == "folder");
        const int ran = rig.exec({[&] {
            link.open(10000);
            QTRY_COMPARE(heard, QStringList{""});
            QCOMPARE(rig.boxes.boxes.size(), unreadable ? 1 : 0);
            QVERIFY(!unreadable || rig.boxes.boxes[0].text.contains("mirwin.ini を読み込めませんでした"));
            QFETCH(QString, shown);
            QCOMPARE(rig.look(shown), shown);
            QVERIFY(meanwhile.isEmpty() || writeAll(path, meanwhile));
            rig.act(steps);
        }, [&] {
            QVERIFY2(rig.boxes.boxes.last().text.contains(told), qPrintable(rig.boxes.boxes.last().text));
            QVERIFY(rig.published.isEmpty() && rig.window->isVisible() && !QFileInfo(conf).isFile());
            QVERIFY(QDir(path).removeRecursively());
            rig.act("click Command1");
        }});
        QCOMPARE(ran, told.isEmpty() ? 1 : 2);
        QFETCH(QByteArray, after);
        const QFileInfo now(path);
        QCOMPARE(now.isFile() ? readAll(path) : now.exists() ? "fifo" : "none",
                 after == "ours" ? AutostartEntry::text(rig.path("velmo")) : after);
        const bool saved = steps.endsWith("Command1");
        QCOMPARE(rig.published, (saved ? QStringList{"OK", "end"} : QStringList{"end"}));
        QTRY_COMPARE(heard, QStringList{""} + rig.published);
        QVERIFY(saved || !QFileInfo::exists(conf));
        QVERIFY(file == "mirwin.ini" || (rig.mirwinIni() == "<missing>") == !saved);
    }
};

QTEST_MAIN(TestPropertyWindow)
#include "test_propertywindow.moc"
