#include "shared/argumentstring.h"
#include "shared/cp932.h"
#include "shared/parsedecimal.h"

#include <QtTest>

// The text helpers every program relies on for its byte formats.
class TestSharedText : public QObject
{
    Q_OBJECT
private slots:
    void cp932RoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("abc,1") << QByteArray("abc,1");
        QTest::newRow("ideographic space") << QStringLiteral("\u3000") << QByteArray("\x81\x40");
        QTest::newRow("kanji") << QStringLiteral("第") << QByteArray("\x91\xe6");
        QTest::newRow("half-width kana") << QStringLiteral("ﾌ") << QByteArray("\xcc");
        QTest::newRow("platform extension") << QStringLiteral("①") << QByteArray("\x87\x40");
    }
    void cp932RoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp932::fromUnicode(text), bytes);
        QCOMPARE(Cp932::toUnicode(bytes), text);
    }

    void cutAtCharBoundary_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("kept");
        const QByteArray kana = Cp932::fromUnicode(QStringLiteral("あいう"));
        QTest::newRow("fits") << kana << 6 << 6;
        QTest::newRow("inside a character") << kana << 5 << 4;
        QTest::newRow("after a single byte") << QByteArray("a") + kana << 2 << 1;
        QTest::newRow("zero") << kana << 0 << 0;
    }
    void cutAtCharBoundary()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, limit);
        QFETCH(int, kept);
        QCOMPARE(Cp932::cutAtCharBoundary(bytes, limit), bytes.left(kept));
    }

    void parseDecimal_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("trailing letters") << QByteArray("12abc") << 12;
        QTest::newRow("plus") << QByteArray("+5") << 5;
        QTest::newRow("minus") << QByteArray("-3") << -3;
        QTest::newRow("white space") << QByteArray(" \t\r\n\v\f42\r\n") << 42;
        QTest::newRow("no digits") << QByteArray("abc") << 0;
        QTest::newRow("double sign") << QByteArray("--5") << 0;
        QTest::newRow("wraps to 1") << QByteArray("4294967297") << 1;
        QTest::newRow("unsigned form of -16") << QByteArray("4294967280") << -16;
        QTest::newRow("eleven digits") << QByteArray("99999999999") << 1215752191;
        QTest::newRow("stops at space") << QByteArray("7 8") << 7;
    }
    void parseDecimal()
    {
        QFETCH(QByteArray, text);
        QTEST(::parseDecimal(text), "expected");
    }

    void argumentString_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("none") << QStringList() << QByteArray();
        QTest::newRow("two words") << QStringList{"7", "8"} << QByteArray("7 8");
        QTest::newRow("kept inner space") << QStringList{"-s", " x"} << QByteArray("-s  x");
        QTest::newRow("leading blanks skipped") << QStringList{" \t", "5"} << QByteArray("5");
        QTest::newRow("japanese") << QStringList{"-s", QStringLiteral("第1章,　夜")}
                                  << QByteArray("-s ") + Cp932::fromUnicode(QStringLiteral("第1章,　夜"));
        QTest::newRow("long") << QStringList{QString(1000, 'a')} << QByteArray(1000, 'a');
    }
    void argumentString()
    {
        QFETCH(QStringList, arguments);
        QTEST(::argumentString(arguments), "expected");
    }
};

QTEST_GUILESS_MAIN(TestSharedText)
#include "test_sharedtext.moc"
