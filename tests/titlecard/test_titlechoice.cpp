#include "fakeclock.h"

#include "shared/argumentstring.h"
#include "shared/cp932.h"
#include "titlecard/titlechoice.h"
#include "titlecard/titletable.h"

#include <QtTest>

using Kind = TitleChoice::Kind;
Q_DECLARE_METATYPE(TitleChoice::Kind)

class TestTitleChoice : public QObject
{
    Q_OBJECT
private slots:
    void titleRandom_data();
    void titleRandom();
    void titleRandomAlwaysInRange();
    void clockSecondsWrapToSeed();
    void commandLine_data();
    void commandLine();
    void longTextKeptWhole();
    void systemClockIsNow();
};

// A seed whose episode differs from every number the table below names.
static constexpr std::int64_t kSeed = 1; // episode 42

void TestTitleChoice::titleRandom_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("episode");
    // state = seed * 214013 + 2531011 mod 2^32; (state >> 16) & 0x7FFF; mod 45 + 1
    QTest::newRow("0") << 0u << 39;   // state 2531011 -> 38
    QTest::newRow("1") << 1u << 42;
    QTest::newRow("1700000000") << 1700000000u << 23;
    QTest::newRow("2^31") << 2147483648u << 39; // overflow of the product wraps
    QTest::newRow("2^32-1") << 4294967295u << 36;
}

void TestTitleChoice::titleRandom()
{
    QFETCH(quint32, seed);
    QFETCH(int, episode);
    QCOMPARE(TitleRandom(seed), episode);
}

void TestTitleChoice::titleRandomAlwaysInRange()
{
    QSet<int> seen;
    for (quint32 seed = 0; seed < 2000; ++seed) {
        const int n = TitleRandom(seed);
        QVERIFY(n >= 1 && n <= 45);
        seen.insert(n);
    }
    QCOMPARE(seen.size(), 45);
}

void TestTitleChoice::clockSecondsWrapToSeed()
{
    FakeClock clock(4294967296LL + 1);
    QCOMPARE(TitleRandom(clock), TitleRandom(1u));
    QCOMPARE(clock.reads(), 1);
}

void TestTitleChoice::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("episode");
    QTest::addColumn<QByteArray>("custom");

    const int r = TitleRandom(static_cast<quint32>(kSeed));
    QTest::newRow("none") << QStringList() << Kind::Random << r << QByteArray();
    QTest::newRow("only blanks") << QStringList{" ", "\t"} << Kind::Random << r << QByteArray();
    for (const char *arg : {"0", "46", "-3", "abc", "-x", "--s", "-s_", "S", "4294967295",
                            "2147483648"})
        QTest::addRow("%s", arg) << QStringList{arg} << Kind::Random << r << QByteArray();
    QTest::newRow("1") << QStringList{"1"} << Kind::Episode << 1 << QByteArray();
    QTest::newRow("45") << QStringList{"45"} << Kind::Episode << 45 << QByteArray();
    QTest::newRow("12abc") << QStringList{"12abc"} << Kind::Episode << 12 << QByteArray();
    QTest::newRow("7 8 one argument") << QStringList{"7 8"} << Kind::Episode << 7 << QByteArray();
    QTest::newRow("7 8 two arguments") << QStringList{"7", "8"} << Kind::Episode << 7 << QByteArray();
    QTest::newRow("+5") << QStringList{"+5"} << Kind::Episode << 5 << QByteArray();
    QTest::newRow("leading zeros") << QStringList{"007"} << Kind::Episode << 7 << QByteArray();
    QTest::newRow("4294967297 wraps to 1") << QStringList{"4294967297"} << Kind::Episode << 1
                                           << QByteArray();
    QTest::newRow("number then -s") << QStringList{"3", "-s", "x"} << Kind::Episode << 3
                                    << QByteArray();
    QTest::newRow("-s alone") << QStringList{"-s"} << Kind::Random << r << QByteArray();
    QTest::newRow("-s and a space") << QStringList{"-s", ""} << Kind::Random << r << QByteArray();
    QTest::newRow("-S a,b,c,d,e") << QStringList{"-S", "a,b,c,d,e"} << Kind::Custom << 0
                                  << QByteArray("a,b,c,d,e");
    QTest::newRow("-s two spaces x") << QStringList{"-s", " x"} << Kind::Custom << 0
                                     << QByteArray(" x");
    QTest::newRow("-s a,,b unchanged") << QStringList{"-s", "a,,b"} << Kind::Custom << 0
                                       << QByteArray("a,,b");
    QTest::newRow("-s seven fields") << QStringList{"-s", "1,2,3,4,5,6,7"} << Kind::Custom << 0
                                     << QByteArray("1,2,3,4,5,6,7");
    QTest::newRow("-s words kept with their spaces")
        << QStringList{"-s", "a", "b,", "c"} << Kind::Custom << 0 << QByteArray("a b, c");
    QTest::newRow("-s japanese")
        << QStringList{"-s", QStringLiteral("第1章,　夜明け")} << Kind::Custom << 0
        << Cp932::fromUnicode(QStringLiteral("第1章,　夜明け"));
    QTest::newRow("-s then 12") << QStringList{"-s", "12"} << Kind::Custom << 0 << QByteArray("12");
}

void TestTitleChoice::commandLine()
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
    if (kind == Kind::Custom)
        QCOMPARE(choice.title, custom);
    else
        QCOMPARE(choice.title, TitleTable::record(episode));
}

void TestTitleChoice::longTextKeptWhole()
{
    // Far beyond 255 bytes, with a double-byte character across byte 255.
    const QString text = QString(127, QLatin1Char('a')) + QString(300, QChar(0x661F));
    FakeClock clock(kSeed);
    const TitleChoice choice = decideTitle(argumentString({"-s", text}), clock);
    QCOMPARE(choice.kind, Kind::Custom);
    QCOMPARE(choice.title, Cp932::fromUnicode(text));
    QCOMPARE(choice.title.size(), 127 + 600);
}

void TestTitleChoice::systemClockIsNow()
{
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    const std::int64_t now = SystemClock().secondsSinceEpoch();
    QVERIFY(now >= before && now <= before + 2);
}

QTEST_GUILESS_MAIN(TestTitleChoice)
#include "test_titlechoice.moc"
