#include "shared/cp932.h"
#include "titlecard_config/cp932limit.h"

#include <QtTest>

class TestCp932Limit : public QObject
{
    Q_OBJECT
private slots:
    void limit_data();
    void limit();
    void trimInsertion_data();
    void trimInsertion();
};

void TestCp932Limit::limit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fits") << "abc" << 3 << "abc";
    QTest::newRow("double-byte never split") << QStringLiteral("aあい") << 4 << QStringLiteral("aあ");
    QTest::newRow("half-width kana is one byte") << QStringLiteral("ﾀﾝﾊﾞｰ") << 3 << QStringLiteral("ﾀﾝﾊ");
    QTest::newRow("100 bytes odd boundary")
        << QString("x") + QString(60, QChar(0x6F22)) << 100 << QString("x") + QString(49, QChar(0x6F22));
    QTest::newRow("surrogate pair kept whole") << "a" + QString::fromUcs4(U"\U0001F600") + "b" << 1 << "a";
    QTest::newRow("zero") << "abc" << 0 << "";
}

void TestCp932Limit::limit()
{
    QFETCH(QString, text);
    QFETCH(int, maxBytes);
    const QString result = limitToCp932Bytes(text, maxBytes);
    QTEST(result, "expected");
    QVERIFY(Cp932::fromUnicode(result).size() <= maxBytes);
}

void TestCp932Limit::trimInsertion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedPosition");
    QTest::newRow("within limit") << "abc" << 2 << 5 << "abc" << 2;
    QTest::newRow("typed at end") << "abcd" << 4 << 3 << "abc" << 3;
    QTest::newRow("pasted in the middle") << "aXYZbc" << 4 << 4 << "aXbc" << 2;
    QTest::newRow("double-byte over by one") << QStringLiteral("abあ") << 3 << 3 << "ab" << 2;
    QTest::newRow("cursor at start") << "abcd" << 0 << 2 << "ab" << 0;
}

void TestCp932Limit::trimInsertion()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(int, maxBytes);
    trimInsertionToCp932Bytes(text, position, maxBytes);
    QTEST(text, "expected");
    QTEST(position, "expectedPosition");
}

QTEST_GUILESS_MAIN(TestCp932Limit)
#include "test_cp932limit.moc"
