#include "viewer/platformservices.h"
#include "viewer/quotefile.h"
#include "viewer/quoteplayer.h"
#include "viewer/residentchannel.h"
#include "viewer/residentstart.h"
#include "viewer/viewercontroller.h"

#include "fakes/fakepropertylink.h"
#include "fakes/faketicktimer.h"
#include "fakes/faketray.h"
#include "fakes/filebytes.h"
#include "fakes/fixedrandom.h"
#include "fakes/memorysettingsstore.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "shared/cp932.h"

#include <QtTest>

#include <future>

using Status = QuoteFile::Status;
using Place = TrayPresence::Place;
using Event = TrayActivation::Event;
Q_DECLARE_METATYPE(ViewerSettings)

namespace {
const QChar U(0x3000);
const QString UU(2, U);
const QString kCommandText = QStringLiteral("今日の一言; rm -rf ~ $(id)");
QString card(const QString &label, const QString &quote) { return label + QString(10, U) + ',' + U + quote + U; }
QByteArray fiveLines(const QString &w) { return Cp932::fromUnicode(QStringLiteral("@1\r\n@2\r\n@3\r\n@4\r\n@5\r\n").replace('@', w)); }
ViewerSettings cfg(int code, int interval, int mode, const QString &source = "tamber.vmf", int position = 1)
{
    return {source, ShowCode(quint8(code)), qint16(interval), qint16(position), quint8(mode)};
}
// What blocks, as a starting program may, on a thread of its own while the
// test's loop answers for the resident viewer.
template <typename F> auto whileLooping(F blocking)
{
    std::future<decltype(blocking())> done = std::async(std::launch::async, blocking);
    while (done.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return done.get();
}

struct Rig
{
    MemorySettingsStore store;
    FakeTray tray;
    FakeTickTimer timer;
    RecordingStarter starter;
    RecordingMessageBox boxes;
    FixedRandom random;
    FakePropertyLink link;
    ViewerController controller;
    QList<int> exits; // of each finished signal
    Rig(const QString &prog, const QString &work, bool startsOk = true)
        : controller({store, tray, timer, starter, boxes, random, link, prog, work}, {})
    {
        QObject::connect(&controller, &ViewerController::finished, [this](int code) { exits << code; });
        starter.succeed = startsOk;
    }
};
} // namespace

// Quote files, one display (QuotePlayer), the resident controller over the
// fakes, the start of a later viewer, and where the notification-area view
// goes on a desktop whose notification area comes, goes and comes back.
class TestViewer : public QObject
{
    Q_OBJECT
    QTemporaryDir m_work, m_prog;
    QString prog(const QString &name) const { return m_prog.filePath(name); }

private slots:
    void initTestCase()
    {
        for (const char *name : {"tamber.vmf", "dastor.vmf", "anitamb.vmf", "mirelle.vmf", "quill.vmf", "Tamber.vmf"})
            QVERIFY(writeAll(m_work.filePath(name), fiveLines("言葉")));
        // A fixed file is looked for in the working folder first, then beside the program.
        QVERIFY(writeAll(prog("tamber.vmf"), fiveLines("隣")) && writeAll(prog("tambkari.vmf"), fiveLines("隣")));
        QVERIFY(writeAll(prog("velmoinit"), "#!/bin/sh\n") && QFile::setPermissions(prog("velmoinit"), QFile::ExeOwner));
        QVERIFY(writeAll(m_work.filePath("other"), "ファイルの行\r\n")); // never read in the command-line mode
        QVERIFY(writeAll(m_work.filePath("empty.vmf"), {}));
        QVERIFY(writeAll(m_work.filePath("full.vmf"), QByteArray(32766, '\n') + "last"));
        QVERIFY(writeAll(m_work.filePath("big.vmf"), QByteArray(32768, '\n')));
        QVERIFY(writeAll(m_work.filePath("pipe"), "fifo"));
        QVERIFY(writeAll(m_work.filePath("binary"), QByteArray("ab\0cd\r\n", 7)));
    }

    // CR LF Shift-JIS, as the other programs expect; one record per episode or title where counted.
    void shippedFiles()
    {
        for (const QString name : {"tamber", "dastor", "animir", "anitamb", "mirelle", "tambkari", "quill"}) {
            const QString path = qEnvironmentVariable("SUITE_DIR") + "/" + name + ".vmf";
            const QByteArray bytes = readAll(path);
            const QuoteFile::Scan scan = QuoteFile::scan(path);
            const int count = name == "anitamb" ? 45 : name == "mirelle" ? 74 : 0;
            QVERIFY2(bytes.endsWith("\r\n") && bytes.count('\n') == bytes.count("\r\n")
                         && Cp932::fromUnicode(Cp932::toUnicode(bytes)) == bytes && scan.status == Status::Ok
                         && !scan.utf8 && (count ? scan.lineCount == count : scan.lineCount >= 30),
                     qPrintable(name));
        }
    }

    // What one display starts or shows, per source, order and output. The
    // first matching output row wins; a random order ignores the position:
    // line floor(5 r + 1).
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
        const QString full = m_work.filePath("full.vmf");
        row("1 dastor 22, r .79", "dastor.vmf", 22, 1, 0.79, {prog("dastor")}, 5);
        row("2 anitamb card by number", "anitamb.vmf", 10, 5, 0, {prog("tambwin"), "5"}, 1);
        row("3 mirelle 21, r .5", "mirelle.vmf", 21, 1, 0.5, {"「言葉3の巻」", "月影ミレル 第3話" + UU}, 4);
        row("4 mirelle 12", "mirelle.vmf", 12, 4, 0, {prog("dastor"), "「言葉4の巻」"}, 5);
        row("5 tamber 20, r 0", "tamber.vmf", 20, 4, 0, {prog("tambwin"), "-s", card("第1章", "言葉1")}, 2);
        row("6 quill 23, r below 1", "quill.vmf", 23, 1, 0.9999999999999999, {prog("mirwin"), "言葉5"}, 1);
        row("7 dastor 11, beyond the end", "dastor.vmf", 11, 99, 0, {"言葉5", "ダストル 第5話" + UU}, 1);
        row("position 0, unknown code 5", "tamber.vmf", 5, 0, 0, {"言葉5", tamber + "第0章" + UU}, 1);
        row("tambkari, beside the program", "tambkari.vmf", 11, 2, 0, {"隣2", tamber + "第2話" + UU}, 3);
        row("capital initial is a user file", "Tamber.vmf", 11, 2, 0, {"言葉2", "Tamber.vmf - 2" + UU}, 3);
        // The last of 32767 lines is followed by line 1, not by a position past the 16-bit range.
        row("last of a full file", full, 11, 32767, 0, {"last", full + " - 32767" + UU}, 1);
        row("empty file keeps the last line", empty, 21, 4, 0.5, {"前回の言葉", empty + " - 0" + UU}, 1);
        row("command line: no file, no draw", "other", 21, 7, 0, {kCommandText, "ヴェルモ" + UU}, 7);
        // Line ends, encodings and sizes of a file of the user's own.
        const auto file = [this](const char *name, const QByteArray &content, int position, const QString &line, int next) {
            QVERIFY(writeAll(m_work.filePath(name), content));
            QTest::newRow(name) << m_work.filePath(name) << 11 << position << 0.0
                                << QStringList{line, m_work.filePath(name) + " - " + QString::number(position) + UU} << next;
        };
        file("crlf, an empty line, an open last line", "a\r\n\r\nb", 3, "b", 1);
        file("lone cr", "a\rb\n\nc\n", 4, "c", 1);
        // Records and CR LF pairs that straddle the 64 KiB read size.
        file("chunks", QByteArray(65535, 'a') + "\r\nb\r\n" + QByteArray(65532, 'c') + "\r\nd", 4, "d", 1);
        const QString q = QStringLiteral("星環タンバー、発進！");
        file("utf-8", "\xEF\xBB\xBF" + (q + "\r\n").toUtf8(), 1, q, 1);
        // ～ and ① exist only in the code page's own extensions.
        file("cp932", Cp932::fromUnicode(q) + "\x81\x60\x87\x40\r\n", 1, q + "～①", 1);
        file("huge line, cut on a character", "a\r\n" + Cp932::fromUnicode(QString(1 << 19, u'星')) + "\r\nb", 2,
             QString(QuoteFile::kMaxLineBytes / 2, u'星'), 3);
        const QString binary = m_work.filePath("binary");
        row("binary", binary, 11, 1, 0, {binary + ": テキストファイルではありません"}, 1);
        // The failures: the culprit and the reason, the position not advanced.
        const QString big = m_work.filePath("big.vmf"), pipe = m_work.filePath("pipe");
        row("missing fixed file", "animir.vmf", 11, 2, 0, {prog("animir.vmf") + ": ありません"}, 2);
        row("32768 lines", big, 11, 2, 0, {big + ": 行が多すぎます"}, 2);
        row("named pipe", pipe, 11, 2, 0, {pipe + ": 通常のファイルではありません"}, 2);
    }
    void outputs()
    {
        QFETCH(QString, source);
        QFETCH(int, code);
        QFETCH(int, position);
        Rig rig(m_prog.path(), m_work.path());
        QuotePlayer player(rig.starter, rig.boxes, rig.random, m_prog.path(), m_work.path());
        player.state() = {cfg(code, 0, 1, source, position), kCommandText, QStringLiteral("前回の言葉"), 0, {}, {}};
        QFETCH(double, r);
        rig.random.r = r;
        const bool played = player.play();
        QStringList seen; // each start as its program and arguments, each box as its text and title
        for (const RecordingStarter::Call &call : rig.starter.calls)
            seen << call.program << call.arguments;
        for (const RecordingMessageBox::Box &box : rig.boxes.boxes)
            seen << box.text << box.title;
        QTEST(seen + (played ? QStringList() : QStringList{player.failure().section(" (", 0, 0)}), "seen");
        QCOMPARE(rig.random.draws, played && source != "other" && code >= 20 && code <= 23 ? 1 : 0);
        QTEST(int(player.state().settings.linePosition), "next");
    }

    // A run of the viewer as steps: t a minute's tick, p a display by hand,
    // z stop1, f saves fail from here on, s they succeed again, r settings
    // read again; o the property window opened from the menu, and from it
    // 0-9 a start line saved, x showing once saved, i no interval saved, k
    // OK, e its end, g the link gone; h a later start hands over a text, n
    // none; (...) the steps inside run while the next box is open. Settings
    // saved elsewhere have an interval of 1. What it showed, each as
    // "minute:" and a box's text (a box that is not a quote with its title
    // and details) or a started program; ")" where the steps inside a box
    // end; the positions it saved, how it ended and whether it is paused.
    void run_data()
    {
        QTest::addColumn<ViewerSettings>("settings");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QList<int>>("saved");
        QTest::addColumn<int>("exit"); // -1: still running
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QString>("programs"); // all, failing or none
        QTest::addColumn<int>("warnings");
        const auto row = [](const char *name, const ViewerSettings &settings, const char *steps, const QStringList &shown,
                            const QList<int> &saved, int exit, bool paused = false, const char *programs = "all",
                            int warnings = 0) {
            QTest::newRow(name) << settings << QString(steps) << shown << saved << exit << paused << QString(programs)
                                << warnings;
        };
        // After each display, and again on closing; one by hand and stop1
        // twice do not move the periodic displays.
        row("once", cfg(11, 5, 0), "ttpz", {"0:言葉1"}, {2, 2}, 0);
        row("resident every 5", cfg(11, 5, 1), "ttptttttzztttttttt", {"0:言葉1", "2:言葉2", "5:言葉3", "10:言葉4", "15:言葉5"},
            {2, 3, 4, 5, 1}, -1);
        row("silent every 4", cfg(11, 4, 2), "ttptttttzztttttttt", {"2:言葉1", "4:言葉2", "8:言葉3", "12:言葉4"},
            {2, 3, 4, 5}, -1);
        row("negative interval", cfg(11, -4, 1), "ttpz", {"0:言葉1", "2:言葉2"}, {2, 3}, -1);
        // Settings saved by a window it did not open are read again, but a
        // pause of the person's own stays.
        row("paused, settings read again", cfg(11, 5, 1), "zrtt", {"0:言葉1"}, {2}, -1, true);
        // A failed display ends the viewer at once, its position not advanced.
        row("card program fails", cfg(10, 1, 1, "tamber.vmf", 2), "tpq",
            {"0:[ヴェルモ for Windows95] ファイルが適切でありません。 " + prog("tambwin") + ": 起動できません", "0:tambwin"}, {2},
            1, false, "failing");
        // A position that cannot be saved is said on stderr every time, in
        // one box per run of failures while the viewer runs but none on
        // closing, and in the exit code.
        const QString box = "0:[ヴェルモ for Windows95] 読み出し位置を保存できませんでした。\ndisk full";
        row("failed saves", cfg(11, 0, 2), "fppspfpspfq", {"0:言葉1", box, "0:言葉2", "0:言葉3", "0:言葉4", box, "0:言葉5"},
            {4, 1}, 1, false, "all", 4);
        // The property window pauses the viewer while it is open (it sees
        // the position saved) and its OK ends the pause; otherwise the
        // pause before it stays. Only a window that could not be had is
        // reported, each way apart.
        const QString noWindow = "0:[ヴェルモ for Windows95] プロパティの設定プログラム (velmoinit) ";
        row("window: paused, OK", cfg(11, 3, 2), "zokett", {"0:velmoinit", "1:言葉1", "2:言葉2"}, {1, 2, 3}, -1);
        row("window: OK with no interval", cfg(11, 3, 2), "oikett", {"0:velmoinit"}, {1}, -1);
        row("window: cancel", cfg(11, 3, 2), "ottettt", {"0:velmoinit", "5:言葉1"}, {1, 2}, -1);
        row("window: paused, crash or no answer", cfg(11, 3, 2), "zogt", {"0:velmoinit"}, {1}, -1, true);
        row("window: not installed", cfg(11, 3, 2), "zo", {noWindow + "がインストールされていません。"}, {1}, -1, true, "none");
        row("window: start fails", cfg(11, 3, 2), "o", {noWindow + "を起動できませんでした。", "0:velmoinit"}, {1}, -1, false,
            "failing");
        // While the box of line 3 is open, OK comes from the window or a
        // later start hands over its text. The box is not cut short; a
        // start line moved in the window is the next quote, one left as it
        // was advances, and a change to showing once ends after that quote.
        // A hand-over is shown after the box; the own order goes on.
        const ViewerSettings line3 = cfg(11, 0, 2, "tamber.vmf", 3);
        row("in a box: moved", line3, "o(2k)ppe", {"0:velmoinit", "0:言葉3", ")", "0:言葉2"}, {3, 2, 3}, -1);
        row("in a box: left as it was", line3, "o(3k)ppe", {"0:velmoinit", "0:言葉3", ")", "0:言葉4"}, {3, 4, 5}, -1);
        row("in a box: show once now", line3, "o(2xk)ppe", {"0:velmoinit", "0:言葉3", ")", "0:言葉2"}, {3, 2, 3, 3}, 0);
        row("in a box: next quote", line3, "(n)pp", {"0:言葉3", ")", "0:言葉4", "0:言葉5"}, {4, 5, 1}, -1);
        row("in a box: a text", line3, "(h)pp", {"0:言葉3", ")", "0:手渡し", "0:言葉4"}, {4, 4, 5}, -1);
    }
    void run()
    {
        QFETCH(ViewerSettings, settings);
        QFETCH(int, exit);
        QFETCH(QString, programs);
        QFETCH(int, warnings);
        for (int i = 0; i < warnings; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("読み出し位置を保存できませんでした。 disk full"));
        QTemporaryDir none;
        Rig rig(programs == "none" ? none.path() : m_prog.path(), m_work.path(), programs != "failing");
        int minute = 0;
        qsizetype started = 0;
        QStringList shown;
        const auto logStarts = [&] {
            while (started < rig.starter.calls.size())
                shown << QString::number(minute) + ':' + QFileInfo(rig.starter.calls.at(started++).program).fileName();
        };
        ViewerSettings &stored = rig.store.stored; // what the viewer reads
        ViewerController &viewer = rig.controller;
        const QHash<QChar, std::function<void()>> actions = {
            {'t', [&] { rig.timer.tick(); }},
            {'p', [&] { viewer.playNow(); }},
            {'z', [&] { viewer.pauseRequested(); }},
            {'q', [&] { viewer.quit(); }},
            {'r', [&] { viewer.reloadSettings(); }},
            {'f', [&] { rig.store.failSaves = true; }},
            {'s', [&] { rig.store.failSaves = false; }},
            {'o', [&] { viewer.openProperties(); }},
            {'x', [&] { stored.residentMode = 0; }},
            {'i', [&] { stored.intervalMinutes = 0; }},
            {'k', [&] { rig.link.deliver("OK"); }},
            {'e', [&] { rig.link.deliver("end"); }},
            {'g', [&] { rig.link.gone(); }},
            {'h', [&] { viewer.showHandedOver("手渡し"); }},
            {'n', [&] { viewer.showHandedOver(""); }},
        };
        const auto step = [&](QChar c) {
            if (c.isDigit())
                stored.linePosition = qint16(c.digitValue());
            else
                actions.value(c)();
            logStarts();
        };
        QString inBox; // steps for the next box
        rig.boxes.onShow = [&] {
            const RecordingMessageBox::Box &box = rig.boxes.boxes.last();
            shown << QString::number(minute) + ':' + (box.systemModal ? QString() : '[' + box.title + "] ") + box.text
                         + (box.details.isEmpty() ? QString() : ' ' + box.details);
            if (inBox.isEmpty())
                return;
            for (const QChar inner : std::exchange(inBox, QString()))
                step(inner);
            shown << ")";
        };
        rig.store.stored = settings;
        rig.controller.load();
        logStarts();
        rig.store.stored.intervalMinutes = 1;
        QFETCH(QString, steps);
        for (const QString &piece : steps.split('(')) {
            inBox = piece.section(')', 0, -2); // what came after a "("
            for (const QChar c : piece.section(')', -1)) {
                minute += c == 't' ? 1 : 0;
                step(c);
            }
        }
        QTEST(shown, "shown");
        QFETCH(QList<int>, saved);
        QCOMPARE(rig.store.saved, QList<qint16>(saved.begin(), saved.end()));
        QFETCH(bool, paused);
        const bool periodic = rig.controller.state().settings.intervalMinutes > 0;
        QCOMPARE((QList<bool>{rig.controller.isPaused(), rig.tray.stopChecked, rig.tray.paused, rig.timer.running,
                              rig.tray.stopEnabled, rig.tray.shown, rig.link.isOpen || rig.controller.propertyWindowOpen()}),
                 (QList<bool>{paused, paused, paused, !paused && exit < 0 && periodic, periodic, exit < 0, false}));
        QCOMPARE(rig.exits, exit < 0 ? QList<int>() : QList<int>{exit});
    }

    // What a later start does, over a socket of the test's own: hand its
    // text to the resident viewer, say that the one holding the lock does
    // not answer or refuses, or become the resident viewer itself.
    void laterStart_data()
    {
        QTest::addColumn<QString>("resident"); // none, hung (lock only), stopped (never answers), taking, busy
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("exitCode"); // -1: becomes the resident viewer
        QTest::addColumn<QStringList>("boxes");
        const QStringList none, notAnswering{ResidentStart::kNotAnsweringMessage}, refused{ResidentStart::kRefusedMessage};
        QTest::newRow("no viewer runs") << "none" << "x" << -1 << none;
        QTest::newRow("hung before listening") << "hung" << "x" << 1 << notAnswering;
        QTest::newRow("stopped") << "stopped" << "x" << 1 << notAnswering;
        QTest::newRow("no text") << "taking" << QString() << 0 << none;
        QTest::newRow("shell syntax, line ends") << "taking" << "今日; $(x)\n二\r三" << 0 << none;
        QTest::newRow("900 KiB") << "taking" << QString(300 * 1024, u'星') << 0 << none;
        QTest::newRow("beyond any command line")
            << "taking" << QString(ResidentChannel::kMaxCommandLineBytes + 1, 'x') << 1 << refused;
        QTest::newRow("not taken now") << "busy" << "x" << 1 << refused;
        QTest::newRow("settings saved by a window") << "taking" << "<reload>" << 0 << none;
    }
    void laterStart()
    {
        QFETCH(QString, resident);
        QFETCH(QString, commandLine);
        const QString path = m_work.filePath("later");
        {
            ResidentChannel running(path);
            if (resident != "none")
                QCOMPARE(running.claim(), InstanceLock::State::Held);
            if (resident != "none" && resident != "hung")
                QVERIFY(running.listen());
            running.setGate([resident] { return resident != "busy"; });
            QStringList received;
            connect(&running, &ResidentChannel::commandLineReceived, this, [&](const QString &l) { received << l; });
            connect(&running, &ResidentChannel::reloadRequested, this, [&] { received << "<reload>"; });
            RecordingMessageBox boxes;
            const bool answers = resident == "taking" || resident == "busy";
            const auto later = [&] {
                ResidentChannel channel(path);
                if (commandLine == "<reload>")
                    return channel.requestReload(QDeadlineTimer(20000)) ? 0 : 1;
                return ResidentStart::settle(channel, commandLine, boxes, answers ? 20000 : 300).value_or(-1);
            };
            // Without the loop the resident one never answers.
            const int exitCode = answers ? whileLooping(later) : later();
            QTEST(exitCode, "exitCode");
            QStringList texts;
            for (const RecordingMessageBox::Box &box : boxes.boxes)
                texts << box.text;
            QTEST(texts, "boxes");
            QTRY_COMPARE(received, exitCode == 0 ? QStringList{commandLine} : QStringList());
        }
        // Whoever held it let go on ending: the next start is resident.
        QCOMPARE(ResidentChannel(path).claim(), InstanceLock::State::Held);
    }

    // Each look: "+ms" an area is there at that time, "-ms" none; each
    // place: I the icon, W the window, . waiting.
    void presence_data()
    {
        QTest::addColumn<QString>("looks");
        QTest::addColumn<QString>("places");
        QTest::newRow("late panel") << "-0 -29999 +30000" << "..I";
        // The wait starts when the area is first seen missing, not at start.
        QTest::newRow("gone later, back") << "+0 -60000 -80000 -90000 +95000" << "I..WI";
        QTest::newRow("gone twice") << "-0 -30000 +31000 -32000 -61999" << ".WI..";
    }
    void presence()
    {
        QFETCH(QString, looks);
        TrayPresence presence(SystemTrayView::kWaitMs);
        QString places;
        for (const QString &look : looks.split(' ')) {
            const Place place = presence.look(look[0] == '+', look.mid(1).toInt());
            places += place == Place::Icon ? 'I' : place == Place::Window ? 'W' : '.';
        }
        QTEST(places, "places");
    }

    // Qt reports a double click on an embedded icon as c(lick), d(ouble
    // click); a StatusNotifier panel sends one click per click; o: other.
    void activation_data()
    {
        QTest::addColumn<bool>("statusNotifier");
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("quotes");
        QTest::newRow("embedded: click") << false << "c" << 0;
        QTest::newRow("embedded: double click") << false << "cd" << 1;
        QTest::newRow("panel: click") << true << "c" << 1;
        QTest::newRow("panel and embedded icon: double click") << true << "cd" << 1;
        QTest::newRow("panel: menu, then double click") << true << "od" << 1;
    }
    void activation()
    {
        QFETCH(bool, statusNotifier);
        QFETCH(QString, events);
        TrayActivation activation;
        int quotes = 0;
        for (const QChar e : events)
            quotes += activation.shows(e == 'c' ? Event::Click : e == 'd' ? Event::DoubleClick : Event::Other,
                                       [&] { return statusNotifier; });
        QTEST(quotes, "quotes");
    }
};

QTEST_MAIN(TestViewer)
#include "test_viewer.moc"
