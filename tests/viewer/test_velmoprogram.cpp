#include "fakes/filebytes.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The real velmo, copied into a folder of its own with its settings there
// and a stand-in card program that appends a line of its bracketed
// arguments per start: what main() wires together, start to end.
class TestVelmoProgram : public QObject
{
    Q_OBJECT
private slots:
    void run_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("argument"); // none when empty
        QTest::addColumn<QString>("call");  // the card program's arguments; empty: there is none
        QTest::addColumn<QString>("second"); // handed over by a second start, which ends with 0
        QTest::addColumn<int>("signal");    // that ends a run still going
        QTest::addColumn<QString>("ms"); // saved at the end
        QTest::addColumn<bool>("gui"); // its GUI module beside it
        const QString text = QStringLiteral("今日の一言; rm -rf ~ $(touch pwned)");
        // A card needs nothing of the GUI: it runs without the module.
        QTest::newRow("command-line text, shown once") << QByteArray("Jo=0\nSh=20\nMs=7") << text << "[-s][" + text + "]"
                                                       << "" << 0 << "7" << false;
        // Saved after the display: a kill loses nothing.
        QTest::newRow("resident, killed") << QByteArray("Jo=1\nSh=10\nMs=5\nTim=1") << "" << "[-s][第5章" << "" << SIGKILL
                                          << "6" << true;
        // Shown once, the run has no window until the error box makes one;
        // "03" reads as 3 and is saved back as "3".
        QTest::newRow("shown once, card program missing") << QByteArray("Jo=0\nSh=10\nMs=03") << "" << "" << "" << SIGTERM
                                                          << "3" << true;
        QTest::newRow("second start") << QByteArray("Jo=1\nSh=10\nMs=1\nTim=0") << "" << "[-s][第1章"
                                      << QStringLiteral("二度目の起動") << SIGTERM << "2" << true;
    }
    void run()
    {
        QFETCH(bool, gui);
        QFETCH(QByteArray, settings);
        QFETCH(QString, argument);
        QFETCH(QString, call);
        QFETCH(QString, second);
        QFETCH(int, signal);
        QFETCH(QString, ms);
        QTemporaryDir dir;
        const auto calls = [&] {
            QFile file(dir.filePath("calls"));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                                  : QStringList();
        };
        const QString conf = dir.filePath("config/Velmo/Velmo.conf");
        // As the viewer's earlier versions read it.
        const auto savedMs = [&] { return QSettings(conf, QSettings::IniFormat).value("INI/Ms").toString(); };
        const QString suite = qEnvironmentVariable("SUITE_DIR");
        QVERIFY(QDir().mkpath(dir.filePath("modules")));
        for (const char *file : {"velmo", "modules/velmo-gui.so", "tamber.vmf"})
            QVERIFY((!gui && QByteArray(file).startsWith("modules/")) || QFile::copy(suite + '/' + file, dir.filePath(file)));
        QVERIFY(QDir().mkpath(dir.filePath("config/Velmo")));
        QVERIFY(writeAll(conf, "[INI]\n" + settings + "\n"));
        if (!call.isEmpty()) {
            QVERIFY(writeAll(dir.filePath("tambwin"), "#!/bin/sh\nprintf '[%s]' \"$@\" >> \"${0%/*}/calls\"\necho >> \"${0%/*}/calls\"\n"));
            QVERIFY(QFile::setPermissions(dir.filePath("tambwin"), QFile::ReadOwner | QFile::ExeOwner));
        }
        QProcess velmo;
        velmo.setEnvironment(QProcess::systemEnvironment() << "XDG_CONFIG_HOME=" + dir.filePath("config")
                                                           << "XDG_RUNTIME_DIR=" + dir.path() << "QT_QPA_PLATFORM=offscreen");
        velmo.setWorkingDirectory(dir.path());
        velmo.start(dir.filePath("velmo"), argument.isEmpty() ? QStringList() : QStringList{argument});
        if (signal) {
            QByteArray errors;
            if (!call.isEmpty()) // its own first quote: it listens now
                QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 1, 15000);
            else // the error box waits for a person; its line on stderr comes first
                QTRY_VERIFY_WITH_TIMEOUT((errors += velmo.readAllStandardError()).contains("velmo:"), 15000);
            QCOMPARE(velmo.state(), QProcess::Running);
            if (signal == SIGKILL) // saved while it runs, right after the display
                QTRY_COMPARE(savedMs(), ms);
            if (!second.isEmpty()) {
                QProcess later;
                later.setEnvironment(velmo.environment());
                later.start(dir.filePath("velmo"), {second});
                QVERIFY(later.waitForFinished(15000));
                QVERIFY(later.exitStatus() == QProcess::NormalExit && later.exitCode() == 0);
                QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 2, 15000);
            }
            ::kill(static_cast<pid_t>(velmo.processId()), signal);
        }
        QVERIFY(velmo.waitForFinished(15000));
        QCOMPARE(velmo.exitStatus() == QProcess::NormalExit && velmo.exitCode() == 0, signal != SIGKILL);
        QTRY_COMPARE(calls().size(), call.isEmpty() ? 0 : second.isEmpty() ? 1 : 2);
        if (!call.isEmpty())
            QVERIFY2(calls().first().startsWith(call) && calls().last().contains(second), qPrintable(calls().join('\n')));
        QCOMPARE(savedMs(), ms);
        QVERIFY(!QFile::exists(dir.filePath("pwned")));
    }
    // Resident without its GUI module (an installation with a part
    // missing): it says which file and ends with 1.
    void guiModuleMissing()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(qEnvironmentVariable("SUITE_DIR") + "/velmo", dir.filePath("velmo")));
        QVERIFY(QDir().mkpath(dir.filePath("config/Velmo")));
        QVERIFY(writeAll(dir.filePath("config/Velmo/Velmo.conf"), "[INI]\nJo=1\n"));
        QProcess velmo;
        velmo.setEnvironment(QProcess::systemEnvironment() << "XDG_CONFIG_HOME=" + dir.filePath("config")
                                                           << "XDG_RUNTIME_DIR=" + dir.path() << "QT_QPA_PLATFORM=offscreen");
        velmo.start(dir.filePath("velmo"));
        QVERIFY(velmo.waitForFinished(15000));
        QCOMPARE(velmo.exitCode(), 1);
        QVERIFY(velmo.readAllStandardError().contains("velmo-gui.so"));
    }
};

QTEST_GUILESS_MAIN(TestVelmoProgram)
#include "test_velmoprogram.moc"
