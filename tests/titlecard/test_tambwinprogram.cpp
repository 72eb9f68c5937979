#include <QtTest>

// The tambwin program as a whole: it shows its card for the sound's playing
// time, with no audio output, and ends by itself with exit code 0, writing
// nothing, whatever its arguments and settings file hold.
class TestTambwinProgram : public QObject
{
    Q_OBJECT
private slots:
    void runsAndEnds_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("episode 12, garbage settings") << QStringList{"12"} << QByteArray("\xFF\xFE garbage\r\n\x00\x01", 16);
        QTest::newRow("long custom text, no settings")
            << QStringList{"-s", QString(400, QChar(0x661F)) + ",a,,b,c,d,e,f"} << QByteArray();
    }

    void runsAndEnds()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, ini);
        const QString program = qEnvironmentVariable("SUITE_DIR") + "/tambwin";
        if (!QFileInfo::exists(program))
            QSKIP("tambwin is not built");
        QTemporaryDir dir, runtimeDir;
        QVERIFY(dir.isValid() && runtimeDir.isValid());
        QFile file(dir.filePath("tambwin.ini"));
        if (!ini.isEmpty() && (!file.open(QIODevice::WriteOnly) || file.write(ini) != ini.size()))
            QFAIL("cannot write the settings file");
        file.close();
        const auto entries = [&] { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); };
        const QStringList before = entries();

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtimeDir.path()); // the audio system's files go there
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(20000));
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        // About the five seconds of the sound, with or without an audio output.
        QVERIFY2(elapsed >= 4500 && elapsed < 15000, qPrintable(QString::number(elapsed)));
        QCOMPARE(entries(), before);
    }
};

QTEST_GUILESS_MAIN(TestTambwinProgram)
#include "test_tambwinprogram.moc"
