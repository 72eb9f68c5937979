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
    void layout();
    void initialStateAndRun();
    void modes();
    void episodeSteps();
    void ownTextRunsOnEnter();
    void textLimitOnTypingAndPasting();
    void fontButton();
    void aboutDialog();
    void exitCommands_data();
    void exitCommands();
    void programIgnoresItsCommandLine();

private:
    template <typename T = QWidget> T *find(int id) const { return m_dialog->findChild<T *>(controlName(id)); }
    QLineEdit *edit(int id) const { return find<QLineEdit>(id); }
    void alt(Qt::Key key) const { QTest::keyClick(m_dialog.get(), key, Qt::AltModifier); }
    void press(int id) const { QTest::mouseClick(find(id), Qt::LeftButton); }
    QStringList lastArguments() const { return m_starter.calls.last().arguments; }
    QByteArray iniBytes() const
    {
        QFile file(m_currentDir.filePath("tambwin.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

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
    qputenv("PATH", "/nonexistent-folder"); // no tambwin but the one in the program folder
    m_savedCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_currentDir.path()));
    QFile::remove("tambwin.ini");
    m_starter = RecordingStarter();
    m_picker = FakeFontPicker();
    m_dialog = std::make_unique<ConfigDialog>(m_starter, m_picker, m_programFolder.path(), "tambwin.ini");
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void TestConfigDialog::cleanup()
{
    m_dialog.reset();
    QDir::setCurrent(m_savedCurrent);
    qputenv("PATH", m_savedPath);
}

void TestConfigDialog::controls_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    const QString r = "QRadioButton", e = "QLineEdit", b = "QPushButton";
    QTest::newRow("1003") << 1003 << r << QStringLiteral("表示させる内容を自動的に選ぶ(&U)");
    QTest::newRow("1004") << 1004 << r << QStringLiteral("指定した内容を表示させる(&M)");
    QTest::newRow("1007") << 1007 << b << "&-";
    QTest::newRow("1006") << 1006 << b << "&+";
    QTest::newRow("1021") << 1021 << r << QStringLiteral("指定した文字列を表示させる(&S)");
    for (int id : {1005, 1022, 1023, 1024, 1025, 1026, 1027})
        QTest::newRow(qPrintable(QString::number(id))) << id << e << "";
    QTest::newRow("1001") << 1001 << b << QStringLiteral("選択(&F)");
    QTest::newRow("1002") << 1002 << "QCheckBox" << QStringLiteral("固定ﾋﾟｯﾁﾌｫﾝﾄのみ選択(&I)");
    QTest::newRow("1008") << 1008 << b << QStringLiteral("実行(&R)");
    QTest::newRow("1009") << 1009 << b << QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)");
    QTest::newRow("1010") << 1010 << b << QStringLiteral("終了(&X)");
}

void TestConfigDialog::controls()
{
    QFETCH(int, id);
    QFETCH(QString, kind);
    QWidget *control = find(id);
    QVERIFY(control);
    QCOMPARE(control->metaObject()->className(), kind.toLatin1());
    if (auto *b = qobject_cast<QAbstractButton *>(control))
        QTEST(b->text(), "caption");
    // The radio buttons are no tab stops; their mnemonics and clicks reach them.
    QCOMPARE(bool(control->focusPolicy() & Qt::TabFocus), kind != "QRadioButton");
    if (auto *e = qobject_cast<QLineEdit *>(control))
        QCOMPARE(e->isReadOnly(), id == 1005 || id == 1027);
    // 1008 is the default while no other push button has the focus.
    edit(1027)->setFocus();
    if (auto *b = qobject_cast<QPushButton *>(control))
        QCOMPARE(b->isDefault(), id == 1008);
}

void TestConfigDialog::layout()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("タンバー for Windows95 環境設定"));
    QCOMPARE(m_dialog->objectName(), QString("TAMBINITCFGDLG"));
    auto *fontGroup = m_dialog->findChild<QGroupBox *>(ControlNames::kFontGroup);
    QCOMPARE(fontGroup->title(), QStringLiteral("ﾌｫﾝﾄ"));
    QCOMPARE(m_dialog->findChild<QGroupBox *>(ControlNames::kContentGroup)->title(),
             QStringLiteral("表示させる内容"));
    QStringList shown;
    for (const char *name : {"staticRuby1", "staticLine1", "staticRuby2", "staticLine2", "staticLine3"})
        shown << m_dialog->findChild<QLabel *>(name)->text();
    QCOMPARE(shown, (QStringList{"ルビ", "１行目", "ルビ", "２行目", "３行目"}));
    for (QWidget *control : m_dialog->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(control->width() >= captionWidth(control), qPrintable(control->objectName()));
        QVERIFY2(m_dialog->rect().contains(control->geometry()), qPrintable(control->objectName()));
    }
    // The rows go down, + right of -, the buttons in a column beside the font section.
    int lastY = -1;
    for (int id : {1003, 1004, 1005, 1021, 1024, 1022, 1025, 1023, 1026, 1027, 1002}) {
        QVERIFY2(find(id)->y() > lastY, qPrintable(QString::number(id)));
        lastY = find(id)->y();
    }
    QVERIFY(find(1006)->x() >= find(1007)->geometry().right());
    QVERIFY(find(1007)->x() >= edit(1005)->geometry().right());
    QVERIFY(find(1008)->y() < find(1009)->y() && find(1009)->y() < find(1010)->y());
    QVERIFY(find(1008)->x() > fontGroup->geometry().right());
}

void TestConfigDialog::initialStateAndRun()
{
    QCOMPARE(edit(1005)->text(), EpisodeNames::load().name(1));
    QCOMPARE(edit(1027)->text(), QStringLiteral("ＭＳ ゴシック"));
    QVERIFY(find<QCheckBox>(1002)->isChecked());
    alt(Qt::Key_R);
    QTRY_COMPARE(m_starter.calls.size(), 1);
    QCOMPARE(QFileInfo(m_starter.calls.at(0).program).fileName(), QString("tambwin"));
    QCOMPARE(QFileInfo(m_starter.calls.at(0).program).absolutePath(),
             QFileInfo(m_programFolder.path()).absoluteFilePath());
    QCOMPARE(lastArguments(), QStringList());
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(iniBytes(), QByteArray("<missing>")); // written by the font button only

    // A tambwin that fails to start or is missing shows nothing.
    m_starter.succeed = false;
    press(1008);
    QFile::remove(m_programFolder.filePath("tambwin"));
    press(1008);
    QTest::qWait(200);
    QCOMPARE(m_starter.calls.size(), 2);
    QVERIFY(m_dialog->isVisible());
}

// From the initial mode on, each mode checks its own button only and enables
// the episode name or the texts; + and - are never disabled.
void TestConfigDialog::modes()
{
    const struct { Qt::Key key; int checked; bool name; bool texts; } steps[] = {
        {Qt::Key(0), 1003, false, false}, {Qt::Key_M, 1004, true, false},
        {Qt::Key_S, 1021, false, true},   {Qt::Key_U, 1003, false, false}};
    for (const auto &step : steps) {
        if (step.key)
            alt(step.key);
        QTRY_VERIFY(find<QRadioButton>(step.checked)->isChecked());
        for (int id : {1003, 1004, 1021})
            QCOMPARE(find<QRadioButton>(id)->isChecked(), id == step.checked);
        QCOMPARE(edit(1005)->isEnabled(), step.name);
        for (int id = 1022; id <= 1026; ++id)
            QCOMPARE(edit(id)->isEnabled(), step.texts);
        QVERIFY(find(1006)->isEnabled() && find(1007)->isEnabled());
    }
}

void TestConfigDialog::episodeSteps()
{
    const EpisodeNames names = EpisodeNames::load();
    alt(Qt::Key_M);
    for (int n = 2; n <= 4; ++n) {
        alt(Qt::Key_Plus);
        QTRY_COMPARE(edit(1005)->text(), names.name(n));
    }
    alt(Qt::Key_Minus);
    QTRY_COMPARE(edit(1005)->text(), names.name(3));
    // + and - do nothing in the other modes.
    for (int mode : {1003, 1021, 1004}) {
        QTest::mouseClick(find(mode), Qt::LeftButton);
        press(1006);
        press(1007);
        press(1007);
        QCOMPARE(edit(1005)->text(), names.name(mode == 1004 ? 2 : 3));
    }
    press(1008);
    QCOMPARE(lastArguments(), QStringList{"2"});
    for (int i = 0; i < 50; ++i)
        press(1006);
    QCOMPARE(edit(1005)->text(), names.name(45));
    press(1008);
    QCOMPARE(lastArguments(), QStringList{"45"});
    for (int i = 0; i < 50; ++i)
        press(1007);
    QCOMPARE(edit(1005)->text(), names.name(1));
    press(1008);
    QCOMPARE(lastArguments(), QStringList{"1"});
}

void TestConfigDialog::ownTextRunsOnEnter()
{
    alt(Qt::Key_S);
    QTRY_VERIFY(edit(1022)->isEnabled());
    const QStringList typed{"a,b", "", "\"x\" $PATH", "", "'q' \\;"}; // into 1022..1026
    for (int i = 0; i < 5; ++i)
        QTest::keyClicks(edit(1022 + i), typed.at(i));
    QTest::keyClick(edit(1023), Qt::Key_Return);
    QCOMPARE(m_starter.calls.size(), 1);
    QCOMPARE(lastArguments(), (QStringList{"-s", "a,b, ,\"x\" $PATH, ,'q' \\;"}));
    QVERIFY(m_dialog->isVisible());
}

void TestConfigDialog::textLimitOnTypingAndPasting()
{
    alt(Qt::Key_S);
    QTRY_VERIFY(edit(1022)->isEnabled());
    QTest::keyClicks(edit(1022), QString(105, 'a'));
    QCOMPARE(edit(1022)->text(), QString(100, 'a'));
    // A paste that crosses the limit keeps whole characters of what was pasted.
    QLineEdit *ruby1 = edit(1024);
    QTest::keyClicks(ruby1, "xyz");
    ruby1->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QString(60, QChar(0x3042)));
    QTest::keySequence(ruby1, QKeySequence::Paste);
    if (ruby1->text() == "xyz")
        QSKIP("no clipboard on this platform");
    QCOMPARE(ruby1->text(), "x" + QString(48, QChar(0x3042)) + "yz");
    press(1008);
    QCOMPARE(lastArguments().at(1), QString(100, 'a') + ", ,x" + QString(48, QChar(0x3042)) + "yz, , ");
}

void TestConfigDialog::fontButton()
{
    const QByteArray head = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\n";
    // Cancel with no tambwin.ini writes the defaults.
    alt(Qt::Key_F);
    QTRY_COMPARE(m_picker.calls, 1);
    QVERIFY(m_picker.lastFixedPitchOnly);
    QCOMPARE(m_picker.lastParent, m_dialog.get());
    QCOMPARE(iniBytes(), head + Cp932::fromUnicode(QStringLiteral("ＭＳ ゴシック")));
    QCOMPARE(edit(1027)->text(), QStringLiteral("ＭＳ ゴシック"));

    alt(Qt::Key_I);
    QTRY_VERIFY(!find<QCheckBox>(1002)->isChecked());
    QFont chosen(QStringLiteral("IPAPゴシック"));
    chosen.setPixelSize(20);
    chosen.setWeight(QFont::Bold);
    m_picker.answer = {true, chosen};
    press(1001);
    QVERIFY(!m_picker.lastFixedPitchOnly);
    QCOMPARE(edit(1027)->text(), QStringLiteral("IPAPゴシック"));
    QCOMPARE(iniBytes(), "4294967276\r\n0\r\n0\r\n0\r\n700\r\n" + head.mid(15)
                             + Cp932::fromUnicode(QStringLiteral("IPAPゴシック")));
    // The next use starts from what was saved.
    m_picker.answer = {};
    press(1001);
    QCOMPARE(m_picker.calls, 3);
    QCOMPARE(m_picker.lastInitial.family(), QStringLiteral("IPAPゴシック"));
    QCOMPARE(m_picker.lastInitial.weight(), QFont::Bold);
}

void TestConfigDialog::aboutDialog()
{
    QStringList texts;
    QString caption;
    bool iconShown = false;
    // Polls until the about box runs modally, then reads it and closes it
    // with Alt+O; a box left open is closed after 250 polls.
    QTimer poll;
    int polls = 0;
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *about = QApplication::activeModalWidget();
        if (++polls > 250 && about)
            about->close();
        if (!texts.isEmpty() || !about || about->objectName() != ControlNames::kAboutDialog
            || !about->isActiveWindow())
            return;
        caption = about->windowTitle();
        for (QLabel *label : about->findChildren<QLabel *>()) {
            texts << label->text();
            iconShown |= !label->pixmap().isNull();
            QVERIFY(label->width() >= captionWidth(label));
        }
        texts << about->findChild<QGroupBox *>(ControlNames::kSourcesGroup)->title()
              << about->findChild<QPushButton *>(controlName(1))->text();
        QTest::keyClick(about, Qt::Key_O, Qt::AltModifier);
    });
    poll.start(20);
    alt(Qt::Key_A);
    QTRY_VERIFY(!texts.isEmpty());
    QTRY_VERIFY(!QApplication::activeModalWidget());
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

// The program reads no command line; Qt's own options among its arguments
// must not take effect (an unknown platform plugin would abort it).
void TestConfigDialog::programIgnoresItsCommandLine()
{
    QProcess program;
    program.setWorkingDirectory(m_currentDir.path());
    program.start(qEnvironmentVariable("SUITE_DIR") + "/tambinit", {"-platform", "no-such-plugin"});
    QVERIFY(program.waitForStarted());
    QVERIFY2(!program.waitForFinished(1500), program.readAllStandardError().constData());
    program.kill();
    program.waitForFinished();
}

QTEST_MAIN(TestConfigDialog)
#include "test_configdialog.moc"
