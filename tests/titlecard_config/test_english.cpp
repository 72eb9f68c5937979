#include "fakes/fakefacecatalogue.h"
#include "fakes/fakefontpicker.h"
#include "fakes/japanesetexts.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "shared/ui/dialogunits.h"
#include "titlecard/episodenames.h"
#include "titlecard_config/aboutdialog.h"
#include "titlecard_config/configdialog.h"
#include "titlecard_config/controlnames.h"

#include <QtTest>
#include <QtWidgets>

// tambinit in English: no Japanese left but what the windows hold as data
// (an episode's name, a face name), English captions, longer than the
// Japanese, shown whole inside their windows, and a failed save told in
// English with the cause after it.
class TestEnglish : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    RecordingStarter m_starter;
    FakeFontPicker m_picker;
    FakeFaceCatalogue m_faces{{{{"IPAGothic"}}}};
    RecordingMessageBox m_messages;

private slots:
    void initTestCase() { QVERIFY(loadEnglish()); }

    void windows_data()
    {
        QTest::addColumn<bool>("about");
        QTest::newRow("settings") << false;
        QTest::newRow("about") << true;
    }
    void windows()
    {
        QFETCH(bool, about);
        QVERIFY(QDir(m_folder.path()).mkpath("folder.ini")); // a folder where the file should be
        ConfigDialog settings(m_starter, m_picker, m_faces, m_messages, m_folder.path(), m_folder.filePath("folder.ini"));
        AboutDialog aboutBox;
        QWidget *shown = about ? &aboutBox : static_cast<QWidget *>(&settings);
        QLineEdit *face = settings.findChild<QLineEdit *>(controlName(1027));
        QCOMPARE(japaneseTexts(shown, {EpisodeNames::load().name(1), face->text()}), QStringList());
        for (QWidget *control : shown->findChildren<QWidget *>()) {
            if (captionWidth(control) > 0)
                QVERIFY2(control->width() >= captionWidth(control)
                             && control->parentWidget()->rect().contains(control->geometry()),
                         qPrintable(control->objectName()));
        }
        if (about)
            return;
        m_picker.answer = {true, QFont("DejaVu Sans")};
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("folder.ini"));
        settings.findChild<QPushButton *>(controlName(1001))->click();
        QCOMPARE(m_messages.boxes.size(), 1);
        const RecordingMessageBox::Box box = m_messages.boxes.first();
        QVERIFY2(!hasJapanese(box.title + box.text), qPrintable(box.title + box.text));
        QCOMPARE(box.text.count('\n'), 1);
    }
};

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
