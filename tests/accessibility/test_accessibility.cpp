#include "fakes/fakefacecatalogue.h"
#include "fakes/fakefontpicker.h"
#include "fakes/fixedrandom.h"
#include "fakes/japanesetexts.h"
#include "fakes/scriptedquestionbox.h"
#include "second_config/aboutwindow.h"
#include "second_config/episodetitles.h"
#include "second_config/mirinitwindow.h"
#include "second_config/mirwinsettingsfile.h"
#include "shared/ui/dialogunits.h"
#include "titlecard/episodenames.h"
#include "titlecard_config/aboutdialog.h"
#include "titlecard_config/configdialog.h"
#include "titlecard_config/controlnames.h"
#include "viewer/platformservices.h"
#include "viewer/quoteplayer.h"
#include "viewer/quotesources.h"
#include "viewer/quotetexts.h"
#include "viewer/trayfallbackwindow.h"
#include "viewer_properties/propertycontrols.h"
#include "viewer_properties/propertyrig.h"

#include <QSystemTrayIcon>
#include <QtTest>
#include <QtWidgets>

using Output = ShowCode::Output;

// The three configuration windows as accessibility tools see them: every
// control that takes input is named after what it holds, the bars tell
// the values the screen shows, and the windows are windows. The windows
// share one folder, whose mirwin.ini holds a size of +3, a vertical offset
// of -7 (both on bars whose values fall towards the bottom) and a
// horizontal one of 5. Then the suite's windows in English (the
// translation stays for the rest of the process, so that comes last).
class TestAccessibility : public QObject
{
    Q_OBJECT

    PropertyRig m_rig; // velmoinit, and the fakes and the folder every window shares
    ScriptedQuestionBox m_questions;
    FakeFontPicker m_picker;
    FakeFaceCatalogue m_faces{{{{"IPAGothic"}}}};
    QHash<QString, QWidget *> m_windows;
    std::vector<std::unique_ptr<QWidget>> m_owned;
    // Where the English windows' files should be, a folder each.
    QString tambwinIni() const { return m_rig.path("blocked/tambwin.ini"); }
    QString mirwinIni() const { return m_rig.path("blocked/mirwin.ini"); }

    template <class Window> Window *open(const QString &program, Window *window)
    {
        if (!window->parent())
            m_owned.emplace_back(window);
        window->show();
        m_windows.insert(program, window);
        return window;
    }

    QObject *control(const QString &program, const QString &name) const
    {
        QWidget *window = m_windows.value(program);
        if (window->objectName() == name)
            return window;
        for (QWidget *found : window->findChildren<QWidget *>(name))
            if (found->window() == window)
                return found;
        qFatal("%s has no control %s", qPrintable(program), qPrintable(name));
    }

private slots:
    void initTestCase()
    {
        const QString dir = m_rig.folder.path();
        QVERIFY(MirwinSettingsFile::write(m_rig.path(MirwinSettingsFile::kFileName), {"Mono", 3, -7, 5}));

        m_rig.open();
        m_windows.insert("velmoinit", m_rig.window.get());
        QWidget *mirinit = open("mirinit", new MirinitWindow({m_rig.starter, m_rig.dialogs, m_rig.boxes, m_questions},
                                                             m_rig.path(MirwinSettingsFile::kFileName), dir));
        QWidget *tambinit = open("tambinit", new ConfigDialog(m_rig.starter, m_picker, m_faces, m_rig.boxes, dir,
                                                              m_rig.path("tambwin.ini")));
        open("mirinit about", new AboutWindow(mirinit));
        open("tambinit about", new AboutDialog(tambinit));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value"); // none: not checked

        const auto row = [](const char *program, const char *object, QAccessible::Role role, const char *name,
                            QVariant value = {}) {
            QTest::addRow("%s %s", program, object) << program << object << role << name << value;
        };
        using A = QAccessible;
        row("velmoinit", "Form1", A::Dialog, "ヴェルモのプロパティ");
        row("velmoinit", "Text4", A::EditableText, "ファイルから読み込み");
        row("velmoinit", "HScroll2", A::ScrollBar, "スタート時の表示内容");
        row("velmoinit", "fraTabSheet(1)", A::Border, "表示方法");
        row("velmoinit", "Text7", A::EditableText, "フォント");
        row("velmoinit", "VScroll1", A::ScrollBar, "サイズ", 3);
        row("velmoinit", "VScroll2", A::ScrollBar, "表示位置調整", -7);
        row("velmoinit", "aboutWeb", A::EditableText, "ホームページ");

        row("mirinit", "Form1", A::Window, "ミレル for Windows95 環境設定");
        row("mirinit", "HScroll1", A::ScrollBar, "表示させる内容", 1);
        row("mirinit", "Text1", A::EditableText, "指定した文字列を表示させる(S)");
        row("mirinit", "HScroll2", A::ScrollBar, "表示位置調整", 5);
        row("mirinit", "VScroll2", A::ScrollBar, "表示位置調整", -7);
        row("mirinit", "Text2", A::EditableText, "フォント");
        row("mirinit", "VScroll1", A::ScrollBar, "フォントサイズ", 3); // shown as +3
        row("mirinit about", "Text1", A::EditableText, "E-mail:");

        row("tambinit", "TAMBINITCFGDLG", A::Dialog, "タンバー for Windows95 環境設定");
        row("tambinit", "ctl1005", A::EditableText, "表示させる内容");
        row("tambinit", "ctl1024", A::EditableText, "ルビ");
        row("tambinit", "ctl1027", A::EditableText, "ﾌｫﾝﾄ");
    }

    void controls()
    {
        QFETCH(QString, program);
        QFETCH(QString, objectName);
        QFETCH(QVariant, value);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control(program, objectName));
        QVERIFY(iface && iface->isValid());
        QTEST(iface->role(), "role");
        QTEST(iface->text(QAccessible::Name), "name");
        if (value.isValid()) {
            QAccessibleValueInterface *bar = iface->valueInterface();
            QVERIFY(bar);
            QCOMPARE(std::pair(bar->currentValue().toInt(), iface->text(QAccessible::Value)),
                     std::pair(value.toInt(), value.toString()));
            QVERIFY(bar->minimumValue().toInt() <= value.toInt() && value.toInt() <= bar->maximumValue().toInt());
        }
    }

    // Every input control has a name, those the table leaves out (or a
    // window gains later) too. A control hidden for good (velmoinit's
    // published item) is shown to no one.
    void everyInputNamed()
    {
        for (QWidget *window : std::as_const(m_windows)) {
            int inputs = 0;
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                const bool input = qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractSlider *>(widget)
                                   || qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget)
                                   || qobject_cast<QAbstractSpinBox *>(widget);
                if (!input || widget->window() != window
                    || (widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide)))
                    continue;
                ++inputs;
                QVERIFY2(!QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).trimmed().isEmpty(),
                         qPrintable(m_windows.key(window) + ": " + widget->objectName()));
            }
            QVERIFY2(inputs > 0, qPrintable(m_windows.key(window)));
        }
    }

    // No Japanese left but what the windows hold as data (an episode's name
    // or title, a face name); English captions, longer than the Japanese,
    // shown whole inside their windows, opened over a folder where their
    // file should be.
    void englishWindows()
    {
        QVERIFY(loadEnglish());
        QVERIFY(QDir().mkpath(tambwinIni()) && QDir().mkpath(mirwinIni()));
        ConfigDialog tambinit(m_rig.starter, m_picker, m_faces, m_rig.boxes, m_rig.folder.path(), tambwinIni());
        MirinitWindow mirinit({m_rig.starter, m_rig.dialogs, m_rig.boxes, m_questions}, mirwinIni(), m_rig.folder.path());
        AboutDialog tambinitAbout;
        AboutWindow mirinitAbout;
        const EpisodeTitles titles = EpisodeTitles::load();
        QVERIFY(!hasJapanese(titles.line(1).chopped(titles.title(1).size())));
        const QString face = tambinit.findChild<QLineEdit *>(controlName(1027))->text();
        for (QWidget *shown : std::initializer_list<QWidget *>{&tambinit, &tambinitAbout, &mirinit, &mirinitAbout}) {
            QCOMPARE(japaneseTexts(shown, {EpisodeNames::load().name(1), face, titles.line(1)}), QStringList());
            for (QWidget *control : shown->findChildren<QWidget *>()) {
                if (captionWidth(control) > 0)
                    QVERIFY2(control->width() >= captionWidth(control)
                                 && control->parentWidget()->rect().contains(control->geometry()),
                             qPrintable(shown->objectName() + ": " + control->objectName()));
            }
        }
    }

    // tambinit tells of the failed save in a box, mirinit asks whether to
    // leave unsaved: the cause on a line of its own.
    void englishFailedSaves()
    {
        RecordingMessageBox boxes;
        ConfigDialog tambinit(m_rig.starter, m_picker, m_faces, boxes, m_rig.folder.path(), tambwinIni());
        m_picker.answer = {true, QFont("DejaVu Sans")};
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("tambwin.ini"));
        tambinit.findChild<QPushButton *>(controlName(1001))->click();
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY2(!hasJapanese(boxes.boxes[0].title + boxes.boxes[0].text), qPrintable(boxes.boxes[0].text));
        QCOMPARE(boxes.boxes[0].text.count('\n'), 1);
        MirinitWindow mirinit({m_rig.starter, m_rig.dialogs, m_rig.boxes, m_questions}, mirwinIni(), m_rig.folder.path());
        mirinit.findChild<QScrollBar *>("HScroll2")->setValue(3);
        mirinit.findChild<QPushButton *>("Command1")->click();
        QCOMPARE(m_questions.questions.size(), 1);
        QCOMPARE(m_questions.questions[0].count('\n'), 4);
        QVERIFY2(!hasJapanese(m_questions.questions[0]), qPrintable(m_questions.questions[0]));
    }

    // The menu, then the window that stands in for the notification area
    // while it is gone (no wait), and the icon again when it is back.
    void englishTray()
    {
        bool available = true;
        SystemTrayView view({[&] { return available; }, [] { return false; }}, 0, 60000);
        view.addIcon(false);
        QCoreApplication::processEvents(); // placed from the event loop
        const auto *icon = view.findChild<QSystemTrayIcon *>("trayIcon");
        QVERIFY(icon);
        QCOMPARE(icon->toolTip(), QStringLiteral("Velmo"));
        QCOMPARE(japaneseTexts(icon->contextMenu()), QStringList());
        QCOMPARE(view.findChild<QAction *>("end")->text(), QStringLiteral("E&xit Velmo"));
        QStringList places;
        for (const bool there : {false, false, true}) {
            available = there;
            view.lookAtDesktop();
            QWidget *window = view.fallbackWindow();
            places << (icon->isVisible() ? "I" : "") + (window && window->isVisible() ? "W:" + window->windowTitle() : "");
            QVERIFY(!window || japaneseTexts(window).isEmpty());
        }
        QCOMPARE(places, (QStringList{"I", "W:Velmo", "I"})); // seen missing first: the wait starts
    }

    // The caption (R) is interface; the card's text (T) is drawn as written.
    void englishCaptions_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("output");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("quote");
        const QString box = "quote";
        QTest::newRow("chapter") << QuoteSources::kTamber << int(Output::MessageBox) << "Seikan Tamber - Chapter 3"
                                 << box;
        QTest::newRow("episode title") << QuoteSources::kMirelle << int(Output::MessageBox)
                                       << "Tsukikage Mirelle - Episode 3" << QuoteSources::mirelleTitle(box);
        QTest::newRow("own file") << "mine.txt" << int(Output::MessageBox) << "mine.txt - 3" << box;
        QTest::newRow("card keeps its label") << QuoteSources::kTamber << int(Output::TitleCard) << "kept"
                                              << QStringLiteral("第3章%1,\u3000quote\u3000").arg(QString(10, QChar(0x3000)));
    }
    void englishCaptions()
    {
        QFETCH(QString, source);
        QFETCH(int, output);
        const QuoteTexts texts =
            buildQuoteTexts(source, ShowCode(ShowCode::Order::InFileOrder, Output(output)), 3, "quote", "kept");
        QTEST(texts.sourceLine, "caption");
        QTEST(texts.quoteText, "quote");
    }

    // Why a display failed, as the error box's details and stderr give it.
    void englishFailure()
    {
        FixedRandom random;
        QuotePlayer player(m_rig.starter, m_rig.boxes, random, m_rig.folder.path(), m_rig.folder.path());
        player.state().settings.quoteSource = "missing.txt";
        QVERIFY(!player.play());
        QCOMPARE(player.failure().section(": ", -1), "does not exist");
    }

    // The labels around the start line are interface, the line is the
    // file's; nothing else in the window or its hidden pages is Japanese.
    void englishPreview_data()
    {
        QTest::addColumn<QString>("ops");
        QTest::addColumn<int>("sh");
        QTest::addColumn<QString>("preview");
        QTest::newRow("chapter") << "tamber.vmf" << 10 << "Chapter 3 tamber.vmf 3";
        QTest::newRow("own file") << "own.txt" << 10 << "Line 3 - own 3";
        QTest::newRow("random, built-in") << "tambkari.vmf" << 20 << "Seikan Tamber anime script titles";
        QTest::newRow("random, own file") << "own.txt" << 20 << "From own.txt";
    }
    void englishPreview()
    {
        QFETCH(QString, ops);
        QFETCH(int, sh);
        PropertyRig rig(stored(ops, sh, 0, 3, 1));
        QVERIFY(writeAll(rig.path("own.txt"), numberedLines("own ", 5)));
        rig.open();
        QTEST(rig.text("Text3"), "preview");
        QCOMPARE(japaneseTexts(rig.window.get()), QStringList());
    }

    // Boxes through the message-box seam, titled as the window is.
    void englishBoxes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("failed save") << PropertyControls::kOk << "Velmo's settings could not be saved.\ndisk full";
        QTest::newRow("help page") << PropertyControls::kHelp << "The help could not be shown.\n%1/help_en.html";
    }
    void englishBoxes()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        PropertyRig rig;
        rig.store.failSaves = true;
        rig.help.succeed = false;
        rig.open();
        rig.act("click " + button);
        QCOMPARE(rig.boxes.boxes.size(), 1);
        QCOMPARE(rig.boxes.boxes[0].text, text.arg(rig.folder.path()));
        QCOMPARE(rig.boxes.boxes[0].title, QStringLiteral("Velmo Properties"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
