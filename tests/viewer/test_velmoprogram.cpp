#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The real velmo, copied into a folder of its own with its settings there
// and a stand-in card program that appends a line of its bracketed
// arguments per start: what main() wires together, start to end.
namespace {
const QByteArray kRecorder = "#!/bin/sh\nprintf '[%s]' \"$@\" >> \"${0%/*}/calls\"\necho >> \"${0%/*}/calls\"\n";

struct VelmoRun
{
    QTemporaryDir dir;
    QProcess velmo;
    QString conf() const { return dir.filePath("config/Velmo/Velmo.conf"); }
    VelmoRun(const QByteArray &settings, bool cardProgram)
    {
        const QString suite = qEnvironmentVariable("SUITE_DIR");
        QFile::copy(suite + "/velmo", dir.filePath("velmo"));
        QFile::copy(suite + "/tamber.vmf", dir.filePath("tamber.vmf"));
        QDir().mkpath(dir.filePath("config/Velmo"));
        write(conf(), "[INI]\n" + settings + "\n");
        if (cardProgram) {
            write(dir.filePath("tambwin"), kRecorder);
            QFile::setPermissions(dir.filePath("tambwin"), QFile::ReadOwner | QFile::ExeOwner);
        }
        velmo.setEnvironment(QProcess::systemEnvironment() << "XDG_CONFIG_HOME=" + dir.filePath("config")
                                                           << "XDG_RUNTIME_DIR=" + dir.path() << "QT_QPA_PLATFORM=offscreen");
        velmo.setWorkingDirectory(dir.path());
    }
    static void write(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    void start(const QStringList &arguments) { velmo.start(dir.filePath("velmo"), arguments); }
    QStringList calls() const
    {
        QFile file(dir.filePath("calls"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                              : QStringList();
    }
    // As the viewer's earlier versions read it.
    QString savedMs() const { return QSettings(conf(), QSettings::IniFormat).value("INI/Ms").toString(); }
};
} // namespace

class TestVelmoProgram : public QObject
{
    Q_OBJECT
private slots:
    void run_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("call");  // the card program's arguments; empty: there is none
        QTest::addColumn<int>("signal");    // that ends a run still going
        QTest::addColumn<QString>("savedMs");
        const QString text = QStringLiteral("今日の一言; rm -rf ~ $(touch pwned)");
        QTest::newRow("command-line text, shown once") << QByteArray("Jo=0\nSh=20\nMs=7") << QStringList{text}
                                                       << "[-s][" + text + "]" << 0 << "7";
        // Saved after the display: a kill loses nothing.
        QTest::newRow("resident, killed") << QByteArray("Jo=1\nSh=10\nMs=5\nTim=1") << QStringList() << "[-s][第5章"
                                          << SIGKILL << "6";
        // "02" reads as 2 and is saved back as "2": the text shows the save.
        QTest::newRow("resident, card program missing") << QByteArray("Jo=1\nSh=10\nMs=02") << QStringList() << ""
                                                        << SIGTERM << "2";
        // Shown once, the run has no window until the error box makes one.
        QTest::newRow("shown once, card program missing") << QByteArray("Jo=0\nSh=10\nMs=03") << QStringList() << ""
                                                          << SIGTERM << "3";
    }
    void run()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, call);
        QFETCH(int, signal);
        VelmoRun run(settings, !call.isEmpty());
        QFETCH(QStringList, arguments);
        run.start(arguments);
        if (signal) {
            QByteArray errors;
            if (!call.isEmpty())
                QTRY_COMPARE_WITH_TIMEOUT(run.calls().size(), 1, 15000);
            else // the error box waits for a person; its line on stderr comes first
                QTRY_VERIFY_WITH_TIMEOUT((errors += run.velmo.readAllStandardError()).contains("velmo:"), 15000);
            QCOMPARE(run.velmo.state(), QProcess::Running);
            if (signal == SIGKILL) { // saved while it runs, right after the display
                QFETCH(QString, savedMs);
                QTRY_COMPARE(run.savedMs(), savedMs);
            }
            ::kill(static_cast<pid_t>(run.velmo.processId()), signal);
        }
        QVERIFY(run.velmo.waitForFinished(15000));
        QCOMPARE(run.velmo.exitStatus() == QProcess::NormalExit && run.velmo.exitCode() == 0, signal != SIGKILL);
        QTRY_COMPARE(run.calls().size(), call.isEmpty() ? 0 : 1);
        if (!call.isEmpty())
            QVERIFY2(run.calls().first().startsWith(call), qPrintable(run.calls().first()));
        QTEST(run.savedMs(), "savedMs");
        QVERIFY(!QFile::exists(run.dir.filePath("pwned")));
    }

    // Two starts leave one resident: the second hands its text to the
    // first and ends with 0; the first shows it.
    void secondStartHandsOver()
    {
        VelmoRun run("Jo=1\nSh=10\nMs=1\nTim=0", true);
        run.start({});
        QTRY_COMPARE_WITH_TIMEOUT(run.calls().size(), 1, 15000); // its own first quote: it listens now
        const QString text = QStringLiteral("二度目の起動");
        QProcess second;
        second.setEnvironment(run.velmo.environment());
        second.start(run.dir.filePath("velmo"), {text});
        QVERIFY(second.waitForFinished(15000));
        QVERIFY(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0);
        QTRY_COMPARE_WITH_TIMEOUT(run.calls().size(), 2, 15000);
        QVERIFY(run.calls().at(1).contains(text));
        ::kill(static_cast<pid_t>(run.velmo.processId()), SIGTERM);
        QVERIFY(run.velmo.waitForFinished(15000));
    }
};

QTEST_GUILESS_MAIN(TestVelmoProgram)
#include "test_velmoprogram.moc"
