#include "fakes/filebytes.h"
#include "titlecard/wavesound.h"

#include <QtTest>

#include <memory>
#include <tuple>
#include <sys/stat.h>

// The three card programs as whole programs, side by side: whatever they
// are given and whatever lies beside them, each shows its card for its
// sound's playing time without an audio output, ends by itself with code 0
// and writes nothing. A named pipe or a folder is no settings file and
// keeps them from nothing.
class TestCardPrograms : public QObject
{
    Q_OBJECT
    static QStringList listing(const QString &dir)
    {
        QStringList entries;
        for (const QFileInfo &info : QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            entries << info.fileName() + ' ' + QString::number(info.size()) + ' ' + info.lastModified().toString(Qt::ISODateWithMs);
        return entries;
    }

private slots:
    void cardsShowAndEndWhateverTheyAreGiven()
    {
        // The program, its arguments, a file beside it and what it holds
        // ("<fifo>" and "<dir>" make those instead).
        using Run = std::tuple<QString, QStringList, QString, QByteArray>;
        const QString suite = qEnvironmentVariable("SUITE_DIR") + '/';
        const QList<Run> runs{
            {"tambwin", {}, "tambwin.ini", "<dir>"},
            {"tambwin", {"-s", QString(400, QChar(0x661F)) + ",a,,b,c,d,e,f"}, "tambwin.ini", "<fifo>"},
            {"mirwin", {"12"}, "mirwin.ini", QByteArray("\xff\0garbage\r\n+x\r\n99999999\r\n", 23)},
            // Twice 60 KiB is near the limit of one argument (128 KiB).
            {"mirwin", {QString(60 * 1024, 'x') + ',' + QString(60 * 1024, 'x'), "extra"}, "mirwin.ini", "<fifo>"},
            {"dastor", {}, "dastor.vmf", readAll(suite + "dastor.vmf")},
            {"dastor", {"a", "b"}, "dastor.vmf", "<fifo>"},
        };
        QTemporaryDir runtimeDir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtimeDir.path()); // no sound server there
        env.remove("PULSE_SERVER");
        env.remove("PULSE_RUNTIME_PATH");
        std::vector<std::unique_ptr<QTemporaryDir>> folders;
        std::vector<std::unique_ptr<QProcess>> processes;
        QList<QStringList> before;
        QList<qint64> elapsed(runs.size(), -1);
        QElapsedTimer timer;
        timer.start();
        for (const auto &[program, arguments, besideName, content] : runs) {
            // A folder of its own, which is also where it starts.
            const QTemporaryDir &dir = *folders.emplace_back(std::make_unique<QTemporaryDir>());
            const QString beside = dir.filePath(besideName);
            QVERIFY(QFile::copy(suite + program, dir.filePath(program)));
            QVERIFY(content == "<dir>" ? QDir().mkdir(beside) : writeAll(beside, content == "<fifo>" ? "fifo" : content));
            before << listing(dir.path());
            QProcess &process = *processes.emplace_back(std::make_unique<QProcess>());
            process.setProcessEnvironment(env);
            process.setWorkingDirectory(dir.path());
            const qsizetype i = before.size() - 1;
            connect(&process, &QProcess::finished, this, [&, i] { elapsed[i] = timer.elapsed(); });
            process.start(dir.filePath(program), arguments);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!elapsed.contains(-1), 40000);

        const QMap<QString, QString> sounds{{"tambwin", "titlecard"}, {"mirwin", "second_card"}, {"dastor", "third_card"}};
        for (qsizetype i = 0; i < runs.size(); ++i) {
            const QString sound = qEnvironmentVariable("SUITE_SOURCE_DIR") + "/resources/" + sounds[std::get<0>(runs[i])] + "/card.wav";
            const int playingTime = WaveSound::playingTimeMs(readAll(sound)).value_or(0);
            const QString name = std::get<0>(runs[i]) + ' ' + QString::number(i);
            QVERIFY2(processes[i]->exitStatus() == QProcess::NormalExit && processes[i]->exitCode() == 0 && playingTime > 4000
                         && elapsed[i] >= playingTime && elapsed[i] < 25000, qPrintable(name + ": " + QString::number(elapsed[i])));
            QCOMPARE(listing(folders[i]->path()), before[i]);
        }
        QCOMPARE(listing(runtimeDir.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCardPrograms)
#include "test_cardprograms.moc"
