#include "viewer/residentchannel.h"

#include <QtTest>

#include <future>

// The hand-over between a later start and the resident viewer, over a
// socket of the test's own. The later start blocks, as a starting program
// may, so it runs on a thread of its own while the viewer's loop answers.
class TestResidentChannel : public QObject
{
    Q_OBJECT
private slots:
    void commandLineReachesTheResidentViewer_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("none") << QString();
        QTest::newRow("japanese with shell syntax") << QStringLiteral("今日の一言; rm -rf ~ $(x)");
        QTest::newRow("line ends become blanks") << QStringLiteral("一\n二\r三");
    }
    void commandLineReachesTheResidentViewer()
    {
        QFETCH(QString, commandLine);
        QTemporaryDir dir;
        const QString path = dir.filePath("resident");
        ResidentChannel resident(path);
        QVERIFY(resident.listen());
        QStringList received;
        connect(&resident, &ResidentChannel::commandLineReceived, this,
                [&](const QString &line) { received << line; });

        std::future<bool> handed = std::async(std::launch::async, [&] {
            return ResidentChannel(path).handOver(commandLine, 10000);
        });
        QTRY_VERIFY(handed.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(handed.get());
        QString expected = commandLine;
        expected.replace('\n', ' ').replace('\r', ' ');
        QCOMPARE(received, QStringList{expected});
    }

    void noResidentViewerMeansNoHandOver()
    {
        QTemporaryDir dir;
        QVERIFY(!ResidentChannel(dir.filePath("resident")).handOver("x", 1000));
        // A socket file left by a viewer that died answers nobody either,
        // and does not stop the next viewer from listening.
        {
            ResidentChannel dead(dir.filePath("resident"));
            QVERIFY(dead.listen());
        }
        QVERIFY(!ResidentChannel(dir.filePath("resident")).handOver("x", 1000));
        QVERIFY(ResidentChannel(dir.filePath("resident")).listen());
    }
};

QTEST_GUILESS_MAIN(TestResidentChannel)
#include "test_residentchannel.moc"
