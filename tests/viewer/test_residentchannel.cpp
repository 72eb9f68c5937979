#include "viewer/residentchannel.h"
#include "viewer/residentstart.h"

#include "fakes/recordingmessagebox.h"

#include <QtTest>

#include <future>

// What a later start does, over a socket of the test's own: hand its text
// to the resident viewer, say that the one holding the lock does not
// answer or refuses, or become the resident viewer itself. A later start
// blocks, as a starting program may, so it runs on a thread of its own
// while the test's loop answers for the resident one, or does not.
class TestResidentChannel : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void laterStart_data()
    {
        QTest::addColumn<QString>("resident"); // none, hung (lock only), stopped (never answers), taking, busy
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("exitCode"); // -1: becomes the resident viewer
        QTest::addColumn<QString>("box");
        QTest::newRow("no viewer runs") << "none" << "x" << -1 << QString();
        QTest::newRow("hung before listening") << "hung" << "x" << 1 << ResidentStart::kNotAnsweringMessage;
        QTest::newRow("stopped") << "stopped" << "x" << 1 << ResidentStart::kNotAnsweringMessage;
        QTest::newRow("no text") << "taking" << QString() << 0 << QString();
        QTest::newRow("shell syntax, line ends") << "taking" << QStringLiteral("今日; rm -rf ~ $(x)\n二\r三") << 0
                                                 << QString();
        QTest::newRow("900 KiB") << "taking" << QString(300 * 1024, u'星') << 0 << QString();
        QTest::newRow("beyond any command line") << "taking" << QString(ResidentChannel::kMaxCommandLineBytes + 1, 'x')
                                                 << 1 << ResidentStart::kRefusedMessage;
        QTest::newRow("not taken now") << "busy" << "x" << 1 << ResidentStart::kRefusedMessage;
    }
    void laterStart()
    {
        QFETCH(QString, resident);
        QFETCH(QString, commandLine);
        QFETCH(QString, box);
        const QString path = m_dir.filePath("resident");
        {
            ResidentChannel running(path);
            if (resident != "none")
                QCOMPARE(running.claim(), InstanceLock::State::Held);
            if (resident != "none" && resident != "hung")
                QVERIFY(running.listen());
            running.setGate([resident] { return resident != "busy"; });
            QStringList received;
            connect(&running, &ResidentChannel::commandLineReceived, this, [&](const QString &l) { received << l; });
            RecordingMessageBox messages;
            const bool answers = resident == "taking" || resident == "busy";
            std::future<int> later = std::async(std::launch::async, [&] {
                ResidentChannel channel(path);
                return ResidentStart::settle(channel, commandLine, messages, answers ? 20000 : 300).value_or(-1);
            });
            if (answers)
                QTRY_VERIFY_WITH_TIMEOUT(later.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 20000);
            QTEST(later.get(), "exitCode");
            QCOMPARE(messages.boxes.size(), box.isEmpty() ? 0 : 1);
            if (!box.isEmpty())
                QCOMPARE(messages.boxes.at(0).text, box);
            if (resident == "taking" && box.isEmpty())
                QTRY_COMPARE(received, QStringList{commandLine});
            else
                QCOMPARE(received, QStringList());
        }
        // Whoever held it let go on ending: the next start is resident.
        QCOMPARE(ResidentChannel(path).claim(), InstanceLock::State::Held);
    }
};

QTEST_GUILESS_MAIN(TestResidentChannel)
#include "test_residentchannel.moc"
