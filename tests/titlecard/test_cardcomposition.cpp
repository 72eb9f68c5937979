#include "fakeclock.h"

#include "titlecard/cardcomposition.h"

#include <QtTest>

// Whole cards as tambwin composes them from its argument string.
class TestCardComposition : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sameCard_data();
    void sameCard();
    void differentCards();
    void badSettingsFileGivesDefaults_data();
    void badSettingsFileGivesDefaults();

private:
    QImage card(const QByteArray &arguments, const QString &ini = QString()) const;
    QTemporaryDir m_dir;
};

void TestCardComposition::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QImage TestCardComposition::card(const QByteArray &arguments, const QString &ini) const
{
    FakeClock clock(1); // a random draw gives episode 42
    return composeCardForArguments(arguments, QSize(640, 480), clock,
                                   ini.isEmpty() ? m_dir.filePath("absent.ini") : ini);
}

void TestCardComposition::sameCard_data()
{
    QTest::addColumn<QByteArray>("arguments");
    QTest::addColumn<QByteArray>("sameAs");
    QTest::newRow("12abc") << QByteArray("12abc") << QByteArray("12");
    QTest::newRow("7 8") << QByteArray("7 8") << QByteArray("7");
    QTest::newRow("+5") << QByteArray("+5") << QByteArray("5");
    QTest::newRow("4294967297") << QByteArray("4294967297") << QByteArray("1");
    QTest::newRow("-s a,,b") << QByteArray("-s a,,b") << QByteArray("-s a,b");
    QTest::newRow("46 is random") << QByteArray("46") << QByteArray("42");
    QTest::newRow("-s alone is random") << QByteArray("-s") << QByteArray("42");
}

void TestCardComposition::sameCard()
{
    QFETCH(QByteArray, arguments);
    QFETCH(QByteArray, sameAs);
    QCOMPARE(card(arguments), card(sameAs));
}

void TestCardComposition::differentCards()
{
    QVERIFY(card("12") != card("13"));
    QVERIFY(card("-s a,b") != card("-s a"));
    QVERIFY(card("-s a,b").size() == QSize(640, 480));
}

void TestCardComposition::badSettingsFileGivesDefaults_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("looksDefault");
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("binary") << QByteArray("\x00\xFF\xFE\x01\r\n\x80\x80", 8) << true;
    QTest::newRow("huge") << QByteArray(3 * 1024 * 1024, '7') << false;
    QTest::newRow("the size lines only") << QByteArray("4294967280\r\n99\r\n") << true;
}

void TestCardComposition::badSettingsFileGivesDefaults()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, looksDefault);
    const QString path = m_dir.filePath("tambwin.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    // Nothing of these changes how the text looks: garbage reads as zeros,
    // height and width are set by the card itself.
    const QImage withFile = card("12", path);
    QCOMPARE(withFile.size(), QSize(640, 480));
    if (looksDefault)
        QCOMPARE(withFile, card("12"));
}

QTEST_MAIN(TestCardComposition)
#include "test_cardcomposition.moc"
