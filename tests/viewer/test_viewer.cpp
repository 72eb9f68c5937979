#include "viewer/platformservices.h"
#include "viewer/quotefile.h"
#include "viewer/quoteplayer.h"
#include "viewer/randomsource.h"
#include "viewer/viewercontroller.h"

#include "fakes/fakepropertylink.h"
#include "fakes/faketicktimer.h"
#include "fakes/faketray.h"
#include "fakes/fixedrandom.h"
#include "fakes/memorysettingsstore.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "shared/cp932.h"
#include "viewer/viewersettings.h"

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

using Status = QuoteFile::Status;

namespace {
const QChar U(0x3000);
const QString UU(2, U);
const QString kCommandText = QStringLiteral("今日の一言; rm -rf ~ $(id)");
// A stand-in card program that appends a line of its bracketed arguments per start.
const QByteArray kRecorder = "#!/bin/sh\nprintf '[%s]' \"$@\" >> \"${0%/*}/calls\"\necho >> \"${0%/*}/calls\"\n";
QString card(const QString &label, const QString &quote) { return label + QString(10, U) + ',' + U + quote + U; }
void writeFile(const QString &path, const QByteArray &content, bool executable = false)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}
QByteArray fiveLines(const QString &word)
{
    QByteArray five;
    for (int i = 1; i <= 5; ++i)
        five += Cp932::fromUnicode(word + QString::number(i) + "\r\n");
    return five;
}
ViewerSettings cfg(int code, int interval, int mode, const QString &source = "tamber.vmf", int position = 1)
{
    return {source, ShowCode(quint8(code)), qint16(interval), qint16(position), quint8(mode)};
}

struct Fakes
{
    MemorySettingsStore store;
    FakeTray tray;
    FakeTickTimer timer;
    RecordingStarter starter;
    RecordingMessageBox boxes;
    FixedRandom random;
    FakePropertyLink link;
    // Each program start as its path and arguments, each box as its text and title.
    QStringList seen() const
    {
        QStringList all;
        for (const RecordingStarter::Call &call : starter.calls)
            all << call.program << call.arguments;
        for (const RecordingMessageBox::Box &box : boxes.boxes)
            all << box.text << box.title;
        return all;
    }
};
struct PlayerRig : Fakes
{
    QuotePlayer player;
    ViewerState &s;
    PlayerRig(const QString &prog, const QString &work, const QString &source, int code, int position)
        : player(starter, boxes, random, prog, work), s(player.state())
    {
        s.settings = cfg(code, 0, 1, source, position);
        s.commandLine = kCommandText;
        s.currentLine = QStringLiteral("前回の言葉");
    }
};
// The real velmo copied into a folder of its own, with its settings file
// there.
struct VelmoRun
{
    QTemporaryDir dir;
    QProcess velmo;
    QString conf() const { return dir.filePath("config/Velmo/Velmo.conf"); }
    explicit VelmoRun(const QByteArray &settings)
    {
        QFile::copy(qEnvironmentVariable("SUITE_DIR") + "/velmo", dir.filePath("velmo"));
        QDir().mkpath(dir.filePath("config/Velmo"));
        writeFile(conf(), settings);
        velmo.setEnvironment(QProcess::systemEnvironment() << "XDG_CONFIG_HOME=" + dir.filePath("config")
                                                           << "XDG_RUNTIME_DIR=" + dir.path() << "QT_QPA_PLATFORM=offscreen");
        velmo.setWorkingDirectory(dir.path());
    }
    void start(const QStringList &arguments) { velmo.start(dir.filePath("velmo"), arguments); }
    QString read(const char *name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // As the viewer's earlier versions read it.
    QString savedMs() const { return QSettings(conf(), QSettings::IniFormat).value("INI/Ms").toString(); }
};
struct Rig : Fakes
{
    ViewerController controller;
    QList<int> exits; // of each finished signal
    Rig(const ViewerSettings &settings, const QString &prog, const QString &work, bool startsOk = true)
        : controller({store, tray, timer, starter, boxes, random, link, prog, work}, {})
    {
        QObject::connect(&controller, &ViewerController::finished, [this](int code) { exits << code; });
        store.stored = settings;
        starter.succeed = startsOk;
        controller.load();
    }
    int displays() const { return int(starter.calls.size() + boxes.boxes.size()); }
};
} // namespace

// Quote files, one display (showQuote), the resident controller over the fakes,
// the tray menu, and the real velmo executable beside a fake tambwin.
class TestViewer : public QObject
{
    Q_OBJECT
    QTemporaryDir m_work, m_prog;
    QString prog(const QString &name) const { return m_prog.filePath(name); }
    std::unique_ptr<Rig> start(int code, int interval, int mode)
    {
        return std::make_unique<Rig>(cfg(code, interval, mode), m_prog.path(), m_work.path());
    }

private slots:
    void initTestCase()
    {
        for (const char *name : {"tamber.vmf", "dastor.vmf", "anitamb.vmf", "mirelle.vmf", "quill.vmf",
                                 "Tamber.vmf", "mine.txt"})
            writeFile(m_work.filePath(name), fiveLines("言葉"));
        // A fixed file is looked for in the working folder first, then beside the program.
        writeFile(prog("tamber.vmf"), fiveLines("隣"));
        writeFile(prog("tambkari.vmf"), fiveLines("隣"));
        writeFile(prog("velmoinit"), "#!/bin/sh\n", true);
        writeFile(m_work.filePath("other"), "ファイルの行\r\n"); // never read in the command-line mode
        writeFile(m_work.filePath("empty.vmf"), {});
        writeFile(m_work.filePath("big.vmf"), QByteArray(32768, '\n'));
    }

    void quoteFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Status>("status");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("lines"); // the first ones
        const auto row = [this](const char *name, const QByteArray &content, Status status, int count,
                                const QStringList &lines) {
            writeFile(m_work.filePath(name), content);
            QTest::newRow(name) << m_work.filePath(name) << status << count << lines;
        };
        const QString q = QStringLiteral("星環タンバー、発進！");
        row("crlf, empty lines, open last", "a\r\n\r\nb", Status::Ok, 3, {"a", "", "b"});
        row("lf, lone cr ends a line", "a\rb\n\nc\n", Status::Ok, 4, {"a", "b", "", "c"});
        row("cr only across a read", QByteArray(65535, 'a') + "\r\rb", Status::Ok, 3, {QString(65535, 'a'), "", "b"});
        // Records and CR LF pairs that straddle the 64 KiB read size.
        row("chunk boundaries", QByteArray(65535, 'a') + "\r\nb\r\n" + QByteArray(65532, 'c') + "\r\nd", Status::Ok, 4,
            {QString(65535, 'a'), "b", QString(65532, 'c'), "d"});
        row("utf-8", (q + "\n").toUtf8(), Status::Ok, 1, {q});
        row("utf-8 with bom", "\xEF\xBB\xBF" + (q + "\r\n").toUtf8(), Status::Ok, 1, {q});
        // ～ and ① exist only in the code page's own extensions.
        row("cp932", Cp932::fromUnicode(q) + "\x81\x60\x87\x40\r\n", Status::Ok, 1, {q + "～①"});
        row("megabyte line, cut on a character", "a\r\n" + Cp932::fromUnicode(QString(1 << 19, u'星')) + "\r\nb",
            Status::Ok, 3, {"a", QString(QuoteFile::kMaxLineBytes / 2, u'星'), "b"});
        row("32767 lines", QByteArray(32766, '\n') + "x", Status::Ok, 32767, {});
        row("32768 lines", QByteArray(32768, '\n'), Status::TooManyLines, 0, {});
        row("binary", QByteArray("ab\0cd\r\n", 7), Status::NotText, 0, {});
        QTest::newRow("missing") << m_work.filePath("missing") << Status::CannotOpen << 0 << QStringList();
        // Opening a pipe would wait for a writer that never comes.
        QCOMPARE(::mkfifo(QFile::encodeName(m_work.filePath("pipe")).constData(), 0600), 0);
        QTest::newRow("named pipe") << m_work.filePath("pipe") << Status::CannotOpen << 0 << QStringList();
    }
    void quoteFile()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, lines);
        const QuoteFile::Scan scan = QuoteFile::scan(path);
        QTEST(scan.status, "status");
        QTEST(scan.lineCount, "count");
        QStringList read;
        for (int n = 1; n <= lines.size(); ++n)
            read << QuoteFile::line(path, n, scan.utf8).value_or("<none>");
        QCOMPARE(read, lines);
    }

    // CR LF Shift-JIS, as the other programs expect; one record per episode or title where counted.
    void shippedFiles()
    {
        for (const QString name : {"tamber", "dastor", "animir", "anitamb", "mirelle", "tambkari", "quill"}) {
            QFile file(qEnvironmentVariable("SUITE_DIR") + "/" + name + ".vmf");
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            const QByteArray bytes = file.readAll();
            const QuoteFile::Scan scan = QuoteFile::scan(file.fileName());
            const int count = name == "anitamb" ? 45 : name == "mirelle" ? 74 : 0;
            QVERIFY2(bytes.endsWith("\r\n") && bytes.count('\n') == bytes.count("\r\n")
                         && Cp932::fromUnicode(Cp932::toUnicode(bytes)) == bytes && scan.status == Status::Ok
                         && !scan.utf8 && (count ? scan.lineCount == count : scan.lineCount >= 30),
                     qPrintable(name));
        }
    }

    // T with a title card, then R with a message box, from line 2 of every source.
    void texts_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("T");
        QTest::addColumn<QString>("R");
        const QString mine = m_work.filePath("mine.txt"), tamber = "星環タンバー" + QString(U);
        QTest::newRow("tamber") << "tamber.vmf" << card("第2章", "言葉2") << tamber + "第2章" + UU;
        QTest::newRow("anitamb") << "anitamb.vmf" << "言葉2" << tamber + "第2話" + UU;
        QTest::newRow("mirelle") << "mirelle.vmf" << card("第2話", "「言葉2の巻」") << "月影ミレル 第2話" + UU;
        QTest::newRow("tambkari, beside the program") << "tambkari.vmf" << card("第2話", "隣2") << tamber + "第2話" + UU;
        QTest::newRow("user file") << mine << "言葉2" << mine + " - 2" + UU;
        QTest::newRow("capital initial is a user file") << "Tamber.vmf" << "言葉2" << "Tamber.vmf - 2" + UU;
        QTest::newRow("command line") << "other" << kCommandText << "ヴェルモ" + UU;
    }
    void texts()
    {
        QFETCH(QString, source);
        PlayerRig rig(m_prog.path(), m_work.path(), source, 10, 2);
        QVERIFY(rig.player.play());
        QTEST(rig.s.quoteText, "T");
        rig.s.settings.showCode = ShowCode(11);
        rig.s.settings.linePosition = 2;
        QVERIFY(rig.player.play());
        QTEST(rig.s.sourceLine, "R");
    }

    // The first matching output row wins. A random order ignores the position: line floor(5 r + 1).
    void outputs_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("position");
        QTest::addColumn<double>("r");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<int>("next");
        const auto row = [](const char *name, const QString &source, int code, int position, double r,
                            const QStringList &seen, int next) {
            QTest::newRow(name) << source << code << position << r << seen << next;
        };
        const QString tamber = "星環タンバー" + QString(U), empty = m_work.filePath("empty.vmf");
        row("1 dastor 22, r .79", "dastor.vmf", 22, 1, 0.79, {prog("dastor")}, 5);
        row("2 anitamb card by number", "anitamb.vmf", 10, 5, 0, {prog("tambwin"), "5"}, 1);
        row("3 mirelle 21, r .5", "mirelle.vmf", 21, 1, 0.5, {"「言葉3の巻」", "月影ミレル 第3話" + UU}, 4);
        row("4 mirelle 12", "mirelle.vmf", 12, 4, 0, {prog("dastor"), "「言葉4の巻」"}, 5);
        row("5 tamber 20, r 0", "tamber.vmf", 20, 4, 0, {prog("tambwin"), "-s", card("第1章", "言葉1")}, 2);
        row("6 quill 23, r below 1", "quill.vmf", 23, 1, 0.9999999999999999, {prog("mirwin"), "言葉5"}, 1);
        row("7 dastor 11, beyond the end", "dastor.vmf", 11, 99, 0, {"言葉5", "ダストル 第5話" + UU}, 1);
        row("position 0, unknown code 5", "tamber.vmf", 5, 0, 0, {"言葉5", tamber + "第0章" + UU}, 1);
        row("empty file keeps the last line", empty, 21, 4, 0.5, {"前回の言葉", empty + " - 0" + UU}, 1);
        row("command line: no file, no draw", "other", 20, 7, 0, {prog("tambwin"), "-s", kCommandText}, 7);
    }
    void outputs()
    {
        QFETCH(QString, source);
        QFETCH(int, code);
        QFETCH(int, position);
        QFETCH(double, r);
        PlayerRig rig(m_prog.path(), m_work.path(), source, code, position);
        rig.random.r = r;
        QVERIFY(rig.player.play());
        QTEST(rig.seen(), "seen");
        QVERIFY(rig.boxes.boxes.isEmpty() || rig.boxes.boxes.at(0).systemModal);
        QCOMPARE(rig.random.draws, source != "other" && code >= 20 && code <= 23 ? 1 : 0);
        QTEST(int(rig.s.settings.linePosition), "next");
    }

    // The last of 32767 lines is followed by line 1, not by a position past the 16-bit range.
    void fullFile()
    {
        QByteArray content;
        for (int i = 1; i < 32767; ++i)
            content += Cp932::fromUnicode(QStringLiteral("第%1の名言、星は巡る。\r\n").arg(i));
        writeFile(m_work.filePath("full.vmf"), content + "last");
        PlayerRig rig(m_prog.path(), m_work.path(), m_work.filePath("full.vmf"), 11, 32767);
        QVERIFY(rig.player.play());
        QCOMPARE(rig.boxes.boxes.last().text, QString("last"));
        QCOMPARE(int(rig.s.settings.linePosition), 1);
    }

    void startUp_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("displays");
        QTest::addColumn<bool>("timerRuns");
        QTest::newRow("once") << 0 << 5 << 1 << false;
        QTest::newRow("resident every 5") << 1 << 5 << 1 << true;
        QTest::newRow("silent every 3") << 2 << 3 << 0 << true;
        QTest::newRow("negative interval") << 1 << -4 << 1 << false;
    }
    void startUp()
    {
        QFETCH(int, mode);
        QFETCH(int, interval);
        auto rig = start(11, interval, mode);
        QTEST(rig->displays(), "displays");
        QTEST(rig->timer.running, "timerRuns");
        QCOMPARE(rig->tray.stopEnabled, interval > 0);
        QCOMPARE(rig->tray.shown, mode != 0);
        QCOMPARE(rig->exits, mode == 0 ? QList<int>{0} : QList<int>{});
        // After the display, and again on closing.
        QCOMPARE(rig->store.saved, QList<qint16>(rig->displays() + (mode == 0 ? 1 : 0), 2));
    }

    // Displays at minutes 5, 10 and 15: one by hand at 3 and stop1 twice at 7 do not move them.
    void periodicDisplay()
    {
        auto rig = start(20, 5, 2);
        QList<int> at;
        for (int minute = 1; minute <= 15; ++minute) {
            if (minute == 3)
                rig->controller.playNow();
            const int before = rig->displays();
            rig->timer.tick();
            if (rig->displays() > before)
                at << minute;
            if (minute == 7) {
                rig->controller.pauseRequested();
                QVERIFY(rig->controller.isPaused() && !rig->timer.running && rig->tray.stopChecked && rig->tray.paused);
                rig->controller.pauseRequested();
                QVERIFY(!rig->controller.isPaused() && rig->timer.running && !rig->tray.stopChecked && !rig->tray.paused);
            }
        }
        QCOMPARE(at, (QList<int>{5, 10, 15}));
        QCOMPARE(rig->displays(), 4);
        // An interval lowered below the minutes already counted is met at the next tick.
        rig->store.stored.intervalMinutes = 30;
        rig->controller.propertyLinkChanged("OK");
        for (int minute = 1; minute <= 10; ++minute)
            rig->timer.tick();
        rig->store.stored.intervalMinutes = 5;
        rig->controller.propertyLinkChanged("OK");
        rig->timer.tick();
        QCOMPARE(rig->displays(), 5);
    }

    void propertyWindow_data()
    {
        QTest::addColumn<bool>("pausedBefore");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("newInterval");
        QTest::addColumn<bool>("pausedAfter");
        QTest::newRow("paused, OK") << true << "OK" << 7 << false;
        QTest::newRow("running, OK with interval 0") << false << "OK" << 0 << false;
        QTest::newRow("running, cancel") << false << "end" << 7 << false;
        QTest::newRow("paused, crash or no answer") << true << "gone" << 7 << true;
        QTest::newRow("paused, not installed") << true << "missing" << 7 << true;
        QTest::newRow("running, start fails") << false << "start fails" << 7 << false;
    }
    void propertyWindow()
    {
        QFETCH(bool, pausedBefore);
        QFETCH(QString, ending);
        QFETCH(int, newInterval);
        QFETCH(bool, pausedAfter);
        QTemporaryDir noProgram;
        const bool starts = ending != "missing" && ending != "start fails";
        Rig rig(cfg(11, 3, 2), ending == "missing" ? noProgram.path() : m_prog.path(), m_work.path(),
                ending != "start fails");
        if (pausedBefore)
            rig.controller.pauseRequested();
        rig.store.stored.linePosition = 99;
        rig.controller.openProperties();
        QCOMPARE(rig.store.saved.last(), qint16(1)); // the window sees the current position
        QCOMPARE(rig.link.opens, starts ? 1 : 0);
        // Only a window that could not be had is reported, and each way apart.
        QCOMPARE(rig.boxes.boxes.size(), starts ? 0 : 1);
        if (!starts)
            QVERIFY(rig.boxes.boxes.last().text.contains(ending == "missing" ? "インストールされていません" : "起動できません"));
        if (starts) {
            QCOMPARE(rig.starter.calls.last().program, prog("velmoinit"));
            QCOMPARE(rig.controller.isPaused(), !pausedBefore); // the opening toggles the pause
            rig.link.deliver(""); // the item's text at connection means nothing
            rig.store.stored.intervalMinutes = qint16(newInterval);
            if (ending == "OK")
                rig.link.deliver("OK");
            if (ending != "gone")
                rig.link.deliver("end");
            rig.link.gone(); // the source closed, died or never answered
        }
        QVERIFY(!rig.controller.propertyWindowOpen() && !rig.link.isOpen && rig.tray.shown);
        const bool timer = !pausedAfter && newInterval > 0;
        QCOMPARE((QList<bool>{rig.controller.isPaused(), rig.tray.stopChecked, rig.tray.paused, rig.timer.running,
                              rig.tray.stopEnabled}),
                 (QList<bool>{pausedAfter, pausedAfter, pausedAfter, timer, newInterval > 0}));
        QCOMPARE(rig.store.reads, ending == "OK" ? 2 : 1);
    }

    void confirmedChangeToModeZero_data()
    {
        QTest::addColumn<bool>("duringBox");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("savedMs");
        QTest::newRow("idle") << false << QStringList{"言葉3"} << 4;
        // The box of a double click is still open when "OK" comes: it is
        // not cut short, and the last display follows it from the new start line.
        QTest::newRow("while a box is open") << true << QStringList{"言葉1", "言葉3"} << 4;
    }
    void confirmedChangeToModeZero()
    {
        QFETCH(bool, duringBox);
        auto rig = start(11, 0, 2);
        rig->controller.openProperties();
        rig->store.stored.residentMode = 0;
        rig->store.stored.linePosition = 3;
        QStringList shown;
        rig->boxes.onShow = [&] {
            QCOMPARE(rig->exits.size(), 0);
            shown << rig->boxes.boxes.last().text;
            if (duringBox && shown.size() == 1)
                rig->link.deliver("OK");
        };
        duringBox ? rig->controller.trayDoubleClick() : rig->link.deliver("OK");
        QTEST(shown, "shown");
        QCOMPARE(rig->exits, QList<int>{0});
        QVERIFY(!rig->tray.shown && !rig->link.isOpen);
        QTEST(int(rig->store.saved.last()), "savedMs");
    }

    // "OK" comes while the box of a display is open: a start line moved in
    // the property window is the next quote; one left as it was advances.
    void startLineConfirmedDuringBox_data()
    {
        QTest::addColumn<int>("confirmed"); // the stored start line when "OK" comes
        QTest::addColumn<int>("next");
        QTest::newRow("moved") << 2 << 2;
        QTest::newRow("left as it was") << 4 << 5;
    }
    void startLineConfirmedDuringBox()
    {
        QFETCH(int, confirmed);
        QFETCH(int, next);
        Rig rig(cfg(11, 0, 1, "tamber.vmf", 3), m_prog.path(), m_work.path()); // shows line 3
        rig.controller.openProperties();
        rig.boxes.onShow = [&] {
            rig.store.stored.linePosition = qint16(confirmed);
            rig.link.deliver("OK");
        };
        rig.controller.playNow(); // line 4
        QCOMPARE(rig.store.stored.linePosition, qint16(next));
        rig.boxes.onShow = nullptr;
        rig.controller.playNow();
        QCOMPARE(rig.boxes.boxes.last().text, QStringLiteral("言葉%1").arg(next));
    }

    // What a later start hands to the resident viewer: no text is the next
    // quote at once; a text shows once, and the viewer's own file goes on.
    void handedOverCommandLines()
    {
        auto rig = start(10, 0, 1); // in order, as tambwin cards; line 1 at start
        const QString text = QStringLiteral("今日の一言");
        rig->controller.showHandedOver(QString());
        rig->controller.showHandedOver(text);
        rig->controller.showHandedOver(QString());
        QStringList shown;
        for (const RecordingStarter::Call &call : rig->starter.calls)
            shown << call.arguments.last();
        QCOMPARE(shown.size(), 4);
        QVERIFY(shown.at(1).startsWith(QStringLiteral("第2章")));
        QVERIFY(shown.at(2).contains(text) && !shown.at(2).contains(QStringLiteral("言葉")));
        QVERIFY(shown.at(3).startsWith(QStringLiteral("第3章")));
        QCOMPARE(rig->controller.state().settings.quoteSource, QString("tamber.vmf"));
    }

    void errorPath_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("culprit"); // named in the details with the reason
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing fixed file") << "quill.vmf" << prog("quill.vmf") << "ありません";
        QTest::newRow("32768 lines") << m_work.filePath("big.vmf") << m_work.filePath("big.vmf") << "行が多すぎます";
        QTest::newRow("named pipe") << m_work.filePath("pipe") << m_work.filePath("pipe") << "通常のファイルではありません";
        QTest::newRow("card program fails") << "tamber.vmf" << prog("tambwin") << "起動できません";
    }
    void errorPath()
    {
        QFETCH(QString, source);
        QTemporaryDir emptyWork;
        Rig rig(cfg(10, 1, 1, source, 2), m_prog.path(), emptyWork.path(), false);
        rig.controller.tick(); // closed: nothing more happens
        rig.controller.playNow();
        rig.controller.quit();
        QCOMPARE(rig.starter.calls.size(), source == "tamber.vmf" ? 1 : 0);
        QCOMPARE(rig.boxes.boxes.size(), 1);
        QCOMPARE((QStringList{rig.boxes.boxes.at(0).text, rig.boxes.boxes.at(0).title}),
                 (QStringList{"ファイルが適切でありません。", "ヴェルモ for Windows95"}));
        QFETCH(QString, culprit);
        QFETCH(QString, reason);
        const QString details = rig.boxes.boxes.at(0).details;
        QVERIFY2(details.startsWith(culprit + ": " + reason), qPrintable(details));
        QVERIFY(!rig.boxes.boxes.at(0).systemModal && !rig.tray.shown && !rig.timer.running);
        QCOMPARE(rig.exits, QList<int>{1});
        QCOMPARE(rig.store.saved, QList<qint16>{2}); // the failed display's position, not advanced
    }

    void endWhileBoxIsOpenThenSessionEnd()
    {
        auto rig = start(11, 0, 2);
        rig->boxes.onShow = [&] { rig->controller.quit(); };
        rig->controller.trayDoubleClick();
        rig->controller.unload();
        QCOMPARE(rig->boxes.boxes.size(), 1); // no error box after it
        QCOMPARE(rig->exits, QList<int>{0});
        QCOMPARE(rig->store.saved, QList<qint16>{1});
    }

    // A position that cannot be saved is said on stderr every time, in one
    // box per run of failures while the viewer runs, and in the exit code.
    void failedSave()
    {
        auto rig = start(11, 0, 2);
        rig->store.failSaves = true;
        const QString message = QStringLiteral("読み出し位置を保存できませんでした。");
        for (int i = 0; i < 4; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(message + " disk full"));
        rig->controller.playNow();
        rig->controller.playNow();
        rig->store.failSaves = false;
        rig->controller.playNow();
        rig->store.failSaves = true;
        rig->controller.playNow();
        rig->controller.quit();
        QStringList texts;
        for (const RecordingMessageBox::Box &box : rig->boxes.boxes)
            texts << box.text;
        QCOMPARE(texts, (QStringList{"言葉1", message + "\ndisk full", "言葉2", "言葉3", "言葉4", message + "\ndisk full"}));
        QCOMPARE(rig->store.saved, QList<qint16>{4});
        QCOMPARE(rig->exits, QList<int>{1});
    }

    // The real executable in a folder of its own with a store of its own;
    // the fake tambwin appends a line of its bracketed arguments per start.
    void velmo_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("calls"); // empty: no tambwin at all
        QTest::addColumn<int>("signal");    // that ends a resident one
        QTest::addColumn<QString>("savedMs");
        QFile quotes(qEnvironmentVariable("SUITE_DIR") + "/tamber.vmf");
        QVERIFY(quotes.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = quotes.readAll().split('\n');
        const auto cardCall = [&](int n) {
            return "[-s][" + card(QStringLiteral("第%1章").arg(n), Cp932::toUnicode(lines.value(n - 1).chopped(1))) + "]\n";
        };
        const QString text = QStringLiteral("今日の一言; rm -rf ~ $(touch pwned)");
        QTest::newRow("command-line text") << QByteArray("Jo=0\nSh=20\nMs=7") << QStringList{text}
                                           << "[-s][" + text + "]\n" << 0 << "7";
        // Saved after the display: a kill or a crash loses nothing.
        QTest::newRow("resident, killed") << QByteArray("Jo=1\nSh=10\nMs=5\nTim=1") << QStringList() << cardCall(5)
                                          << SIGKILL << "6";
        // "02" reads as 2 and is saved back as "2": the text shows the save.
        QTest::newRow("card program missing") << QByteArray("Jo=1\nSh=10\nMs=02") << QStringList() << "" << SIGTERM
                                              << "2";
        // Shown once, the run has no window until the error box makes one.
        QTest::newRow("shown once, card program missing") << QByteArray("Jo=0\nSh=10\nMs=03") << QStringList() << ""
                                                          << SIGTERM << "3";
    }
    void velmo()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, calls);
        QFETCH(int, signal);
        QFETCH(QString, savedMs);
        const bool cardProgram = !calls.isEmpty();
        VelmoRun run("[INI]\n" + settings + "\n");
        QVERIFY(QFile::copy(qEnvironmentVariable("SUITE_DIR") + "/tamber.vmf", run.dir.filePath("tamber.vmf")));
        if (cardProgram)
            writeFile(run.dir.filePath("tambwin"), kRecorder, true);
        QFETCH(QStringList, arguments);
        run.start(arguments);
        QByteArray errors;
        if (signal) {
            if (cardProgram)
                QTRY_COMPARE_WITH_TIMEOUT(run.read("calls"), calls, 15000);
            else // the error box waits for a person; its line on stderr comes first
                QTRY_VERIFY_WITH_TIMEOUT((errors += run.velmo.readAllStandardError()).contains("velmo:"), 15000);
            QCOMPARE(run.velmo.state(), QProcess::Running);
            if (signal == SIGKILL)
                QTRY_COMPARE(run.savedMs(), savedMs); // on disk while it runs
            ::kill(static_cast<pid_t>(run.velmo.processId()), signal);
        }
        QVERIFY(run.velmo.waitForFinished(15000));
        QCOMPARE(run.velmo.exitStatus() == QProcess::NormalExit && run.velmo.exitCode() == 0, signal != SIGKILL);
        QTRY_COMPARE(run.read("calls"), calls);
        QCOMPARE(run.savedMs(), savedMs);
        QVERIFY(!QFile::exists(run.dir.filePath("pwned")));
    }

    // Two starts of the real executable leave one resident: the second hands
    // its text to the first and ends with 0; the first shows it.
    void secondStartHandsOverToTheResidentOne()
    {
        VelmoRun run("[INI]\nJo=1\nSh=10\nMs=1\nTim=0\n");
        QVERIFY(QFile::copy(qEnvironmentVariable("SUITE_DIR") + "/tamber.vmf", run.dir.filePath("tamber.vmf")));
        writeFile(run.dir.filePath("tambwin"), kRecorder, true);
        const auto calls = [&] { return run.read("calls").split('\n', Qt::SkipEmptyParts); };
        run.start({});
        QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 1, 15000); // its own first quote: it listens now
        const QString text = QStringLiteral("二度目の起動");
        QProcess second;
        second.setEnvironment(run.velmo.environment());
        second.start(run.dir.filePath("velmo"), {text});
        QVERIFY(second.waitForFinished(15000));
        QVERIFY(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0);
        QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 2, 15000);
        QVERIFY(calls().at(1).contains(text));
        QCOMPARE(run.velmo.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(run.velmo.processId()), SIGTERM);
        QVERIFY(run.velmo.waitForFinished(15000));
    }
};

QTEST_MAIN(TestViewer)
#include "test_viewer.moc"
