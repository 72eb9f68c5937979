#include "titlecard_config/configstate.h"

#include <QtTest>

using Mode = ConfigState::Mode;
using Field = ConfigState::Field;

class TestConfigState : public QObject
{
    Q_OBJECT
private slots:
    void initialState();
    void stepping_data();
    void stepping();
    void ownTextArguments_data();
    void ownTextArguments();
    void textLimit();
};

void TestConfigState::initialState()
{
    ConfigState state;
    QCOMPARE(state.mode(), Mode::Automatic);
    QCOMPARE(state.episode(), 1);
    QCOMPARE(state.runArguments(), QStringList());
}

// A string of '+' and '-' pressed in episode mode, and the number it ends at.
void TestConfigState::stepping_data()
{
    QTest::addColumn<QString>("presses");
    QTest::addColumn<int>("episode");
    QTest::newRow("three up") << "+++" << 4;
    QTest::newRow("down at 1") << "-" << 1;
    QTest::newRow("up to the top and beyond") << QString(50, '+') << 45;
    QTest::newRow("top then down") << QString(44, '+') + "+-" << 44;
    QTest::newRow("up down down") << "+--" << 1;
}

void TestConfigState::stepping()
{
    QFETCH(QString, presses);
    QFETCH(int, episode);
    ConfigState state;
    state.setMode(Mode::Episode);
    for (QChar press : presses) {
        const int before = state.episode();
        const bool changed = press == '+' ? state.nextEpisode() : state.previousEpisode();
        QCOMPARE(changed, state.episode() != before);
    }
    QCOMPARE(state.episode(), episode);
    QCOMPARE(state.runArguments(), QStringList{QString::number(episode)});
}

void TestConfigState::ownTextArguments_data()
{
    QTest::addColumn<QStringList>("texts"); // line1, line2, ruby1, ruby2, line3
    QTest::addColumn<QString>("record");
    QTest::newRow("only line1") << QStringList{"ABC", "", "", "", ""} << "ABC, , , , ";
    QTest::newRow("all empty") << QStringList{"", "", "", "", ""} << " , , , , ";
    QTest::newRow("title-record order")
        << QStringList{"L1", "L2", "R1", "R2", "L3"} << "L1,L2,R1,R2,L3";
    QTest::newRow("shell and comma characters as typed")
        << QStringList{"a,b", "\"q\" 'x'", "$HOME", "C:\\dir\\", "`id`;|&"}
        << "a,b,\"q\" 'x',$HOME,C:\\dir\\,`id`;|&";
    QTest::newRow("spaces are not empty") << QStringList{"  ", "", "", "", " x "} << "  , , , , x ";
    QTest::newRow("japanese") << QStringList{QStringLiteral("星の　"), QStringLiteral("ﾀﾝﾊﾞｰ"), "", "", ""}
                              << QStringLiteral("星の　,ﾀﾝﾊﾞｰ, , , ");
}

void TestConfigState::ownTextArguments()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, record);
    ConfigState state;
    state.setMode(Mode::OwnText);
    const Field fields[] = {Field::Line1, Field::Line2, Field::Ruby1, Field::Ruby2, Field::Line3};
    for (int i = 0; i < 5; ++i)
        state.setText(fields[i], texts.at(i));
    QCOMPARE(state.runArguments(), (QStringList{"-s", record}));
}

void TestConfigState::textLimit()
{
    // Five full texts: the command grows instead of overflowing a buffer.
    ConfigState state;
    state.setMode(Mode::OwnText);
    const QString full = QString(50, QChar(0x3042)); // 50 x 2 bytes
    for (Field field : {Field::Line1, Field::Line2, Field::Ruby1, Field::Ruby2, Field::Line3})
        state.setText(field, full + "X");
    QCOMPARE(state.text(Field::Line1), full);
    const QStringList arguments = state.runArguments();
    QCOMPARE(arguments.size(), 2);
    QCOMPARE(arguments.at(1), QStringList(5, full).join(','));
}

QTEST_GUILESS_MAIN(TestConfigState)
#include "test_configstate.moc"
