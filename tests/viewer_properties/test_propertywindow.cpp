#include "propertyrig.h"

#include "viewer/viewersettings.h"
#include "viewer_properties/autostartentry.h"
#include "viewer_properties/valuebar.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

Q_DECLARE_METATYPE(ViewerSettings)

namespace {
QString describe(const ViewerSettings &s)
{
    return QStringLiteral("%1 Sh %2 Tim %3 Ms %4 Jo %5")
        .arg(s.quoteSource)
        .arg(s.showCode.value())
        .arg(s.intervalMinutes)
        .arg(s.linePosition)
        .arg(s.residentMode);
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
    // キャンセル never does, and an entry the person left alone stays as it
    // was to the byte.
    void loginStart_data()
    {
        QTest::addColumn<QByteArray>("before"); // empty: no entry
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("after"); // none, before, ours
        const QByteArray byHand = "[Desktop Entry]\n# by hand\nExec=velmo\n";
        const QByteArray hidden = byHand + "Hidden=true\n";
        const QByteArray foreign = "[Desktop Entry]\nExec=other\n";
        QTest::newRow("none, toggled, OK") << QByteArray() << false << "Command1" << "ours";
        QTest::newRow("none, toggled, キャンセル") << QByteArray() << false << "Command2" << "none";
        QTest::newRow("on, toggled, OK") << byHand << true << "Command1" << "none";
        QTest::newRow("on, toggled, キャンセル") << byHand << true << "Command2" << "before";
        QTest::newRow("hidden, toggled twice, OK") << hidden << false << "twice" << "before";
        QTest::newRow("another program's, toggled, OK") << foreign << false << "Command1" << "ours";
    }
    void loginStart()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, button);
        QTemporaryDir config;
        const QString entry = useConfigFolder(config);
        if (!before.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(entry).path()));
            writeFile(entry, before);
        }
        PropertyRig rig;
        rig.open();
        QTEST(rig.child<QCheckBox>("Check1")->isChecked(), "shown");
        rig.click("Check1");
        if (button == "twice")
            rig.click("Check1");
        rig.click(button == "twice" ? "Command1" : button);
        QVERIFY(!rig.window->isVisible());
        QFETCH(QString, after);
        const QByteArray expected = after == "ours"     ? AutostartEntry::text(rig.path("velmo"))
                                    : after == "before" ? before
                                                        : QByteArray("<none>");
        QCOMPARE(readOrNone(entry), expected);
        QCOMPARE(rig.published.value(0), QString(button == "Command2" ? "end" : "OK"));
    }

    // Each row: the stored values, the options selected at start, and what
    // OK then saves without any change by the person (when not given: the stored values).
    void startUpAndSave_data()
    {
        QTest::addColumn<ViewerSettings>("stored");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<ViewerSettings>("saved");
        const auto row = [](const char *name, const ViewerSettings &s, const char *selected,
                            const std::optional<ViewerSettings> &saved = {}) {
            QTest::newRow(name) << s << QString(selected) << saved.value_or(s);
        };
        const QString userFile = QDir::temp().filePath("自分の名言.txt");
        const ViewerSettings defaults = stored("tamber.vmf", 20, 0, 1, 1);
        row("nothing stored", ViewerSettings(), "10 21 12 16", defaults);
        // The start line ends at the file's last line in every order.
        row("Sh 1 becomes 20, Ms the last line", stored("tamber.vmf", 1, 0, 80, 1), "10 21 12 16",
            stored("tamber.vmf", 20, 0, 50, 1));
        row("Sh 5 selects nothing, kept, Ms the last line", stored("tamber.vmf", 5, 0, 80, 1), "10 16",
            stored("tamber.vmf", 5, 0, 50, 1));
        row("Jo 7 kept, interval kept", stored("tamber.vmf", 21, 15, 1, 7), "10 21 14");
        row("empty source", stored("", 22, 0, 1, 0), "10 21 13 3", stored("tamber.vmf", 22, 0, 1, 0));
        row("a full path", stored(userFile, 23, 0, 1, 1), "20 21 7 16");
        row("file order, periodic", stored("mirelle.vmf", 13, 30, 12, 1), "1 15 7 4");
        row("no display at start drops the interval", stored("tamber.vmf", 20, 45, 1, 2), "10 21 12 17",
            stored("tamber.vmf", 20, 0, 1, 2));
        row("Ms below the bar", stored("tamber.vmf", 10, 0, -5, 1), "10 15 12 16", stored("tamber.vmf", 10, 0, 1, 1));
        row("Ms beyond the file", stored("tamber.vmf", 10, 0, 80, 1), "10 15 12 16", stored("tamber.vmf", 10, 0, 50, 1));
        row("random, Ms beyond the bar and the file", stored("tamber.vmf", 20, 0, 20000, 1), "10 21 12 16",
            stored("tamber.vmf", 20, 0, 50, 1));
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
        rig.click("Option14");
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
    }

    // A file missing from the program folder leaves its control disabled,
    // with its selection as it was; a folder of the name counts as missing.
    void missingFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("selected");
        QTest::newRow("velmo: no OK") << "velmo" << "Command1" << false;
        QTest::newRow("tambwin, still selected") << "tambwin" << "Option12" << true;
        QTest::newRow("tamber.vmf, still selected") << "tamber.vmf" << "Option10" << true;
        QTest::newRow("a folder named velmo") << "velmo/" << "Command1" << false;
    }
    void missingFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, control);
        PropertyRig rig;
        QFile::remove(rig.path(QString(file).remove('/')));
        if (file.endsWith('/'))
            QVERIFY(QDir().mkpath(rig.path(file)));
        rig.open();
        QVERIFY(!rig.child(control)->isEnabled());
        if (auto *option = qobject_cast<QRadioButton *>(rig.child(control)))
            QTEST(option->isChecked(), "selected");
        if (control == "Command1") { // Enter cannot save either
            QTest::keyClick(rig.window.get(), Qt::Key_Return);
            QVERIFY(!rig.published.contains("OK"));
            QCOMPARE(rig.mirwinIni(), QByteArray("<none>"));
        }
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
        QTest::addColumn<QByteArray>("before"); // "fifo": a named pipe; "link": a link to it in another folder
        QTest::addColumn<QStringList>("shown"); // Text6, Label13, Label15
        QTest::addColumn<QByteArray>("meanwhile"); // saved by another program while the window is open
        QTest::addColumn<int>("size"); // moved to by the person; 0: not touched
        QTest::addColumn<QByteArray>("after"); // "fifo": still the pipe
        const QByteArray values = Cp932::fromUnicode("ＭＳ ゴシック") + "\r\n+12\r\n 25 \r\n-7 \r\nextra\r\n";
        const QStringList shown = {"ＭＳ ゴシック", "+12", "( -7 , 25 )"};
        const QByteArray other = "Other\n-3\n 4 \n 5 \n";
        QTest::newRow("untouched: left to the byte") << values << shown << QByteArray() << 0 << values;
        const QByteArray beyond("F\r\n-500\r\n 300 \r\n-300 \r\n");
        QTest::newRow("beyond the bars, untouched")
            << beyond << QStringList{"F", "-39", "( -100 , 100 )"} << QByteArray() << 0 << beyond;
        QTest::newRow("saved meanwhile, untouched: the other save stays")
            << values << shown << other << 0 << other;
        QTest::newRow("saved meanwhile, size moved: only that line")
            << values << shown << other << 5 << QByteArray("Other\n+5\n 4 \n 5 \n");
        QTest::newRow("short file, size moved") << QByteArray("F") << QStringList{"F", "", "( 0 , 0 )"}
                                                << QByteArray() << -1 << QByteArray("F\r\n-1\r\n");
        QTest::newRow("no file at opening, saved meanwhile, untouched")
            << QByteArray("none") << QStringList{"", "", ""} << other << 0 << other;
        QTest::newRow("a link to the user's own folder, size moved")
            << QByteArray("link") << QStringList{"F", "+1", "( 3 , 2 )"} << QByteArray() << 7
            << QByteArray("F\r\n+7\r\n 2 \r\n 3 \r\n");
        QTest::newRow("named pipe: told at opening, left") << QByteArray("fifo") << QStringList{"", "", ""}
                                                           << QByteArray() << 0 << QByteArray("fifo");
    }
    void mirwinIni()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, meanwhile);
        QFETCH(int, size);
        PropertyRig rig;
        const QString ini = rig.path("mirwin.ini");
        QTemporaryDir dotfiles;
        if (before == "link") {
            writeFile(dotfiles.filePath("mirwin.ini"), "F\r\n+1\r\n 2 \r\n 3 \r\n");
            QVERIFY(QFile::link(dotfiles.filePath("mirwin.ini"), ini));
        } else if (before != "none") {
            place(ini, before);
        }
        const int ran = rig.exec({[&] {
            QCOMPARE(rig.boxes.boxes.size(), before == "fifo" ? 1 : 0);
            if (before == "fifo")
                QVERIFY(rig.boxes.boxes[0].text.contains("mirwin.ini を読み込めませんでした"));
            const QStringList shown = {rig.text("Text6"), rig.child<QLabel>("Label13")->text(),
                                       rig.child<QLabel>("Label15")->text()};
            QTEST(shown, "shown");
            if (!meanwhile.isEmpty())
                writeFile(ini, meanwhile);
            if (size)
                rig.child<ValueBar>("VScroll1")->setBarValue(size);
            rig.click("Command1");
        }});
        QCOMPARE(ran, 1);
        QCOMPARE(rig.published, (QStringList{"OK", "end"}));
        QFETCH(QByteArray, after);
        if (after == "fifo") {
            struct stat info;
            QVERIFY(::lstat(QFile::encodeName(ini).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
        } else {
            QCOMPARE(rig.mirwinIni(), after);
        }
        if (before == "link")
            QVERIFY(QFileInfo(ini).isSymLink());
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
        if (cause == "store")
            writeFile(storeFolder, "a file where the settings folder belongs");
        if (cause == "mirwin.ini")
            QVERIFY(QDir().mkpath(rig.path("mirwin.ini"))); // no file can replace a folder
        if (cause == "autostart")
            writeFile(entryFolder, "a file where the autostart folder belongs");
        const QString change = cause == "autostart" ? "Check1" : "Option14";
        const int atOpening = cause == "mirwin.ini" ? 1 : 0; // the box of the unreadable file
        const int ran = rig.exec({
            [&] {
                rig.click(change);
                if (cause == "mirwin.ini")
                    rig.child<ValueBar>("VScroll1")->setBarValue(9);
                rig.click("Command1");
            },
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
            QCOMPARE(rig.mirwinIni(), QByteArray("\r\n+9\r\n 0 \r\n 0 \r\n"));
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
