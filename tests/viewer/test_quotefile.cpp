#include "viewer/quotefile.h"

#include "shared/cp932.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using QuoteFile::Status;

// Reading quote files: records, line endings, encodings and limits.
class TestQuoteFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    int m_files = 0;
    QString write(const QByteArray &content, QString path = {})
    {
        if (path.isEmpty())
            path = m_dir.filePath(QString::number(++m_files) + ".vmf");
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content);
        return path;
    }

    QString fifo()
    {
        const QString path = m_dir.filePath("pipe.vmf");
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    }

private slots:
    void records_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("last without ending") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty records") << QByteArray("\r\n\r\nc\r\n") << QStringList{"", "", "c"};
        QTest::newRow("only a break") << QByteArray("\n") << QStringList{""};
        QTest::newRow("lone cr stays") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("blanks kept") << QByteArray("  a, b  \r\n") << QStringList{"  a, b  "};
        // Records and CR LF pairs that straddle the 64 KiB read size.
        QTest::newRow("chunk boundaries")
            << QByteArray(65535, 'a') + "\r\nb\r\n" + QByteArray(65532, 'c') + "\r\nd"
            << QStringList{QString(65535, 'a'), "b", QString(65532, 'c'), "d"};
    }
    void records()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, lines);
        const QString path = write(content);
        const QuoteFile::Scan scan = QuoteFile::scan(path);
        QCOMPARE(scan.status, Status::Ok);
        QCOMPARE(scan.lineCount, lines.size());
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(QuoteFile::line(path, i + 1, scan.utf8).value_or("<none>"), lines.at(i));
        QVERIFY(!QuoteFile::line(path, lines.size() + 1, scan.utf8));
        QVERIFY(!QuoteFile::line(path, 0, scan.utf8));
    }

    void encodings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QString>("first"); // empty: anything but a failure
        const QString quote = QStringLiteral("星環タンバー、発進！");
        QTest::newRow("shift-jis") << Cp932::fromUnicode(quote + "\r\n") << false << quote;
        QTest::newRow("utf-8") << (quote + "\n").toUtf8() << true << quote;
        QTest::newRow("utf-8 with bom") << "\xEF\xBB\xBF" + (quote + "\r\n").toUtf8() << true << quote;
        QTest::newRow("ascii") << QByteArray("plain\r\n") << true << "plain";
        // ～ and ① exist only in the code page's own extensions.
        QTest::newRow("cp932 extensions") << QByteArray("\x81\x60\x87\x40") << false << QStringLiteral("～①");
        QTest::newRow("invalid in both") << QByteArray("\x81\x0a\xa0") << false << QString();
        QTest::newRow("overlong is not utf-8") << QByteArray("\xC0\xAF") << false << QString();
        QTest::newRow("surrogate is not utf-8") << QByteArray("\xED\xA0\x80") << false << QString();
    }
    void encodings()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, first);
        const QString path = write(content);
        const QuoteFile::Scan scan = QuoteFile::scan(path);
        QCOMPARE(scan.status, Status::Ok);
        QTEST(scan.utf8, "utf8");
        const std::optional<QString> line = QuoteFile::line(path, 1, scan.utf8);
        QVERIFY(line);
        if (!first.isEmpty())
            QCOMPARE(*line, first);
    }

    void badFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Status>("status");
        QTest::addColumn<int>("lines");
        QTest::newRow("missing") << m_dir.filePath("missing.vmf") << Status::CannotOpen << 0;
        QTest::newRow("directory") << m_dir.path() << Status::CannotOpen << 0;
        QTest::newRow("empty name") << QString() << Status::CannotOpen << 0;
        // Opening a pipe would wait for a writer that never comes.
        QTest::newRow("named pipe") << fifo() << Status::CannotOpen << 0;
        QTest::newRow("binary") << write(QByteArray("ab\0cd\r\n", 7)) << Status::NotText << 0;
        QTest::newRow("32767 lines") << write(QByteArray(32767, '\n')) << Status::Ok << 32767;
        QTest::newRow("32766 and an open line") << write(QByteArray(32766, '\n') + "x") << Status::Ok << 32767;
        QTest::newRow("32768 lines") << write(QByteArray(32768, '\n')) << Status::TooManyLines << 0;
        QTest::newRow("32767 and an open line") << write(QByteArray(32767, '\n') + "x") << Status::TooManyLines << 0;
        QTest::newRow("a million lines") << write(QByteArray(1000000, '\n')) << Status::TooManyLines << 0;
    }
    void badFiles()
    {
        QFETCH(QString, path);
        QFETCH(Status, status);
        const QuoteFile::Scan scan = QuoteFile::scan(path);
        QCOMPARE(scan.status, status);
        QTEST(scan.lineCount, "lines");
        if (status == Status::CannotOpen)
            QVERIFY(!QuoteFile::line(path, 1, false));
    }

    void megabyteLineIsCutOnACharacter()
    {
        QByteArray longLine;
        while (longLine.size() < 1024 * 1024)
            longLine += Cp932::fromUnicode(QStringLiteral("星"));
        const QString path = write("first\r\n" + longLine + "\r\nlast\r\n");
        const QuoteFile::Scan scan = QuoteFile::scan(path);
        QCOMPARE(scan.lineCount, 3);
        QCOMPARE(QuoteFile::line(path, 2, scan.utf8).value_or(""), QString(QuoteFile::kMaxLineBytes / 2, QChar(u'星')));
        QCOMPARE(QuoteFile::line(path, 3, scan.utf8), std::optional<QString>("last"));
    }

    void fileShrankSinceScan()
    {
        const QString path = write("a\nb\nc\n");
        const QuoteFile::Scan scan = QuoteFile::scan(path);
        write("a\n", path);
        QVERIFY(!QuoteFile::line(path, scan.lineCount, scan.utf8));
    }

    void shippedFiles()
    {
        for (const QString name : {"tamber", "dastor", "animir", "anitamb", "mirelle", "tambkari", "quill"}) {
            const QString path = qEnvironmentVariable("SUITE_DIR") + "/" + name + ".vmf";
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            const QByteArray bytes = file.readAll();
            QVERIFY(bytes.endsWith("\r\n"));
            QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
            QCOMPARE(Cp932::fromUnicode(Cp932::toUnicode(bytes)), bytes); // no stray bytes
            const QuoteFile::Scan scan = QuoteFile::scan(path);
            QCOMPARE(scan.status, Status::Ok);
            QVERIFY(!scan.utf8); // Shift-JIS, as the other programs expect
            // One record per episode of anitamb, one per title of mirelle.
            const int expected = name == "anitamb" ? 45 : name == "mirelle" ? 74 : 0;
            QVERIFY2(expected ? scan.lineCount == expected : scan.lineCount >= 30, qPrintable(name));
            for (int n = 1; n <= scan.lineCount; ++n) {
                const QString line = QuoteFile::line(path, n, false).value_or(QString());
                // Short enough for one line of a title card.
                QVERIFY2(line.size() >= 2 && line.size() <= 20, qPrintable(name + ": " + line));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestQuoteFile)
#include "test_quotefile.moc"
