#include "fakefontpicker.h"
#include "fakes/recordingstarter.h"
#include "shared/cp932.h"
#include "titlecard_config/configdialog.h"
#include "titlecard_config/controlnames.h"
#include "titlecard_config/dialogunits.h"
#include "titlecard_config/episodenames.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// Drives the real dialog through its controls, keys and mnemonics, with a
// recording program starter, a scripted font dialog and a scratch current
// directory for tambwin.ini.
class TestConfigDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controls_data();
    void controls();
    void captionsFitInsideTheDialog();
    void initialState();
    void runInitialStateWithAltR();
    void modeSwitching_data();
    void modeSwitching();
    void episodeSteps();
    void stepsOutsideEpisodeMode();
    void ownText_data();
    void ownText();
    void enterInAnEditRuns();
    void textLimitOnTypingAndPasting();
    void missingTambwinDoesNothing();
    void fontCancelWithoutFile();
    void fontChosenProportional();
    void hugeFaceLineAtStart();
    void aboutDialog();
    void exitCommands_data();
    void exitCommands();

private:
    QPushButton *button(int id) const { return m_dialog->findChild<QPushButton *>(controlName(id)); }
    QRadioButton *radio(int id) const { return m_dialog->findChild<QRadioButton *>(controlName(id)); }
    QLineEdit *edit(int id) const { return m_dialog->findChild<QLineEdit *>(controlName(id)); }
    void alt(Qt::Key key) const { QTest::keyClick(m_dialog.get(), key, Qt::AltModifier); }
    void press(int id) const { QTest::mouseClick(button(id), Qt::LeftButton); }
    QByteArray iniBytes() const;

    QTemporaryDir m_programFolder;
    QTemporaryDir m_currentDir;
    QString m_savedCurrent;
    QByteArray m_savedPath;
    RecordingStarter m_starter;
    FakeFontPicker m_picker;
    std::unique_ptr<ConfigDialog> m_dialog;
};

void TestConfigDialog::init()
{
    QFile fake(m_programFolder.filePath("tambwin"));
    QVERIFY(fake.open(QIODevice::WriteOnly));
    fake.close();
    fake.setPermissions(fake.permissions() | QFileDevice::ExeOwner);
    m_savedPath = qgetenv("PATH");
    qputenv("PATH", "/nonexistent-folder");
    m_savedCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_currentDir.path()));
    QFile::remove("tambwin.ini");
    m_starter.calls.clear();
    m_picker = FakeFontPicker();
    m_dialog = std::make_unique<ConfigDialog>(m_starter, m_picker, m_programFolder.path(),
                                              QStringLiteral("tambwin.ini"));
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void TestConfigDialog::cleanup()
{
    m_dialog.reset();
    QDir::setCurrent(m_savedCurrent);
    qputenv("PATH", m_savedPath);
}

QByteArray TestConfigDialog::iniBytes() const
{
    QFile file(m_currentDir.filePath("tambwin.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestConfigDialog::controls_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("tabStop");
    const QString r = "QRadioButton", e = "QLineEdit", b = "QPushButton";
    QTest::newRow("1003") << 1003 << r << QStringLiteral("表示させる内容を自動的に選ぶ(&U)") << false;
    QTest::newRow("1004") << 1004 << r << QStringLiteral("指定した内容を表示させる(&M)") << false;
    QTest::newRow("1005") << 1005 << e << "" << true;
    QTest::newRow("1007") << 1007 << b << "&-" << true;
    QTest::newRow("1006") << 1006 << b << "&+" << true;
    QTest::newRow("1021") << 1021 << r << QStringLiteral("指定した文字列を表示させる(&S)") << false;
    for (int id = 1022; id <= 1027; ++id)
        QTest::newRow(qPrintable(QString::number(id))) << id << e << "" << true;
    QTest::newRow("1001") << 1001 << b << QStringLiteral("選択(&F)") << true;
    QTest::newRow("1002") << 1002 << "QCheckBox" << QStringLiteral("固定ﾋﾟｯﾁﾌｫﾝﾄのみ選択(&I)") << true;
    QTest::newRow("1008") << 1008 << b << QStringLiteral("実行(&R)") << true;
    QTest::newRow("1009") << 1009 << b << QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)") << true;
    QTest::newRow("1010") << 1010 << b << QStringLiteral("終了(&X)") << true;
}

void TestConfigDialog::controls()
{
    QFETCH(int, id);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(bool, tabStop);
    QWidget *control = m_dialog->findChild<QWidget *>(controlName(id));
    QVERIFY(control);
    QCOMPARE(control->metaObject()->className(), kind.toLatin1());
    if (auto *b = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(b->text(), caption);
    QCOMPARE(bool(control->focusPolicy() & Qt::TabFocus), tabStop);
    if (auto *e = qobject_cast<QLineEdit *>(control))
        QCOMPARE(e->isReadOnly(), id == 1005 || id == 1027);
    // 1008 is the default while no other push button has the focus.
    edit(1027)->setFocus();
    if (auto *b = qobject_cast<QPushButton *>(control))
        QCOMPARE(b->isDefault(), id == 1008);
}

void TestConfigDialog::captionsFitInsideTheDialog()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("タンバー for Windows95 環境設定"));
    QCOMPARE(m_dialog->objectName(), QString("TAMBINITCFGDLG"));
    QCOMPARE(m_dialog->findChild<QGroupBox *>(ControlNames::kContentGroup)->title(),
             QStringLiteral("表示させる内容"));
    QCOMPARE(m_dialog->findChild<QGroupBox *>(ControlNames::kFontGroup)->title(), QStringLiteral("ﾌｫﾝﾄ"));
    const QStringList labels = {"ルビ", "１行目", "ルビ", "２行目", "３行目"};
    QStringList shown;
    for (const char *name : {"staticRuby1", "staticLine1", "staticRuby2", "staticLine2", "staticLine3"})
        shown << m_dialog->findChild<QLabel *>(name)->text();
    QCOMPARE(shown, labels);

    const QRect inside = m_dialog->rect();
    for (QWidget *control : m_dialog->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(control->width() >= captionWidth(control), qPrintable(control->objectName()));
        QVERIFY2(inside.contains(control->geometry()), qPrintable(control->objectName()));
    }
    // The template's arrangement: the rows go down, + right of -, the
    // buttons in a column beside the font section.
    int lastY = -1;
    for (int id : {1003, 1004, 1005, 1021, 1024, 1022, 1025, 1023, 1026, 1027, 1002}) {
        QWidget *w = m_dialog->findChild<QWidget *>(controlName(id));
        QVERIFY2(w->y() > lastY, qPrintable(w->objectName()));
        lastY = w->y();
    }
    QVERIFY(button(1006)->x() >= button(1007)->geometry().right());
    QVERIFY(button(1007)->x() >= edit(1005)->geometry().right());
    QVERIFY(button(1008)->y() < button(1009)->y() && button(1009)->y() < button(1010)->y());
    QVERIFY(button(1008)->x() > m_dialog->findChild<QGroupBox *>(ControlNames::kFontGroup)->geometry().right());
}

void TestConfigDialog::initialState()
{
    QVERIFY(radio(1003)->isChecked());
    QVERIFY(!radio(1004)->isChecked());
    QVERIFY(!radio(1021)->isChecked());
    QVERIFY(!edit(1005)->isEnabled());
    QCOMPARE(edit(1005)->text(), EpisodeNames::load().name(1));
    for (int id = 1022; id <= 1026; ++id) {
        QVERIFY(!edit(id)->isEnabled());
        QVERIFY(edit(id)->text().isEmpty());
    }
    QCOMPARE(edit(1027)->text(), QStringLiteral("ＭＳ ゴシック"));
    QVERIFY(m_dialog->findChild<QCheckBox *>(controlName(1002))->isChecked());
    QCOMPARE(iniBytes(), QByteArray("<missing>")); // nothing is written before the font button
}

void TestConfigDialog::runInitialStateWithAltR()
{
    alt(Qt::Key_R);
    QTRY_COMPARE(m_starter.calls.size(), 1);
    QCOMPARE(QFileInfo(m_starter.calls.at(0).program).fileName(), QString("tambwin"));
    QCOMPARE(QFileInfo(m_starter.calls.at(0).program).absolutePath(),
             QFileInfo(m_programFolder.path()).absoluteFilePath());
    QCOMPARE(m_starter.calls.at(0).arguments, QStringList());
    QVERIFY(m_dialog->isVisible()); // the dialog stays open
}

// Keys pressed with Alt, and which of 1005 and the texts end up enabled.
void TestConfigDialog::modeSwitching_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("checked");
    QTest::addColumn<bool>("nameEnabled");
    QTest::addColumn<bool>("textsEnabled");
    QTest::newRow("M") << QList<int>{Qt::Key_M} << 1004 << true << false;
    QTest::newRow("S") << QList<int>{Qt::Key_S} << 1021 << false << true;
    QTest::newRow("M S") << QList<int>{Qt::Key_M, Qt::Key_S} << 1021 << false << true;
    QTest::newRow("S M") << QList<int>{Qt::Key_S, Qt::Key_M} << 1004 << true << false;
    QTest::newRow("S U") << QList<int>{Qt::Key_S, Qt::Key_U} << 1003 << false << false;
}

void TestConfigDialog::modeSwitching()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, checked);
    QFETCH(bool, nameEnabled);
    QFETCH(bool, textsEnabled);
    for (int key : keys) {
        const int target = key == Qt::Key_M ? 1004 : key == Qt::Key_S ? 1021 : 1003;
        alt(Qt::Key(key));
        QTRY_VERIFY(radio(target)->isChecked());
    }
    for (int id : {1003, 1004, 1021})
        QCOMPARE(radio(id)->isChecked(), id == checked);
    QCOMPARE(edit(1005)->isEnabled(), nameEnabled);
    for (int id = 1022; id <= 1026; ++id)
        QCOMPARE(edit(id)->isEnabled(), textsEnabled);
    QVERIFY(button(1006)->isEnabled() && button(1007)->isEnabled()); // never disabled
}

void TestConfigDialog::episodeSteps()
{
    const EpisodeNames names = EpisodeNames::load();
    QTest::mouseClick(radio(1004), Qt::LeftButton);
    QVERIFY(radio(1004)->isChecked());
    for (int n = 2; n <= 4; ++n) {
        alt(Qt::Key_Plus);
        QTRY_COMPARE(edit(1005)->text(), names.name(n));
    }
    alt(Qt::Key_R);
    QTRY_COMPARE(m_starter.calls.size(), 1);
    QCOMPARE(m_starter.calls.at(0).arguments, QStringList{"4"});

    for (int i = 0; i < 50; ++i)
        press(1006);
    QCOMPARE(edit(1005)->text(), names.name(45));
    press(1008);
    QCOMPARE(m_starter.calls.last().arguments, QStringList{"45"});
    for (int i = 0; i < 50; ++i)
        press(1007);
    alt(Qt::Key_Minus);
    QTest::qWait(200);
    QCOMPARE(edit(1005)->text(), names.name(1));
    press(1008);
    QCOMPARE(m_starter.calls.last().arguments, QStringList{"1"});
}

void TestConfigDialog::stepsOutsideEpisodeMode()
{
    const EpisodeNames names = EpisodeNames::load();
    QTest::mouseClick(radio(1004), Qt::LeftButton);
    press(1006);
    press(1006);
    for (int mode : {1003, 1021}) {
        QTest::mouseClick(radio(mode), Qt::LeftButton);
        press(1006);
        press(1007);
        press(1007);
        QCOMPARE(edit(1005)->text(), names.name(3));
    }
    QTest::mouseClick(radio(1004), Qt::LeftButton);
    QCOMPARE(edit(1005)->text(), names.name(3));
    press(1008);
    QCOMPARE(m_starter.calls.last().arguments, QStringList{"3"});
}

void TestConfigDialog::ownText_data()
{
    QTest::addColumn<QStringList>("typed"); // into 1022..1026
    QTest::addColumn<QString>("record");
    QTest::newRow("only line1") << QStringList{"ABC", "", "", "", ""} << "ABC, , , , ";
    QTest::newRow("all empty") << QStringList{"", "", "", "", ""} << " , , , , ";
    QTest::newRow("as typed") << QStringList{"a,b", "\"x\"", "$PATH", "\\\\srv\\", "'q' ;"}
                              << "a,b,\"x\",$PATH,\\\\srv\\,'q' ;";
}

void TestConfigDialog::ownText()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, record);
    alt(Qt::Key_S);
    QTRY_VERIFY(edit(1022)->isEnabled());
    for (int i = 0; i < 5; ++i)
        QTest::keyClicks(edit(1022 + i), typed.at(i));
    alt(Qt::Key_R);
    QTRY_COMPARE(m_starter.calls.size(), 1);
    QCOMPARE(m_starter.calls.at(0).arguments, (QStringList{"-s", record}));
}

void TestConfigDialog::enterInAnEditRuns()
{
    QTest::mouseClick(radio(1021), Qt::LeftButton);
    QTest::keyClicks(edit(1023), "two");
    QTest::keyClick(edit(1023), Qt::Key_Return);
    QCOMPARE(m_starter.calls.size(), 1);
    QCOMPARE(m_starter.calls.at(0).arguments, (QStringList{"-s", " ,two, , , "}));
    QVERIFY(m_dialog->isVisible());
}

void TestConfigDialog::textLimitOnTypingAndPasting()
{
    QTest::mouseClick(radio(1021), Qt::LeftButton);
    QLineEdit *line1 = edit(1022);
    QTest::keyClicks(line1, QString(105, 'a'));
    QCOMPARE(line1->text(), QString(100, 'a'));

    // A paste that crosses the limit keeps whole characters of what was pasted.
    QLineEdit *ruby1 = edit(1024);
    QTest::keyClicks(ruby1, "xyz");
    ruby1->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QString(60, QChar(0x3042)));
    ruby1->setFocus();
    QTest::keySequence(ruby1, QKeySequence::Paste);
    if (ruby1->text() == "xyz")
        QSKIP("no clipboard on this platform");
    QCOMPARE(ruby1->text(), "x" + QString(48, QChar(0x3042)) + "yz");
    QCOMPARE(Cp932::fromUnicode(ruby1->text()).size(), 99);

    press(1008);
    QCOMPARE(m_starter.calls.last().arguments.at(1),
             QString(100, 'a') + ", ,x" + QString(48, QChar(0x3042)) + "yz, , ");
}

void TestConfigDialog::missingTambwinDoesNothing()
{
    QFile::remove(m_programFolder.filePath("tambwin"));
    press(1008);
    alt(Qt::Key_R);
    QTest::qWait(200);
    QVERIFY(m_starter.calls.isEmpty());
    QVERIFY(m_dialog->isVisible());
}

void TestConfigDialog::fontCancelWithoutFile()
{
    alt(Qt::Key_F);
    QTRY_COMPARE(m_picker.calls, 1);
    QVERIFY(m_picker.lastFixedPitchOnly);
    QCOMPARE(m_picker.lastParent, m_dialog.get());
    QCOMPARE(iniBytes(), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\n"
                             + Cp932::fromUnicode(QStringLiteral("ＭＳ ゴシック")));
    QCOMPARE(edit(1027)->text(), QStringLiteral("ＭＳ ゴシック"));
}

void TestConfigDialog::fontChosenProportional()
{
    alt(Qt::Key_I);
    QTRY_VERIFY(!m_dialog->findChild<QCheckBox *>(controlName(1002))->isChecked());
    QFont chosen(QStringLiteral("IPAPゴシック"));
    chosen.setPixelSize(20);
    chosen.setWeight(QFont::Bold);
    m_picker.answer = {true, chosen};
    press(1001);
    QCOMPARE(m_picker.calls, 1);
    QVERIFY(!m_picker.lastFixedPitchOnly);
    QCOMPARE(edit(1027)->text(), QStringLiteral("IPAPゴシック"));
    QVERIFY(iniBytes().startsWith("4294967276\r\n0\r\n0\r\n0\r\n700\r\n0\r\n"));
    QVERIFY(iniBytes().endsWith(Cp932::fromUnicode(QStringLiteral("\r\nIPAPゴシック"))));

    // The next use starts from what was saved.
    m_picker.answer = {};
    press(1001);
    QCOMPARE(m_picker.lastInitial.family(), QStringLiteral("IPAPゴシック"));
    QCOMPARE(m_picker.lastInitial.weight(), QFont::Bold);
}

void TestConfigDialog::hugeFaceLineAtStart()
{
    QFile file("tambwin.ini");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n13\r\n");
    file.write(QByteArray(1024 * 1024, '\x82')); // a megabyte of lead bytes
    file.close();
    ConfigDialog dialog(m_starter, m_picker, m_programFolder.path(), QStringLiteral("tambwin.ini"));
    const QByteArray face = Cp932::fromUnicode(dialog.findChild<QLineEdit *>(controlName(1027))->text());
    QVERIFY(face.size() <= 31);
}

void TestConfigDialog::aboutDialog()
{
    QStringList texts;
    QString caption;
    bool iconShown = false;
    // Polls until the about box runs modally, then reads and closes it.
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *about = QApplication::activeModalWidget();
        if (!about || about->objectName() != ControlNames::kAboutDialog || !about->isActiveWindow())
            return;
        poll.stop();
        caption = about->windowTitle();
        for (QLabel *label : about->findChildren<QLabel *>()) {
            texts << label->text();
            iconShown |= !label->pixmap().isNull();
            QVERIFY(label->width() >= captionWidth(label));
        }
        texts << about->findChild<QGroupBox *>(ControlNames::kSourcesGroup)->title();
        QPushButton *ok = about->findChild<QPushButton *>(controlName(1));
        texts << ok->text();
        QTest::keyClick(about, Qt::Key_O, Qt::AltModifier);
    });
    poll.start(20);
    // Never hang on a box that did not close: the checks below then fail.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [] {
        if (QWidget *stuck = QApplication::activeModalWidget())
            stuck->close();
    });
    guard.start(5000);
    alt(Qt::Key_A);
    QTRY_VERIFY(!texts.isEmpty());
    QTRY_VERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == m_dialog.get());
    QCOMPARE(caption, QStringLiteral("タンバー for Windows95 について"));
    QVERIFY(iconShown);
    for (const char *expected : {"タンバー for Windows95", "タンバー for Windows95 環境設定",
                                    "version 1.10", "引用元", "各話タイトル", "背景画", "効果音", "&OK"})
        QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(m_dialog->isVisible());
}

void TestConfigDialog::exitCommands_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Alt+X") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
    QTest::newRow("click 1010") << 3;
}

void TestConfigDialog::exitCommands()
{
    QFETCH(int, how);
    QSignalSpy finished(m_dialog.get(), &QDialog::finished);
    switch (how) {
    case 0: alt(Qt::Key_X); break;
    case 1: QTest::keyClick(m_dialog.get(), Qt::Key_Escape); break;
    case 2: m_dialog->close(); break;
    default: press(1010); break;
    }
    QTRY_COMPARE(finished.size(), 1);
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_starter.calls.isEmpty());
    QCOMPARE(iniBytes(), QByteArray("<missing>"));
}

QTEST_MAIN(TestConfigDialog)
#include "test_configdialog.moc"
