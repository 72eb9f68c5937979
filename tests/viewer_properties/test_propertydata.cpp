#include "viewer_properties/intervaltext.h"
#include "viewer_properties/propertyvalues.h"
#include "viewer_properties/startlinereader.h"

#include "fakes/memorysettingsstore.h"
#include "shared/cp932.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(StartLine)

namespace {
void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}
QByteArray numberedLines(int count, const char *word = "行")
{
    QByteArray all;
    for (int i = 1; i <= count; ++i)
        all += Cp932::fromUnicode(QString::fromUtf8(word) + QString::number(i)) + "\r\n";
    return all;
}
} // namespace

// The window's rules without the window: the interval text, reading the
// start line of a quote file (also away from the window's thread), and the
// save with its failures.
class TestPropertyData : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void intervalText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minutes");
        QTest::newRow("fraction rounded down") << "12.9" << 12;
        QTest::newRow("above the bound") << "5000" << 3000;
        QTest::newRow("negative") << "-4" << 0;
        QTest::newRow("negative fraction") << "-0.5" << 0;
        QTest::newRow("the bound itself") << "3000.99" << 3000;
        QTest::newRow("beyond 16 bits") << "70000" << 3000;
        QTest::newRow("blanks, sign, unit after") << "  +30分" << 30;
        QTest::newRow("full-width digits") << "１２" << 12;
        QTest::newRow("exponent") << "1e3" << 1000;
        QTest::newRow("exponent without digits") << "7e" << 7;
        QTest::newRow("beyond a double") << "9e999" << 3000;
        QTest::newRow("below a double") << "-9e999" << 0;
        QTest::newRow("tiny") << "5e-999" << 0;
        QTest::newRow("300 digits") << QString(300, '9') << 3000;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("no number") << "abc" << 0;
        QTest::newRow("a sign alone") << "-" << 0;
        QTest::newRow("a megabyte of text") << QString(1 << 20, QChar(0x3042)) << 0;
    }
    void intervalText()
    {
        QFETCH(QString, text);
        QTEST(int(IntervalText::toMinutes(text)), "minutes");
    }

    void startLine_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // none: the path is made below
        QTest::addColumn<int>("position");
        QTest::addColumn<StartLine>("expected");
        const QString previous = QStringLiteral("前の行");
        QTest::newRow("line 12 of 50") << "fifty.vmf" << numberedLines(50) << 12 << StartLine{true, 50, 12, "行12"};
        QTest::newRow("beyond the end: the last") << "fifty.vmf" << numberedLines(50) << 80 << StartLine{true, 50, 50, "行50"};
        QTest::newRow("position 0: the last line") << "fifty.vmf" << numberedLines(50) << 0 << StartLine{true, 50, 0, "行50"};
        QTest::newRow("empty file keeps the line") << "empty.vmf" << QByteArray() << 3 << StartLine{true, 0, 0, previous};
        QTest::newRow("last line without ending") << "open.vmf" << QByteArray("a\r\nb") << 2 << StartLine{true, 2, 2, "b"};
        QTest::newRow("UTF-8 as the viewer reads it") << "utf8.txt" << QByteArray("一\n二\n") << 2 << StartLine{true, 2, 2, "二"};
        QTest::newRow("missing") << "missing.vmf" << QByteArray() << 1 << StartLine{};
        QTest::newRow("binary") << "binary.vmf" << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << 1 << StartLine{};
        QTest::newRow("too many lines for the viewer") << "long.vmf" << QByteArray(1000000, '\n') << 1 << StartLine{};
        QTest::newRow("a directory") << "folder.vmf" << QByteArray() << 1 << StartLine{};
        QTest::newRow("a named pipe") << "pipe.vmf" << QByteArray() << 1 << StartLine{};
    }
    void startLine()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(StartLine, expected);
        if (file == "folder.vmf")
            QVERIFY(QDir().mkpath(path(file)));
        else if (file == "pipe.vmf")
            QVERIFY(::mkfifo(QFile::encodeName(path(file)).constData(), 0600) == 0 || errno == EEXIST);
        else if (file != "missing.vmf")
            writeFile(path(file), content);
        QFETCH(int, position);
        const StartLine got = readStartLine(path(file), position, QStringLiteral("前の行"));
        QCOMPARE(got.ok, expected.ok);
        QCOMPARE(got.lineCount, expected.lineCount);
        QCOMPARE(got.position, expected.position);
        QCOMPARE(got.line, expected.line);
    }

    // Dragging the bar asks many times; only the last answer is shown, and
    // a cancelled question gets none.
    void readerReportsTheLatestRequestOnly()
    {
        writeFile(path("lines.vmf"), numberedLines(300));
        StartLineReader reader;
        QSignalSpy finished(&reader, &StartLineReader::finished);
        for (int position = 1; position <= 200; ++position)
            reader.request(path("lines.vmf"), position, {});
        QTRY_VERIFY(!reader.isBusy());
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).value<StartLine>().line, QStringLiteral("行200"));

        reader.request(path("lines.vmf"), 5, {});
        reader.cancel();
        reader.request(path("missing.vmf"), 1, {});
        QTRY_COMPARE(finished.size(), 2);
        QVERIFY(!finished.at(1).at(0).value<StartLine>().ok);
    }

    void save_data()
    {
        QTest::addColumn<bool>("storeFails");
        QTest::addColumn<bool>("fileFails");
        QTest::addColumn<QString>("message"); // the start of it
        QTest::newRow("both written") << false << false << "";
        QTest::newRow("store fails: mirwin.ini untouched") << true << false << "設定を保存できませんでした。";
        QTest::newRow("mirwin.ini fails") << false << true << "ヴェルモの設定は保存しましたが";
    }
    void save()
    {
        QFETCH(bool, storeFails);
        QFETCH(bool, fileFails);
        QTemporaryDir folder;
        // A folder in the file's place cannot be replaced, not even by root.
        const QString ini = folder.filePath("mirwin.ini");
        if (fileFails)
            QVERIFY(QDir().mkpath(ini));
        else
            writeFile(ini, "old\r\n");
        MemorySettingsStore store;
        store.failSaves = storeFails;
        ViewerSettings values;
        values.quoteSource = QStringLiteral("/home/user/名言.txt");
        const PropertyValues::SaveOutcome outcome = PropertyValues::save(store, values, ini, MirwinSettings{});
        QCOMPARE(outcome.saved, !storeFails && !fileFails);
        QFETCH(QString, message);
        QVERIFY2(message.isEmpty() ? outcome.message.isEmpty() : outcome.message.startsWith(message),
                 qPrintable(outcome.message));
        QCOMPARE(store.stored == values, !storeFails);
        QFile file(ini);
        if (!fileFails) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), outcome.saved ? QByteArray("\r\n\r\n 0 \r\n 0 \r\n") : QByteArray("old\r\n"));
        }
    }
};

QTEST_GUILESS_MAIN(TestPropertyData)
#include "test_propertydata.moc"
