#include "fakes/filebytes.h"
#include "viewer_properties/intervaltext.h"
#include "viewer_properties/startlinereader.h"

#include <QtTest>

// The rules the window relies on without the window: the interval text of
// any characters and length, and the start line of a file.
class TestPropertyData : public QObject
{
    Q_OBJECT
private slots:
    void intervalText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minutes");
        QTest::newRow("negative fraction") << "-0.5" << 0;
        QTest::newRow("the bound itself") << "3000.99" << 3000;
        QTest::newRow("just beyond the bound") << "3001" << 3000;
        QTest::newRow("blanks, sign, unit after") << "  +30分" << 30;
        QTest::newRow("full-width digits") << "１２" << 12;
        QTest::newRow("exponent") << "1e3" << 1000;
        QTest::newRow("beyond a double") << "9e999" << 3000;
        QTest::newRow("no number") << "abc" << 0;
        QTest::newRow("a megabyte of text") << QString(1 << 20, QChar(0x3042)) << 0;
    }
    void intervalText()
    {
        QFETCH(QString, text);
        QTEST(int(IntervalText::toMinutes(text)), "minutes");
    }

    // The start line at the ends of the file: 0 asks for no line and gets
    // the last one (or the line shown before, for an empty file).
    void startLine_data()
    {
        QTest::addColumn<QByteArray>("content"); // "missing": no file
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("read"); // ok, count, position, line
        const QByteArray three = "one\r\ntwo\r\nthree\r\n";
        QTest::newRow("line 1") << three << 1 << "1 3 1 one";
        QTest::newRow("beyond the end") << three << 4 << "1 3 3 three";
        QTest::newRow("0: the last line") << three << 0 << "1 3 0 three";
        QTest::newRow("empty file") << QByteArray() << 2 << "1 0 0 before";
        QTest::newRow("missing") << QByteArray("missing") << 1 << "0 0 0 ";
    }
    void startLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, position);
        QTemporaryDir dir;
        QVERIFY(content == "missing" || writeAll(dir.filePath("lines.vmf"), content));
        const StartLine r = readStartLine(dir.filePath("lines.vmf"), position, "before");
        QTEST(QStringLiteral("%1 %2 %3 %4").arg(r.ok).arg(r.lineCount).arg(r.position).arg(r.line), "read");
    }

};

QTEST_GUILESS_MAIN(TestPropertyData)
#include "test_propertydata.moc"
