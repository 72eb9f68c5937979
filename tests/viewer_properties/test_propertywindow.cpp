#include "propertyrig.h"

#include "viewer_properties/autostartentry.h"

#include <QRadioButton>

#include <optional>

Q_DECLARE_METATYPE(ViewerSettings)

namespace {
QString describe(const ViewerSettings &s)
{
    return QStringLiteral("%1 Sh %2 Tim %3 Ms %4 Jo %5").arg(s.quoteSource).arg(s.showCode.value())
        .arg(s.intervalMinutes).arg(s.linePosition).arg(s.residentMode);
}
// Every option's number, in the order of the pages.
const QList<int> kOptions = {10, 8, 18, 1, 6, 2, 5, 20, 15, 21, 12, 7, 13, 14, 3, 16, 17, 4};
const QByteArray kDefaultMirwinIni("\r\n\r\n 0 \r\n 0 \r\n");
} // namespace

// The window as a whole: the start-up from the stored values, what OK saves
// and publishes, what closing publishes, the controls of missing files, the
// two settings files beside the programs, and the failures a person is told of.
class TestPropertyWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_runtime;
    QTemporaryDir m_config;

    // The login-start entry under a configuration folder of its own.
    static QString useConfigFolder(const QTemporaryDir &folder)
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        return folder.filePath("autostart/velmo.desktop");
    }

private slots:
    void initTestCase()
    {
        // The published item lives in a folder of the test, and no test
        // reads the login start of the person running it.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        useConfigFolder(m_config);
    }

    // The box shows the entry found at opening; OK applies a change of it,
    // and an entry the person left alone stays as it was to the byte.
    void loginStart_data()
    {
        QTest::addColumn<QByteArray>("before"); // empty: no entry
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("after"); // none, before, ours
        const QByteArray byHand = "[Desktop Entry]\n# by hand\nExec=velmo\n";
        const QString toggle = "click Check1; click Command1";
        QTest::newRow("none, toggled") << QByteArray() << "Check1=off" << toggle << "ours";
        QTest::newRow("on, toggled") << byHand << "Check1=on" << toggle << "none";
        QTest::newRow("hidden, toggled twice") << byHand + "Hidden=true\n" << "Check1=off" << "click Check1; " + toggle
                                               << "before";
        QTest::newRow("another program's, toggled") << QByteArray("[Desktop Entry]\nExec=other\n") << "Check1=off"
                                                    << toggle << "ours";
    }
    void loginStart()
    {
        QFETCH(QByteArray, before);
        QTemporaryDir config;
        const QString entry = useConfigFolder(config);
        if (!before.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(entry).path()));
            writeFile(entry, before);
        }
        PropertyRig rig;
        rig.open();
        QTEST(rig.look("Check1"), "opening");
        QFETCH(QString, steps);
        rig.act(steps);
        QFETCH(QString, after);
        QCOMPARE(readOrNone(entry), after == "ours" ? AutostartEntry::text(rig.path("velmo"))
                                                    : after == "before" ? before : QByteArray("<none>"));
        QCOMPARE(rig.published, (QStringList{"OK", "end"}));
    }

    // Each row: the stored values, the options selected at start, and what
    // OK then saves without any change by the person (when not given: the stored values).
    void startUpAndSave_data()
    {
        QTest::addColumn<ViewerSettings>("stored");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<ViewerSettings>("saved");
        QTest::addColumn<int>("viewerSaves"); // a reading position the viewer saves while the window is open
        const auto row = [](const char *name, const ViewerSettings &s, const char *selected,
                            const std::optional<ViewerSettings> &saved = {}, int viewerSaves = -1) {
            QTest::newRow(name) << s << QString(selected) << saved.value_or(s) << viewerSaves;
        };
        const QString userFile = QDir::temp().filePath("自分の名言.txt");
        const ViewerSettings defaults = stored("tamber.vmf", 20, 0, 1, 1);
        row("nothing stored", ViewerSettings(), "10 21 12 16", defaults);
        // The start line ends at the file's last line in every order.
        row("Sh 2 becomes 20, Ms the last line", stored("tamber.vmf", 2, 0, 80, 1), "10 21 12 16",
            stored("tamber.vmf", 20, 0, 50, 1));
        row("Sh 3 selects nothing, kept, Ms the last line", stored("tamber.vmf", 3, 0, 80, 1), "10 16",
            stored("tamber.vmf", 3, 0, 50, 1));
        row("Jo 7 kept, interval kept", stored("tamber.vmf", 21, 15, 1, 7), "10 21 14");
        row("empty source", stored("", 22, 0, 1, 0), "10 21 13 3", stored("tamber.vmf", 22, 0, 1, 0));
        row("a full path", stored(userFile, 23, 0, 1, 1), "20 21 7 16");
        row("file order, periodic", stored("mirelle.vmf", 13, 30, 12, 1), "1 15 7 4");
        row("no display at start drops the interval", stored("tamber.vmf", 20, 45, 1, 2), "10 21 12 17",
            stored("tamber.vmf", 20, 0, 1, 2));
        row("Ms 0, below the bar", stored("tamber.vmf", 10, 0, 0, 1), "10 15 12 16", stored("tamber.vmf", 10, 0, 1, 1));
        row("Ms beyond the file", stored("tamber.vmf", 10, 0, 80, 1), "10 15 12 16", stored("tamber.vmf", 10, 0, 50, 1));
        row("random, Ms beyond the bar and the file", stored("tamber.vmf", 20, 0, 20000, 1), "10 21 12 16",
            stored("tamber.vmf", 20, 0, 50, 1));
        // Only what the window changed is written: the viewer's own save stays.
        row("the viewer moved on meanwhile", stored("tamber.vmf", 10, 0, 3, 1), "10 15 12 16",
            stored("tamber.vmf", 10, 0, 7, 1), 7);
        row("the viewer moved on meanwhile, Ms lowered to the last line", stored("tamber.vmf", 10, 0, 80, 1),
            "10 15 12 16", stored("tamber.vmf", 10, 0, 50, 1), 7);
    }
    void startUpAndSave()
    {
        QFETCH(ViewerSettings, stored);
        PropertyRig rig(stored);
        // In the dialog's own loop, as the program runs it.
        const int ran = rig.exec({[&] {
            QStringList selected;
            for (int option : kOptions) {
                if (rig.child<QRadioButton>(QStringLiteral("Option%1").arg(option))->isChecked())
                    selected << QString::number(option);
            }
            QTEST(selected.join(' '), "selected");
            if (rig.child<QRadioButton>("Option20")->isChecked())
                QCOMPARE(rig.text("Text4"), stored.quoteSource);
            rig.settle();
            QVERIFY(rig.child("fraTabSheet(0)")->isVisible());
            QFETCH(int, viewerSaves);
            if (viewerSaves >= 0)
                rig.store.stored.linePosition = qint16(viewerSaves);
            rig.click("Command1");
        }});
        QCOMPARE(ran, 1);
        QCOMPARE(rig.window->result(), int(QDialog::Accepted));
        QFETCH(ViewerSettings, saved);
        QCOMPARE(describe(rig.store.stored), describe(saved));
        QCOMPARE(rig.mirwinIni(), kDefaultMirwinIni);
        QCOMPARE(rig.published, (QStringList{"OK", "end"}));
    }

    void closingWithoutSave_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("キャンセル") << "Command2";
        QTest::newRow("close box") << "close";
        QTest::newRow("Esc") << "escape";
    }
    void closingWithoutSave()
    {
        PropertyRig rig(stored("dastor.vmf", 12, 5, 3, 1));
        rig.open();
        rig.act("click Option14; click Check1; key VScroll1 Up");
        QFETCH(QString, how);
        if (how == "close")
            rig.window->close();
        else if (how == "escape")
            QTest::keyClick(rig.window.get(), Qt::Key_Escape);
        else
            rig.click(how);
        QCOMPARE(rig.published, QStringList{"end"});
        QCOMPARE(describe(rig.store.stored), describe(stored("dastor.vmf", 12, 5, 3, 1)));
        QCOMPARE(rig.mirwinIni(), QByteArray("<none>"));
        QVERIFY(!QFile::exists(m_config.filePath("autostart")));
    }

    // A file missing from the program folder leaves its control disabled,
    // with its selection as it was; a folder of the name counts as missing.
    void missingFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown");
        QTest::newRow("velmo: no OK") << "velmo" << "Command1(disabled)=OK";
        QTest::newRow("tambwin, still selected") << "tambwin" << "Option12(disabled)=on";
        QTest::newRow("tamber.vmf, still selected") << "tamber.vmf" << "Option10(disabled)=on";
        QTest::newRow("a folder named velmo") << "velmo/" << "Command1(disabled)=OK";
    }
    void missingFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, shown);
        PropertyRig rig;
        QFile::remove(rig.path(QString(file).remove('/')));
        QVERIFY(!file.endsWith('/') || QDir().mkpath(rig.path(file)));
        rig.open();
        QCOMPARE(rig.lookLike(shown), shown);
        QTest::keyClick(rig.window.get(), Qt::Key_Return); // Enter cannot save either
        QCOMPARE(rig.published.contains("OK"), !shown.startsWith("Command1"));
    }

    // The face name of tambwin.ini is its fourteenth line; a damaged,
    // huge or strange file shows nothing and never blocks the window.
    void tambwinFace_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("face");
        const QByteArray thirteen = "4294967280\r\n0\r\n0\r\n0\r\n700\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n49\r\n";
        QTest::newRow("fourteen lines") << thirteen + Cp932::fromUnicode("ＭＳ 明朝") << "ＭＳ 明朝";
        QTest::newRow("thirteen lines") << thirteen << "";
        // Read as its 255-byte pieces, and the face cut to its 31 bytes.
        QTest::newRow("ten megabytes without a line end") << QByteArray(10 << 20, 'x') << QString(31, 'x');
        QTest::newRow("named pipe") << QByteArray("fifo") << "";
    }
    void tambwinFace()
    {
        QFETCH(QByteArray, content);
        PropertyRig rig;
        place(rig.path("tambwin.ini"), content);
        rig.open();
        QTEST(rig.text("Text7"), "face");
    }

    // OK writes mirwin.ini only where the person changed a value, against
    // the file as it is then (another program may have saved meanwhile),
    // and never over a file it could not read.
    void mirwinIni_data()
    {
        QTest::addColumn<QByteArray>("before"); // "fifo": a named pipe; "none": no file
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("meanwhile"); // saved by another program while the window is open
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("after"); // "fifo": still the pipe
        const QByteArray values = Cp932::fromUnicode("ＭＳ ゴシック") + "\r\n+12\r\n 25 \r\n-7 \r\nextra\r\n";
        const QString shown = "Text6=ＭＳ ゴシック Label13=+12 Label15=( -7 , 25 )";
        const QString none = "Text6= Label13= Label15=";
        const QByteArray other = "Other\n-3\n 4 \n 5 \n";
        QTest::newRow("untouched: left to the byte") << values << shown << QByteArray() << "" << values;
        const QByteArray beyond("F\r\n-500\r\n 300 \r\n-300 \r\n");
        QTest::newRow("beyond the bars, untouched")
            << beyond << "Text6=F Label13=-39 Label15=( -100 , 100 )" << QByteArray() << "" << beyond;
        QTest::newRow("saved meanwhile, untouched: the other save stays") << values << shown << other << "" << other;
        QTest::newRow("saved meanwhile, size moved: only that line")
            << values << shown << other << "key VScroll1 Down" << QByteArray("Other\n+11\n 4 \n 5 \n");
        QTest::newRow("no file at opening, saved meanwhile, untouched") << QByteArray("none") << none << other << ""
                                                                        << other;
        QTest::newRow("named pipe: told at opening, left") << QByteArray("fifo") << none << QByteArray()
                                                           << "" << QByteArray("fifo");
    }
    void mirwinIni()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, meanwhile);
        PropertyRig rig;
        const QString ini = rig.path("mirwin.ini");
        if (before != "none")
            place(ini, before);
        const int ran = rig.exec({[&] {
            QCOMPARE(rig.boxes.boxes.size(), before == "fifo" ? 1 : 0);
            QVERIFY(before != "fifo" || rig.boxes.boxes[0].text.contains("mirwin.ini を読み込めませんでした"));
            QFETCH(QString, shown);
            QCOMPARE(rig.lookLike(shown), shown);
            if (!meanwhile.isEmpty())
                writeFile(ini, meanwhile);
            QFETCH(QString, steps);
            rig.act(steps + "; click Command1");
        }});
        QCOMPARE(ran, 1);
        QFETCH(QByteArray, after);
        QCOMPARE(rig.published, (QStringList{"OK", "end"}));
        QCOMPARE(QFileInfo(ini).isFile() ? rig.mirwinIni() : QByteArray("fifo"), after);
    }

    // A save that fails is told, publishes nothing, writes nothing of the
    // viewer's values and keeps the window, in its own loop, with its
    // change; OK works again once the cause is gone, and closing without
    // it publishes only the end.
    void failedSave_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("then"); // "OK" once the cause is gone, or "Command2"
        QTest::newRow("settings folder a file") << "store" << "ヴェルモの設定を保存できませんでした" << "OK";
        QTest::newRow("mirwin.ini a folder") << "mirwin.ini" << "mirwin.ini を保存できませんでした" << "OK";
        QTest::newRow("autostart folder a file") << "autostart" << "ログイン時の起動を設定できませんでした"
                                                 << "OK";
        QTest::newRow("mirwin.ini a folder, then キャンセル") << "mirwin.ini" << "mirwin.ini" << "Command2";
    }
    void failedSave()
    {
        QFETCH(QString, cause);
        QFETCH(QString, then);
        QTemporaryDir config;
        const QString entry = useConfigFolder(config), entryFolder = QFileInfo(entry).path();
        const QString storeFolder = config.filePath("Velmo");
        ViewerSettingsFile store(storeFolder + "/Velmo.conf");
        PropertyRig rig;
        rig.usedStore = &store;
        if (cause == "mirwin.ini")
            QVERIFY(QDir().mkpath(rig.path("mirwin.ini"))); // no file can replace a folder
        else // a file where the folder belongs
            writeFile(cause == "store" ? storeFolder : entryFolder, "a file");
        const QString change = cause == "autostart" ? "Check1" : "Option14";
        const int atOpening = cause == "mirwin.ini" ? 1 : 0; // the box of the unreadable file
        const int ran = rig.exec({
            [&] { rig.act("click " + change + (cause == "mirwin.ini" ? "; key VScroll1 Up" : "") + "; click Command1"); },
            [&] {
                QCOMPARE(rig.boxes.boxes.size(), atOpening + 1);
                QFETCH(QString, told);
                QVERIFY2(rig.boxes.boxes.last().text.contains(told), qPrintable(rig.boxes.boxes.last().text));
                QVERIFY(rig.published.isEmpty());
                QVERIFY(rig.window->isVisible());
                QVERIFY(rig.child<QAbstractButton>(change)->isChecked());
                QVERIFY(!QFile::exists(storeFolder + "/Velmo.conf"));
                QFile::remove(entryFolder);
                QFile::remove(storeFolder);
                QVERIFY(QDir(rig.path("mirwin.ini")).removeRecursively());
                rig.click(then == "OK" ? "Command1" : then);
            },
        });
        QCOMPARE(ran, 2);
        QCOMPARE(rig.published, (then == "OK" ? QStringList{"OK", "end"} : QStringList{"end"}));
        if (then != "OK")
            return;
        QCOMPARE(store.readAll().showCode.value(), quint8(cause == "autostart" ? 20 : 21));
        if (cause == "autostart")
            QVERIFY(AutostartEntry::isOn(entry));
        if (cause == "mirwin.ini")
            QCOMPARE(rig.mirwinIni(), QByteArray("\r\n+1\r\n 0 \r\n 0 \r\n"));
    }

    void helpAndConfigurationPrograms_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file"); // asked for in the program folder
        QTest::addColumn<bool>("works");
        QTest::newRow("help") << "Command3" << "help.html" << true;
        QTest::newRow("mirinit that cannot start") << "Command9" << "mirinit" << false;
    }
    void helpAndConfigurationPrograms()
    {
        QFETCH(QString, button);
        QFETCH(QString, file);
        QFETCH(bool, works);
        PropertyRig rig;
        QFile::setPermissions(rig.path(file), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        rig.help.succeed = rig.starter.succeed = works;
        rig.open();
        rig.click(button);
        const QString asked = button == "Command3" ? rig.help.pages.value(0) : rig.starter.calls.value(0).program;
        QCOMPARE(asked, rig.path(file));
        QCOMPARE(rig.boxes.boxes.size(), works ? 0 : 1);
        QVERIFY(rig.published.isEmpty());
    }
};

QTEST_MAIN(TestPropertyWindow)
#include "test_propertywindow.moc"
