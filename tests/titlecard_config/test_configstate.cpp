#include "titlecard_config/configstate.h"

#include <QtTest>

class TestConfigState : public QObject
{
    Q_OBJECT
private slots:
    void ownTextArguments_data();
    void ownTextArguments();
};

void TestConfigState::ownTextArguments_data()
{
    QTest::addColumn<QStringList>("texts"); // line1, line2, ruby1, ruby2, line3
    QTest::addColumn<QString>("record");
    QTest::newRow("all empty") << QStringList(5) << " , , , , ";
    QTest::newRow("title-record order") << QStringList{"L1", "L2", "R1", "R2", "L3"} << "L1,L2,R1,R2,L3";
    QTest::newRow("spaces are not empty") << QStringList{"  ", "", "", "", " x "} << "  , , , , x ";
    // Each text stops at 100 bytes; five full texts make one long argument.
    const QString full(50, QChar(0x3042));
    QTest::newRow("five texts over the limit") << QStringList(5, full + "X") << QStringList(5, full).join(',');
}

void TestConfigState::ownTextArguments()
{
    QFETCH(QStringList, texts);
    ConfigState state;
    state.setMode(ConfigState::Mode::OwnText);
    using F = ConfigState::Field;
    const F fields[] = {F::Line1, F::Line2, F::Ruby1, F::Ruby2, F::Line3};
    for (int i = 0; i < 5; ++i)
        state.setText(fields[i], texts.at(i));
    QFETCH(QString, record);
    QCOMPARE(state.runArguments(), (QStringList{"-s", record}));
}

QTEST_GUILESS_MAIN(TestConfigState)
#include "test_configstate.moc"
