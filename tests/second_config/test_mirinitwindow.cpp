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
    int level(const char *name) const { return find<RisingScrollBar>(name)->level(); }
    // A mnemonic clicks its control a moment later, as a mouse click would.
    void alt(Qt::Key key) const { QTest::keyClick(m_window.get(), key, Qt::AltModifier); }
    void chooseMode(Qt::Key key) const
    {
        alt(key);
        QTRY_VERIFY(find<QRadioButton>(key == Qt::Key_U ? "Option1" : key == Qt::Key_M ? "Option2" : "Option3")
                        ->isChecked());
    }
    void keys(const char *name, Qt::Key key, int times = 1) const
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(find(name), key);
    }
    static void type(QWidget *to, const QString &text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, to, Qt::Key_unknown, QString(c), Qt::NoModifier);
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

    // What a file puts into the controls, and what closing writes back.
    void loadAndClose_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("shown"); // Text2, Label3, Label5
        QTest::addColumn<QList<int>>("bars");   // VScroll1, VScroll2, HScroll2
        QTest::addColumn<QByteArray>("written");
        const QByteArray defaults = "\r\n\r\n 0 \r\n 0 \r\n";
        QTest::newRow("no file") << QByteArray() << QStringList(3) << QList<int>{0, 0, 0} << defaults;
        const QString face = QStringLiteral("IPA Pゴシック");
        const QByteArray full = Cp932::fromUnicode(face) + "\r\n+12\r\n 20 \r\n-5 \r\n";
        QTest::newRow("all set") << full << QStringList{face, "+12", "( -5 , 20 )"} << QList<int>{12, 20, -5}
                                 << full;
        QTest::newRow("size 0") << QByteArray("\r\n0\r\n 0 \r\n 0 \r\n") << QStringList{"", "0", "( 0 , 0 )"}
                                << QList<int>{0, 0, 0} << QByteArray("\r\n0\r\n 0 \r\n 0 \r\n");
        // Shown within the bars; left as it is, since nothing was changed.
        const QByteArray beyond = "F\r\n-40\r\n 101 \r\n99999\r\n";
        QTest::newRow("beyond the bars")
            << beyond << QStringList{"F", "-39", "( 100 , 100 )"} << QList<int>{-39, 100, 100} << beyond;
    }
    void loadAndClose()
    {
        QFETCH(QByteArray, file);
        if (!file.isEmpty())
            QVERIFY(writeAll(ini(), file));
        open();
        QTEST((QStringList{text("Text2"), text("Label3"), text("Label5")}), "shown");
        QTEST((QList<int>{level("VScroll1"), level("VScroll2"), find<QScrollBar>("HScroll2")->value()}), "bars");
        chooseMode(Qt::Key_S), chooseMode(Qt::Key_M); // modes change no setting
        exitAndWait();
        QTEST(readAll(ini()), "written");
        QVERIFY(m_questions.questions.isEmpty());
    }

    // The bars and their labels: the vertical bars rise towards the top, the
    // size label stays empty until its bar moves, the episode bar pages by 5.
    void barsAndLabels()
    {
        open();
        keys("HScroll2", Qt::Key_Right);
        QCOMPARE(text("Label5"), "( 1 , 0 )");
        QCOMPARE(text("Label3"), "");
        QWidget *size = find("VScroll1");
        QTest::mouseClick(size, Qt::LeftButton, {}, QPoint(size->width() / 2, 2)); // the top arrow
        QCOMPARE(text("Label3"), "+1");
        const struct { Qt::Key key; int times; const char *shown; } steps[] = {
            {Qt::Key_Down, 4, "-3"}, {Qt::Key_Up, 3, "0"}, {Qt::Key_PageUp, 3, "+3"}, {Qt::Key_Home, 1, "+200"}};
        for (const auto &step : steps) {
            keys("VScroll1", step.key, step.times);
            QCOMPARE(text("Label3"), step.shown);
        }
        QWidget *vertical = find("VScroll2");
        QTest::mouseClick(vertical, Qt::LeftButton, {}, QPoint(vertical->width() / 2, vertical->height() - 2));
        QCOMPARE(text("Label5"), "( 1 , -1 )");
        keys("VScroll2", Qt::Key_End);
        QCOMPARE(text("Label5"), "( 1 , -100 )");

        const EpisodeTitles titles = EpisodeTitles::load();
        QCOMPARE(text("Text3"), "第1話 " + titles.title(1));
        chooseMode(Qt::Key_M);
        keys("HScroll1", Qt::Key_PageDown);
        QCOMPARE(text("Text3"), "第6話 " + titles.title(6));
        keys("HScroll1", Qt::Key_End), keys("HScroll1", Qt::Key_Right);
        QCOMPARE(text("Text3"), "第74話 " + titles.title(74));
        m_window->close(); // the close box
        QCOMPARE(readAll(ini()), QByteArray("\r\n+200\r\n-100 \r\n 1 \r\n"));
    }

    // Each mode enables its own controls; Text1 keeps its text throughout.
    void modes()
    {
        open();
        const QColor buttonFace = QApplication::palette().color(QPalette::Button);
        const QColor window = QApplication::palette().color(QPalette::Base);
        QVERIFY(find<QRadioButton>("Option1")->isChecked());
        chooseMode(Qt::Key_S);
        type(find("Text1"), "free text");
        const struct { Qt::Key key; bool text1, episode; } steps[] = {
            {Qt::Key_U, false, false}, {Qt::Key_M, false, true}, {Qt::Key_S, true, false}, {Qt::Key_M, false, true}};
        for (const auto &step : steps) {
            chooseMode(step.key);
            QCOMPARE(find("Text1")->isEnabled(), step.text1);
            QCOMPARE(find("Text1")->palette().color(QPalette::Base), step.text1 ? window : buttonFace);
            QCOMPARE(text("Text1"), "free text");
            QCOMPARE(find("Text3")->isEnabled(), step.episode);
            QCOMPARE(find("HScroll1")->isEnabled(), step.episode);
        }
    }

    // 実行 saves once, whole, then starts mirwin and ends; the close after
    // it writes nothing over what mirwin reads.
    void run_data()
    {
        QTest::addColumn<QList<int>>("steps"); // Alt+key, then keys into the episode bar
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("automatic") << QList<int>{Qt::Key_U} << "" << QStringList();
        QTest::newRow("episode 4") << QList<int>{Qt::Key_M, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << ""
                                   << QStringList{"4"};
        QTest::newRow("empty free text") << QList<int>{Qt::Key_S} << "" << QStringList{""};
        const QString odd = QStringLiteral(" 第3章　, \"q\" $(id) `x` ; \\ ");
        QTest::newRow("free text as one argument") << QList<int>{Qt::Key_S} << odd << QStringList{odd};
    }
    void run()
    {
        QFETCH(QList<int>, steps);
        QFETCH(QString, typed);
        open();
        keys("HScroll2", Qt::Key_Left);
        chooseMode(Qt::Key(steps.takeFirst()));
        for (int key : std::as_const(steps))
            keys("HScroll1", Qt::Key(key));
        type(find("Text1"), typed);
        // The program's event loop ends with the window.
        QTimer::singleShot(0, this, [this] { alt(Qt::Key_R); });
        QTimer lingering;
        lingering.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
        lingering.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_starter.calls.size(), 1);
        QCOMPARE(m_starter.calls.at(0).program, m_folder.filePath("mirwin"));
        QTEST(m_starter.calls.at(0).arguments, "arguments");
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
        keys("VScroll2", Qt::Key_Up);
        alt(Qt::Key_X);
        QTRY_COMPARE(m_questions.questions.size(), 1);
        QVERIFY(m_questions.questions.at(0).contains("通常のファイルではありません"));
        QVERIFY(QFileInfo(ini()).exists() && !QFileInfo(ini()).isFile());
        m_window->hide();

        QVERIFY(QFile::remove(ini()) && writeAll(ini(), "Mine\r\n+3\r\n 0 \r\n 0 \r\n"));
        open();
        QVERIFY(writeAll(ini(), SnapshotStarter::kOtherWriter));
        keys("VScroll2", Qt::Key_Up);
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
