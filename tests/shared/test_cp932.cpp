#include "shared/cp932.h"

#include <QtTest>

class TestCp932 : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void cutAtCharBoundary_data();
    void cutAtCharBoundary();
};

void TestCp932::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("abc,1") << QByteArray("abc,1");
    QTest::newRow("ideographic space") << QStringLiteral("\u3000") << QByteArray("\x81\x40");
    QTest::newRow("kanji") << QStringLiteral("第") << QByteArray("\x91\xe6");
    QTest::newRow("half-width kana") << QStringLiteral("ﾌ") << QByteArray("\xcc");
    QTest::newRow("platform extension") << QStringLiteral("①") << QByteArray("\x87\x40");
}

void TestCp932::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Cp932::fromUnicode(text), bytes);
    QCOMPARE(Cp932::toUnicode(bytes), text);
}

void TestCp932::cutAtCharBoundary_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray kana = Cp932::fromUnicode(QStringLiteral("あいう")); // 6 bytes
    QTest::newRow("fits") << kana << 6 << kana;
    QTest::newRow("between characters") << kana << 4 << kana.left(4);
    QTest::newRow("inside a character") << kana << 5 << kana.left(4);
    QTest::newRow("mixed") << QByteArray("a") + kana << 2 << QByteArray("a");
    QTest::newRow("zero") << kana << 0 << QByteArray();
}

void TestCp932::cutAtCharBoundary()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, limit);
    QFETCH(QByteArray, expected);
    QCOMPARE(Cp932::cutAtCharBoundary(bytes, limit), expected);
}

QTEST_GUILESS_MAIN(TestCp932)
#include "test_cp932.moc"
