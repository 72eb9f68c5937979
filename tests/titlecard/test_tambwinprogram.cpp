#include <QtTest>

#include <sys/stat.h>

// tambwin as a whole: it shows its card for the sound's playing time without
// a sound server and ends by itself with exit code 0, quietly, writing no
// file. A named pipe as tambwin.ini is no settings file and keeps it from
// nothing.
class TestTambwinProgram : public QObject
{
    Q_OBJECT
private slots:
    void runsAndEnds()
    {
        QTemporaryDir dir, runtimeDir;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtimeDir.path()); // no sound server there
        env.remove("PULSE_SERVER");
        env.remove("PULSE_RUNTIME_PATH");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("tambwin.ini")).constData(), 0600), 0);
        QElapsedTimer timer;
        timer.start();
        process.start(qEnvironmentVariable("SUITE_DIR") + "/tambwin", {"-s", QString(400, QChar(0x661F)) + ",a,,b,c,d,e,f"});
        QVERIFY(process.waitForFinished(20000));
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(QList<int>({process.exitStatus(), process.exitCode()}), QList<int>({QProcess::NormalExit, 0}));
        QVERIFY2(elapsed >= 4500 && elapsed < 15000, qPrintable(QString::number(elapsed)));
        const QByteArray messages = process.readAllStandardError();
        QVERIFY2(!messages.contains("Pulse") && !messages.contains("audio"), messages.constData());
        QCOMPARE(QDir(runtimeDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"tambwin.ini"});
    }
};

QTEST_GUILESS_MAIN(TestTambwinProgram)
#include "test_tambwinprogram.moc"
