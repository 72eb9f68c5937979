#include "fakes/japanesetexts.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "fakes/scripteddialogbinding.h"
#include "fakes/scriptedquestionbox.h"
#include "second_config/aboutwindow.h"
#include "second_config/episodetitles.h"
#include "second_config/mirinitwindow.h"
#include "second_config/mirwinsettingsfile.h"
#include "shared/ui/dialogunits.h"

#include <QtTest>
#include <QtWidgets>

// mirinit in English: no Japanese left but the episode titles, English
// captions shown whole inside their windows, and its messages in English
// but for the cause of a failure, which the file layer words.
class TestEnglish : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    RecordingStarter m_starter;
    ScriptedDialogBinding m_dialogs;
    RecordingMessageBox m_messages;
    ScriptedQuestionBox m_questions;

    std::unique_ptr<MirinitWindow> window()
    {
        return std::make_unique<MirinitWindow>(MirinitWindow::Services{m_starter, m_dialogs, m_messages, m_questions},
                                               m_folder.filePath(MirwinSettingsFile::kFileName), m_folder.path());
    }

private slots:
    void initTestCase() { QVERIFY(loadEnglish()); }
    void init()
    {
        m_messages = RecordingMessageBox();
        m_questions = ScriptedQuestionBox();
        m_starter.succeed = false;
    }

    void windows_data()
    {
        QTest::addColumn<bool>("about");
        QTest::newRow("settings") << false;
        QTest::newRow("about") << true;
    }
    void windows()
    {
        QFETCH(bool, about);
        const std::unique_ptr<QWidget> shown = about ? std::unique_ptr<QWidget>(new AboutWindow) : window();
        const EpisodeTitles titles = EpisodeTitles::load();
        QVERIFY(!hasJapanese(titles.line(1).chopped(titles.title(1).size())));
        QCOMPARE(japaneseTexts(shown.get(), {titles.line(1)}), QStringList());
        for (QWidget *control : shown->findChildren<QWidget *>()) {
            if (captionWidth(control) > 0)
                QVERIFY2(control->width() >= captionWidth(control)
                             && control->parentWidget()->rect().contains(control->geometry()),
                         qPrintable(control->objectName()));
        }
    }

    // A settings file that cannot be replaced (a folder in its place) asks
    // whether to leave unsaved; a trial run that cannot start says so.
    void messages_data()
    {
        QTest::addColumn<bool>("saveFails");
        QTest::newRow("save failed") << true;
        QTest::newRow("mirwin not started") << false;
    }
    void messages()
    {
        QFETCH(bool, saveFails);
        const QString ini = m_folder.filePath(MirwinSettingsFile::kFileName);
        QVERIFY(!saveFails || QDir().mkpath(ini));
        const auto shown = window();
        shown->findChild<QScrollBar *>("HScroll2")->setValue(3);
        shown->findChild<QPushButton *>("Command1")->click();
        QCOMPARE(m_questions.questions.size() + m_messages.boxes.size(), 1);
        const QStringList texts = m_questions.questions + QStringList(m_messages.boxes.value(0).text);
        QStringList lines = texts.first().split('\n');
        if (saveFails) {
            QCOMPARE(lines.size(), 5);
            lines.removeAt(2); // the cause
        }
        QVERIFY2(!hasJapanese(lines.join('\n') + m_messages.boxes.value(0).title), qPrintable(texts.first()));
        QVERIFY(QDir(ini).removeRecursively());
    }
};

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
