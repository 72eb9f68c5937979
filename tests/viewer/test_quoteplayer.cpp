#include "viewer/quoteplayer.h"
#include "viewerfakes.h"

#include "fakes/recordingstarter.h"
#include "shared/cp932.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString U10 = QString(10, QChar(0x3000));
const QString U = QString(QChar(0x3000));
const QString UU = QString(2, QChar(0x3000));
} // namespace

// One display (Play2) from every quote source to every output, with the
// program start and the message box recorded instead of carried out.
class TestQuotePlayer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everySourceAndRow_data();
    void everySourceAndRow();
    void randomPick_data();
    void randomPick();
    void emptyFileKeepsPreviousLine();
    void commandLineNeverOpensAFile();
    void fixedFileFoundBesideProgram();
    void failures_data();
    void failures();
    void lastLineOfFullFileWraps();
    void benchmarkFullFile();

private:
    struct Rig
    {
        RecordingStarter starter;
        RecordingMessageBox boxes;
        FixedRandom random;
        QuotePlayer player;
        Rig(const QString &prog, const QString &work) : player(starter, boxes, random, prog, work) {}
    };
    void writeFile(const QString &name, const QByteArray &content, const QString &folder = {});
    QString prog(const QString &name) const { return m_prog.path() + "/" + name; }

    QTemporaryDir m_work;
    QTemporaryDir m_prog;
};

void TestQuotePlayer::writeFile(const QString &name, const QByteArray &content, const QString &folder)
{
    QFile file((folder.isEmpty() ? m_work.path() : folder) + "/" + name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

void TestQuotePlayer::initTestCase()
{
    QByteArray five;
    for (int i = 1; i <= 5; ++i)
        five += Cp932::fromUnicode(QStringLiteral("言葉%1\r\n").arg(i));
    for (const char *name : {"tamber.vmf", "dastor.vmf", "animir.vmf", "anitamb.vmf", "mirelle.vmf",
                             "tambkari.vmf", "quill.vmf", "Tamber.vmf", "mine.txt"})
        writeFile(name, five);
    writeFile("blank.vmf", "a\r\n\r\nc");
}

void TestQuotePlayer::everySourceAndRow_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("program"); // empty: a message box
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QString>("boxTitle");
    QTest::addColumn<int>("next");

    const QString mine = m_work.filePath("mine.txt");
    // Row 1: dastor without text.
    QTest::newRow("dastor 22") << "dastor.vmf" << 22 << 1 << "dastor" << QStringList() << "" << "" << 2;
    // Row 2: tambwin's own episode card, by number.
    QTest::newRow("anitamb 10") << "anitamb.vmf" << 10 << 5 << "tambwin" << QStringList{"5"} << "" << "" << 1;
    // Row 3: episode title of the second series in a box.
    QTest::newRow("mirelle 11") << "mirelle.vmf" << 11 << 2 << "" << QStringList()
                                << "「言葉2の巻」" << "月影ミレル 第2話" + UU << 3;
    // Row 4: dastor with the text.
    QTest::newRow("dastor 12") << "dastor.vmf" << 12 << 3 << "dastor" << QStringList{"言葉3"} << "" << "" << 4;
    QTest::newRow("mirelle 12") << "mirelle.vmf" << 12 << 4 << "dastor" << QStringList{"「言葉4の巻」"} << "" << "" << 5;
    QTest::newRow("other file 12") << mine << 12 << 1 << "dastor" << QStringList{"言葉1"} << "" << "" << 2;
    // Row 5: tambwin with a title record.
    QTest::newRow("tamber 10") << "tamber.vmf" << 10 << 3 << "tambwin"
                               << QStringList{"-s", "第3章" + U10 + "," + U + "言葉3" + U} << "" << "" << 4;
    QTest::newRow("dastor 10") << "dastor.vmf" << 10 << 1 << "tambwin"
                               << QStringList{"-s", "第1話" + U10 + "," + U + "言葉1" + U} << "" << "" << 2;
    QTest::newRow("animir 10") << "animir.vmf" << 10 << 2 << "tambwin"
                               << QStringList{"-s", "第2話" + U10 + "," + U + "言葉2" + U} << "" << "" << 3;
    QTest::newRow("mirelle 10") << "mirelle.vmf" << 10 << 4 << "tambwin"
                                << QStringList{"-s", "第4話" + U10 + "," + U + "「言葉4の巻」" + U} << "" << "" << 5;
    QTest::newRow("tambkari 10") << "tambkari.vmf" << 10 << 5 << "tambwin"
                                 << QStringList{"-s", "第5話" + U10 + "," + U + "言葉5" + U} << "" << "" << 1;
    QTest::newRow("quill 10") << "quill.vmf" << 10 << 1 << "tambwin"
                              << QStringList{"-s", "第1話" + U10 + "," + U + "言葉1" + U} << "" << "" << 2;
    QTest::newRow("user file 10") << mine << 10 << 2 << "tambwin" << QStringList{"-s", "言葉2"} << "" << "" << 3;
    // Row 6: mirwin with the text.
    QTest::newRow("quill 13") << "quill.vmf" << 13 << 2 << "mirwin" << QStringList{"言葉2"} << "" << "" << 3;
    QTest::newRow("user file 13") << mine << 13 << 3 << "mirwin" << QStringList{"言葉3"} << "" << "" << 4;
    QTest::newRow("mirelle 13") << "mirelle.vmf" << 13 << 1 << "mirwin" << QStringList{"「言葉1の巻」"} << "" << "" << 2;
    // Row 7: the line in a box titled with its source.
    QTest::newRow("tamber 11") << "tamber.vmf" << 11 << 3 << "" << QStringList() << "言葉3"
                               << "星環タンバー" + U + "第3章" + UU << 4;
    QTest::newRow("dastor 11") << "dastor.vmf" << 11 << 2 << "" << QStringList() << "言葉2" << "ダストル 第2話" + UU << 3;
    QTest::newRow("animir 11") << "animir.vmf" << 11 << 2 << "" << QStringList() << "言葉2"
                               << "月影ミレル" + U + "第2話" + UU << 3;
    QTest::newRow("anitamb 11") << "anitamb.vmf" << 11 << 4 << "" << QStringList() << "言葉4"
                                << "星環タンバー" + U + "第4話" + UU << 5;
    QTest::newRow("tambkari 11") << "tambkari.vmf" << 11 << 1 << "" << QStringList() << "言葉1"
                                 << "星環タンバー" + U + "第1話" + UU << 2;
    QTest::newRow("quill 11") << "quill.vmf" << 11 << 5 << "" << QStringList() << "言葉5"
                              << "深海クイロン" + U + "第5話" + UU << 1;
    QTest::newRow("user file 11") << mine << 11 << 4 << "" << QStringList() << "言葉4" << mine + " - 4" + UU << 5;
    QTest::newRow("capital initial is a user file")
        << "Tamber.vmf" << 11 << 2 << "" << QStringList() << "言葉2" << "Tamber.vmf - 2" + UU << 3;
    QTest::newRow("unknown code 5") << "tamber.vmf" << 5 << 2 << "" << QStringList() << "言葉2"
                                    << "星環タンバー" + U + "第2章" + UU << 3;
    QTest::newRow("code 30 in order") << "quill.vmf" << 30 << 3 << "" << QStringList() << "言葉3"
                                      << "深海クイロン" + U + "第3話" + UU << 4;
    // Positions outside the file.
    QTest::newRow("beyond the end") << "tamber.vmf" << 11 << 99 << "" << QStringList() << "言葉5"
                                    << "星環タンバー" + U + "第5章" + UU << 1;
    QTest::newRow("position 0") << "tamber.vmf" << 11 << 0 << "" << QStringList() << "言葉5"
                                << "星環タンバー" + U + "第0章" + UU << 1;
    QTest::newRow("negative position") << "dastor.vmf" << 11 << -3 << "" << QStringList() << "言葉5"
                                       << "ダストル 第-3話" + UU << -2;
    // An empty record still goes out, with its trailing blank argument.
    QTest::newRow("empty line to dastor") << "blank.vmf" << 12 << 2 << "dastor" << QStringList{""} << "" << "" << 3;
    QTest::newRow("open last line") << "blank.vmf" << 13 << 3 << "mirwin" << QStringList{"c"} << "" << "" << 1;
}

void TestQuotePlayer::everySourceAndRow()
{
    QFETCH(QString, source);
    QFETCH(int, code);
    QFETCH(int, position);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, boxText);
    QFETCH(QString, boxTitle);
    Rig rig(m_prog.path(), m_work.path());
    ViewerState &s = rig.player.state();
    s.settings.quoteSource = source;
    s.settings.showCode = static_cast<quint8>(code);
    s.settings.linePosition = static_cast<qint16>(position);
    QVERIFY(rig.player.play());
    QCOMPARE(rig.random.draws, code >= 20 && code <= 23 ? 1 : 0);
    if (program.isEmpty()) {
        QCOMPARE(rig.starter.calls.size(), 0);
        QCOMPARE(rig.boxes.boxes.size(), 1);
        QCOMPARE(rig.boxes.boxes.at(0).text, boxText);
        QCOMPARE(rig.boxes.boxes.at(0).title, boxTitle);
        QVERIFY(rig.boxes.boxes.at(0).systemModal);
    } else {
        QCOMPARE(rig.boxes.boxes.size(), 0);
        QCOMPARE(rig.starter.calls.size(), 1);
        QCOMPARE(rig.starter.calls.at(0).program, prog(program));
        QCOMPARE(rig.starter.calls.at(0).arguments, arguments);
    }
    QTEST(int(s.settings.linePosition), "next");
}

void TestQuotePlayer::randomPick_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("shown");
    QTest::newRow("r 0") << 20 << 0.0 << 1;
    QTest::newRow("r 0.5") << 21 << 0.5 << 3;
    QTest::newRow("r 0.79") << 22 << 0.79 << 4;
    QTest::newRow("r 0.8") << 23 << 0.8 << 5;
    QTest::newRow("r just below 1") << 21 << 0.9999999999999999 << 5;
}

void TestQuotePlayer::randomPick()
{
    QFETCH(int, code);
    QFETCH(double, r);
    QFETCH(int, shown);
    Rig rig(m_prog.path(), m_work.path());
    ViewerState &s = rig.player.state();
    s.settings.quoteSource = QStringLiteral("quill.vmf");
    s.settings.showCode = static_cast<quint8>(code);
    s.settings.linePosition = 2; // ignored by the random order
    rig.random.r = r;
    QVERIFY(rig.player.play());
    QCOMPARE(rig.random.draws, 1);
    QCOMPARE(s.currentLine, QStringLiteral("言葉%1").arg(shown));
    QCOMPARE(int(s.settings.linePosition), shown % 5 + 1);
}

void TestQuotePlayer::emptyFileKeepsPreviousLine()
{
    writeFile("empty.vmf", {});
    for (const int code : {11, 21}) {
        Rig rig(m_prog.path(), m_work.path());
        ViewerState &s = rig.player.state();
        s.settings.quoteSource = m_work.filePath("empty.vmf");
        s.settings.showCode = static_cast<quint8>(code);
        s.settings.linePosition = 4;
        s.currentLine = QStringLiteral("前回の言葉");
        QVERIFY(rig.player.play());
        QCOMPARE(rig.boxes.boxes.at(0).text, QStringLiteral("前回の言葉"));
        QCOMPARE(rig.boxes.boxes.at(0).title, s.settings.quoteSource + " - 0" + UU);
        QCOMPARE(int(s.lineCount), 0);
        QCOMPARE(int(s.settings.linePosition), 1);
    }
}

void TestQuotePlayer::commandLineNeverOpensAFile()
{
    // A file named "other" is there, and still not read.
    writeFile("other", "ファイルの行\r\n");
    const QString text = QStringLiteral("今日の一言; rm -rf ~ $(id)");
    struct Case
    {
        int code;
        QString program;
        QStringList arguments;
        QString title;
    };
    const QList<Case> cases = {
        {20, "tambwin", {"-s", text}, "前のR"},
        {10, "tambwin", {"-s", text}, "前のR"},
        {22, "dastor", {text}, "前のR"},
        {12, "dastor", {text}, "前のR"},
        {23, "mirwin", {text}, "ヴェルモ" + UU},
        {21, "", {}, "ヴェルモ" + UU},
        {7, "", {}, "ヴェルモ" + UU},
    };
    for (const Case &c : cases) {
        Rig rig(m_prog.path(), QStringLiteral("/nonexistent"));
        ViewerState &s = rig.player.state();
        s.settings.quoteSource = QStringLiteral("other");
        s.settings.showCode = static_cast<quint8>(c.code);
        s.settings.linePosition = 7;
        s.commandLine = text;
        s.sourceLine = QStringLiteral("前のR");
        QVERIFY(rig.player.play());
        QCOMPARE(rig.random.draws, 0);
        QCOMPARE(int(s.settings.linePosition), 7);
        QCOMPARE(s.sourceLine, c.title);
        if (c.program.isEmpty()) {
            QCOMPARE(rig.boxes.boxes.at(0).text, text);
        } else {
            QCOMPARE(rig.starter.calls.at(0).program, prog(c.program));
            QCOMPARE(rig.starter.calls.at(0).arguments, c.arguments);
        }
    }
}

void TestQuotePlayer::fixedFileFoundBesideProgram()
{
    QTemporaryDir elsewhere;
    writeFile("tamber.vmf", Cp932::fromUnicode(QStringLiteral("隣の言葉\r\n")), m_prog.path());
    Rig rig(m_prog.path(), elsewhere.path());
    ViewerState &s = rig.player.state();
    s.settings.showCode = 11;
    QVERIFY(rig.player.play());
    QCOMPARE(s.currentLine, QStringLiteral("隣の言葉"));
    // A fixed file in the working folder comes first.
    Rig local(m_prog.path(), m_work.path());
    local.player.state().settings.showCode = 11;
    QVERIFY(local.player.play());
    QCOMPARE(local.player.state().currentLine, QStringLiteral("言葉1"));
}

void TestQuotePlayer::failures_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("starterFails");
    QTest::newRow("missing fixed file") << "quill.vmf" << 11 << false;
    QTest::newRow("missing user file") << "/nonexistent/quotes.txt" << 11 << false;
    QTest::newRow("32768 lines") << "big.vmf" << 11 << false;
    QTest::newRow("binary") << "binary.vmf" << 11 << false;
    QTest::newRow("title card program missing") << "tamber.vmf" << 20 << true;
    QTest::newRow("dastor missing") << "dastor.vmf" << 22 << true;
}

void TestQuotePlayer::failures()
{
    QFETCH(QString, source);
    QFETCH(int, code);
    QFETCH(bool, starterFails);
    QTemporaryDir work;
    writeFile("tamber.vmf", "a\r\nb\r\n", work.path());
    writeFile("dastor.vmf", "a\r\nb\r\n", work.path());
    writeFile("big.vmf", QByteArray(32768, '\n'), work.path());
    writeFile("binary.vmf", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), work.path());
    QTemporaryDir emptyProg;
    Rig rig(emptyProg.path(), work.path());
    rig.starter.succeed = !starterFails;
    ViewerState &s = rig.player.state();
    s.settings.quoteSource = source;
    s.settings.showCode = static_cast<quint8>(code);
    s.settings.linePosition = 2;
    rig.random.r = 0.0;
    QVERIFY(!rig.player.play());
    // The position of the failed display is kept, not advanced.
    QCOMPARE(int(s.settings.linePosition), code >= 20 ? 1 : 2);
}

void TestQuotePlayer::lastLineOfFullFileWraps()
{
    writeFile("full.vmf", QByteArray(32766, '\n') + "last");
    Rig rig(m_prog.path(), m_work.path());
    ViewerState &s = rig.player.state();
    s.settings.quoteSource = m_work.filePath("full.vmf");
    s.settings.showCode = 11;
    s.settings.linePosition = 32766;
    QVERIFY(rig.player.play());
    QCOMPARE(int(s.settings.linePosition), 32767);
    // Line 32767 is shown and the position wraps to the first line.
    QVERIFY(rig.player.play());
    QCOMPARE(rig.boxes.boxes.last().text, QString("last"));
    QCOMPARE(int(s.settings.linePosition), 1);
}

void TestQuotePlayer::benchmarkFullFile()
{
    QByteArray content;
    for (int i = 1; i <= 32767; ++i)
        content += Cp932::fromUnicode(QStringLiteral("第%1の名言、星は巡る。\r\n").arg(i));
    writeFile("bench.vmf", content);
    Rig rig(m_prog.path(), m_work.path());
    ViewerState &s = rig.player.state();
    s.settings.quoteSource = m_work.filePath("bench.vmf");
    s.settings.showCode = 20;
    rig.random.r = 0.9999; // near the end: the whole file is read twice
    QElapsedTimer clock;
    qint64 worst = 0;
    QBENCHMARK {
        clock.start();
        QVERIFY(rig.player.play());
        worst = qMax(worst, clock.elapsed());
        s.settings.linePosition = 1;
    }
    qInfo("slowest display of a 32767-line file: %lld ms", worst);
    QVERIFY(s.currentLine.startsWith(QStringLiteral("第3276")));
}

QTEST_GUILESS_MAIN(TestQuotePlayer)
#include "test_quoteplayer.moc"
