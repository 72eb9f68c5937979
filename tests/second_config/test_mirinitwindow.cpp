#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "fakes/scripteddialogbinding.h"
#include "fakes/scriptedquestionbox.h"
#include "second_config/episodetitles.h"
#include "second_config/risingscrollbar.h"
#include "second_config/mirinitwindow.h"
#include "second_config/mirwinsettingsfile.h"
#include "shared/cp932.h"
#include "shared/ui/dialogunits.h"
#include "shared/ui/twips.h"

#include "filebytes.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

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
// folder for mirwin.ini.
class TestMirinitWindow : public QObject
{
    Q_OBJECT

    template <typename T = QWidget> T *find(const char *name) const
    {
        T *control = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QString text(const char *name) const { return find(name)->property("text").toString(); }
    // A mnemonic clicks its control a moment later, as a mouse click would.
    void alt(Qt::Key key) const { QTest::keyClick(m_window.get(), key, Qt::AltModifier); }
    static void type(QWidget *to, const QString &text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, to, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // Steps, "; " between them: "alt M" (a mode, waited for), "key Name Key"
    // with "*n" for n presses, "top Name" / "bottom Name" (a vertical bar's
    // arrow), "type Name text".
    void act(const QString &steps) const
    {
        for (const QString &step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
            const QStringList w = step.split(' ');
            QWidget *control = w[0] == "alt" ? nullptr : find(qPrintable(w[1]));
            if (w[0] == "alt") {
                alt(Qt::Key(QKeySequence::fromString(w[1])[0].key()));
                const char *option = w[1] == "U" ? "Option1" : w[1] == "M" ? "Option2" : "Option3";
                QTRY_VERIFY(find<QRadioButton>(option)->isChecked());
            } else if (w[0] == "key") {
                for (int i = 0; i < qMax(1, w[2].section('*', 1).toInt()); ++i)
                    QTest::keyClick(control, QKeySequence::fromString(w[2].section('*', 0, 0))[0].key());
            } else if (w[0] == "top" || w[0] == "bottom") {
                QTest::mouseClick(control, Qt::LeftButton, {},
                                  QPoint(control->width() / 2, w[0] == "top" ? 2 : control->height() - 2));
            } else {
                type(control, step.section(' ', 2));
            }
        }
    }
    // "Name=value" of each named control: its text, a bar's value (upwards
    // for the vertical ones); "(disabled)" when off, "(grey)" for a text
    // field on the button face.
    QString look(const QStringList &names) const
    {
        QStringList seen;
        for (const QString &name : names) {
            QWidget *control = find(qPrintable(name));
            QString value = control->property("text").toString(), flags;
            if (auto *bar = qobject_cast<QScrollBar *>(control))
                value = QString::number(qobject_cast<RisingScrollBar *>(bar) ? -bar->value() : bar->value());
            if (!control->isEnabled())
                flags += "(disabled)";
            if (name == "Text1" && control->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base))
                flags += "(grey)";
            seen << name + flags + '=' + value;
        }
        return seen.join(' ');
    }
    QString ini() const { return m_folder.filePath(MirwinSettingsFile::kFileName); }
    void open()
    {
        m_window = std::make_unique<MirinitWindow>(
            MirinitWindow::Services{m_starter, m_dialogs, m_messages, m_questions}, m_settingsPath,
            m_folder.path());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void exitAndWait() const
    {
        alt(Qt::Key_X);
        QTRY_VERIFY(!m_window->isVisible());
    }

    QTemporaryDir m_folder;
    QString m_settingsPath;
    SnapshotStarter m_starter;
    ScriptedDialogBinding m_dialogs;
    RecordingMessageBox m_messages;
    ScriptedQuestionBox m_questions;
    std::unique_ptr<MirinitWindow> m_window;

private slots:
    void init()
    {
        QFile::remove(ini());
        m_settingsPath = ini();
        m_starter = SnapshotStarter();
        m_starter.settingsPath = ini();
        m_dialogs = ScriptedDialogBinding();
        m_messages = RecordingMessageBox();
        m_questions = ScriptedQuestionBox();
    }

    void cleanup() { m_window.reset(); }

    // Every caption whole and inside its container, the value labels wide
    // enough for their longest text, and Tab in the form's order (disabled
    // controls drop out; of the option buttons only the chosen one).
    void layout()
    {
        open();
        // The client area of 5865 x 5835 twips at the screen's dpi, or larger.
        const Twips twips = Twips::forWidget(m_window.get());
        QVERIFY(m_window->width() >= twips.toPixels(5865) && m_window->height() >= twips.toPixels(5835));
        QVERIFY(m_window->width() < twips.toPixels(5865) * 5 / 4);
        for (QWidget *control : m_window->findChildren<QWidget *>()) {
            const QString name = control->objectName();
            QVERIFY2(control->width() >= captionWidth(control), qPrintable(name));
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(name));
        }
        QVERIFY(!find("Frame2")->geometry().intersects(find("Command1")->geometry()));
        for (const auto &[name, longest] : {std::pair{"Label3", "+200"}, {"Label5", "( -100 , -100 )"}}) {
            QLabel *label = find<QLabel>(name);
            QCOMPARE(label->font().pointSizeF(), 11.25);
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(longest), name);
            QVERIFY2(label->height() >= label->fontMetrics().height(), name);
        }
        find("Option1")->setFocus();
        QStringList walked;
        for (int i = 0; i < 10; ++i) {
            walked << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked, (QStringList{"Option1", "Text2", "Command4", "Command1", "Command2", "Command3",
                                      "VScroll1", "VScroll2", "HScroll2", "Option1"}));
    }

    // Each row: mirwin.ini at opening (empty: none), steps (act), what the
    // named controls then show (look), and the file the close leaves. The
    // vertical bars rise towards the top; the size label stays empty until
    // its bar moves; the episode bar pages by 5; each mode enables its own
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
        row("horizontal right: the size label stays empty", {}, "key HScroll2 Right", "Label3= Label5=( 1 , 0 )",
            "\r\n\r\n 0 \r\n 1 \r\n");
        row("arrows", {}, "top VScroll1; bottom VScroll2", "Label3=+1 Label5=( 0 , -1 )", "\r\n+1\r\n-1 \r\n 0 \r\n");
        row("size by steps and pages", {}, "key VScroll1 Down*4; key VScroll1 Up*3; key VScroll1 PgUp*3",
            "Label3=+2", "\r\n+2\r\n 0 \r\n 0 \r\n");
        row("to the bottom and left ends", {}, "key VScroll1 End; key VScroll2 End; key HScroll2 Home",
            "Label3=-39 Label5=( -100 , -100 )", "\r\n-39\r\n-100 \r\n-100 \r\n");
        row("to the top and right ends", full, "key VScroll1 Home; key VScroll2 Home; key HScroll2 End; key VScroll1 Up",
            "Label3=+200 Label5=( 100 , 100 )", Cp932::fromUnicode(face) + "\r\n+200\r\n 100 \r\n 100 \r\n");
        const EpisodeTitles titles = EpisodeTitles::load();
        const QString off = "Text1(disabled)(grey)=free Text3(disabled)=";
        row("automatic", {}, "alt S; type Text1 free; alt U", off + titles.line(1) + " HScroll1(disabled)=1", defaults);
        row("episode 1, no lower", {}, "alt S; type Text1 free; alt M; key HScroll1 Left",
            "Text1(disabled)(grey)=free Text3=" + titles.line(1) + " HScroll1=1", defaults);
        row("episode page", {}, "alt M; key HScroll1 PgDown", "Text3=" + titles.line(6), defaults);
        row("episode 74, no higher", {}, "alt M; key HScroll1 End; key HScroll1 Right", "Text3=" + titles.line(74) + " HScroll1=74",
            defaults);
        row("free text", {}, "alt M; alt S; type Text1 free", "Text1=free Text3(disabled)=" + titles.line(1), defaults);
    }
    void controls()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        if (!file.isEmpty())
            QVERIFY(writeAll(ini(), file));
        open();
        QFETCH(QString, steps);
        act(steps);
        QStringList names;
        static const QRegularExpression name("(?:^| )(\\w+)(?:\\(\\w+\\))*=");
        for (auto match = name.globalMatch(shown); match.hasNext();)
            names << match.next().captured(1);
        QCOMPARE(look(names), shown);
        m_window->close(); // the close box
        QTEST(readAll(ini()), "written");
        QVERIFY(m_questions.questions.isEmpty());
    }

    // 実行 saves once, whole, then starts mirwin and ends; the close after
    // it writes nothing over what mirwin reads.
    void run_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("automatic") << "alt U" << QStringList();
        QTest::newRow("episode 4") << "alt M; key HScroll1 Right*3" << QStringList{"4"};
        QTest::newRow("empty free text") << "alt S" << QStringList{""};
        QTest::newRow("free text as one argument") << "alt S" << QStringList{QStringLiteral(" 第3章　, \"q\" $(id) `x` ; \\ ")};
    }
    void run()
    {
        QFETCH(QString, steps);
        open();
        act("key HScroll2 Left; " + steps);
        QFETCH(QStringList, arguments);
        if (steps == "alt S") // the free text typed is the argument
            type(find("Text1"), arguments.value(0));
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
        QVERIFY(m_messages.boxes.isEmpty());
    }

    // A mirwin that does not start is reported; the settings are saved.
    void mirwinDoesNotStart()
    {
        m_starter.succeed = false;
        open();
        alt(Qt::Key_R);
        QTRY_COMPARE(m_messages.boxes.size(), 1);
        QVERIFY(m_messages.boxes.at(0).text.contains(m_folder.filePath("mirwin")));
        QTRY_VERIFY(!m_window->isVisible());
        QCOMPARE(m_starter.fileAtStart, QByteArray("\r\n\r\n 0 \r\n 0 \r\n"));
    }

    // A file that cannot be written: each way out asks, and the window
    // stays unless the person chooses to leave without saving.
    void unwritableFile()
    {
        m_settingsPath = m_folder.filePath("no-such-folder/mirwin.ini");
        open();
        alt(Qt::Key_X);
        QTRY_COMPARE(m_questions.questions.size(), 1);
        QVERIFY(m_questions.questions.at(0).contains(m_settingsPath));
        QVERIFY(m_questions.questions.at(0).contains("ファイルまたはフォルダがありません"));
        alt(Qt::Key_R);
        QTRY_COMPARE(m_questions.questions.size(), 2);
        m_window->close();
        QCOMPARE(m_questions.questions.size(), 3);
        QVERIFY(m_window->isVisible());
        m_questions.answer = true;
        alt(Qt::Key_R);
        QTRY_VERIFY(!m_window->isVisible());
        QVERIFY(m_starter.calls.isEmpty());
    }

    // Something at the file's place that is no readable file (here a named
    // pipe) is never written over: unchanged settings leave quietly, a
    // change asks. A file another program saved meanwhile keeps every value
    // this window did not change.
    void saveAgainstTheFileOnDisk()
    {
        QCOMPARE(mkfifo(QFile::encodeName(ini()).constData(), 0600), 0);
        open();
        exitAndWait();
        open();
        act("key VScroll2 Up");
        alt(Qt::Key_X);
        QTRY_COMPARE(m_questions.questions.size(), 1);
        QVERIFY(m_questions.questions.at(0).contains("通常のファイルではありません"));
        QVERIFY(QFileInfo(ini()).exists() && !QFileInfo(ini()).isFile());
        m_window->hide();

        QVERIFY(QFile::remove(ini()) && writeAll(ini(), "Mine\r\n+3\r\n 0 \r\n 0 \r\n"));
        open();
        QVERIFY(writeAll(ini(), SnapshotStarter::kOtherWriter));
        act("key VScroll2 Up");
        exitAndWait();
        QCOMPARE(readAll(ini()), QByteArray("Other\r\n+2\r\n 1 \r\n 2 \r\n"));
    }

    // The font dialog starts at the face shown; a cancel keeps it, and of a
    // confirmed choice only the face is taken.
    void fontChoice()
    {
        QVERIFY(writeAll(ini(), "Old Face\r\n+3\r\n 0 \r\n 0 \r\n"));
        open();
        alt(Qt::Key_F);
        QTRY_COMPARE(m_dialogs.fontRequests.size(), 1);
        QCOMPARE(m_dialogs.fontRequests.at(0).font.family(), "Old Face");
        QCOMPARE(text("Text2"), "Old Face");
        m_dialogs.fontAnswer.result = 1;
        m_dialogs.fontAnswer.font = QFont(QStringLiteral("IPAPGothic"), 30, QFont::Bold);
        QTest::mouseClick(find("Command4"), Qt::LeftButton);
        QCOMPARE(text("Text2"), "IPAPGothic");
        exitAndWait();
        QCOMPARE(readAll(ini()), QByteArray("IPAPGothic\r\n+3\r\n 0 \r\n 0 \r\n"));
    }

    // Alt+A shows the about window modally, its labels clear of the
    // address fields; its OK button closes it.
    void about()
    {
        open();
        QString title;
        QStringList overlapping;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&title, &overlapping] {
            QWidget *about = QApplication::activeModalWidget();
            if (!about || !title.isEmpty())
                return;
            title = about->windowTitle();
            for (const QLabel *label : about->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
                for (const QLineEdit *field : about->findChildren<QLineEdit *>())
                    if (label->geometry().intersects(field->geometry()))
                        overlapping << label->text();
            }
            QTest::mouseClick(about->findChild<QPushButton *>("Command1"), Qt::LeftButton);
        });
        poll.start(10);
        alt(Qt::Key_A);
        QTRY_COMPARE(title, QStringLiteral("ミレル for Windows95 について"));
        QCOMPARE(overlapping, QStringList());
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(m_window->isVisible());
    }
};

QTEST_MAIN(TestMirinitWindow)
#include "test_mirinitwindow.moc"
