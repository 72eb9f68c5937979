#include "fakes/fakefontpicker.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "shared/cp932.h"
#include "titlecard_config/configdialog.h"
#include "titlecard_config/controlnames.h"
#include "shared/ui/dialogunits.h"
#include "titlecard/episodenames.h"
#include "shared/ui/fixedpitchfamilies.h"
#include "shared/ui/fontpicker.h"
#include "shared/ui/installedfaces.h"
#include "shared/ui/japanesetranslation.h"
#include "titlecard_config/fontselection.h"

#include "second_config/filebytes.h"

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
    static void type(QWidget *to, const QString &text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, to, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QList<QStringList> runs() const
    {
        QList<QStringList> result;
        for (const auto &call : m_starter.calls)
            result << call.arguments;
        return result;
    }

    QTemporaryDir m_programFolder;
    QTemporaryDir m_currentDir;
    QString m_savedCurrent;
    QByteArray m_savedPath;
    RecordingStarter m_starter;
    RecordingMessageBox m_messages;
    FakeFontPicker m_picker;
    InstalledFaces m_faces;
    std::unique_ptr<ConfigDialog> m_dialog;

private slots:
    void init()
    {
        QVERIFY(writeAll(m_programFolder.filePath("tambwin"), ""));
        QFile::setPermissions(m_programFolder.filePath("tambwin"), QFile::ReadOwner | QFile::ExeOwner);
        m_savedPath = qgetenv("PATH");
        qputenv("PATH", "/nonexistent-folder"); // no tambwin but the one in the program folder
        m_savedCurrent = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_currentDir.path()));
        QFile::remove("tambwin.ini");
        m_starter = RecordingStarter();
        m_picker = FakeFontPicker();
        m_messages = RecordingMessageBox();
        m_dialog = std::make_unique<ConfigDialog>(m_starter, m_picker, m_faces, m_messages, m_programFolder.path(),
                                                  "tambwin.ini");
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }

    void cleanup()
    {
        m_dialog.reset();
        QDir::setCurrent(m_savedCurrent);
        qputenv("PATH", m_savedPath);
    }

    // Every caption is shown whole inside the dialog.
    void captions()
    {
        const QList<QWidget *> controls = m_dialog->findChildren<QWidget *>();
        int captioned = 0;
        for (QWidget *control : controls) {
            if (captionWidth(control) == 0 || !control->isVisibleTo(m_dialog.get()))
                continue;
            ++captioned;
            QVERIFY2(control->width() >= captionWidth(control), qPrintable(control->objectName()));
            QVERIFY2(m_dialog->rect().contains(control->geometry()), qPrintable(control->objectName()));
        }
        QVERIFY(captioned >= 18);
    }

    void initialStateAndRun()
    {
        QVERIFY(find<QRadioButton>(1003)->isChecked());
        QCOMPARE(edit(1005)->text(), EpisodeNames::load().name(1));
        QVERIFY(find<QCheckBox>(1002)->isChecked());
        alt(Qt::Key_R);
        QTRY_COMPARE(m_starter.calls.size(), 1);
        QCOMPARE(QFileInfo(m_starter.calls.at(0).program).absoluteFilePath(),
                 QFileInfo(m_programFolder.filePath("tambwin")).absoluteFilePath());
        QCOMPARE(runs(), QList<QStringList>{QStringList()});
        // Without tambwin nothing is started.
        QVERIFY(QFile::remove(m_programFolder.filePath("tambwin")));
        press(1008);
        QCOMPARE(m_starter.calls.size(), 1);
        QVERIFY(m_dialog->isVisible());
    }

    // Each mode checks its own button only and enables the episode name or the texts.
    void modes()
    {
        const struct { Qt::Key key; int checked; } steps[] = {
            {Qt::Key_M, 1004}, {Qt::Key_S, 1021}, {Qt::Key_U, 1003}};
        for (const auto &step : steps) {
            alt(step.key);
            QTRY_VERIFY(find<QRadioButton>(step.checked)->isChecked());
            for (int id : {1003, 1004, 1021})
                QCOMPARE(find<QRadioButton>(id)->isChecked(), id == step.checked);
            QCOMPARE(edit(1005)->isEnabled(), step.checked == 1004);
            for (int id = 1022; id <= 1026; ++id)
                QCOMPARE(edit(id)->isEnabled(), step.checked == 1021);
        }
    }

    void episodeSteps()
    {
        const EpisodeNames names = EpisodeNames::load();
        alt(Qt::Key_M);
        for (int n = 2; n <= 4; ++n) {
            alt(Qt::Key_Plus);
            QTRY_COMPARE(edit(1005)->text(), names.name(n));
        }
        press(1008);
        // + and - do nothing in the other modes; 1004 shows the number it had.
        for (int mode : {1003, 1021}) {
            QTest::mouseClick(find(mode), Qt::LeftButton);
            press(1006), press(1007), press(1007);
        }
        QTest::mouseClick(find(1004), Qt::LeftButton);
        QCOMPARE(edit(1005)->text(), names.name(4));
        for (int i = 0; i < 50; ++i)
            press(1006);
        QCOMPARE(edit(1005)->text(), names.name(45));
        press(1008);
        for (int i = 0; i < 50; ++i)
            press(1007);
        QCOMPARE(edit(1005)->text(), names.name(1));
        press(1008);
        QCOMPARE(runs(), (QList<QStringList>{{"4"}, {"45"}, {"1"}}));
    }

    // Typed into 1022..1026 (line1, line2, ruby1, ruby2, line3); Enter runs.
    void ownText_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("record");
        QTest::newRow("all empty") << QStringList(5) << " , , , , ";
        QTest::newRow("as typed") << QStringList{"a,b", "\"x\"", "$PATH", "C:\\tmp\\", "'q' \\;"}
                                  << "a,b,\"x\",$PATH,C:\\tmp\\,'q' \\;";
        const QString full = "a" + QString(49, QChar(0x3042)) + "b";
        QTest::newRow("five 100-byte texts") << QStringList(5, full) << QStringList(5, full).join(',');
    }
    void ownText()
    {
        QFETCH(QStringList, typed);
        alt(Qt::Key_S);
        QTRY_VERIFY(edit(1022)->isEnabled());
        for (int i = 0; i < 5; ++i)
            type(edit(1022 + i), typed.at(i));
        QTest::keyClick(edit(1023), Qt::Key_Return);
        QFETCH(QString, record);
        QCOMPARE(runs(), QList<QStringList>{(QStringList{"-s", record})});
        QVERIFY(m_dialog->isVisible());
    }

    // Typing or pasting past 100 code-page-932 bytes keeps whole characters.
    void textLimit()
    {
        alt(Qt::Key_S);
        QTRY_VERIFY(edit(1022)->isEnabled());
        type(edit(1022), "x" + QString(60, QChar(0x3042)));
        QCOMPARE(edit(1022)->text(), "x" + QString(49, QChar(0x3042)));
        type(edit(1024), "xyz");
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
        QFont chosen("IPAGothic");
        chosen.setPixelSize(20);
        chosen.setWeight(QFont::Bold);
        m_picker.answer = {true, chosen};
        press(1001);
        QVERIFY(!m_picker.lastFixedPitchOnly);
        QCOMPARE(edit(1027)->text(), QString("IPAGothic"));
        // The next use starts from what was saved.
        m_picker.answer = {};
        press(1001);
        QCOMPARE(m_picker.lastInitial.family(), QString("IPAGothic"));
        QCOMPARE(m_picker.lastInitial.weight(), QFont::Bold);
    }

    void chosenFont_data()
    {
        QTest::addColumn<QFont>("chosen");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QByteArray>("written");
        QFont twelve(QStringLiteral("IPAゴシック"));
        twelve.setPointSize(12);
        twelve.setWeight(QFont::Black);
        twelve.setItalic(true);
        // A Japanese fixed-pitch face by its Japanese name: Shift-JIS, fixed pitch.
        QTest::newRow("12 pt at 120 dpi, black italic")
            << twelve << 120 << ini("4294967276 5 900 900 900 1 1 1 128 3 2 1 49", QStringLiteral("IPAゴシック"));
        QFont latin(QStringLiteral("DejaVu Sans"));
        latin.setPixelSize(20);
        latin.setBold(true);
        QTest::newRow("proportional Latin face")
            << latin << 96 << ini("4294967276 5 900 900 700 0 1 1 0 3 2 1 50", QStringLiteral("DejaVu Sans"));
        // 1 + 16 x 2 bytes: the face field holds 31, so the last kanji goes whole.
        // Nothing is known of a face that is not installed: character set and pitch stay.
        QFont longFace("a" + QString(16, QChar(0x6F22)));
        longFace.setPointSize(9);
        QTest::newRow("face cut at a character boundary")
            << longFace << 96 << ini("4294967284 5 900 900 400 0 1 1 77 3 2 1 49", "a" + QString(15, QChar(0x6F22)));
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

    void failedSaveKeepsFace_data()
    {
        QTest::addColumn<QString>("settingsPath");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a file where its folder should be")
            << "plainfile/tambwin.ini" << "パスの途中にフォルダではないものがあります";
        QTest::newRow("a folder in its place") << "folder.ini" << "同じ名前のフォルダがあります";
    }
    // The box names the cause, its details the file; the field keeps the
    // face the card still draws with, and nothing else is touched.
    void failedSaveKeepsFace()
    {
        QFETCH(QString, settingsPath);
        QFETCH(QString, reason);
        QVERIFY(writeAll("plainfile", "keep"));
        QVERIFY(QDir().mkpath("folder.ini"));
        ConfigDialog dialog(m_starter, m_picker, m_faces, m_messages, m_programFolder.path(), settingsPath);
        auto *face = dialog.findChild<QLineEdit *>(controlName(1027));
        const QString shown = face->text();
        m_picker.answer = {true, QFont(QStringLiteral("DejaVu Sans"))};
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(reason)));
        dialog.findChild<QPushButton *>(controlName(1001))->click();
        QCOMPARE(face->text(), shown);
        QCOMPARE(m_messages.boxes.size(), 1);
        const RecordingMessageBox::Box &box = m_messages.boxes.first();
        QCOMPARE(box.text, ConfigDialog::kSaveFailedMessage + "\n" + reason);
        QVERIFY2(box.details.startsWith(QFileInfo(settingsPath).absoluteFilePath()), qPrintable(box.details));
        QCOMPARE(readAll("plainfile"), QByteArray("keep"));
        QVERIFY(QFileInfo("folder.ini").isDir());
    }

    void initialFace_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QByteArray>("face");
        QTest::newRow("line 14") << ini(kDefaults, "IPAGothic") << QByteArray("IPAGothic");
        QTest::newRow("megabyte of lead bytes") << ini(kDefaults, "") + QByteArray(1 << 20, '\x82')
                                                << QByteArray(30, '\x82');
    }
    void initialFace()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(writeAll("tambwin.ini", contents));
        QTEST(::initialFace("tambwin.ini"), "face");
    }

    void fixedPitchFilter_data()
    {
        QTest::addColumn<QString>("initialFamily");
        QTest::addColumn<bool>("fixedPitchOnly");
        QTest::newRow("fixed, at a hidden face") << "IPAPGothic" << true;
        QTest::newRow("any") << "IPAPGothic" << false;
    }
    // The real font dialog, read and confirmed from a timer while it runs modally.
    void fixedPitchFilter()
    {
        QFETCH(QString, initialFamily);
        QFETCH(bool, fixedPitchOnly);
        bool effectsOffered = false;
        QString startFamily, sample;
        QStringList families;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            startFamily = dialog->currentFont().family();
            for (QLineEdit *edit : dialog->findChildren<QLineEdit *>())
                if (!edit->isReadOnly() && edit->text().contains(QRegularExpression("\\p{Hiragana}")))
                    sample = edit->text();
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
        const FontPicker::Choice choice = FontDialogPicker().choose(QFont(initialFamily), fixedPitchOnly, nullptr);
        QVERIFY(choice.accepted); // also proves the timer found the dialog
        QVERIFY(!effectsOffered);
        QVERIFY(sample.contains(QRegularExpression("\\p{Han}"))); // a Japanese sample, kana and kanji
        if (fixedPitchOnly) {
            QVERIFY2(isFixedPitchFamily(startFamily), qPrintable(startFamily));
            QVERIFY2(isFixedPitchFamily(choice.font.family()), qPrintable(choice.font.family()));
        }
        if (!QFontDatabase::families().contains("IPAGothic") || !QFontDatabase::families().contains("IPAPGothic"))
            QSKIP("the IPA faces are not installed");
        QVERIFY(families.contains("IPAGothic"));
        QCOMPARE(families.contains("IPAPGothic"), !fixedPitchOnly);
    }

    // Qt's own texts speak Japanese too.
    void qtTextsInJapanese()
    {
        QVERIFY(loadJapaneseTranslation(*qApp));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    }

    void episodeNames()
    {
        const EpisodeNames names = EpisodeNames::load();
        QCOMPARE(names.count(), 45);
        for (int n = 1; n <= 45; ++n) {
            const QByteArray bytes = Cp932::fromUnicode(names.name(n));
            QVERIFY2(!names.name(n).trimmed().isEmpty() && bytes.size() <= 38, qPrintable(names.name(n)));
            QCOMPARE(Cp932::toUnicode(bytes), names.name(n));
        }
    }

    // Alt+O closes the about box; one left open is closed after 250 polls,
    // so that the test fails rather than hangs.
    void aboutDialog()
    {
        QString caption;
        int polls = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *about = QApplication::activeModalWidget();
            if (about && ++polls > 250)
                about->close();
            if (!caption.isEmpty() || !about || about->objectName() != ControlNames::kAboutDialog
                || !about->isActiveWindow())
                return;
            caption = about->windowTitle();
            QTest::keyClick(about, Qt::Key_O, Qt::AltModifier);
        });
        poll.start(20);
        alt(Qt::Key_A);
        QTRY_COMPARE(caption, QStringLiteral("タンバー for Windows95 について"));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(polls <= 250);
        QVERIFY(m_dialog->isVisible());
    }

    // Esc and the close box end a dialog by Qt's own doing; 1010 by ours.
    void exitButton()
    {
        QSignalSpy finished(m_dialog.get(), &QDialog::finished);
        press(1010);
        QTRY_COMPARE(finished.size(), 1);
    }

    // Qt's own options among the program's arguments must not take effect (an
    // unknown platform plugin would abort it).
    void programIgnoresItsCommandLine()
    {
        QProcess program;
        program.setWorkingDirectory(m_currentDir.path());
        program.start(qEnvironmentVariable("SUITE_DIR") + "/tambinit", {"-platform", "no-such-plugin"});
        QVERIFY(program.waitForStarted());
        QVERIFY2(!program.waitForFinished(1500), program.readAllStandardError().constData());
        program.kill();
        program.waitForFinished();
    }
};

QTEST_MAIN(TestTitlecardConfig)
#include "test_titlecard_config.moc"
