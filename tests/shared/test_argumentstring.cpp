#include "shared/argumentstring.h"
#include "shared/cp932.h"

#include <QtTest>

class TestArgumentString : public QObject
{
    Q_OBJECT
private slots:
    void join_data();
    void join();
};

void TestArgumentString::join_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("none") << QStringList() << QByteArray();
    QTest::newRow("one") << QStringList{"12"} << QByteArray("12");
    QTest::newRow("two words") << QStringList{"7", "8"} << QByteArray("7 8");
    QTest::newRow("kept inner space") << QStringList{"-s", " x"} << QByteArray("-s  x");
    QTest::newRow("leading blanks skipped") << QStringList{" \t", "5"} << QByteArray("5");
    QTest::newRow("empty arguments") << QStringList{"", ""} << QByteArray();
    QTest::newRow("japanese") << QStringList{"-s", QStringLiteral("第1章,　夜")}
                              << QByteArray("-s ") + Cp932::fromUnicode(QStringLiteral("第1章,　夜"));
    QTest::newRow("long") << QStringList{QString(1000, 'a')} << QByteArray(1000, 'a');
}

void TestArgumentString::join()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, expected);
    QCOMPARE(argumentString(arguments), expected);
}

QTEST_GUILESS_MAIN(TestArgumentString)
#include "test_argumentstring.moc"
