#include "shared/parsedecimal.h"

#include <QtTest>

class TestParseDecimal : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

void TestParseDecimal::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << QByteArray("12") << 12;
    QTest::newRow("trailing letters") << QByteArray("12abc") << 12;
    QTest::newRow("plus") << QByteArray("+5") << 5;
    QTest::newRow("minus") << QByteArray("-3") << -3;
    QTest::newRow("white space") << QByteArray(" \t\r\n\v\f42\r\n") << 42;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("sign only") << QByteArray("-x") << 0;
    QTest::newRow("double sign") << QByteArray("--5") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("wraps to 1") << QByteArray("4294967297") << 1;
    QTest::newRow("unsigned form of -16") << QByteArray("4294967280") << -16;
    QTest::newRow("int max + 1") << QByteArray("2147483648") << int(0x80000000u);
    QTest::newRow("eleven digits") << QByteArray("99999999999") << 1215752191;
    QTest::newRow("stops at space") << QByteArray("7 8") << 7;
}

void TestParseDecimal::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    QCOMPARE(ParseDecimal(text), expected);
}

QTEST_GUILESS_MAIN(TestParseDecimal)
#include "test_parsedecimal.moc"
