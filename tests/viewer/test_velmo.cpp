#include "shared/cp932.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The real velmo executable in a folder of its own, beside a fake tambwin
// that records every start, with a settings store of its own.
class TestVelmo : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_folder;
    QString conf() const { return m_folder->filePath("config/Velmo/Velmo.conf"); }
    QList<QStringList> calls() const
    {
        QList<QStringList> result;
        const QDir dir(m_folder->filePath("calls"));
        for (const QString &name : dir.entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            QList<QByteArray> parts = file.open(QIODevice::ReadOnly) ? file.readAll().split('\0') : QList<QByteArray>();
            parts.removeLast();
            result << QStringList();
            for (const QByteArray &part : parts)
                result.last() << QString::fromUtf8(part);
        }
        return result;
    }

private slots:
    void run_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("cardProgram");
        QTest::addColumn<QList<QStringList>>("expectedCalls");
        QTest::addColumn<QString>("savedMs");
        QFile quotes(qEnvironmentVariable("SUITE_DIR") + "/tamber.vmf");
        QVERIFY(quotes.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = quotes.readAll().split('\n');
        const auto card = [&](int n) {
            const QChar U(0x3000);
            const QString line = Cp932::toUnicode(lines.value(n - 1).chopped(1));
            return QList<QStringList>{{"-s", QStringLiteral("第%1章").arg(n) + QString(10, U) + "," + U + line + U}};
        };
        const QString text = QStringLiteral("今日の一言; rm -rf ~ $(touch pwned)");
        QTest::newRow("once") << "Jo=0 Sh=10 Ms=3" << QStringList() << true << card(3) << "4";
        QTest::newRow("command-line text") << "Jo=0 Sh=20 Ms=7" << QStringList{text} << true
                                           << QList<QStringList>{{"-s", text}} << "7";
        // Resident ones run until SIGTERM, which must still close in order.
        QTest::newRow("resident") << "Jo=1 Sh=10 Ms=5 Tim=1" << QStringList() << true << card(5) << "6";
        // "02" reads as 2 and is saved back as "2": the text shows the save.
        QTest::newRow("card program missing") << "Jo=1 Sh=10 Ms=02" << QStringList() << false
                                              << QList<QStringList>() << "2";
    }
    void run()
    {
        QFETCH(QString, settings);
        QFETCH(QStringList, arguments);
        QFETCH(bool, cardProgram);
        QFETCH(QList<QStringList>, expectedCalls);
        m_folder = std::make_unique<QTemporaryDir>();
        const QString suite = qEnvironmentVariable("SUITE_DIR");
        QVERIFY(QFile::copy(suite + "/velmo", m_folder->filePath("velmo")));
        QVERIFY(QFile::copy(suite + "/tamber.vmf", m_folder->filePath("tamber.vmf")));
        QDir().mkpath(m_folder->filePath("calls"));
        if (cardProgram) {
            QFile fake(m_folder->filePath("tambwin"));
            QVERIFY(fake.open(QIODevice::WriteOnly));
            fake.write("#!/bin/sh\nf=\"$(mktemp \"$(dirname \"$0\")/calls/call.XXXXXX\")\"\n"
                       "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$f\"\n");
            fake.close(); // a file still open for writing cannot be started
            fake.setPermissions(fake.permissions() | QFileDevice::ExeOwner);
        }
        {
            QSettings store(conf(), QSettings::IniFormat);
            for (const QString &pair : settings.split(' '))
                store.setValue("INI/" + pair.section('=', 0, 0), pair.section('=', 1));
        }
        QProcess velmo;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", m_folder->filePath("config"));
        env.insert("XDG_RUNTIME_DIR", m_folder->path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        velmo.setProcessEnvironment(env);
        velmo.setWorkingDirectory(m_folder->path());
        velmo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        velmo.start(m_folder->filePath("velmo"), arguments);
        QVERIFY(velmo.waitForStarted());
        if (settings.startsWith("Jo=1")) {
            if (cardProgram)
                QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 1, 15000);
            else
                QTest::qWait(1500); // the error box waits for a person
            QCOMPARE(velmo.state(), QProcess::Running);
            ::kill(static_cast<pid_t>(velmo.processId()), SIGTERM);
        }
        QVERIFY(velmo.waitForFinished(15000));
        QCOMPARE(velmo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(velmo.exitCode(), 0);
        if (!expectedCalls.isEmpty())
            QTRY_COMPARE(calls().size(), expectedCalls.size());
        QCOMPARE(calls(), expectedCalls);
        QTEST(QSettings(conf(), QSettings::IniFormat).value("INI/Ms").toString(), "savedMs");
        QVERIFY(!QFile::exists(m_folder->filePath("pwned")));
    }
};

QTEST_GUILESS_MAIN(TestVelmo)
#include "test_velmo.moc"
