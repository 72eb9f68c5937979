#include "propertyrig.h"

#include "viewer/viewersettings.h"
#include "viewer_properties/autostartentry.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include <sys/stat.h>

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
const QStringList kOptions = {"Option10", "Option8",  "Option18", "Option1",  "Option6",  "Option2",
                              "Option5",  "Option20", "Option15", "Option21", "Option12", "Option7",
                              "Option13", "Option14", "Option3",  "Option16", "Option17", "Option4"};
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

    static QByteArray contentOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
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
        QTest::newRow("on, toggled twice, OK") << byHand << true << "twice" << "before";
        QTest::newRow("hidden, toggled twice, OK") << hidden << false << "twice" << "before";
        QTest::newRow("hidden, toggled, OK") << hidden << false << "Command1" << "ours";
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
        QCOMPARE(contentOf(entry), expected);
        QCOMPARE(rig.published.value(0), QString(button == "Command2" ? "end" : "OK"));
    }

    // A login start that cannot be set is told; the window stays with the
    // box checked, publishes nothing, and OK works once the cause is gone.
    void loginStartFails()
    {
        QTemporaryDir config;
        const QString entry = useConfigFolder(config);
        const QString folder = QFileInfo(entry).path();
        writeFile(folder, "a file where the autostart folder belongs");
        PropertyRig rig;
        rig.open();
        rig.click("Check1");
        rig.click("Command1");
        QCOMPARE(rig.boxes.boxes.size(), 1);
        QVERIFY(rig.boxes.boxes[0].text.contains("ログイン時の起動"));
        QVERIFY(rig.published.isEmpty());
        QVERIFY(rig.window->isVisible());
        QVERIFY(rig.child<QCheckBox>("Check1")->isChecked());

        QVERIFY(QFile::remove(folder));
        rig.click("Command1");
        QCOMPARE(rig.published, (QStringList{"OK", "end"}));
        QVERIFY(AutostartEntry::isOn(entry));
    }

    // Each row: the stored values, the options selected at start, and what
    // OK then saves without any change by the person.
    void startUpAndSave_data()
    {
        QTest::addColumn<ViewerSettings>("stored");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<ViewerSettings>("saved");
        const QString userFile = QDir::temp().filePath("自分の名言.txt");
        const ViewerSettings defaults = stored("tamber.vmf", 20, 0, 1, 1);
        QTest::newRow("nothing stored") << ViewerSettings() << QStringList{"Option10", "Option21", "Option12", "Option16"}
                                        << defaults;
        QTest::newRow("Sh 1 becomes 20") << stored("tamber.vmf", 1, 0, 1, 1)
                                         << QStringList{"Option10", "Option21", "Option12", "Option16"} << defaults;
        QTest::newRow("Sh 5 selects nothing, kept") << stored("tamber.vmf", 5, 0, 1, 1)
                                                    << QStringList{"Option10", "Option16"} << stored("tamber.vmf", 5, 0, 1, 1);
        QTest::newRow("Jo 7 kept, interval kept") << stored("tamber.vmf", 21, 15, 1, 7)
                                                  << QStringList{"Option10", "Option21", "Option14"}
                                                  << stored("tamber.vmf", 21, 15, 1, 7);
        QTest::newRow("empty source") << stored("", 22, 0, 1, 0) << QStringList{"Option10", "Option21", "Option13", "Option3"}
                                      << stored("tamber.vmf", 22, 0, 1, 0);
        QTest::newRow("a full path") << stored(userFile, 23, 0, 1, 1)
                                     << QStringList{"Option20", "Option21", "Option7", "Option16"} << stored(userFile, 23, 0, 1, 1);
        QTest::newRow("file order, periodic") << stored("mirelle.vmf", 13, 30, 12, 1)
                                              << QStringList{"Option1", "Option15", "Option7", "Option4"}
                                              << stored("mirelle.vmf", 13, 30, 12, 1);
        QTest::newRow("no display at start drops the interval") << stored("tamber.vmf", 20, 45, 1, 2)
                                                                << QStringList{"Option10", "Option21", "Option12", "Option17"}
                                                                << stored("tamber.vmf", 20, 0, 1, 2);
        QTest::newRow("Ms below the bar") << stored("tamber.vmf", 10, 0, -5, 1)
                                          << QStringList{"Option10", "Option15", "Option12", "Option16"} << stored("tamber.vmf", 10, 0, 1, 1);
        QTest::newRow("Ms beyond the file") << stored("tamber.vmf", 10, 0, 80, 1)
                                            << QStringList{"Option10", "Option15", "Option12", "Option16"} << stored("tamber.vmf", 10, 0, 50, 1);
        QTest::newRow("Ms beyond the bar") << stored("tamber.vmf", 20, 0, 20000, 1)
                                           << QStringList{"Option10", "Option21", "Option12", "Option16"} << stored("tamber.vmf", 20, 0, 10000, 1);
    }
    void startUpAndSave()
    {
        QFETCH(ViewerSettings, stored);
        PropertyRig rig(stored);
        rig.open();
        QStringList selected;
        for (const QString &name : kOptions) {
            if (rig.child<QRadioButton>(name)->isChecked())
                selected << name;
        }
        QTEST(selected, "selected");
        if (selected.contains("Option20"))
            QCOMPARE(rig.text("Text4"), stored.quoteSource);
        rig.settle();
        QVERIFY(rig.child("fraTabSheet(0)")->isVisible());
        rig.click("Command1");
        QFETCH(ViewerSettings, saved);
        QCOMPARE(describe(rig.store.stored), describe(saved));
        QCOMPARE(rig.mirwinIni(), kDefaultMirwinIni);
        QCOMPARE(rig.published, (QStringList{"OK", "end"}));
        QVERIFY(!rig.window->isVisible());
    }

    // Values a hand or a broken disk left in the real store read as their
    // defaults, and OK writes the defaults back as decimal text.
    void unreadableStoredValues()
    {
        const QString conf = m_runtime.filePath("config/Velmo/Velmo.conf");
        QVERIFY(QDir().mkpath(QFileInfo(conf).path()));
        writeFile(conf, "[INI]\nOps=\nSh=abc\nTim=12x\nMs=\nJo=300\n");
        PropertyRig rig;
        ViewerSettingsFile store(conf);
        const QString dir = rig.folder.path();
        PropertyWindow window({store, rig.starter, rig.boxes, rig.help, rig.dialogs, dir, dir, dir});
        window.show();
        QTRY_VERIFY(!window.isReading());
        QTest::mouseClick(window.findChild<QWidget *>("Command1"), Qt::LeftButton);
        QSettings saved(conf, QSettings::IniFormat);
        const QStringList expected = {"tamber.vmf", "20", "0", "1", "1"};
        QStringList values;
        for (const char *key : {"INI/Ops", "INI/Sh", "INI/Tim", "INI/Ms", "INI/Jo"})
            values << saved.value(key).toString();
        QCOMPARE(values, expected);
        QCOMPARE(rig.mirwinIni(), kDefaultMirwinIni);
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
        QTest::newRow("help page") << "help.html" << "Command3" << false;
        QTest::newRow("tambwin, still selected") << "tambwin" << "Option12" << true;
        QTest::newRow("tambinit") << "tambinit" << "Command6" << false;
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
        QTest::newRow("binary") << QByteArray("\0\xff\xfe\x01\n", 5).repeated(40) << "";
        // Read as its 255-byte pieces, and the face cut to its 31 bytes.
        QTest::newRow("ten megabytes without a line end") << QByteArray(10 << 20, 'x') << QString(31, 'x');
        QTest::newRow("named pipe") << QByteArray("fifo") << "";
    }
    void tambwinFace()
    {
        QFETCH(QByteArray, content);
        PropertyRig rig;
        if (content == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(rig.path("tambwin.ini")).constData(), 0600), 0);
        else
            writeFile(rig.path("tambwin.ini"), content);
        rig.open();
        QTEST(rig.text("Text7"), "face");
    }

    // mirwin.ini into the controls and, after OK, back to the file.
    void mirwinIni_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("shown"); // Text6, Label13, Label15
        QTest::addColumn<QByteArray>("saved");
        const QByteArray values = Cp932::fromUnicode("ＭＳ ゴシック") + "\r\n+12\r\n 25 \r\n-7 \r\n";
        QTest::newRow("values") << values << QStringList{"ＭＳ ゴシック", "+12", "( -7 , 25 )"} << values;
        QTest::newRow("beyond the bars") << QByteArray("F\r\n-500\r\n 300 \r\n-300 \r\n")
                                         << QStringList{"F", "-39", "( -100 , 100 )"}
                                         << QByteArray("F\r\n-39\r\n 100 \r\n-100 \r\n");
        QTest::newRow("lines that do not convert") << QByteArray("F\r\nabc\r\nxyz\r\n")
                                                   << QStringList{"F", "", "( 0 , 0 )"} << QByteArray("F\r\n\r\n 0 \r\n 0 \r\n");
        QTest::newRow("named pipe") << QByteArray("fifo") << QStringList{"", "", ""} << kDefaultMirwinIni;
    }
    void mirwinIni()
    {
        QFETCH(QByteArray, content);
        PropertyRig rig;
        if (content == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(rig.path("mirwin.ini")).constData(), 0600), 0);
        else if (!content.isEmpty())
            writeFile(rig.path("mirwin.ini"), content);
        rig.open();
        const QStringList shown = {rig.text("Text6"), rig.child<QLabel>("Label13")->text(),
                                   rig.child<QLabel>("Label15")->text()};
        QTEST(shown, "shown");
        rig.click("Command1");
        QTEST(rig.mirwinIni(), "saved");
    }

    // A save that fails is told, publishes nothing and keeps the window
    // with its changes; OK works again once the cause is gone.
    void failedSave_data()
    {
        QTest::addColumn<bool>("storeFails");
        QTest::newRow("settings store") << true;
        QTest::newRow("mirwin.ini") << false;
    }
    void failedSave()
    {
        QFETCH(bool, storeFails);
        PropertyRig rig;
        rig.store.failSaves = storeFails;
        if (!storeFails)
            QVERIFY(QDir().mkpath(rig.path("mirwin.ini"))); // no file can replace a folder
        rig.open();
        rig.click("Option14");
        rig.click("Command1");
        QCOMPARE(rig.boxes.boxes.size(), 1);
        QVERIFY(rig.boxes.boxes[0].text.contains(storeFails ? "設定を保存できませんでした" : "mirwin.ini"));
        QVERIFY(rig.published.isEmpty());
        QVERIFY(rig.window->isVisible());
        QVERIFY(rig.child<QRadioButton>("Option14")->isChecked());

        rig.store.failSaves = false;
        QVERIFY(QDir(rig.path("mirwin.ini")).removeRecursively());
        rig.click("Command1");
        QCOMPARE(rig.published, (QStringList{"OK", "end"}));
        QCOMPARE(rig.store.stored.showCode.value(), quint8(21));
    }

    void helpAndConfigurationPrograms_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file"); // asked for in the program folder
        QTest::addColumn<bool>("works");
        QTest::newRow("help") << "Command3" << "help.html" << true;
        QTest::newRow("tambinit") << "Command6" << "tambinit" << true;
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
