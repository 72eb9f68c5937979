#include "shared/datalink.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(DataLinkClient::EndReason)

// The change-notification link, both ends real: the source in its own
// process for OK / end / crash, in-process for the finer points.
class TestDataLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void socketNameIsSafeAndPerItem();
    void sourceProcess_data();
    void sourceProcess();
    void noAnswer();
    void sourceStartingLate();
    void currentTextAtConnectionThenEveryChange();
    void lineBreaksDoNotSplitAValue();
    void garbageFromPeer();
    void overlongLineEndsLink();
    void clientCloseIsQuiet();

private:
    static QString service() { return QStringLiteral("ヴェルモのプロパティ"); }
    QTemporaryDir m_runtime;
};

void TestDataLink::initTestCase()
{
    qRegisterMetaType<DataLinkClient::EndReason>();
    QVERIFY(m_runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
}

void TestDataLink::socketNameIsSafeAndPerItem()
{
    const QString path = dataLinkSocketPath(service(), "Form1", "ok2");
    QVERIFY(path.startsWith(m_runtime.path() + "/"));
    const QString name = QFileInfo(path).fileName();
    QVERIFY(QRegularExpression("^[a-z0-9-]+$").match(name).hasMatch());
    QVERIFY(path.toUtf8().size() < 100); // fits a Unix socket address
    QVERIFY(dataLinkSocketPath(service(), "Form1", "ok3") != path);
    QVERIFY(dataLinkSocketPath(service(), "Form2", "ok2") != path);
}

void TestDataLink::sourceProcess_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("confirmed") << "ok" << QStringList{"", "OK", "end"};
    QTest::newRow("closed") << "end" << QStringList{"", "end"};
    QTest::newRow("crashed") << "crash" << QStringList{""};
}

void TestDataLink::sourceProcess()
{
    QFETCH(QString, mode);
    QProcess source;
    source.start(QCoreApplication::applicationDirPath() + "/datalink_source_helper", {mode});
    QVERIFY(source.waitForStarted());
    QVERIFY(source.waitForReadyRead(5000));

    DataLinkClient client(service(), "Form1", "ok2");
    QSignalSpy values(&client, &DataLinkClient::valueReceived);
    QSignalSpy ended(&client, &DataLinkClient::ended);
    client.open(5000);
    QVERIFY(ended.wait(10000));
    QStringList received;
    for (const QList<QVariant> &v : values)
        received << v.at(0).toString();
    QTEST(received, "values");
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.at(0).at(0).value<DataLinkClient::EndReason>(), DataLinkClient::EndReason::Disconnected);
    QVERIFY(!client.isOpen());
    source.waitForFinished(5000);
}

void TestDataLink::noAnswer()
{
    DataLinkClient client(service(), "Form1", "nobody");
    QSignalSpy ended(&client, &DataLinkClient::ended);
    QElapsedTimer clock;
    clock.start();
    client.open(300);
    QVERIFY(ended.wait(5000));
    QCOMPARE(ended.at(0).at(0).value<DataLinkClient::EndReason>(), DataLinkClient::EndReason::NoAnswer);
    QVERIFY(clock.elapsed() >= 250); // a coarse timer may fire 5 % early
    QTest::qWait(300);
    QCOMPARE(ended.size(), 1);
}

void TestDataLink::sourceStartingLate()
{
    DataLinkClient client(service(), "Form1", "late");
    QSignalSpy values(&client, &DataLinkClient::valueReceived);
    client.open(5000);
    QTest::qWait(400);
    DataLinkSource source(service(), "Form1", "late");
    source.setText("OK");
    QVERIFY(source.listen());
    QVERIFY(values.wait(5000));
    QCOMPARE(values.at(0).at(0).toString(), QString("OK"));
}

void TestDataLink::currentTextAtConnectionThenEveryChange()
{
    DataLinkSource source(service(), "Form1", "many");
    QVERIFY(source.listen());
    source.setText("前の値");
    DataLinkClient a(service(), "Form1", "many");
    DataLinkClient b(service(), "Form1", "many");
    QSignalSpy av(&a, &DataLinkClient::valueReceived);
    QSignalSpy bv(&b, &DataLinkClient::valueReceived);
    a.open(2000);
    b.open(2000);
    QTRY_COMPARE(av.size(), 1);
    QTRY_COMPARE(bv.size(), 1);
    QCOMPARE(av.at(0).at(0).toString(), QString("前の値"));
    source.setText("OK");
    source.setText("end");
    QTRY_COMPARE(av.size(), 3);
    QTRY_COMPARE(bv.size(), 3);
    QCOMPARE(bv.at(2).at(0).toString(), QString("end"));
}

void TestDataLink::lineBreaksDoNotSplitAValue()
{
    DataLinkSource source(service(), "Form1", "breaks");
    QVERIFY(source.listen());
    DataLinkClient client(service(), "Form1", "breaks");
    QSignalSpy values(&client, &DataLinkClient::valueReceived);
    client.open(2000);
    QTRY_COMPARE(values.size(), 1);
    source.setText("O\nK\r\nend");
    QTRY_COMPARE(values.size(), 2);
    QCOMPARE(values.at(1).at(0).toString(), QString("O K  end"));
}

void TestDataLink::garbageFromPeer()
{
    QLocalServer server;
    const QString path = dataLinkSocketPath(service(), "Form1", "garbage");
    QLocalServer::removeServer(path);
    QVERIFY(server.listen(path));
    DataLinkClient client(service(), "Form1", "garbage");
    QSignalSpy values(&client, &DataLinkClient::valueReceived);
    QSignalSpy ended(&client, &DataLinkClient::ended);
    client.open(2000);
    QVERIFY(server.waitForNewConnection(3000));
    QLocalSocket *peer = server.nextPendingConnection();
    peer->write(QByteArray("\xff\xfe\x00zz\r\nOK\nhalf", 13));
    peer->flush();
    QTRY_COMPARE(values.size(), 2);
    QCOMPARE(values.at(1).at(0).toString(), QString("OK"));
    peer->disconnectFromServer();
    QVERIFY(ended.wait(3000));
    QCOMPARE(values.size(), 2); // an unfinished line is no value
}

void TestDataLink::overlongLineEndsLink()
{
    QLocalServer server;
    const QString path = dataLinkSocketPath(service(), "Form1", "long");
    QLocalServer::removeServer(path);
    QVERIFY(server.listen(path));
    DataLinkClient client(service(), "Form1", "long");
    QSignalSpy ended(&client, &DataLinkClient::ended);
    client.open(2000);
    QVERIFY(server.waitForNewConnection(3000));
    QLocalSocket *peer = server.nextPendingConnection();
    peer->write(QByteArray(DataLinkClient::kMaxLineBytes + 10, 'x'));
    peer->flush();
    QVERIFY(ended.wait(3000));
    QCOMPARE(ended.at(0).at(0).value<DataLinkClient::EndReason>(), DataLinkClient::EndReason::Disconnected);
}

void TestDataLink::clientCloseIsQuiet()
{
    DataLinkSource source(service(), "Form1", "quiet");
    QVERIFY(source.listen());
    DataLinkClient client(service(), "Form1", "quiet");
    QSignalSpy values(&client, &DataLinkClient::valueReceived);
    QSignalSpy ended(&client, &DataLinkClient::ended);
    client.open(2000);
    QTRY_COMPARE(values.size(), 1);
    client.close();
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.at(0).at(0).value<DataLinkClient::EndReason>(), DataLinkClient::EndReason::Closed);
    source.setText("OK");
    QTest::qWait(100);
    QCOMPARE(values.size(), 1);
}

QTEST_GUILESS_MAIN(TestDataLink)
#include "test_datalink.moc"
