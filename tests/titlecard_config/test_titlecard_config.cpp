#include "fakes/fakefontpicker.h"
#include "fakes/formprobe.h"
#include "fakes/modaldialog.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "shared/cp932.h"
#include "titlecard_config/configdialog.h"
#include "titlecard_config/controlnames.h"
#include "titlecard/episodenames.h"
#include "shared/ui/fixedpitchfamilies.h"
#include "shared/ui/fontpicker.h"
#include "shared/ui/installedfaces.h"
#include "titlecard_config/fontselection.h"

#include "fakes/filebytes.h"

#include <QtTest>
#include <QtWidgets>

// tambwin.ini: thirteen numbers, one a line, then the face in code page 932.
static QByteArray ini(const QByteArray &numbers, const QString &face)
{
    return numbers.split(' ').join("\r\n") + "\r\n" + Cp932::fromUnicode(face);
}
static const QByteArray kDefaults = "0 0 0 0 0 0 0 0 128 0 0 0 1";

// Each test gets the real dialog, driven through its controls and keys, with
// a recording program starter, a scripted font dialog, a fake tambwin in the
// program folder and a scratch current directory for tambwin.ini.
class TestTitlecardConfig : public QObject
{
    Q_OBJECT
    template <typename T = QWidget> T *find(int id) const { return m_dialog->findChild<T *>(controlName(id)); }
    QLineEdit *edit(int id) const { return find<QLineEdit>(id); }
    void alt(Qt::Key key) const { QTest::keyClick(m_dialog.get(), key, Qt::AltModifier); }
    void press(int id) const { QTest::mouseClick(find(id), Qt::LeftButton); }
    static QFont font(const QString &family, int points, int pixels = 0, QFont::Weight weight = QFont::Normal)
    {
        QFont font(family);
        pixels ? font.setPixelSize(pixels) : font.setPointSize(points);
        font.setWeight(weight);
        return font;
    }

    QTemporaryDir m_programFolder;
    QTemporaryDir m_currentDir;
    RecordingStarter m_starter;
    RecordingMessageBox m_messages;
    FakeFontPicker m_picker;
    InstalledFaces m_faces;
    std::unique_ptr<ConfigDialog> m_dialog;

private slots:
    void initTestCase()
    {
        qputenv("PATH", "/nonexistent-folder"); // no tambwin but the one in the program folder
        QVERIFY(QDir::setCurrent(m_currentDir.path()));
    }
    void init()
    {
        QVERIFY(writeAll(m_programFolder.filePath("tambwin"), ""));
        QFile::setPermissions(m_programFolder.filePath("tambwin"), QFile::ReadOwner | QFile::ExeOwner);
        QFile::remove("tambwin.ini");
        m_starter = RecordingStarter();
        m_picker = FakeFontPicker();
        m_messages = RecordingMessageBox();
        m_dialog = std::make_unique<ConfigDialog>(m_starter, m_picker, m_faces, m_messages, m_programFolder.path(),
                                                  "tambwin.ini");
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }

    void cleanup() { m_dialog.reset(); }

    // A script of steps (alt KEY, + N and - N clicks, type ID TEXT, enter,
    // run, no tambwin) and the runs of tambwin it makes. Only the chosen
    // mode's button is checked and its fields enabled, and the dialog stays
    // open unless asked to close.
    void scripts_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QList<QStringList>>("runs");
        using Runs = QList<QStringList>;
        QTest::newRow("automatic by default") << QStringList{"alt R"} << Runs{{}};
        QTest::newRow("without tambwin nothing starts") << QStringList{"no tambwin", "run"} << Runs{};
        QTest::newRow("episodes by Alt+plus; + and - only while an episode is chosen")
            << QStringList{"alt M", "alt +", "alt +", "alt +", "alt U", "+ 1", "alt S", "- 2", "alt M", "alt R"} << Runs{{"4"}};
        QTest::newRow("episodes stop at 45 and at 1")
            << QStringList{"alt M", "+ 44", "run", "+ 1", "run", "- 44", "run", "- 1", "run"}
            << Runs{{"45"}, {"45"}, {"1"}, {"1"}};
        QTest::newRow("own texts in record order, as typed, empty ones a space; Enter runs")
            << QStringList{"alt S", "type 1022 a,b", "type 1024 $PATH \"x\"", "type 1026 C:\\tmp\\ 'q' \\;", "enter"}
            << Runs{{"-s", "a,b, ,$PATH \"x\", ,C:\\tmp\\ 'q' \\;"}};
        QStringList over{"alt S"}, across{"alt S"}, kept;
        for (int id = 1022; id <= 1026; ++id) {
            over << QString("type %1 %2").arg(id).arg(QString(101, QChar('0' + id % 10)));
            kept << QString(100, QChar('0' + id % 10));
            across << QString("type %1 x%2").arg(id).arg(QString(50, QChar(0x3042)));
        }
        QTest::newRow("the 101st byte is refused") << (over << "run") << Runs{{"-s", kept.join(',')}};
        QTest::newRow("a double-byte character across the limit is refused")
            << (across << "run") << Runs{{"-s", QStringList(5, "x" + QString(49, QChar(0x3042))).join(',')}};
        QTest::newRow("Alt+X closes") << QStringList{"alt X"} << Runs{};
    }
    void scripts()
    {
        QFETCH(QStringList, script);
        for (const QString &step : script) {
            const QString op = step.section(' ', 0, 0), arg = step.section(' ', 1);
            if (op == "alt")
                alt(Qt::Key(arg.at(0).unicode()));
            else if (op == "+" || op == "-")
                for (int i = 0; i < arg.toInt(); ++i)
                    press(op == "+" ? 1006 : 1007);
            else if (op == "type")
                formType(edit(arg.section(' ', 0, 0).toInt()), arg.section(' ', 1));
            else if (op == "enter")
                QTest::keyClick(edit(1023), Qt::Key_Return);
            else if (op == "run")
                press(1008);
            else
                QVERIFY(QFile::remove(m_programFolder.filePath("tambwin")));
            // A mnemonic clicks its button a moment later.
            const auto buttons = m_dialog->findChildren<QAbstractButton *>();
            QTRY_VERIFY(std::none_of(buttons.begin(), buttons.end(), [](auto *b) { return b->isDown(); }));
        }
        QList<QStringList> runs;
        for (const auto &call : m_starter.calls) { // never one found through PATH
            QCOMPARE(QFileInfo(call.program).absoluteFilePath(), QFileInfo(m_programFolder.filePath("tambwin")).absoluteFilePath());
            runs << call.arguments;
        }
        QTEST(runs, "runs");
        QCOMPARE(m_dialog->isVisible(), !script.contains("alt X"));
        if (!m_dialog->isVisible())
            return;
        // The episode field shows the last number run, or the first.
        const QString last = runs.isEmpty() || runs.last().isEmpty() ? "1" : runs.last().first();
        if (last != "-s")
            QCOMPARE(edit(1005)->text(), EpisodeNames::load().name(last.toInt()));
        int checked = 0;
        for (int id : {1003, 1004, 1021})
            checked += find<QRadioButton>(id)->isChecked() ? id : 0;
        QVERIFY(checked == 1003 || checked == 1004 || checked == 1021);
        QCOMPARE(edit(1005)->isEnabled(), checked == 1004);
        for (int id = 1022; id <= 1026; ++id)
            QCOMPARE(edit(id)->isEnabled(), checked == 1021);
    }

    // Pasting past 100 code-page-932 bytes keeps whole characters around the cursor.
    void pasteIsCutAtTheCursor()
    {
        press(1021);
        formType(edit(1024), "xyz");
        edit(1024)->setCursorPosition(1);
        QGuiApplication::clipboard()->setText(QString(60, QChar(0x3042)));
        QTest::keySequence(edit(1024), QKeySequence::Paste);
        QCOMPARE(edit(1024)->text(), "x" + QString(48, QChar(0x3042)) + "yz");
    }

    void fontButton()
    {
        // The default face is installed nowhere: the face the card draws with is shown beside it.
        QCOMPARE(edit(1027)->text(), QStringLiteral("ＭＳ ゴシック → IPAGothic"));
        // Cancel with no tambwin.ini writes the defaults.
        alt(Qt::Key_F);
        QTRY_COMPARE(m_picker.calls, 1);
        QVERIFY(m_picker.lastFixedPitchOnly);
        QCOMPARE(m_picker.lastInitial.family(), QString("IPAGothic")); // where the card's face stands
        QCOMPARE(readAll("tambwin.ini"), ini(kDefaults, QStringLiteral("ＭＳ ゴシック")));
        alt(Qt::Key_I);
        QTRY_VERIFY(!find<QCheckBox>(1002)->isChecked());
        m_picker.answer = {true, font("IPAGothic", 0, 20, QFont::Bold)};
        press(1001);
        QVERIFY(!m_picker.lastFixedPitchOnly);
        QCOMPARE(edit(1027)->text(), QString("IPAGothic"));
        // The next use starts from what was saved.
        m_picker.answer = {};
        press(1001);
        QCOMPARE(std::pair(m_picker.lastInitial.family(), m_picker.lastInitial.weight()), std::pair(QString("IPAGothic"), QFont::Bold));
    }

    void chosenFont_data()
    {
        QTest::addColumn<QFont>("chosen");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QByteArray>("written");
        QFont twelve = font(QStringLiteral("IPAゴシック"), 12, 0, QFont::Black);
        twelve.setItalic(true);
        // A Japanese fixed-pitch face by its Japanese name: Shift-JIS, fixed pitch.
        QTest::newRow("12 pt at 120 dpi, black italic")
            << twelve << 120 << ini("4294967276 5 900 900 900 1 1 1 128 3 2 1 49", QStringLiteral("IPAゴシック"));
        QTest::newRow("proportional Latin face") << font("DejaVu Sans", 0, 20, QFont::Bold) << 96
                                                 << ini("4294967276 5 900 900 700 0 1 1 0 3 2 1 50", "DejaVu Sans");
        // 1 + 16 x 2 bytes: the face field holds 31, so the last kanji goes whole.
        // Nothing is known of a face that is not installed: character set and pitch stay.
        QTest::newRow("face cut at a character boundary")
            << font("a" + QString(16, QChar(0x6F22)), 9) << 96
            << ini("4294967284 5 900 900 400 0 1 1 77 3 2 1 49", "a" + QString(15, QChar(0x6F22)));
    }
    // Face, height, weight, italic, character set and pitch come from the
    // choice; the rest keep the file's values (here a stale character set
    // and a modern family).
    void chosenFont()
    {
        QFETCH(QFont, chosen);
        QFETCH(int, dpi);
        QVERIFY(writeAll("tambwin.ini", ini("0 5 900 900 0 0 1 1 77 3 2 1 49", "Old")));
        m_picker.answer = {true, chosen};
        QVERIFY(FontSelection(m_picker, m_faces, "tambwin.ini").run("Old", true, dpi).written);
        QTEST(readAll("tambwin.ini"), "written");
    }

    // A folder in the file's place: the box names the cause, its details the
    // file; the field keeps the face the card still draws with.
    void failedSaveKeepsFace()
    {
        const QString settingsPath = "folder.ini", reason = "同じ名前のフォルダがあります";
        QVERIFY(QDir().mkpath(settingsPath));
        m_dialog = std::make_unique<ConfigDialog>(m_starter, m_picker, m_faces, m_messages, m_programFolder.path(), settingsPath);
        const QString shown = edit(1027)->text();
        m_picker.answer = {true, QFont("DejaVu Sans")};
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(reason)));
        find<QPushButton>(1001)->click();
        QCOMPARE(edit(1027)->text(), shown);
        QCOMPARE(m_messages.boxes.size(), 1);
        QCOMPARE(m_messages.boxes.first().text, ConfigDialog::kSaveFailedMessage + "\n" + reason);
        const QString details = m_messages.boxes.first().details;
        QVERIFY2(details.startsWith(QFileInfo(settingsPath).absoluteFilePath()), qPrintable(details));
        QVERIFY(QFileInfo(settingsPath).isDir());
    }

    // The real font dialog, fixed pitch only, at a face it hides.
    void fixedPitchFilter()
    {
        bool effectsOffered = false;
        QString sample;
        QStringList families;
        whenDialogShows([&](QDialog *dialog) {
            sample = dialog->findChild<QLineEdit *>("qt_fontDialog_sampleEdit")->text();
            for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
                effectsOffered |= box->isVisibleTo(dialog);
            for (QListView *view : dialog->findChildren<QListView *>()) {
                QStringList rows;
                for (int row = 0; row < view->model()->rowCount(); ++row)
                    if (!view->isRowHidden(row))
                        rows << view->model()->index(row, 0).data().toString();
                if (rows.contains("IPAGothic"))
                    families = rows;
            }
            dialog->accept();
        });
        const FontPicker::Choice choice = FontDialogPicker().choose(QFont("IPAPGothic"), true, nullptr);
        QVERIFY(choice.accepted && !effectsOffered);
        QVERIFY(sample.contains(QRegularExpression("\\p{Hiragana}.*\\p{Han}|\\p{Han}.*\\p{Hiragana}"))); // a Japanese sample
        // The dialog starts (and so ends) at a face it shows.
        QVERIFY2(isFixedPitchFamily(choice.font.family()), qPrintable(choice.font.family()));
        if (!QFontDatabase::families().contains("IPAGothic") || !QFontDatabase::families().contains("IPAPGothic"))
            QSKIP("the IPA faces are not installed");
        QVERIFY(families.contains("IPAGothic"));
        QVERIFY(!families.contains("IPAPGothic"));
    }

    // Alt+O closes the about box.
    void aboutDialog()
    {
        QString caption;
        whenDialogShows([&](QDialog *about) {
            QTRY_VERIFY(about->isActiveWindow());
            caption = about->objectName() + about->windowTitle();
            QTest::keyClick(about, Qt::Key_O, Qt::AltModifier);
        });
        alt(Qt::Key_A);
        QTRY_COMPARE(caption, ControlNames::kAboutDialog + QStringLiteral("タンバー for Windows95 について"));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(m_dialog->isVisible());
    }
};

QTEST_MAIN(TestTitlecardConfig)
#include "test_titlecard_config.moc"
