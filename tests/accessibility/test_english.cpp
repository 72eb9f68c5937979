#include "fakes/fakefacecatalogue.h"
#include "fakes/fakefontpicker.h"
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
#include "titlecard/episodenames.h"
#include "titlecard_config/aboutdialog.h"
#include "titlecard_config/configdialog.h"
#include "titlecard_config/controlnames.h"

#include <QtTest>
#include <QtWidgets>

// tambinit and mirinit in English: no Japanese left but what the windows
// hold as data (an episode's name or title, a face name), English captions,
// longer than the Japanese, shown whole inside their windows, and a failed
// save told in English with its cause. The settings windows open over a
// folder where their file should be.
class TestConfigEnglish : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    RecordingStarter m_starter;
    FakeFontPicker m_picker;
    FakeFaceCatalogue m_faces{{{{"IPAGothic"}}}};
    RecordingMessageBox m_messages;
    ScriptedDialogBinding m_dialogs;
    ScriptedQuestionBox m_questions;
    QString tambwinIni() const { return m_folder.filePath("tambwin.ini"); }
    QString mirwinIni() const { return m_folder.filePath(MirwinSettingsFile::kFileName); }

private slots:
    void initTestCase()
    {
        QVERIFY(loadEnglish());
        QVERIFY(QDir().mkpath(tambwinIni()) && QDir().mkpath(mirwinIni()));
    }

    void windows_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"tambinit", "tambinit about", "mirinit", "mirinit about"})
            QTest::newRow(window) << QString(window);
    }
    void windows()
    {
        QFETCH(QString, window);
        ConfigDialog tambinit(m_starter, m_picker, m_faces, m_messages, m_folder.path(), tambwinIni());
        MirinitWindow mirinit({m_starter, m_dialogs, m_messages, m_questions}, mirwinIni(), m_folder.path());
        AboutDialog tambinitAbout;
        AboutWindow mirinitAbout;
        QWidget *shown = QHash<QString, QWidget *>{{"tambinit", &tambinit}, {"tambinit about", &tambinitAbout},
                                                   {"mirinit", &mirinit}, {"mirinit about", &mirinitAbout}}[window];
        const EpisodeTitles titles = EpisodeTitles::load();
        QVERIFY(!hasJapanese(titles.line(1).chopped(titles.title(1).size())));
        const QString face = tambinit.findChild<QLineEdit *>(controlName(1027))->text();
        QCOMPARE(japaneseTexts(shown, {EpisodeNames::load().name(1), face, titles.line(1)}), QStringList());
        for (QWidget *control : shown->findChildren<QWidget *>()) {
            if (captionWidth(control) > 0)
                QVERIFY2(control->width() >= captionWidth(control)
                             && control->parentWidget()->rect().contains(control->geometry()),
                         qPrintable(control->objectName()));
        }
    }

    // tambinit tells of the failed save in a box, mirinit asks whether to
    // leave unsaved: the cause on a line of its own.
    void failedSaves()
    {
        RecordingMessageBox boxes;
        ConfigDialog tambinit(m_starter, m_picker, m_faces, boxes, m_folder.path(), tambwinIni());
        m_picker.answer = {true, QFont("DejaVu Sans")};
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("tambwin.ini"));
        tambinit.findChild<QPushButton *>(controlName(1001))->click();
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY2(!hasJapanese(boxes.boxes[0].title + boxes.boxes[0].text), qPrintable(boxes.boxes[0].text));
        QCOMPARE(boxes.boxes[0].text.count('\n'), 1);
        MirinitWindow mirinit({m_starter, m_dialogs, m_messages, m_questions}, mirwinIni(), m_folder.path());
        mirinit.findChild<QScrollBar *>("HScroll2")->setValue(3);
        mirinit.findChild<QPushButton *>("Command1")->click();
        QCOMPARE(m_questions.questions.size(), 1);
        QCOMPARE(m_questions.questions[0].count('\n'), 4);
        QVERIFY2(!hasJapanese(m_questions.questions[0]), qPrintable(m_questions.questions[0]));
    }
};

QTEST_MAIN(TestConfigEnglish)
#include "test_english.moc"
