#include "propertyrig.h"

#include "shared/datalink.h"
#include "shared/linkcontract.h"
#include "viewer_properties/autostartentry.h"

Q_DECLARE_METATYPE(ViewerSettings)

namespace {
QString describe(const ViewerSettings &s)
{
    return QStringLiteral("%1 Sh %2 Tim %3 Ms %4 Jo %5").arg(s.quoteSource).arg(s.showCode.value())
        .arg(s.intervalMinutes).arg(s.linePosition).arg(s.residentMode);
}
} // namespace

// The window as a whole, run in the dialog's own loop as the program runs
// it: what OK writes and publishes, what closing publishes, and the failures
// a person is told of.
class TestPropertyWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_runtime;

    // The login-start entry under a configuration folder of its own.
    static QString useConfigFolder(const QTemporaryDir &folder)
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        return folder.filePath("autostart/velmo.desktop");
    }

private slots:
    // The published item lives in a folder of the test.
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path())); }

    // OK writes mirwin.ini only where the person changed a value, against
    // the file as it is then (another program may have saved meanwhile),
    // and never over a file it could not read. The box shows the login-start
    // entry found at opening; OK applies a change of it, and an entry left
    // alone stays as it was to the byte. Every way of closing without OK
    // publishes only the end and saves nothing.
    void savedFiles_data()
    {
        QTest::addColumn<QString>("file"); // mirwin.ini or autostart
        QTest::addColumn<QByteArray>("before"); // "fifo": a named pipe; "none": no file
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("meanwhile"); // saved by another program while the window is open
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("after"); // "fifo": still the pipe; "ours": velmo's entry
        const auto mirwin = [](const char *name, const QByteArray &before, const QString &shown,
                               const QByteArray &meanwhile, const QString &steps, const QByteArray &after) {
            QTest::newRow(name) << "mirwin.ini" << before << shown << meanwhile << steps + "; click Command1" << after;
        };
        const QByteArray values = Cp932::fromUnicode("ＭＳ ゴシック") + "\r\n+12\r\n 25 \r\n-7 \r\nextra\r\n";
        const QString shown = "Text6=ＭＳ ゴシック Label13=+12 Label15=( -7 , 25 )";
        const QByteArray other = "Other\n-3\n 4 \n 5 \n", beyond("F\r\n-500\r\n 300 \r\n-300 \r\n");
        mirwin("untouched: left to the byte", values, shown, {}, "", values);
        mirwin("beyond the bars, untouched", beyond, "Text6=F Label13=-39 Label15=( -100 , 100 )", {}, "", beyond);
        mirwin("saved meanwhile, untouched: the other save stays", values, shown, other, "", other);
        mirwin("saved meanwhile, size moved: only that line", values, shown, other, "key VScroll1 Down",
               "Other\n+11\n 4 \n 5 \n");
        mirwin("named pipe: told at opening, left", "fifo", "Text6= Label13= Label15=", {}, "", "fifo");
        const QByteArray byHand = "[Desktop Entry]\n# by hand\nExec=velmo\n";
        const QString toggle = "click Check1; click Command1", change = "click Option14; click Check1; key VScroll1 Up; ";
        QTest::newRow("no entry, toggled") << "autostart" << QByteArray("none") << "Check1=off" << QByteArray() << toggle
                                           << QByteArray("ours");
        QTest::newRow("on, toggled") << "autostart" << byHand << "Check1=on" << QByteArray() << toggle << QByteArray("none");
        QTest::newRow("hidden, toggled twice") << "autostart" << byHand + "Hidden=true\n" << "Check1=off" << QByteArray()
                                               << "click Check1; " + toggle << byHand + "Hidden=true\n";
        QTest::newRow("キャンセル") << "autostart" << QByteArray("none") << "Check1=off" << QByteArray()
                                   << change + "click Command2" << QByteArray("none");
        QTest::newRow("close box") << "autostart" << QByteArray("none") << "Check1=off" << QByteArray() << change + "close"
                                   << QByteArray("none");
    }
    void savedFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, meanwhile);
        QFETCH(QString, steps);
        QTemporaryDir config;
        PropertyRig rig;
        const QString entry = useConfigFolder(config), path = file == "autostart" ? entry : rig.path(file);
        QVERIFY(before == "none" || (QDir().mkpath(QFileInfo(path).path()) && writeAll(path, before)));
        // The viewer hears the window through the real link.
        DataLinkClient link(PropertyLinkContract::kService, PropertyLinkContract::kTopic, PropertyLinkContract::kItem);
        QStringList heard;
        connect(&link, &DataLinkClient::valueReceived, this, [&heard](const QString &value) { heard << value; });
        const int ran = rig.exec({[&] {
            link.open(10000);
            QTRY_COMPARE(heard, QStringList{""});
            QCOMPARE(rig.boxes.boxes.size(), before == "fifo" ? 1 : 0);
            QVERIFY(before != "fifo" || rig.boxes.boxes[0].text.contains("mirwin.ini を読み込めませんでした"));
            QFETCH(QString, shown);
            QCOMPARE(rig.look(shown), shown);
            QVERIFY(meanwhile.isEmpty() || writeAll(path, meanwhile));
            rig.act(steps);
        }});
        QCOMPARE(ran, 1);
        QFETCH(QByteArray, after);
        const QByteArray now = QFileInfo(path).isFile() ? readAll(path) : QFileInfo::exists(path) ? "fifo" : "none";
        QCOMPARE(now, after == "ours" ? AutostartEntry::text(rig.path("velmo")) : after);
        const bool saved = steps.endsWith("Command1");
        QCOMPARE(rig.published, (saved ? QStringList{"OK", "end"} : QStringList{"end"}));
        QTRY_COMPARE(heard, QStringList{""} + rig.published);
        QVERIFY(saved || describe(rig.store.stored) == describe(ViewerSettings()));
        QVERIFY(file == "mirwin.ini" || (rig.mirwinIni() == "<missing>") == !saved);
    }

    // A save that fails is told, publishes nothing, writes nothing of the
    // viewer's values and keeps the window, in its own loop, with its
    // change; OK works again once the cause is gone, and closing without
    // it publishes only the end.
    void failedSave_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("then"); // "Command1" once the cause is gone, or "Command2"
        QTest::newRow("settings folder a file") << "store" << "ヴェルモの設定を保存できませんでした" << "Command1";
        QTest::newRow("mirwin.ini a folder") << "mirwin.ini" << "mirwin.ini を保存できませんでした" << "Command1";
        QTest::newRow("autostart folder a file") << "autostart" << "ログイン時の起動を設定できませんでした"
                                                 << "Command1";
        QTest::newRow("mirwin.ini a folder, then キャンセル") << "mirwin.ini" << "mirwin.ini" << "Command2";
    }
    void failedSave()
    {
        QFETCH(QString, cause);
        QFETCH(QString, then);
        QTemporaryDir config;
        const QString entry = useConfigFolder(config), storeFolder = config.filePath("Velmo");
        ViewerSettingsFile store(storeFolder + "/Velmo.conf");
        PropertyRig rig;
        rig.usedStore = &store;
        // No file can replace a folder, and no folder can be made where a file is.
        const bool mirwin = cause == "mirwin.ini";
        const QString blocked = mirwin ? rig.path(cause) : cause == "store" ? storeFolder : QFileInfo(entry).path();
        QVERIFY(mirwin ? QDir().mkpath(blocked) : writeAll(blocked, "a file"));
        const QString change = cause == "autostart" ? "Check1" : "Option14";
        const int ran = rig.exec({
            [&] { rig.act("click " + change + (mirwin ? "; key VScroll1 Up" : "") + "; click Command1"); },
            [&] {
                QCOMPARE(rig.boxes.boxes.size(), mirwin ? 2 : 1); // and the box of the unreadable file
                QFETCH(QString, told);
                QVERIFY2(rig.boxes.boxes.last().text.contains(told), qPrintable(rig.boxes.boxes.last().text));
                QVERIFY(rig.published.isEmpty() && rig.window->isVisible());
                QVERIFY(rig.child<QAbstractButton>(change)->isChecked());
                QVERIFY(!QFile::exists(storeFolder + "/Velmo.conf"));
                QVERIFY(QFile::remove(blocked) || QDir(blocked).removeRecursively());
                rig.click(then);
            },
        });
        QCOMPARE(ran, 2);
        QCOMPARE(rig.published, (then == "Command1" ? QStringList{"OK", "end"} : QStringList{"end"}));
        if (then != "Command1")
            return;
        QCOMPARE(store.readAll().showCode.value(), quint8(cause == "autostart" ? 20 : 21));
        QCOMPARE(AutostartEntry::isOn(entry), cause == "autostart");
        QCOMPARE(rig.mirwinIni(), mirwin ? QByteArray("\r\n+1\r\n 0 \r\n 0 \r\n") : QByteArray("\r\n\r\n 0 \r\n 0 \r\n"));
    }
};

QTEST_MAIN(TestPropertyWindow)
#include "test_propertywindow.moc"
