#include "fakes/filebytes.h"
#include "fakes/formprobe.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "fakes/scripteddialogbinding.h"
#include "fakes/scriptedquestionbox.h"
#include "second_config/episodetitles.h"
#include "second_config/mirinitwindow.h"
#include "second_config/mirwinsettingsfile.h"
#include "second_config/risingscrollbar.h"
#include "shared/cp932.h"

#include <QtWidgets>

#include <sys/stat.h>

Q_DECLARE_METATYPE(MirwinSettings)

template <> char *QTest::toString(const MirwinSettings &s)
{
    const QString size = s.size ? QString::number(*s.size) : QStringLiteral("unset");
    return qstrdup(QStringLiteral("{%1, %2, %3, %4}").arg(s.faceName, size).arg(s.vertical).arg(s.horizontal).toUtf8());
}

using S = MirwinSettings;

// Records each start, keeps the settings file as mirwin finds it then, and
// writes a file of its own, as another writer might: a second write by
// mirinit afterwards would show.
struct SnapshotStarter : RecordingStarter
{
    bool start(const QString &program, const QStringList &arguments) override
    {
        fileAtStart = readAll(settingsPath);
        writeAll(settingsPath, kOtherWriter);
        return RecordingStarter::start(program, arguments);
    }
    static inline const QByteArray kOtherWriter = "Other\r\n+2\r\n 2 \r\n 2 \r\n";
    QString settingsPath;
    QByteArray fileAtStart;
};

// The real window driven through its controls by object name, with a
// recording starter, scripted dialogs and questions, and a scratch program
// folder for mirwin.ini; and mirwin.ini as mirinit and velmoinit write and
// read it.
class TestMirinitWindow : public QObject
{
    Q_OBJECT

    // A mnemonic clicks its control a moment later, as a mouse click would.
    void alt(Qt::Key key) const { QTest::keyClick(m_window.get(), key, Qt::AltModifier); }
    // formAct, with "alt M": a mode, waited for.
    void act(const QString &steps) const
    {
        formAct(m_window.get(), steps, [this](const QStringList &w) {
            alt(Qt::Key(QKeySequence::fromString(w[1])[0].key()));
            const char *option = w[1] == "U" ? "Option1" : w[1] == "M" ? "Option2" : "Option3";
            QTRY_VERIFY(m_window->findChild<QRadioButton *>(option)->isChecked());
        });
    }
    QString ini() const { return m_folder.filePath(MirwinSettingsFile::kFileName); }
    void open()
    {
        m_window = std::make_unique<MirinitWindow>(
            MirinitWindow::Services{m_starter, m_dialogs, m_messages, m_questions}, ini(), m_folder.path());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void exitAndWait() const
    {
        alt(Qt::Key_X);
        QTRY_VERIFY(!m_window->isVisible());
    }

    QTemporaryDir m_folder;
    SnapshotStarter m_starter;
    ScriptedDialogBinding m_dialogs;
    RecordingMessageBox m_messages;
    ScriptedQuestionBox m_questions;
    std::unique_ptr<MirinitWindow> m_window;

private slots:
    void init()
    {
        QFile::remove(ini());
        m_starter = SnapshotStarter();
        m_starter.settingsPath = ini();
        m_messages = RecordingMessageBox();
        m_questions = ScriptedQuestionBox();
    }

    void cleanup() { m_window.reset(); }

    // Each row: mirwin.ini at opening (empty: none), steps (act), what the
    // named controls then show (formLook), and the file the close leaves. The
    // size label stays empty until its bar moves; each mode enables its own
    // controls, and Text1 keeps its text throughout.
    void controls_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("written");
        const QByteArray defaults = "\r\n\r\n 0 \r\n 0 \r\n";
        const auto row = [](const char *name, const QByteArray &file, const char *steps, const QString &shown,
                            const QByteArray &written) { QTest::newRow(name) << file << QString(steps) << shown << written; };
        const QString face = QStringLiteral("IPA Pゴシック");
        const QByteArray full = Cp932::fromUnicode(face) + "\r\n+12\r\n 20 \r\n-5 \r\n";
        row("no file", {}, "", "Text2= Label3= Label5= VScroll1=0 VScroll2=0 HScroll2=0", defaults);
        row("all set; modes change no setting", full, "alt S; alt M",
            "Text2=" + face + " Label3=+12 Label5=( -5 , 20 ) VScroll1=12 VScroll2=20 HScroll2=-5", full);
        row("size 0", "\r\n0\r\n 0 \r\n 0 \r\n", "", "Label3=0 VScroll1=0", "\r\n0\r\n 0 \r\n 0 \r\n");
        // Shown within the bars; left as it is, since nothing was changed.
        row("beyond the bars", "F\r\n-40\r\n 101 \r\n99999\r\n", "",
            "Label3=-39 Label5=( 100 , 100 ) VScroll1=-39 VScroll2=100 HScroll2=100", "F\r\n-40\r\n 101 \r\n99999\r\n");
        row("arrows: the size label stays empty", {}, "top VScroll2; key HScroll2 Right", "Label3= Label5=( 1 , 1 )",
            "\r\n\r\n 1 \r\n 1 \r\n");
        row("size by arrows and pages", {}, "bottom VScroll1; key VScroll1 Up*3; key VScroll1 PgUp*3", "Label3=+5",
            "\r\n+5\r\n 0 \r\n 0 \r\n");
        row("to the bottom and left ends", {}, "key VScroll1 End; key VScroll2 End; key HScroll2 Home",
            "Label3=-39 Label5=( -100 , -100 )", "\r\n-39\r\n-100 \r\n-100 \r\n");
        row("to the top and right ends", full, "key VScroll1 Home; key VScroll2 Home; key HScroll2 End; key VScroll1 Up",
            "Label3=+200 Label5=( 100 , 100 )", Cp932::fromUnicode(face) + "\r\n+200\r\n 100 \r\n 100 \r\n");
        const EpisodeTitles titles = EpisodeTitles::load();
        row("automatic", {}, "alt S; type Text1 free; alt U",
            "Text1(disabled)(grey)=free Text3(disabled)=" + titles.line(1) + " HScroll1(disabled)=1", defaults);
        row("episode 1, no lower", {}, "alt S; type Text1 free; alt M; key HScroll1 Left",
            "Text1(disabled)(grey)=free Text3=" + titles.line(1) + " HScroll1=1", defaults);
        row("episode 74, no higher", {}, "alt M; key HScroll1 End; key HScroll1 Right",
            QStringLiteral("Text3=第74話 ") + titles.title(74) + " HScroll1=74", defaults);
        row("free text", {}, "alt M; alt S; type Text1 free", "Text1=free Text3(disabled)=" + titles.line(1), defaults);
    }
    void controls()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QVERIFY(file.isEmpty() || writeAll(ini(), file));
        open();
        QFETCH(QString, steps);
        act(steps);
        // The vertical bars read upwards.
        const QString seen = formLook(m_window.get(), shown, [](const QString &, QWidget *control) {
            auto *bar = qobject_cast<QScrollBar *>(control);
            return bar ? QString::number(qobject_cast<RisingScrollBar *>(bar) ? -bar->value() : bar->value()) : QString();
        });
        QCOMPARE(seen, shown);
        m_window->close(); // the close box
        QTEST(readAll(ini()), "written");
        QVERIFY(m_questions.questions.isEmpty());
    }

    // 実行 saves once, whole, then starts mirwin and ends, and tells of a
    // mirwin that does not start; the close after it writes nothing over
    // what mirwin reads.
    void run_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("starts");
        QTest::newRow("automatic") << "alt U" << QStringList() << true;
        QTest::newRow("episode 4") << "alt M; key HScroll1 Right*3" << QStringList{"4"} << true;
        QTest::newRow("free text as one argument")
            << "alt S" << QStringList{QStringLiteral(" 第3章　, \"q\" $(id) `x` ; \\ ")} << true;
        QTest::newRow("mirwin does not start") << "alt U" << QStringList() << false;
    }
    void run()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, arguments);
        QFETCH(bool, starts);
        m_starter.succeed = starts;
        open();
        act("key HScroll2 Left; " + steps);
        if (steps == "alt S") // the free text typed is the argument
            formType(formChild(m_window.get(), "Text1"), arguments.value(0));
        // The program's event loop ends with the window.
        QTimer::singleShot(0, this, [this] { alt(Qt::Key_R); });
        QTimer lingering;
        lingering.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
        lingering.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_starter.calls.size(), 1);
        QCOMPARE(m_starter.calls.at(0).program, m_folder.filePath("mirwin"));
        QCOMPARE(m_starter.calls.at(0).arguments, arguments);
        QCOMPARE(m_starter.fileAtStart, QByteArray("\r\n\r\n 0 \r\n-1 \r\n"));
        QCOMPARE(readAll(ini()), SnapshotStarter::kOtherWriter);
        QCOMPARE(m_messages.boxes.size(), starts ? 0 : 1);
        QVERIFY(starts || m_messages.boxes.at(0).text.contains(m_folder.filePath("mirwin")));
    }

    // Something at the file's place that is no readable file (here a named
    // pipe) is never written over: unchanged settings leave quietly; after a
    // change each way out asks, with the reason, and the window stays unless
    // the person chooses to leave without saving. A file another program
    // saved meanwhile keeps every value this window did not change; the font
    // dialog starts at the face shown, and of its choice only the face is taken.
    void saveAgainstTheFileOnDisk()
    {
        QVERIFY(writeAll(ini(), "fifo"));
        open();
        exitAndWait();
        open();
        act("key VScroll2 Up");
        alt(Qt::Key_X);
        QTRY_COMPARE(m_questions.questions.size(), 1);
        QVERIFY(m_questions.questions.at(0).contains(ini()));
        QVERIFY(m_questions.questions.at(0).contains("通常のファイルではありません"));
        alt(Qt::Key_R);
        QTRY_COMPARE(m_questions.questions.size(), 2);
        m_window->close();
        QCOMPARE(m_questions.questions.size(), 3);
        QVERIFY(m_window->isVisible());
        m_questions.answer = true;
        alt(Qt::Key_R);
        QTRY_VERIFY(!m_window->isVisible());
        QVERIFY(m_starter.calls.isEmpty());
        QVERIFY(QFileInfo(ini()).exists() && !QFileInfo(ini()).isFile());

        QVERIFY(QFile::remove(ini()) && writeAll(ini(), "Mine\r\n+3\r\n 0 \r\n 0 \r\n"));
        open();
        QVERIFY(writeAll(ini(), SnapshotStarter::kOtherWriter));
        m_dialogs.fontAnswer = {1, 0, QFont(QStringLiteral("IPAPGothic"), 30, QFont::Bold), Qt::red};
        act("key VScroll2 Up; click Command4");
        QCOMPARE(m_dialogs.fontRequests.value(0).font.family(), "Mine");
        exitAndWait();
        QCOMPARE(readAll(ini()), QByteArray("IPAPGothic\r\n+2\r\n 1 \r\n 2 \r\n"));
    }

    // Settings to the exact bytes of the file, and back to the same settings.
    void writtenForm_data()
    {
        QTest::addColumn<MirwinSettings>("written");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("defaults: 14 bytes") << MirwinSettings() << QByteArray("\r\n\r\n 0 \r\n 0 \r\n");
        const struct { int size; const char *text; } sizes[] = {{1, "+1"}, {0, "0"}, {-1, "-1"}};
        for (const auto &s : sizes)
            QTest::addRow("size %s", s.text)
                << S{{}, s.size, 0, 0} << "\r\n" + QByteArray(s.text) + "\r\n 0 \r\n 0 \r\n";
        QTest::newRow("offsets 100, -100")
            << S{{}, {}, 100, -100} << QByteArray("\r\n\r\n 100 \r\n-100 \r\n");
        const QString japanese = QStringLiteral(" ＭＳ Ｐゴシック  ");
        QTest::newRow("japanese face with spaces")
            << S{japanese, 12, 0, 0} << Cp932::fromUnicode(japanese) + "\r\n+12\r\n 0 \r\n 0 \r\n";
        // Stored as question marks it would never find its font again.
        const QString hangul = QStringLiteral("나눔고딕 Bold");
        QTest::newRow("face beyond code page 932")
            << S{hangul, {}, 0, 0} << hangul.toUtf8() + "\r\n\r\n 0 \r\n 0 \r\n";
    }
    void writtenForm()
    {
        QFETCH(MirwinSettings, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(MirwinSettingsFile::kFileName);
        QVERIFY(writeAll(path, "an older, longer file\r\nline 2\r\nline 3\r\nline 4\r\nline 5\r\n"));
        QVERIFY(MirwinSettingsFile::write(path, written));
        QTEST(readAll(path), "bytes");
        QCOMPARE(MirwinSettingsFile::read(path).settings, written);
    }

    // Files from other writers, editors and accidents.
    void readText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<MirwinSettings>("read");
        const MirwinSettings defaults;
        QTest::newRow("empty file") << QByteArray() << defaults;
        QTest::newRow("two lines") << QByteArray("Sans\r\n+5\r\n") << S{"Sans", 5, 0, 0};
        QTest::newRow("empty size line") << QByteArray("F\r\n\r\n 3 \r\n-4 \r\n") << S{"F", {}, 3, -4};
        QTest::newRow("blanks around numbers")
            << QByteArray("\r\n \t+7 \r\n\t-8\t\r\n   +9\r\n") << S{{}, 7, -8, 9};
        QTest::newRow("not numbers") << QByteArray("\r\n12abc\r\n- 5\r\n+\r\n") << defaults;
        // Each range at both ends, just inside and just beyond.
        const struct { const char *size, *offset; int sizeRead, offsetRead; } ends[] = {
            {"-40", "-101", -39, -100}, {"-39", "-100", -39, -100}, {"+200", "100", 200, 100},
            {"201", " 101 ", 200, 100}, {"-99999999999999999999", "99999999999999999999", -39, 100}};
        for (const auto &e : ends)
            QTest::addRow("size %s, offsets %s", e.size, e.offset)
                << "\r\n" + QByteArray(e.size) + "\r\n" + e.offset + "\r\n" + e.offset + "\r\n"
                << S{{}, e.sizeRead, e.offsetRead, e.offsetRead};
        QTest::newRow("LF line ends") << QByteArray("F\n-2\n 1 \n 2 \n") << S{"F", -2, 1, 2};
        QTest::newRow("lines after the fourth")
            << QByteArray("F\r\n+1\r\n 2 \r\n-3 \r\n+4\r\nmore\r\n") << S{"F", 1, 2, -3};
        const QString face = QStringLiteral("IPAPゴシック");
        QTest::newRow("UTF-8 face after a BOM") << "\xEF\xBB\xBF" + face.toUtf8() << S{face, {}, 0, 0};
        QTest::newRow("binary") << QByteArray("\0\xFF\xFE\x81\r\n\x01\x02\r\n\0\0\r\n\xFF", 15)
                                << S{Cp932::toUnicode(QByteArray("\0\xFF\xFE\x81", 4)), {}, 0, 0};
    }
    void readText()
    {
        QFETCH(QByteArray, bytes);
        QTEST(MirwinSettingsFile::parse(bytes), "read");
    }

    // A save of changed values against the file as it is now: only the
    // lines of the changed fields are rewritten, each keeping its line end;
    // a file that already holds them is not replaced; what cannot be read
    // is never written over.
    void update_data()
    {
        QTest::addColumn<QByteArray>("before"); // "none", "folder", or "link": a link to `file` elsewhere
        QTest::addColumn<MirwinSettings>("values");
        QTest::addColumn<int>("fields");
        QTest::addColumn<QByteArray>("after"); // "<missing>": no file to read
        using F = MirwinSettingsFile::Field;
        const QByteArray file = "F\r\n+1\r\n 2 \r\n 3 \r\n";
        QTest::newRow("no file: all four") << QByteArray("none") << S{"N", 5, 1, -1} << int(F::Size)
                                           << QByteArray("N\r\n+5\r\n 1 \r\n-1 \r\n");
        QTest::newRow("size only, the rest and extra lines kept")
            << file + "extra\r\n" << S{"N", -39, 0, 0} << int(F::Size)
            << QByteArray("F\r\n-39\r\n 2 \r\n 3 \r\nextra\r\n");
        QTest::newRow("size unset: its line empty") << file << S{"F", {}, 2, 3} << int(F::Size)
                                                  << QByteArray("F\r\n\r\n 2 \r\n 3 \r\n");
        QTest::newRow("LF ends stay LF") << QByteArray("F\n-3\n 4 \n 5") << S{"G", {}, 0, 0}
                                         << int(F::Face | F::Horizontal) << QByteArray("G\n-3\n 4 \n 0 \r\n");
        QTest::newRow("short file: missing lines added") << QByteArray("F") << S{{}, 0, -100, 0}
                                                         << int(F::Vertical) << QByteArray("F\r\n\r\n-100 \r\n");
        QTest::newRow("same values: not replaced") << file << S{"F", 1, 2, 3} << int(F::Face | F::Size) << file;
        QTest::newRow("a folder, nothing changed: left") << QByteArray("folder") << MirwinSettings() << 0
                                                         << QByteArray("<missing>");
        QTest::newRow("a folder, a change: an error") << QByteArray("folder") << MirwinSettings() << int(F::Size)
                                                      << QByteArray("<missing>");
        QTest::newRow("a link: its target changed") << QByteArray("link") << S{"F", 7, 2, 3} << int(F::Size)
                                                    << QByteArray("F\r\n+7\r\n 2 \r\n 3 \r\n");
    }
    void update()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, fields);
        QTemporaryDir dir, elsewhere;
        const QString path = dir.filePath(MirwinSettingsFile::kFileName);
        if (before == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (before == "link")
            QVERIFY(writeAll(elsewhere.filePath("x"), "F\r\n+1\r\n 2 \r\n 3 \r\n") && QFile::link(elsewhere.filePath("x"), path));
        else if (before != "none")
            QVERIFY(writeAll(path, before));
        const QByteArray was = readAll(path);
        struct stat old = {}, now = {};
        ::stat(QFile::encodeName(path).constData(), &old);
        QFETCH(MirwinSettings, values);
        QString error;
        const bool saved = MirwinSettingsFile::update(path, values, MirwinSettingsFile::Fields(fields), &error);
        QCOMPARE(saved, before != "folder" || !fields);
        QCOMPARE(error.isEmpty(), saved);
        QTEST(readAll(path), "after");
        ::stat(QFile::encodeName(path).constData(), &now);
        QCOMPARE(now.st_ino != old.st_ino, readAll(path) != was); // replaced only when it changed
        QCOMPARE(QFileInfo(path).isSymLink(), before == "link");
    }
};

QTEST_MAIN(TestMirinitWindow)
#include "test_mirinitwindow.moc"
