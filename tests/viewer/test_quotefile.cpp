#include "viewer/quotefile.h"

#include "shared/cp932.h"

#include <QTemporaryDir>
#include <QtTest>

// Reading quote files: records, line endings, encodings and limits.
class TestQuoteFile : public QObject
{
    Q_OBJECT
private slots:
    void records_data();
    void records();
    void encodings_data();
    void encodings();
    void badFiles_data();
    void badFiles();
    void lineLimit_data();
    void lineLimit();
    void chunkBoundaries();
    void megabyteLine();
    void fileShrankSinceScan();
    void shippedFiles_data();
    void shippedFiles();

private:
    QString write(const QByteArray &content);
    QTemporaryDir m_dir;
    int m_files = 0;
};

QString TestQuoteFile::write(const QByteArray &content)
{
    const QString path = m_dir.filePath(QString::number(++m_files) + ".vmf");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

void TestQuoteFile::records_data()
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
}

void TestQuoteFile::records()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, lines);
    const QString path = write(content);
    const QuoteFile::Scan scan = QuoteFile::scan(path);
    QCOMPARE(scan.status, QuoteFile::Status::Ok);
    QCOMPARE(scan.lineCount, lines.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(QuoteFile::line(path, i + 1, scan.utf8).value_or("<none>"), lines.at(i));
    QVERIFY(!QuoteFile::line(path, lines.size() + 1, scan.utf8));
    QVERIFY(!QuoteFile::line(path, 0, scan.utf8));
}

void TestQuoteFile::encodings_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QString>("first");
    const QString quote = QStringLiteral("星環タンバー、発進！");
    QTest::newRow("shift-jis") << Cp932::fromUnicode(quote + "\r\n") << false << quote;
    QTest::newRow("utf-8") << (quote + "\n").toUtf8() << true << quote;
    QTest::newRow("utf-8 with bom") << "\xEF\xBB\xBF" + (quote + "\r\n").toUtf8() << true << quote;
    QTest::newRow("ascii") << QByteArray("plain\r\n") << true << "plain";
    // ～ and ① exist only in the code page's own extensions.
    QTest::newRow("cp932 extensions") << QByteArray("\x81\x60\x87\x40") << false << QStringLiteral("～①");
    QTest::newRow("invalid in both") << QByteArray("\x81\x0a\xa0") << false << QString();
    QTest::newRow("utf-8 overlong is not utf-8") << QByteArray("\xC0\xAF") << false << QString();
    QTest::newRow("utf-8 surrogate is not utf-8") << QByteArray("\xED\xA0\x80") << false << QString();
}

void TestQuoteFile::encodings()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, first);
    const QString path = write(content);
    const QuoteFile::Scan scan = QuoteFile::scan(path);
    QCOMPARE(scan.status, QuoteFile::Status::Ok);
    QTEST(scan.utf8, "utf8");
    const std::optional<QString> line = QuoteFile::line(path, 1, scan.utf8);
    QVERIFY(line);
    if (!first.isEmpty())
        QCOMPARE(*line, first);
}

void TestQuoteFile::badFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QuoteFile::Status>("status");
    QTest::newRow("missing") << m_dir.filePath("missing.vmf") << QuoteFile::Status::CannotOpen;
    QTest::newRow("directory") << m_dir.path() << QuoteFile::Status::CannotOpen;
    QTest::newRow("empty name") << QString() << QuoteFile::Status::CannotOpen;
    QTest::newRow("binary") << write(QByteArray("ab\0cd\r\n", 7)) << QuoteFile::Status::NotText;
}

void TestQuoteFile::badFiles()
{
    QFETCH(QString, path);
    QFETCH(QuoteFile::Status, status);
    QCOMPARE(QuoteFile::scan(path).status, status);
    if (status == QuoteFile::Status::CannotOpen)
        QVERIFY(!QuoteFile::line(path, 1, false));
}

void TestQuoteFile::lineLimit_data()
{
    QTest::addColumn<int>("breaks");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QuoteFile::Status>("status");
    QTest::newRow("32767 lines") << 32767 << QByteArray() << QuoteFile::Status::Ok;
    QTest::newRow("32766 and an open line") << 32766 << QByteArray("x") << QuoteFile::Status::Ok;
    QTest::newRow("32768 lines") << 32768 << QByteArray() << QuoteFile::Status::TooManyLines;
    QTest::newRow("32767 and an open line") << 32767 << QByteArray("x") << QuoteFile::Status::TooManyLines;
    QTest::newRow("a million lines") << 1000000 << QByteArray() << QuoteFile::Status::TooManyLines;
}

void TestQuoteFile::lineLimit()
{
    QFETCH(int, breaks);
    QFETCH(QByteArray, tail);
    const QString path = write(QByteArray(breaks, '\n') + tail);
    const QuoteFile::Scan scan = QuoteFile::scan(path);
    QTEST(scan.status, "status");
    if (scan.status == QuoteFile::Status::Ok)
        QCOMPARE(scan.lineCount, QuoteFile::kMaxLines);
}

void TestQuoteFile::chunkBoundaries()
{
    // Records and CR LF pairs that straddle the 64 KiB read size.
    QByteArray content(65535, 'a');
    content += "\r\nb\r\n";
    content += QByteArray(65536 - 4, 'c') + "\r\nd";
    const QString path = write(content);
    const QuoteFile::Scan scan = QuoteFile::scan(path);
    QCOMPARE(scan.lineCount, 4);
    QCOMPARE(QuoteFile::line(path, 2, scan.utf8), std::optional<QString>("b"));
    QCOMPARE(QuoteFile::line(path, 3, scan.utf8)->size(), 65532);
    QCOMPARE(QuoteFile::line(path, 4, scan.utf8), std::optional<QString>("d"));
}

void TestQuoteFile::megabyteLine()
{
    const QByteArray sjis = Cp932::fromUnicode(QStringLiteral("星"));
    QByteArray longLine;
    while (longLine.size() < 1024 * 1024)
        longLine += sjis;
    const QString path = write("first\r\n" + longLine + "\r\nlast\r\n");
    const QuoteFile::Scan scan = QuoteFile::scan(path);
    QCOMPARE(scan.lineCount, 3);
    const std::optional<QString> line = QuoteFile::line(path, 2, scan.utf8);
    QVERIFY(line);
    QCOMPARE(line->size(), QuoteFile::kMaxLineBytes / 2); // cut on a character boundary
    QVERIFY(!line->contains(QChar::ReplacementCharacter));
    QCOMPARE(QuoteFile::line(path, 3, scan.utf8), std::optional<QString>("last"));
}

void TestQuoteFile::fileShrankSinceScan()
{
    const QString path = write("a\nb\nc\n");
    const QuoteFile::Scan scan = QuoteFile::scan(path);
    write({});
    QFile::remove(path);
    QFile::copy(m_dir.filePath(QString::number(m_files) + ".vmf"), path);
    QVERIFY(!QuoteFile::line(path, scan.lineCount, scan.utf8));
}

void TestQuoteFile::shippedFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minLines");
    QTest::addColumn<int>("maxLines");
    QTest::newRow("tamber") << "tamber.vmf" << 30 << 32767;
    QTest::newRow("dastor") << "dastor.vmf" << 30 << 32767;
    QTest::newRow("animir") << "animir.vmf" << 30 << 32767;
    QTest::newRow("anitamb: one per episode") << "anitamb.vmf" << 45 << 45;
    QTest::newRow("mirelle: the 74 titles") << "mirelle.vmf" << 74 << 74;
    QTest::newRow("tambkari") << "tambkari.vmf" << 30 << 32767;
    QTest::newRow("quill") << "quill.vmf" << 30 << 32767;
}

void TestQuoteFile::shippedFiles()
{
    QFETCH(QString, name);
    QFETCH(int, minLines);
    QFETCH(int, maxLines);
    const QString path = qEnvironmentVariable("SUITE_DIR") + "/" + name;
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    const QuoteFile::Scan scan = QuoteFile::scan(path);
    QCOMPARE(scan.status, QuoteFile::Status::Ok);
    QVERIFY(!scan.utf8); // Shift-JIS, as the other programs expect
    QVERIFY(scan.lineCount >= minLines && scan.lineCount <= maxLines);
    QCOMPARE(Cp932::fromUnicode(Cp932::toUnicode(bytes)), bytes); // no stray bytes
    for (int n = 1; n <= scan.lineCount; ++n) {
        const QString line = QuoteFile::line(path, n, false).value_or(QString());
        // Short enough for one line of a title card.
        QVERIFY2(line.size() >= 2 && line.size() <= 20, qPrintable(QString::number(n) + ": " + line));
    }
}

QTEST_GUILESS_MAIN(TestQuoteFile)
#include "test_quotefile.moc"
