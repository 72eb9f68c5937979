#include "viewer/quoteplayer.h"
#include "viewerfakes.h"

#include "fakes/recordingstarter.h"
#include "shared/cp932.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QChar U(0x3000);
const QString UU(2, U);
QString card(const QString &label, const QString &quote) { return label + QString(10, U) + ',' + U + quote + U; }
const QString kCommandText = QStringLiteral("今日の一言; rm -rf ~ $(id)");
void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}
} // namespace

// One display (Play2) from every quote source to every output, with the
// program start and the message box recorded instead of carried out.
class TestQuotePlayer : public QObject
{
    Q_OBJECT
    struct Rig
    {
        RecordingStarter starter;
        RecordingMessageBox boxes;
        FixedRandom random;
        QuotePlayer player;
        ViewerState &s;
        Rig(const QString &prog, const QString &work, const QString &source, int code, int position = 1)
            : player(starter, boxes, random, prog, work), s(player.state())
        {
            s.settings.quoteSource = source;
            s.settings.showCode = quint8(code);
            s.settings.linePosition = qint16(position);
        }
    };
    QTemporaryDir m_work, m_prog;

private slots:
    void initTestCase()
    {
        QByteArray five;
        for (int i = 1; i <= 5; ++i)
            five += Cp932::fromUnicode(QStringLiteral("言葉%1\r\n").arg(i));
        for (const char *name : {"tamber.vmf", "dastor.vmf", "animir.vmf", "anitamb.vmf", "mirelle.vmf",
                                 "tambkari.vmf", "quill.vmf", "Tamber.vmf", "mine.txt"})
            writeFile(m_work.filePath(name), five);
        writeFile(m_work.filePath("blank.vmf"), "a\r\n\r\nc");
        writeFile(m_work.filePath("other"), "ファイルの行\r\n"); // never read in the command-line mode
    }

    void everySourceAndRow_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("position");
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("program");      // empty: a message box
        QTest::addColumn<QStringList>("arguments"); // of the program, or the box text
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("next");
        const auto row = [](const char *name, const QString &source, int code, int position, const QString &program,
                            const QStringList &arguments, const QString &title, int next, double r = 0) {
            QTest::newRow(name) << source << code << position << r << program << arguments << title << next;
        };
        const QString mine = m_work.filePath("mine.txt");
        const QString tamber = "星環タンバー" + QString(U);
        // The first matching output row wins.
        row("dastor 22: no text", "dastor.vmf", 22, 1, "dastor", {}, "", 2);
        row("anitamb 10: card by number", "anitamb.vmf", 10, 5, "tambwin", {"5"}, "", 1);
        row("mirelle 11", "mirelle.vmf", 11, 2, "", {"「言葉2の巻」"}, "月影ミレル 第2話" + UU, 3);
        row("dastor 12", "dastor.vmf", 12, 3, "dastor", {"言葉3"}, "", 4);
        row("mirelle 12", "mirelle.vmf", 12, 4, "dastor", {"「言葉4の巻」"}, "", 5);
        row("tamber 10", "tamber.vmf", 10, 3, "tambwin", {"-s", card("第3章", "言葉3")}, "", 4);
        row("mirelle 10", "mirelle.vmf", 10, 4, "tambwin", {"-s", card("第4話", "「言葉4の巻」")}, "", 5);
        row("quill 10", "quill.vmf", 10, 1, "tambwin", {"-s", card("第1話", "言葉1")}, "", 2);
        row("user file 10", mine, 10, 2, "tambwin", {"-s", "言葉2"}, "", 3);
        row("quill 13", "quill.vmf", 13, 2, "mirwin", {"言葉2"}, "", 3);
        row("mirelle 13", "mirelle.vmf", 13, 1, "mirwin", {"「言葉1の巻」"}, "", 2);
        row("tamber 11", "tamber.vmf", 11, 3, "", {"言葉3"}, tamber + "第3章" + UU, 4);
        row("dastor 11", "dastor.vmf", 11, 2, "", {"言葉2"}, "ダストル 第2話" + UU, 3);
        row("animir 11", "animir.vmf", 11, 2, "", {"言葉2"}, "月影ミレル" + QString(U) + "第2話" + UU, 3);
        row("anitamb 11", "anitamb.vmf", 11, 4, "", {"言葉4"}, tamber + "第4話" + UU, 5);
        row("tambkari 11", "tambkari.vmf", 11, 1, "", {"言葉1"}, tamber + "第1話" + UU, 2);
        row("quill 11", "quill.vmf", 11, 5, "", {"言葉5"}, "深海クイロン" + QString(U) + "第5話" + UU, 1);
        row("user file 11", mine, 11, 4, "", {"言葉4"}, mine + " - 4" + UU, 5);
        row("capital initial is a user file", "Tamber.vmf", 11, 2, "", {"言葉2"}, "Tamber.vmf - 2" + UU, 3);
        row("unknown code 5", "tamber.vmf", 5, 2, "", {"言葉2"}, tamber + "第2章" + UU, 3);
        row("code 30 is in order", "quill.vmf", 30, 3, "", {"言葉3"}, "深海クイロン" + QString(U) + "第3話" + UU, 4);
        // The random order ignores the position: line floor(5 r + 1).
        row("random r 0", "tamber.vmf", 20, 4, "tambwin", {"-s", card("第1章", "言葉1")}, "", 2, 0.0);
        row("random r 0.5", "mirelle.vmf", 21, 1, "", {"「言葉3の巻」"}, "月影ミレル 第3話" + UU, 4, 0.5);
        row("random r 0.79", "dastor.vmf", 22, 1, "dastor", {}, "", 5, 0.79);
        row("random r 0.8", "quill.vmf", 23, 1, "mirwin", {"言葉5"}, "", 1, 0.8);
        row("random r below 1", "quill.vmf", 21, 1, "", {"言葉5"}, "深海クイロン" + QString(U) + "第5話" + UU, 1, 0.9999999999999999);
        // Positions outside the file.
        row("beyond the end", "tamber.vmf", 11, 99, "", {"言葉5"}, tamber + "第5章" + UU, 1);
        row("position 0", "tamber.vmf", 11, 0, "", {"言葉5"}, tamber + "第0章" + UU, 1);
        row("negative position", "dastor.vmf", 11, -3, "", {"言葉5"}, "ダストル 第-3話" + UU, -2);
        // An empty record still goes out, as a blank argument.
        row("empty line to dastor", "blank.vmf", 12, 2, "dastor", {""}, "", 3);
        row("open last line", "blank.vmf", 13, 3, "mirwin", {"c"}, "", 1);
        // The command-line text: no file, no draw, the position stays.
        row("command line 20", "other", 20, 7, "tambwin", {"-s", kCommandText}, "", 7);
        row("command line 22", "other", 22, 7, "dastor", {kCommandText}, "", 7);
        row("command line 23", "other", 23, 7, "mirwin", {kCommandText}, "", 7);
        row("command line 21", "other", 21, 7, "", {kCommandText}, "ヴェルモ" + UU, 7);
    }
    void everySourceAndRow()
    {
        QFETCH(QString, source);
        QFETCH(int, code);
        QFETCH(int, position);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        Rig rig(m_prog.path(), m_work.path(), source, code, position);
        rig.s.commandLine = kCommandText;
        QFETCH(double, r);
        rig.random.r = r;
        QVERIFY(rig.player.play());
        QCOMPARE(rig.random.draws, source != "other" && code >= 20 && code <= 23 ? 1 : 0);
        if (program.isEmpty()) {
            QCOMPARE(rig.starter.calls.size(), 0);
            QCOMPARE(rig.boxes.boxes.size(), 1);
            QCOMPARE(QStringList{rig.boxes.boxes.at(0).text}, arguments);
            QTEST(rig.boxes.boxes.at(0).title, "title");
            QVERIFY(rig.boxes.boxes.at(0).systemModal);
        } else {
            QCOMPARE(rig.boxes.boxes.size(), 0);
            QCOMPARE(rig.starter.calls.size(), 1);
            QCOMPARE(rig.starter.calls.at(0).program, m_prog.filePath(program));
            QCOMPARE(rig.starter.calls.at(0).arguments, arguments);
        }
        QTEST(int(rig.s.settings.linePosition), "next");
    }

    void emptyFileKeepsPreviousLine()
    {
        const QString empty = m_work.filePath("empty.vmf");
        writeFile(empty, {});
        for (const int code : {11, 21}) {
            Rig rig(m_prog.path(), m_work.path(), empty, code, 4);
            rig.s.currentLine = QStringLiteral("前回の言葉");
            QVERIFY(rig.player.play());
            QCOMPARE(rig.boxes.boxes.at(0).text, QStringLiteral("前回の言葉"));
            QCOMPARE(rig.boxes.boxes.at(0).title, empty + " - 0" + UU);
            QCOMPARE(int(rig.s.settings.linePosition), 1);
        }
    }

    void fixedFileFirstInWorkingFolderThenBesideProgram()
    {
        QTemporaryDir elsewhere;
        writeFile(m_prog.filePath("tamber.vmf"), Cp932::fromUnicode(QStringLiteral("隣の言葉\r\n")));
        Rig beside(m_prog.path(), elsewhere.path(), "tamber.vmf", 11);
        QVERIFY(beside.player.play());
        QCOMPARE(beside.s.currentLine, QStringLiteral("隣の言葉"));
        Rig local(m_prog.path(), m_work.path(), "tamber.vmf", 11);
        QVERIFY(local.player.play());
        QCOMPARE(local.s.currentLine, QStringLiteral("言葉1"));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("code");
        QTest::newRow("missing fixed file") << "quill.vmf" << 11;
        QTest::newRow("missing user file") << "/nonexistent/quotes.txt" << 11;
        QTest::newRow("32768 lines") << "big.vmf" << 11;
        QTest::newRow("binary") << "binary.vmf" << 11;
        QTest::newRow("title card program fails") << "tamber.vmf" << 20;
        QTest::newRow("dastor fails") << "dastor.vmf" << 22;
    }
    void failures()
    {
        QFETCH(QString, source);
        QFETCH(int, code);
        QTemporaryDir work, emptyProg;
        writeFile(work.filePath("tamber.vmf"), "a\r\nb\r\n");
        writeFile(work.filePath("dastor.vmf"), "a\r\nb\r\n");
        writeFile(work.filePath("big.vmf"), QByteArray(32768, '\n'));
        writeFile(work.filePath("binary.vmf"), QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
        Rig rig(emptyProg.path(), work.path(), source, code, 2);
        rig.starter.succeed = false;
        QVERIFY(!rig.player.play());
        // The position of the failed display is kept, not advanced.
        QCOMPARE(int(rig.s.settings.linePosition), code >= 20 ? 1 : 2);
    }

    // The last line of a 32767-line file is followed by line 1; the figures
    // of a display near its end are printed, not judged.
    void fullFile()
    {
        QByteArray content;
        for (int i = 1; i < 32767; ++i)
            content += Cp932::fromUnicode(QStringLiteral("第%1の名言、星は巡る。\r\n").arg(i));
        const QString path = m_work.filePath("full.vmf");
        writeFile(path, content + "last");
        Rig rig(m_prog.path(), m_work.path(), path, 11, 32766);
        QVERIFY(rig.player.play());
        QCOMPARE(int(rig.s.settings.linePosition), 32767);
        QVERIFY(rig.player.play());
        QCOMPARE(rig.boxes.boxes.last().text, QString("last"));
        QCOMPARE(int(rig.s.settings.linePosition), 1);

        rig.s.settings.showCode = 20;
        rig.random.r = 0.9999; // near the end: the whole file is read twice
        QBENCHMARK {
            QVERIFY(rig.player.play());
        }
        QVERIFY(rig.s.currentLine.startsWith(QStringLiteral("第3276")));
    }
};

QTEST_GUILESS_MAIN(TestQuotePlayer)
#include "test_quoteplayer.moc"
