#include "titlecard/wavesound.h"

#include <QtTest>

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

extern char **environ;

// mirwin and dastor as whole programs, started the way a shell would, with
// arguments as raw bytes: whatever they are given and whatever lies beside
// them, each shows its card for its sound's playing time without an audio
// output, ends by itself with code 0 and writes nothing.
class TestCardPrograms : public QObject
{
    Q_OBJECT
private:
    struct Run
    {
        QString name;
        QString program;
        QList<QByteArray> arguments;
        QByteArray besideName;    // a file put beside the program, or "" for none
        QByteArray besideContent; // "<fifo>" and "<dir>" make those instead
        std::unique_ptr<QTemporaryDir> folder, workDir;
        QStringList before;
        pid_t pid = 0;
        int status = 0;
        qint64 elapsed = -1;
    };

    static QStringList listing(const QString &dir)
    {
        QStringList entries;
        for (const QFileInfo &info : QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            entries << info.fileName() + ' ' + QString::number(info.size()) + ' ' + info.lastModified().toString(Qt::ISODateWithMs);
        return entries;
    }

    // Copies the program into a folder of its own beside the given file and starts it there.
    static bool launch(Run &run)
    {
        run.folder.reset(new QTemporaryDir);
        run.workDir.reset(new QTemporaryDir);
        const QString program = run.folder->filePath(run.program);
        if (!QFile::copy(qEnvironmentVariable("SUITE_DIR") + '/' + run.program, program))
            return false;
        const QByteArray beside = QFile::encodeName(run.folder->path()) + '/' + run.besideName;
        if (run.besideContent == "<fifo>")
            ::mkfifo(beside.constData(), 0600);
        else if (run.besideContent == "<dir>")
            QDir().mkdir(QFile::decodeName(beside));
        else if (!run.besideName.isEmpty()) {
            QFile file(QFile::decodeName(beside));
            if (!file.open(QIODevice::WriteOnly) || file.write(run.besideContent) != run.besideContent.size())
                return false;
        }
        run.before = listing(run.folder->path());
        QList<QByteArray> argv{QFile::encodeName(program)};
        argv += run.arguments;
        std::vector<char *> raw;
        for (QByteArray &a : argv)
            raw.push_back(a.data());
        raw.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const QByteArray workDir = QFile::encodeName(run.workDir->path());
        posix_spawn_file_actions_addchdir_np(&actions, workDir.constData());
        const int error = posix_spawn(&run.pid, raw.front(), &actions, nullptr, raw.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        return error == 0;
    }

private slots:
    void cardsShowAndEndWhateverTheyAreGiven()
    {
        QTemporaryDir runtimeDir;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path())); // the audio system's files go there
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QByteArray notUtf8("\xff\xfe\xc3,\x80\x81");
        const QByteArray huge(60 * 1024, 'x'); // twice that is near the limit of one argument (128 KiB)
        QFile shipped(qEnvironmentVariable("SUITE_DIR") + "/dastor.vmf");
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray quotes = shipped.readAll();

        std::vector<Run> runs;
        const auto add = [&](const QString &name, const QString &program, const QList<QByteArray> &arguments,
                             const QByteArray &besideName = {}, const QByteArray &besideContent = {}) {
            Run run;
            run.name = name, run.program = program, run.arguments = arguments;
            run.besideName = besideName, run.besideContent = besideContent;
            runs.push_back(std::move(run));
        };
        add("mirwin, episode, damaged mirwin.ini", "mirwin", {"12"}, "mirwin.ini", QByteArray("\xff\0garbage\r\n+x\r\n99999999\r\n", 23));
        add("mirwin, empty text, mirwin.ini a folder", "mirwin", {""}, "mirwin.ini", "<dir>");
        add("mirwin, bytes not UTF-8, mirwin.ini a pipe", "mirwin", {notUtf8, "extra"}, "mirwin.ini", "<fifo>");
        add("mirwin, 120 KB text", "mirwin", {huge + ',' + huge});
        add("dastor, random line", "dastor", {}, "dastor.vmf", quotes);
        add("dastor, quote file a pipe", "dastor", {}, "dastor.vmf", "<fifo>");
        add("dastor, bytes not UTF-8 and extra arguments", "dastor", {notUtf8, "a", "b"});

        QElapsedTimer timer;
        timer.start();
        for (Run &run : runs)
            QVERIFY2(launch(run), qPrintable(run.name));
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(runs.begin(), runs.end(), [&](Run &run) {
            if (run.elapsed < 0 && ::waitpid(run.pid, &run.status, WNOHANG) == run.pid)
                run.elapsed = timer.elapsed();
            return run.elapsed >= 0;
        }), 40000);

        const QString sources = qEnvironmentVariable("SUITE_SOURCE_DIR") + "/resources/";
        for (const Run &run : runs) {
            const QString wave = sources + (run.program == "mirwin" ? "second_card" : "third_card") + "/card.wav";
            QFile sound(wave);
            QVERIFY(sound.open(QIODevice::ReadOnly));
            const int playingTime = WaveSound::playingTimeMs(sound.readAll()).value_or(0);
            QVERIFY2(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0, qPrintable(run.name));
            QVERIFY2(playingTime > 4000 && run.elapsed >= playingTime && run.elapsed < 25000,
                     qPrintable(run.name + ": " + QString::number(run.elapsed)));
            QCOMPARE(listing(run.folder->path()), run.before);
            QCOMPARE(listing(run.workDir->path()), QStringList());
        }
    }
};

QTEST_GUILESS_MAIN(TestCardPrograms)
#include "test_cardprograms.moc"
