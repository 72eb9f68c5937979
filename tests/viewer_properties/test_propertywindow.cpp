#include "propertyrig.h"

#include "shared/datalink.h"
#include "shared/linkcontract.h"
#include "viewer_properties/autostartentry.h"

// The window as a whole, run in the dialog's own loop as the program runs
// it: what OK writes and publishes, what closing publishes, and the failures
// a person is told of.
class TestPropertyWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_runtime;

private slots:
    // The published item lives in a folder of the test.
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path())); }

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
