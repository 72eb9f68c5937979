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
// captions shown whole inside their windows, and its messages in English,
// the cause of a failure included.
class TestEnglish : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    RecordingStarter m_starter;
    ScriptedDialogBinding m_dialogs;
    RecordingMessageBox m_messages;
    ScriptedQuestionBox m_questions;

private slots:
    void initTestCase() { QVERIFY(loadEnglish()); }

    // The settings window over a folder where its file should be: a change
    // and 実行 ask whether to leave unsaved, the cause among the English.
    void windows_data()
    {
        QTest::addColumn<bool>("about");
        QTest::newRow("settings") << false;
        QTest::newRow("about") << true;
    }
    void windows()
    {
        QFETCH(bool, about);
        const QString ini = m_folder.filePath(MirwinSettingsFile::kFileName);
        QVERIFY(QDir().mkpath(ini));
        MirinitWindow settings({m_starter, m_dialogs, m_messages, m_questions}, ini, m_folder.path());
        AboutWindow aboutWindow;
        QWidget *shown = about ? &aboutWindow : static_cast<QWidget *>(&settings);
        const EpisodeTitles titles = EpisodeTitles::load();
        QVERIFY(!hasJapanese(titles.line(1).chopped(titles.title(1).size())));
        QCOMPARE(japaneseTexts(shown, {titles.line(1)}), QStringList());
        for (QWidget *control : shown->findChildren<QWidget *>()) {
            if (captionWidth(control) > 0)
                QVERIFY2(control->width() >= captionWidth(control)
                             && control->parentWidget()->rect().contains(control->geometry()),
                         qPrintable(control->objectName()));
        }
        if (about)
            return;
        settings.findChild<QScrollBar *>("HScroll2")->setValue(3);
        settings.findChild<QPushButton *>("Command1")->click();
        QCOMPARE(m_questions.questions.size(), 1);
        QCOMPARE(m_questions.questions.first().count('\n'), 4); // the cause among them
        QVERIFY2(!hasJapanese(m_questions.questions.first()), qPrintable(m_questions.questions.first()));
    }
};

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
