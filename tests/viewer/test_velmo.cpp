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
private slots:
    void init();
    void onceShowsOneCardAndSavesPosition();
    void commandLineTextGoesOutUnchanged();
    void residentEndsInOrderOnSigterm();
    void missingCardProgramStillSaves();

private:
    void writeSettings(const QMap<QString, QString> &values);
    QString storedMs();
    QProcess *startVelmo(const QStringList &arguments = {});
    QList<QStringList> calls();
    QString line(int n);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QProcess> m_process;
};

void TestVelmo::init()
{
    m_process.reset();
    m_folder = std::make_unique<QTemporaryDir>();
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid() && m_config->isValid());
    const QString suite = qEnvironmentVariable("SUITE_DIR");
    QVERIFY(QFile::copy(suite + "/velmo", m_folder->filePath("velmo")));
    QVERIFY(QFile::copy(suite + "/tamber.vmf", m_folder->filePath("tamber.vmf")));
    QDir().mkpath(m_folder->filePath("calls"));
    QFile fake(m_folder->filePath("tambwin"));
    QVERIFY(fake.open(QIODevice::WriteOnly));
    fake.write("#!/bin/sh\nf=\"$(mktemp \"$(dirname \"$0\")/calls/call.XXXXXX\")\"\n"
               "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$f\"\n");
    fake.close();
    fake.setPermissions(fake.permissions() | QFileDevice::ExeOwner);
}

void TestVelmo::writeSettings(const QMap<QString, QString> &values)
{
    QSettings settings(m_config->filePath("Velmo/Velmo.conf"), QSettings::IniFormat);
    settings.beginGroup("INI");
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

QString TestVelmo::storedMs()
{
    QSettings settings(m_config->filePath("Velmo/Velmo.conf"), QSettings::IniFormat);
    return settings.value("INI/Ms").toString();
}

QProcess *TestVelmo::startVelmo(const QStringList &arguments)
{
    m_process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", m_config->path());
    env.insert("XDG_RUNTIME_DIR", m_config->path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    m_process->setProcessEnvironment(env);
    m_process->setWorkingDirectory(m_folder->path());
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start(m_folder->filePath("velmo"), arguments);
    return m_process.get();
}

QList<QStringList> TestVelmo::calls()
{
    QList<QStringList> result;
    const QDir dir(m_folder->filePath("calls"));
    for (const QString &name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QStringList arguments;
        QList<QByteArray> parts = file.readAll().split('\0');
        parts.removeLast();
        for (const QByteArray &part : parts)
            arguments << QString::fromUtf8(part);
        result << arguments;
    }
    return result;
}

QString TestVelmo::line(int n)
{
    QFile file(m_folder->filePath("tamber.vmf"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return Cp932::toUnicode(file.readAll().split('\n').value(n - 1).chopped(1));
}

void TestVelmo::onceShowsOneCardAndSavesPosition()
{
    writeSettings({{"Jo", "0"}, {"Sh", "10"}, {"Ms", "3"}});
    QProcess *velmo = startVelmo();
    QVERIFY(velmo->waitForFinished(15000));
    QCOMPARE(velmo->exitStatus(), QProcess::NormalExit);
    QCOMPARE(velmo->exitCode(), 0);
    const QString U = QString(QChar(0x3000));
    QTRY_COMPARE(calls().size(), 1);
    QCOMPARE(calls().at(0), (QStringList{"-s", "第3章" + QString(10, QChar(0x3000)) + "," + U + line(3) + U}));
    QCOMPARE(storedMs(), QString("4"));
}

void TestVelmo::commandLineTextGoesOutUnchanged()
{
    writeSettings({{"Jo", "0"}, {"Sh", "20"}, {"Ms", "7"}});
    const QString text = QStringLiteral("今日の一言; rm -rf ~ $(touch pwned)");
    QProcess *velmo = startVelmo({text});
    QVERIFY(velmo->waitForFinished(15000));
    QCOMPARE(velmo->exitCode(), 0);
    QTRY_COMPARE(calls().size(), 1);
    QCOMPARE(calls().at(0), (QStringList{"-s", text}));
    QCOMPARE(storedMs(), QString("7"));
    QVERIFY(!QFile::exists(m_folder->filePath("pwned")));
}

void TestVelmo::residentEndsInOrderOnSigterm()
{
    writeSettings({{"Jo", "1"}, {"Sh", "10"}, {"Ms", "5"}, {"Tim", "1"}});
    QProcess *velmo = startVelmo();
    QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 1, 15000);
    QCOMPARE(velmo->state(), QProcess::Running);
    QFile status(QStringLiteral("/proc/%1/status").arg(velmo->processId()));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &l : status.readAll().split('\n')) {
            if (l.startsWith("VmRSS"))
                qInfo("resident velmo after its first display: %s", l.simplified().constData());
        }
    }
    ::kill(static_cast<pid_t>(velmo->processId()), SIGTERM);
    QVERIFY(velmo->waitForFinished(10000));
    QCOMPARE(velmo->exitStatus(), QProcess::NormalExit);
    QCOMPARE(storedMs(), QString("6"));
}

void TestVelmo::missingCardProgramStillSaves()
{
    QFile::remove(m_folder->filePath("tambwin"));
    // "02" reads as 2 and is saved back as "2": the text shows the save.
    writeSettings({{"Jo", "1"}, {"Sh", "10"}, {"Ms", "02"}});
    QProcess *velmo = startVelmo();
    QVERIFY(velmo->waitForStarted());
    // The error box waits for a person; ending the program closes it in order.
    QTest::qWait(1500);
    QCOMPARE(velmo->state(), QProcess::Running);
    ::kill(static_cast<pid_t>(velmo->processId()), SIGTERM);
    QVERIFY(velmo->waitForFinished(10000));
    QCOMPARE(velmo->exitStatus(), QProcess::NormalExit);
    QCOMPARE(storedMs(), QString("2"));
    QVERIFY(calls().isEmpty());
}

QTEST_GUILESS_MAIN(TestVelmo)
#include "test_velmo.moc"
