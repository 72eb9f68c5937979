#include "propertyrig.h"

#include "shared/ui/fieldbackground.h"
#include "viewer_properties/valuebar.h"

#include <QLabel>
#include <QRadioButton>

namespace {
QString line(const QString &file, int n)
{
    return file + ' ' + QString::number(n);
}
} // namespace

// The pages as a person uses them: the start-line preview of every kind of
// source and of files that cannot be read, the order and method options on
// Sh, the mirwin bars and labels, the file and font dialogs, the interval.
class TestPropertyPages : public QObject
{
    Q_OBJECT
    QTemporaryDir m_runtime;

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path())); }

    void preview_data()
    {
        QTest::addColumn<QString>("source"); // a name in the program folder
        QTest::addColumn<QByteArray>("content"); // "keep": the rig's own file
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("preview"); // "%1": the program folder
        QTest::addColumn<int>("maximum"); // of the start-line bar; 0 when not checked
        const QByteArray keep("keep");
        const QByteArray seven = numberedLines("自分の行", 7);
        QTest::newRow("tamber, line 12") << "tamber.vmf" << keep << 10 << 12 << "第12章 " + line("tamber.vmf", 12) << 50;
        QTest::newRow("beyond the end: line 50") << "tamber.vmf" << keep << 10 << 80 << "第50章 " + line("tamber.vmf", 50) << 50;
        QTest::newRow("mirelle") << "mirelle.vmf" << keep << 11 << 3 << "第3話 「" + line("mirelle.vmf", 3) + "の巻」" << 50;
        QTest::newRow("own file") << "own.txt" << seven << 10 << 2 << "2行 - 自分の行2" << 7;
        QTest::newRow("UTF-8 file as the viewer shows it") << "utf8.txt" << QByteArray("一行目\n二行目\n") << 10 << 2
                                                          << "2行 - 二行目" << 2;
        QTest::newRow("missing tamber") << "tamber.vmf" << QByteArray("missing") << 10 << 12 << "12行 - " << 30000;
        QTest::newRow("empty tamber") << "tamber.vmf" << QByteArray() << 10 << 5 << "第0章 " << 0;
        QTest::newRow("named pipe") << "own.txt" << QByteArray("fifo") << 10 << 3 << "3行 - " << 30000;
        QTest::newRow("random: the title") << "quill.vmf" << keep << 20 << 1 << "アニメクイロン" << 0;
        QTest::newRow("random: own file") << "own.txt" << seven << 22 << 1 << "%1/own.txt より" << 0;
    }
    void preview()
    {
        QFETCH(QString, source);
        QFETCH(QByteArray, content);
        QFETCH(int, code);
        QFETCH(int, start);
        PropertyRig rig;
        const bool fixed = source.endsWith(".vmf");
        const QString ops = fixed ? source : rig.path(source);
        if (content == "missing")
            QVERIFY(QFile::remove(rig.path(source)));
        else if (content != "keep")
            place(rig.path(source), content);
        rig.store.stored = stored(ops, code, 0, start, 1);
        rig.open();
        rig.settle();
        QFETCH(QString, preview);
        QCOMPARE(rig.text("Text3"), preview.arg(rig.folder.path()));
        const bool inOrder = code < 20;
        QCOMPARE(rig.child("Text3")->isEnabled(), inOrder);
        QCOMPARE(rig.child("HScroll2")->isEnabled(), inOrder);
        QFETCH(int, maximum);
        if (maximum)
            QCOMPARE(rig.child<ValueBar>("HScroll2")->finishEnd(), maximum);
    }

    void showCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("order switches keep the method") << 22 << QStringList{"Option15", "Option21"} << QList<int>{12, 22};
        QTest::newRow("method keeps the order") << 10 << QStringList{"Option14", "Option12"} << QList<int>{11, 10};
        QTest::newRow("random methods") << 21 << QStringList{"Option13", "Option7"} << QList<int>{22, 23};
        QTest::newRow("unknown code stays") << 5 << QStringList{"Option14", "Option15", "Option21"} << QList<int>{5, 5, 5};
    }
    void showCode()
    {
        QFETCH(int, code);
        QFETCH(QStringList, clicks);
        PropertyRig rig(stored("tamber.vmf", code, 0, 1, 1));
        rig.open();
        QList<int> codes;
        for (const QString &name : clicks) {
            rig.click(name);
            codes << rig.window->state().values.showCode.value();
        }
        QTEST(codes, "codes");
    }

    // A built-in source chosen in random order after the file option leaves
    // the file-name field switched off; file order with the file option
    // opens it again.
    void fileNameField()
    {
        PropertyRig rig(stored(QDir::temp().filePath("x.txt"), 20, 0, 1, 1));
        rig.open();
        auto *field = rig.child<QLineEdit>("Text4");
        QVERIFY(field->isEnabled());
        rig.click("Option10");
        QVERIFY(!field->isEnabled());
        QVERIFY(!isFieldWhite(field));
        QTest::keyClicks(field, "typed");
        QCOMPARE(rig.window->state().values.quoteSource, QStringLiteral("tamber.vmf"));
        rig.click("Option20");
        rig.click("Option15");
        QVERIFY(field->isEnabled());
        QVERIFY(isFieldWhite(field));
    }

    // "...": the file option, the three filter pairs with the first one
    // shown, then the chosen file in the field and its line in the preview.
    void fileChoice_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("before"); // the field's text
        QTest::addColumn<QString>("preview");
        QTest::newRow("chosen") << true << "" << "2行 - 自分の行2";
        QTest::newRow("cancelled: an empty name") << false << "/nowhere/x.txt" << "2行 - ";
    }
    void fileChoice()
    {
        QFETCH(bool, chosen);
        QFETCH(QString, before);
        PropertyRig rig(stored(before.isEmpty() ? "tamber.vmf" : before, 10, 0, 2, 1));
        writeFile(rig.path("own.txt"), numberedLines("自分の行", 7));
        if (chosen)
            rig.dialogs.fileAnswer = {1, 0, {rig.path("own.txt")}, 1};
        rig.open();
        rig.settle();
        rig.click("Command7");
        rig.settle();
        QVERIFY(rig.child<QRadioButton>("Option20")->isChecked());
        QCOMPARE(rig.text("Text4"), chosen ? rig.path("own.txt") : QString());
        QTEST(rig.text("Text3"), "preview");
        QCOMPARE(rig.dialogs.fileRequests.size(), 1);
        const CommonDlgBinding::FileRequest &request = rig.dialogs.fileRequests[0];
        QCOMPARE(request.platformFilter, QStringLiteral("全てのファイル(*.*)%1*.*%1テキストファイル(*.TXT)%1*.txt%1"
                                                        "VMFファイル(*.VMF)%1*.vmf%1").arg(QChar(0)));
        QCOMPARE(request.filterIndex, 1);
        QCOMPARE(request.initDir, QDir::currentPath());
        rig.click("Command1");
        QCOMPARE(rig.store.stored.quoteSource, rig.text("Text4"));
    }

    // 選択: the face through the font dialog; a cancelled dialog keeps it.
    void mirwinFace()
    {
        PropertyRig rig;
        writeFile(rig.path("mirwin.ini"), "Old Face\r\n0\r\n 0 \r\n 0 \r\n");
        rig.open();
        rig.click("Command5");
        QCOMPARE(rig.text("Text6"), QStringLiteral("Old Face"));
        rig.dialogs.fontAnswer = {1, 0, QFont(QStringLiteral("New Face"), 20), Qt::red};
        rig.click("Command5");
        QCOMPARE(rig.dialogs.fontRequests.value(1).font.family(), QStringLiteral("Old Face"));
        QCOMPARE(rig.text("Text6"), QStringLiteral("New Face"));
    }

    // The bars move the way their arrows point and their labels follow.
    void mirwinBars_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("size to the top") << "VScroll1" << int(Qt::Key_Home) << 200 << "Label13" << "+200";
        QTest::newRow("size to the bottom") << "VScroll1" << int(Qt::Key_End) << -39 << "Label13" << "-39";
        QTest::newRow("right one") << "HScroll1" << int(Qt::Key_Right) << 1 << "Label15" << "( 1 , 0 )";
        QTest::newRow("vertical top") << "VScroll2" << int(Qt::Key_Home) << 100 << "Label15" << "( 0 , 100 )";
        QTest::newRow("vertical down one") << "VScroll2" << int(Qt::Key_Down) << -1 << "Label15" << "( 0 , -1 )";
    }
    void mirwinBars()
    {
        QFETCH(QString, bar);
        QFETCH(int, key);
        PropertyRig rig;
        rig.open();
        QTest::keyClick(rig.child(bar), Qt::Key(key));
        QTEST(rig.child<ValueBar>(bar)->barValue(), "value");
        QFETCH(QString, label);
        QTEST(rig.child<QLabel>(label)->text(), "text");
    }

    // The interval field as the save reads it (its rules are tested apart), and the modes that drop it.
    void interval_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("tim");
        QTest::addColumn<int>("jo");
        QTest::newRow("12.9") << "Option4" << "12.9" << 12 << 1;
        QTest::newRow("once, resident, after 30 typed") << "Option16" << "30" << 0 << 1;
        QTest::newRow("once") << "Option3" << "30" << 0 << 0;
    }
    void interval()
    {
        QFETCH(QString, mode);
        QFETCH(QString, typed);
        PropertyRig rig(stored("tamber.vmf", 20, 7, 1, 1));
        rig.open();
        auto *field = rig.child<QLineEdit>("Text1");
        QCOMPARE(field->text(), QStringLiteral("7"));
        field->selectAll();
        QTest::keyClicks(field, typed);
        rig.click(mode);
        QCOMPARE(field->isEnabled(), mode == "Option4");
        rig.click("Command1");
        QTEST(int(rig.store.stored.intervalMinutes), "tim");
        QTEST(int(rig.store.stored.residentMode), "jo");
    }
};

QTEST_MAIN(TestPropertyPages)
#include "test_propertypages.moc"
