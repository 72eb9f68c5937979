#include "fakeclock.h"

#include "titlecard/cardcomposition.h"

#include <QtTest>

// Whole cards as tambwin composes them from its argument string and its
// settings file.
class TestCardComposition : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QImage card(const QByteArray &arguments, const QString &ini = "absent.ini")
    {
        FakeClock clock(1); // a random draw gives episode 42
        return composeCardForArguments(arguments, QSize(640, 480), clock, m_dir.filePath(ini));
    }

private slots:
    void titleFromArguments()
    {
        QCOMPARE(card("46"), card("42"));
        QVERIFY(card("12") != card("13"));
        QVERIFY(card("-s a,b") != card("-s a"));
        QCOMPARE(card("-s a,b").size(), QSize(640, 480));
    }

    void settingsFileIsRead()
    {
        QFile file(m_dir.filePath("tambwin.ini"));
        const auto withSettings = [&](const QByteArray &contents) {
            const bool written = file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
            file.close();
            return written ? card("12", "tambwin.ini") : QImage();
        };
        // Height and width are set by the card itself.
        QCOMPARE(withSettings("4294967280\r\n99\r\n"), card("12"));
        QVERIFY(withSettings("0\r\n0\r\n900\r\n") != card("12")); // a quarter turn
    }
};

QTEST_MAIN(TestCardComposition)
#include "test_cardcomposition.moc"
