#include "fakeclock.h"

#include "shared/argumentstring.h"
#include "shared/cp932.h"
#include "titlecard/titlechoice.h"
#include "titlecard/titletable.h"

#include <QtTest>

using Kind = TitleChoice::Kind;
Q_DECLARE_METATYPE(TitleChoice::Kind)

// The clock's second for every random draw below: episode 42, which no row names.
static constexpr std::int64_t kSeed = 1;

class TestTitleChoice : public QObject
{
    Q_OBJECT
private slots:
    void titleRandom_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("episode");
        QTest::newRow("0") << 0u << 39; // state 2531011 -> output 38
        QTest::newRow("1") << 1u << 42;
        QTest::newRow("1700000000") << 1700000000u << 23;
        QTest::newRow("2^31, the product wraps") << 2147483648u << 39;
        QTest::newRow("2^32-1") << 4294967295u << 36;
    }

    void titleRandom()
    {
        QFETCH(quint32, seed);
        QTEST(TitleRandom(seed), "episode");
    }

    void clockSecondsWrapToSeed()
    {
        FakeClock clock(4294967296LL + 1);
        QCOMPARE(TitleRandom(clock), TitleRandom(1u));
        QCOMPARE(clock.reads(), 1);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("episode");
        QTest::addColumn<QByteArray>("custom");
        const int r = TitleRandom(quint32(kSeed));
        QTest::newRow("none") << QStringList() << Kind::Random << r << QByteArray();
        QTest::newRow("only blanks") << QStringList{" ", "\t"} << Kind::Random << r << QByteArray();
        for (const char *arg : {"0", "46", "-3", "abc", "-x", "--s", "-s_", "S", "4294967295", "2147483648", "-s"})
            QTest::addRow("%s", arg) << QStringList{arg} << Kind::Random << r << QByteArray();
        QTest::newRow("-s and a space") << QStringList{"-s", ""} << Kind::Random << r << QByteArray();
        QTest::newRow("1") << QStringList{"1"} << Kind::Episode << 1 << QByteArray();
        QTest::newRow("45") << QStringList{"45"} << Kind::Episode << 45 << QByteArray();
        QTest::newRow("12abc") << QStringList{"12abc"} << Kind::Episode << 12 << QByteArray();
        QTest::newRow("7 8 one argument") << QStringList{"7 8"} << Kind::Episode << 7 << QByteArray();
        QTest::newRow("+5") << QStringList{"+5"} << Kind::Episode << 5 << QByteArray();
        QTest::newRow("4294967297 wraps to 1") << QStringList{"4294967297"} << Kind::Episode << 1 << QByteArray();
        QTest::newRow("number then -s") << QStringList{"3", "-s", "x"} << Kind::Episode << 3 << QByteArray();
        QTest::newRow("-S a,,b unchanged") << QStringList{"-S", "a,,b"} << Kind::Custom << 0 << QByteArray("a,,b");
        QTest::newRow("-s two spaces x") << QStringList{"-s", " x"} << Kind::Custom << 0 << QByteArray(" x");
        QTest::newRow("-s words keep their spaces") << QStringList{"-s", "a", "b,", "c"} << Kind::Custom << 0 << QByteArray("a b, c");
        QTest::newRow("-s then 12") << QStringList{"-s", "12"} << Kind::Custom << 0 << QByteArray("12");
        // Far beyond 255 bytes, with a double-byte character across byte 255.
        const QString longText = QString(127, QLatin1Char('a')) + QString(300, QChar(0x661F));
        QTest::newRow("-s long text kept whole") << QStringList{"-s", longText} << Kind::Custom << 0 << Cp932::fromUnicode(longText);
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Kind, kind);
        QFETCH(int, episode);
        QFETCH(QByteArray, custom);
        FakeClock clock(kSeed);
        const TitleChoice choice = decideTitle(argumentString(arguments), clock);
        QCOMPARE(choice.kind, kind);
        QCOMPARE(choice.episode, episode);
        // The clock is read exactly when a random episode is drawn.
        QCOMPARE(clock.reads(), kind == Kind::Random ? 1 : 0);
        QCOMPARE(choice.title, kind == Kind::Custom ? custom : TitleTable::record(episode));
    }
};

QTEST_GUILESS_MAIN(TestTitleChoice)
#include "test_titlechoice.moc"
