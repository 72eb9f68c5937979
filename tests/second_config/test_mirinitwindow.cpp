#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "fakes/scripteddialogbinding.h"
#include "fakes/scriptedquestionbox.h"
#include "second_config/episodetitles.h"
#include "second_config/mirinitwindow.h"
#include "second_config/mirwinsettingsfile.h"
#include "second_config/formscrollbar.h"
#include "shared/cp932.h"
#include "shared/ui/dialogunits.h"
#include "widgets/commondlgflags.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

// Records each start like RecordingStarter and keeps the settings file as
// mirwin would find it at that moment; then writes a file of its own, as
// another writer might, which a later write by mirinit would replace.
struct SnapshotStarter : RecordingStarter
{
    bool start(const QString &program, const QStringList &arguments) override
    {
        QFile file(settingsPath);
        fileAtStart = file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
        file.close();
        QFile other(settingsPath);
        if (other.open(QIODevice::WriteOnly))
            other.write(kOtherWriter);
        return RecordingStarter::start(program, arguments);
    }

    static inline const QByteArray kOtherWriter = "Other\r\n+2\r\n 2 \r\n 2 \r\n";
    QString settingsPath;
    QByteArray fileAtStart;
};

static QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
}

static bool writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// The real window, driven through its controls by object name, with a
// recording program starter, scripted dialogs and boxes, and a scratch
// program folder holding mirwin.ini.
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
    QLineEdit *edit(const char *name) const { return find<QLineEdit>(name); }
    QString text(const char *name) const { return find<QLabel>(name)->text(); }
    RisingScrollBar *rising(const char *name) const { return find<RisingScrollBar>(name); }
    QScrollBar *bar(const char *name) const { return find<QScrollBar>(name); }
    // A mnemonic clicks its control a moment later, as a mouse click would.
    void alt(Qt::Key key) const { QTest::keyClick(m_window.get(), key, Qt::AltModifier); }
    void chooseMode(Qt::Key key) const
    {
        alt(key);
        const char *option = key == Qt::Key_U ? "Option1" : key == Qt::Key_M ? "Option2" : "Option3";
        QTRY_VERIFY(find<QRadioButton>(option)->isChecked());
    }
    void keys(const char *name, Qt::Key key, int times = 1) const
    {
        QWidget *control = find(name);
        for (int i = 0; i < times; ++i)
            QTest::keyClick(control, key);
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

    // The controls as the form lays them out: each caption whole and inside
    // its container, the value labels wide enough for their longest text.
    void layout()
    {
        open();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("ミレル for Windows95 環境設定"));
        const struct { const char *name; const char *container; const char *caption; } controls[] = {
            {"Frame1", "Form1", "表示させる内容"}, {"Option1", "Frame1", "表示させる内容を自動的に選ぶ(&U)"},
            {"Option2", "Frame1", "指定した内容を表示させる(&M)"}, {"Label1", "Frame1", "表示させる内容"},
            {"Text3", "Frame1", nullptr}, {"HScroll1", "Frame1", nullptr},
            {"Option3", "Frame1", "指定した文字列を表示させる(&S)"}, {"Text1", "Frame1", ""},
            {"Label8", "Frame1", "表示位置調整"}, {"HScroll2", "Frame1", nullptr},
            {"VScroll2", "Frame1", nullptr}, {"Label5", "Frame1", ""}, {"Frame2", "Form1", "フォント"},
            {"Text2", "Frame2", ""}, {"Command4", "Frame2", "選択(&F)"}, {"Label2", "Frame2", "フォントサイズ"},
            {"Label3", "Frame2", ""}, {"VScroll1", "Frame2", nullptr}, {"Command1", "Form1", "実行(&R)"},
            {"Command2", "Form1", "バージョン(&A)"}, {"Command3", "Form1", "終了(&X)"}};
        for (const auto &c : controls) {
            QWidget *control = find(c.name);
            QCOMPARE(control->parentWidget()->objectName(), QString::fromLatin1(c.container));
            if (c.caption) {
                const char *property = qobject_cast<QGroupBox *>(control) ? "title" : "text";
                QCOMPARE(control->property(property).toString(), QString::fromUtf8(c.caption));
                QVERIFY2(control->width() >= captionWidth(control), c.name);
            }
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), c.name);
        }
        // The frames and the buttons beside them do not overlap.
        QVERIFY(!find("Frame2")->geometry().intersects(find("Command1")->geometry()));
        for (const auto &[name, longest] : {std::pair{"Label3", "+200"}, {"Label5", "( -100 , -100 )"}}) {
            QLabel *label = find<QLabel>(name);
            QVERIFY2(label->fontInfo().pointSizeF() > 11 && label->fontInfo().pointSizeF() < 11.5, name);
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(longest), name);
            QVERIFY2(label->height() >= label->fontMetrics().height(), name);
        }
    }

    // Tab walks the form's order; disabled fields and bars drop out of it.
    void tabOrder()
    {
        open();
        find("Option1")->setFocus();
        QStringList walked;
        for (int i = 0; i < 12; ++i) {
            walked << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked, (QStringList{"Option1", "Text2", "Command4", "Command1", "Command2", "Command3",
                                      "VScroll1", "VScroll2", "HScroll2", "Option1", "Text2", "Command4"}));
    }

    // What a file puts into the controls, and what closing writes back.
    void loadAndClose_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("sizeLabel");
        QTest::addColumn<QList<int>>("bars"); // VScroll1, VScroll2, HScroll2
        QTest::addColumn<QString>("position");
        QTest::addColumn<QByteArray>("written");
        const QByteArray defaults = "\r\n\r\n 0 \r\n 0 \r\n";
        QTest::newRow("no file") << QByteArray() << "" << "" << QList<int>{0, 0, 0} << "" << defaults;
        QTest::newRow("the defaults") << defaults << "" << "" << QList<int>{0, 0, 0} << "( 0 , 0 )" << defaults;
        const QString face = QStringLiteral("IPA Pゴシック");
        const QByteArray full = Cp932::fromUnicode(face) + "\r\n+12\r\n 20 \r\n-5 \r\n";
        QTest::newRow("all set") << full << face << "+12" << QList<int>{12, 20, -5} << "( -5 , 20 )" << full;
        QTest::newRow("size 0") << QByteArray("\r\n0\r\n 0 \r\n 0 \r\n") << "" << "0" << QList<int>{0, 0, 0}
                                << "( 0 , 0 )" << QByteArray("\r\n0\r\n 0 \r\n 0 \r\n");
        QTest::newRow("size without sign, ends of the bars")
            << QByteArray("\r\n5\r\n 100 \r\n-100 \r\n") << "" << "+5" << QList<int>{5, 100, -100}
            << "( -100 , 100 )" << QByteArray("\r\n+5\r\n 100 \r\n-100 \r\n");
        QTest::newRow("beyond the bars")
            << QByteArray("F\r\n-40\r\n 101 \r\n99999\r\n") << "F" << "-39" << QList<int>{-39, 100, 100}
            << "( 100 , 100 )" << QByteArray("F\r\n-39\r\n 100 \r\n 100 \r\n");
        QTest::newRow("not numbers, two lines")
            << QByteArray("F\r\nbig\r\n") << "F" << "" << QList<int>{0, 0, 0} << "( 0 , 0 )"
            << QByteArray("F\r\n\r\n 0 \r\n 0 \r\n");
        QTest::newRow("UTF-8 face") << face.toUtf8() + "\n+1\n 0 \n 0 \n" << face << "+1" << QList<int>{1, 0, 0}
                                    << "( 0 , 0 )" << Cp932::fromUnicode(face) + "\r\n+1\r\n 0 \r\n 0 \r\n";
    }

    void loadAndClose()
    {
        QFETCH(QByteArray, file);
        if (!file.isEmpty())
            QVERIFY(writeAll(ini(), file));
        open();
        QTEST(edit("Text2")->text(), "face");
        QTEST(text("Label3"), "sizeLabel");
        QTEST((QList<int>{rising("VScroll1")->level(), rising("VScroll2")->level(), bar("HScroll2")->value()}),
              "bars");
        QTEST(text("Label5"), "position");
        // Changing the mode changes no setting.
        chooseMode(Qt::Key_S), chooseMode(Qt::Key_M);
        alt(Qt::Key_X);
        QTRY_VERIFY(!m_window->isVisible());
        QTEST(readAll(ini()), "written");
        QVERIFY(m_questions.questions.isEmpty());
    }

    // The bars and their labels; the vertical bars rise towards the top.
    void barsAndLabels()
    {
        open();
        keys("HScroll2", Qt::Key_Right);
        QCOMPARE(text("Label5"), "( 1 , 0 )");
        QCOMPARE(text("Label3"), ""); // still never set
        RisingScrollBar *size = rising("VScroll1");
        QTest::mouseClick(size, Qt::LeftButton, {}, QPoint(size->width() / 2, 2)); // the top arrow
        QCOMPARE(size->level(), 1);
        QCOMPARE(text("Label3"), "+1");
        keys("VScroll1", Qt::Key_Down, 4);
        QCOMPARE(text("Label3"), "-3");
        keys("VScroll1", Qt::Key_Up, 3);
        QCOMPARE(text("Label3"), "0");
        keys("VScroll1", Qt::Key_PageUp, 3);
        QCOMPARE(text("Label3"), "+3");
        keys("VScroll1", Qt::Key_Home);
        QCOMPARE(text("Label3"), "+200");
        RisingScrollBar *vertical = rising("VScroll2");
        QTest::mouseClick(vertical, Qt::LeftButton, {}, QPoint(vertical->width() / 2, vertical->height() - 2));
        QCOMPARE(text("Label5"), "( 1 , -1 )");
        keys("VScroll2", Qt::Key_End);
        QCOMPARE(text("Label5"), "( 1 , -100 )");
        m_window->close();
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
        type(edit("Text1"), "free text");
        const struct { Qt::Key key; bool text1, episode; } steps[] = {
            {Qt::Key_U, false, false}, {Qt::Key_M, false, true}, {Qt::Key_S, true, false},
            {Qt::Key_M, false, true}, {Qt::Key_U, false, false}};
        for (const auto &step : steps) {
            chooseMode(step.key);
            QCOMPARE(edit("Text1")->isEnabled(), step.text1);
            QCOMPARE(edit("Text1")->palette().color(QPalette::Base), step.text1 ? window : buttonFace);
            QCOMPARE(edit("Text1")->text(), "free text");
            QCOMPARE(edit("Text3")->isEnabled(), step.episode);
            QCOMPARE(bar("HScroll1")->isEnabled(), step.episode);
        }
    }

    // The episode bar runs 1..74 with a page step of 5.
    void episodeBar()
    {
        open();
        const EpisodeTitles titles = EpisodeTitles::load();
        QCOMPARE(edit("Text3")->text(), "第1話 " + titles.title(1));
        chooseMode(Qt::Key_M);
        keys("HScroll1", Qt::Key_PageDown);
        QCOMPARE(bar("HScroll1")->value(), 6);
        QCOMPARE(edit("Text3")->text(), "第6話 " + titles.title(6));
        keys("HScroll1", Qt::Key_End);
        keys("HScroll1", Qt::Key_Right);
        QCOMPARE(edit("Text3")->text(), "第74話 " + titles.title(74));
        alt(Qt::Key_R);
        QTRY_COMPARE(m_starter.calls.size(), 1);
        QCOMPARE(m_starter.calls.at(0).arguments, QStringList{"74"});
    }

    // 実行 saves once, whole, then starts mirwin and ends; the close
    // afterwards writes nothing over what mirwin reads.
    void run_data()
    {
        QTest::addColumn<QList<int>>("steps"); // Alt+key, then keys into the episode bar
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("automatic") << QList<int>{Qt::Key_U} << "" << QStringList();
        QTest::newRow("episode 1") << QList<int>{Qt::Key_M} << "" << QStringList{"1"};
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
        if (!typed.isEmpty())
            type(edit("Text1"), typed);
        alt(Qt::Key_R);
        QTRY_VERIFY(!m_window->isVisible());
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

    // A file that cannot be written: the person is asked, and the window
    // stays unless they choose to leave without saving.
    void unwritableFile()
    {
        m_settingsPath = m_folder.filePath("no-such-folder/mirwin.ini");
        open();
        for (const bool viaRun : {false, true}) {
            viaRun ? alt(Qt::Key_R) : alt(Qt::Key_X);
            QTRY_COMPARE(m_questions.questions.size(), viaRun ? 2 : 1);
            QVERIFY(m_questions.questions.last().contains(m_settingsPath));
            QVERIFY(m_window->isVisible());
        }
        m_window->close(); // the close box
        QCOMPARE(m_questions.questions.size(), 3);
        QVERIFY(m_window->isVisible());
        m_questions.answer = true;
        alt(Qt::Key_R);
        QTRY_VERIFY(!m_window->isVisible());
        QVERIFY(m_starter.calls.isEmpty());
        QVERIFY(!QFile::exists(m_settingsPath));
    }

    // Something at the file's place that is no readable file is kept while
    // the settings stay as shown; a changed setting replaces it.
    void unreadableFile()
    {
        QCOMPARE(mkfifo(QFile::encodeName(ini()).constData(), 0600), 0);
        open();
        QCOMPARE(text("Label5"), "");
        m_window->close();
        QVERIFY(!m_window->isVisible());
        QVERIFY(QFileInfo(ini()).exists() && !QFileInfo(ini()).isFile());
        open();
        keys("VScroll2", Qt::Key_Up);
        alt(Qt::Key_X);
        QTRY_VERIFY(!m_window->isVisible());
        QCOMPARE(readAll(ini()), QByteArray("\r\n\r\n 1 \r\n 0 \r\n"));
    }

    // The font dialog starts at the face shown; only a confirmed choice
    // changes it, and only the face is taken.
    void fontChoice()
    {
        QVERIFY(writeAll(ini(), "Old Face\r\n+3\r\n 0 \r\n 0 \r\n"));
        open();
        alt(Qt::Key_F); // a cancel
        QTRY_COMPARE(m_dialogs.fontRequests.size(), 1);
        QCOMPARE(m_dialogs.fontRequests.at(0).font.family(), "Old Face");
        QVERIFY(m_dialogs.fontRequests.at(0).flags & CommonDlgFlags::ScreenFonts);
        QCOMPARE(m_dialogs.fontRequests.at(0).owner, m_window.get());
        QCOMPARE(edit("Text2")->text(), "Old Face");
        QFont chosen(QStringLiteral("IPAPGothic"));
        chosen.setPointSize(30);
        chosen.setBold(true);
        m_dialogs.fontAnswer.result = 1;
        m_dialogs.fontAnswer.font = chosen;
        QTest::mouseClick(find("Command4"), Qt::LeftButton);
        QCOMPARE(edit("Text2")->text(), "IPAPGothic");
        alt(Qt::Key_X);
        QTRY_VERIFY(!m_window->isVisible());
        QCOMPARE(readAll(ini()), QByteArray("IPAPGothic\r\n+3\r\n 0 \r\n 0 \r\n"));
    }

    // Alt+A shows the about window modally; its OK button closes it.
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
            // Widened labels stay clear of the address fields beside them.
            for (const QLabel *label : about->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
                for (const QLineEdit *field : about->findChildren<QLineEdit *>()) {
                    if (label->geometry().intersects(field->geometry()))
                        overlapping << label->text();
                }
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
