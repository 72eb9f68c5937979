#include "titlecard/splitfields.h"

#include <QtTest>

class TestSplitFields : public QObject
{
    Q_OBJECT
private slots:
    void split_data()
    {
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QList<QByteArray>>("fields");
        using L = QList<QByteArray>;
        QTest::newRow("empty") << QByteArray() << L{};
        QTest::newRow("only commas") << QByteArray(",,,") << L{};
        QTest::newRow("no comma") << QByteArray("abc") << L{"abc"};
        QTest::newRow("empty fields, leading and trailing commas vanish") << QByteArray(",a,,b,") << L{"a", "b"};
        QTest::newRow("sixth after empties ignored") << QByteArray("1,,2,3,,4,5,,,6") << L{"1", "2", "3", "4", "5"};
        QTest::newRow("spaces are content") << QByteArray(" , x ") << L{" ", " x "};
        QTest::newRow("ends at NUL") << QByteArray("a,b\0,c", 6) << L{"a", "b"};
        // 0x5C and 0x40 trail bytes, never a comma inside a double-byte character.
        QTest::newRow("double-byte") << QByteArray("\x81\x5C\x81\x40,\x90\xAF") << L{"\x81\x5C\x81\x40", "\x90\xAF"};
    }

    void split()
    {
        QFETCH(QByteArray, title);
        QTEST(SplitFields(title), "fields");
    }
};

QTEST_GUILESS_MAIN(TestSplitFields)
#include "test_splitfields.moc"
