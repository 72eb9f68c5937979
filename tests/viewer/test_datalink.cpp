#include "shared/datalink.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Reason = DataLinkClient::EndReason;
Q_DECLARE_METATYPE(Reason)

namespace {
const QString kService = QStringLiteral("ヴェルモのプロパティ");
QStringList values(const QSignalSpy &spy)
{
    QStringList result;
    for (const QList<QVariant> &args : spy)
        result << args.at(0).toString();
    return result;
}
Reason reason(const QSignalSpy &ended) { return ended.at(0).at(0).value<Reason>(); }
} // namespace

// The change-notification link, both ends real: the source in its own
// process for OK / end / crash, in-process for the finer points.
class TestDataLink : public QObject
{
    Q_OBJECT
    QTemporaryDir m_runtime;

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Reason>();
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
    }

    void socketNameIsSafeAndPerItem()
    {
        const QString path = dataLinkSocketPath(kService, "Form1", "ok2");
        QVERIFY(path.startsWith(m_runtime.path() + "/"));
        QVERIFY(QRegularExpression("^[a-z0-9-]+$").match(QFileInfo(path).fileName()).hasMatch());
        QVERIFY(path.toUtf8().size() < 100); // fits a Unix socket address
        QVERIFY(dataLinkSocketPath(kService, "Form1", "ok3") != path);
        QVERIFY(dataLinkSocketPath(kService, "Form2", "ok2") != path);
    }

    void sourceProcess_data()
    {
        QTest::addColumn<QString>("mode"); // empty: no source ever appears
        QTest::addColumn<QStringList>("received");
        QTest::addColumn<Reason>("ending");
        QTest::newRow("no answer") << "" << QStringList() << Reason::NoAnswer;
        QTest::newRow("confirmed") << "ok" << QStringList{"", "OK", "end"} << Reason::Disconnected;
        QTest::newRow("closed") << "end" << QStringList{"", "end"} << Reason::Disconnected;
        QTest::newRow("crashed") << "crash" << QStringList{""} << Reason::Disconnected;
    }
    void sourceProcess()
    {
        QFETCH(QString, mode);
        QProcess source;
        if (!mode.isEmpty()) {
            source.start(QCoreApplication::applicationDirPath() + "/datalink_source_helper", {mode});
            QVERIFY(source.waitForReadyRead(5000));
        }
        DataLinkClient client(kService, "Form1", "ok2");
        QSignalSpy received(&client, &DataLinkClient::valueReceived);
        QSignalSpy ended(&client, &DataLinkClient::ended);
        QElapsedTimer clock;
        clock.start();
        client.open(mode.isEmpty() ? 300 : 5000);
        QVERIFY(ended.wait(10000));
        if (mode.isEmpty())
            QVERIFY(clock.elapsed() >= 250); // not before its time; a coarse timer may fire 5 % early
        QTEST(values(received), "received");
        QTEST(reason(ended), "ending");
        QVERIFY(!client.isOpen());
        QTest::qWait(300);
        QCOMPARE(ended.size(), 1);
        source.waitForFinished(5000);
    }

    void sourceStartingLate()
    {
        DataLinkClient client(kService, "Form1", "late");
        QSignalSpy received(&client, &DataLinkClient::valueReceived);
        client.open(5000);
        QTest::qWait(400);
        DataLinkSource source(kService, "Form1", "late");
        source.setText("OK");
        QVERIFY(source.listen());
        QVERIFY(received.wait(5000));
        QCOMPARE(values(received), QStringList{"OK"});
    }

    void currentTextThenEveryChangeToEveryClient()
    {
        DataLinkSource source(kService, "Form1", "many");
        QVERIFY(source.listen());
        source.setText("前の値");
        DataLinkClient a(kService, "Form1", "many"), b(kService, "Form1", "many");
        QSignalSpy av(&a, &DataLinkClient::valueReceived), bv(&b, &DataLinkClient::valueReceived);
        a.open(2000);
        b.open(2000);
        QTRY_COMPARE(av.size(), 1);
        QTRY_COMPARE(bv.size(), 1);
        source.setText("O\nK\r\nend"); // line breaks cannot split a value
        source.setText("end");
        const QStringList expected{"前の値", "O K  end", "end"};
        QTRY_COMPARE(values(av), expected);
        QTRY_COMPARE(values(bv), expected);
    }

    void rawPeer_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("hangUp");
        QTest::addColumn<QStringList>("received");
        QTest::addColumn<bool>("boxOnOk"); // the receiver of "OK" waits in a nested event loop
        QTest::newRow("garbage, unfinished line") << QByteArray("\xff\xfe\x00zz\r\nOK\nhalf", 13) << true
                                                  << QStringList{QString::fromUtf8("\xff\xfe\x00zz", 5), "OK"} << false;
        QTest::newRow("overlong line") << QByteArray(DataLinkClient::kMaxLineBytes + 10, 'x') << false << QStringList()
                                       << false;
        // Every line once and in order, though the end arrives while "OK" is still being handled.
        QTest::newRow("nested loop on OK") << QByteArray("\nOK\nend\n") << true << QStringList{"", "OK", "end"} << true;
    }
    void rawPeer()
    {
        QFETCH(QByteArray, bytes);
        QLocalServer server;
        const QString path = dataLinkSocketPath(kService, "Form1", "raw");
        QLocalServer::removeServer(path);
        QVERIFY(server.listen(path));
        DataLinkClient client(kService, "Form1", "raw");
        QSignalSpy received(&client, &DataLinkClient::valueReceived);
        QSignalSpy ended(&client, &DataLinkClient::ended);
        QFETCH(bool, boxOnOk);
        connect(&client, &DataLinkClient::valueReceived, this, [&](const QString &value) {
            if (boxOnOk && value == "OK")
                QTest::qWait(300);
        });
        client.open(2000);
        QVERIFY(server.waitForNewConnection(3000));
        QLocalSocket *peer = server.nextPendingConnection();
        peer->write(bytes);
        peer->flush();
        QFETCH(bool, hangUp);
        if (hangUp)
            peer->disconnectFromServer(); // lines that came with the end still count
        QVERIFY(ended.wait(3000));
        QCOMPARE(reason(ended), Reason::Disconnected);
        QTEST(values(received), "received");
    }

    void clientCloseIsQuiet()
    {
        DataLinkSource source(kService, "Form1", "quiet");
        QVERIFY(source.listen());
        DataLinkClient client(kService, "Form1", "quiet");
        QSignalSpy received(&client, &DataLinkClient::valueReceived);
        QSignalSpy ended(&client, &DataLinkClient::ended);
        client.open(2000);
        QTRY_COMPARE(received.size(), 1);
        client.close();
        QCOMPARE(ended.size(), 1);
        QCOMPARE(reason(ended), Reason::Closed);
        source.setText("OK");
        QTest::qWait(100);
        QCOMPARE(received.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDataLink)
#include "test_datalink.moc"
