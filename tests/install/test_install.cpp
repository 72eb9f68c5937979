#include "fakes/filebytes.h"
#include "second_config/mirwinsettingsfile.h"
#include "shared/programnames.h"
#include "shared/settingslocation.h"
#include "shared/suitehelp.h"
#include "titlecard/titlefontfile.h"

#include <QDirIterator>
#include <QtTest>

#include <sys/inotify.h>
#include <unistd.h>

// `cmake --install` into a scratch prefix, then the installed programs run
// as a user would start them: through the links in bin/, with the program
// folder read-only and a home of their own.
class TestInstall : public QObject
{
    Q_OBJECT
    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
    QTemporaryDir m_workDir;

    QString programFolder() const { return m_prefix.filePath("lib/" + SettingsLocation::suiteFolderName()); }

    QProcess *program(const QString &name, const QStringList &arguments)
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_home.path());
        env.remove("XDG_CONFIG_HOME"); // ~/.config of the scratch home
        env.insert("XDG_RUNTIME_DIR", m_home.path()); // the audio system's files go there
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_workDir.path());
        process->start(m_prefix.filePath("bin/" + name), arguments);
        return process;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid() && m_home.isValid() && m_workDir.isValid());
        QProcess install;
        install.start(qEnvironmentVariable("CMAKE_COMMAND"),
                      {"--install", qEnvironmentVariable("SUITE_BINARY_DIR"), "--prefix", m_prefix.path()});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        // Installed, the folder belongs to root and nobody writes there.
        QVERIFY(QFile::setPermissions(programFolder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                           | QFileDevice::ReadOther | QFileDevice::ExeOther));
    }

    void cleanupTestCase()
    {
        QFile::setPermissions(programFolder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void treeHasProgramsDataAndMarker()
    {
        for (const QString &name : {ProgramNames::kVelmo, ProgramNames::kTambinit, ProgramNames::kMirinit,
                                    ProgramNames::kTambwin, ProgramNames::kVelmoinit}) {
            const QFileInfo link(m_prefix.filePath("bin/" + name));
            QVERIFY2(link.isSymLink(), qPrintable(name));
            QCOMPARE(link.canonicalFilePath(), QFileInfo(programFolder() + "/" + name).canonicalFilePath());
            QVERIFY(link.isExecutable());
            // Every program a person starts has its manual page, in English and Japanese.
            for (const char *folder : {"share/man/man1/", "share/man/ja/man1/"})
                QVERIFY2(QFileInfo(m_prefix.filePath(folder + name + ".1.gz")).size() > 0, qPrintable(folder + name));
        }
        for (const char *name : {"copyright", "changelog.Debian.gz"})
            QVERIFY2(QFileInfo(m_prefix.filePath("share/doc/" + SettingsLocation::suiteFolderName() + "/" + name)).size()
                         > 0,
                     qPrintable(name));
        QVERIFY(SettingsLocation::isInstalled(programFolder()));
    }

    // Everything the build puts into the program folder is installed with
    // it (the help page ヘルプ opens among them), the data files byte for
    // byte; only the settings files a run in the build folder may leave
    // there are not.
    void programFolderHoldsEveryFileOfTheBuild()
    {
        const QDir built(qEnvironmentVariable("SUITE_BINARY_DIR") + "/suite");
        QStringList names;
        for (QDirIterator it(built.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            names << built.relativeFilePath(it.next());
        QVERIFY(names.contains(SuiteHelp::kPageName));
        for (const QString &name : names) {
            if (name == MirwinSettingsFile::kFileName || name == TitleFontFile::kFileName)
                continue;
            const QFileInfo builtFile(built.filePath(name));
            const QString installed = programFolder() + "/" + name;
            QVERIFY2(QFileInfo(installed).isFile(), qPrintable(name + " is not installed"));
            if (name.endsWith(".so"))
                continue; // a module: loaded, not run, so installed without the executable bit
            if (builtFile.isExecutable()) {
                QVERIFY2(QFileInfo(installed).isExecutable(), qPrintable(name));
                continue; // the install step may rewrite a program's library path
            }
            QVERIFY2(readAll(installed) == readAll(builtFile.filePath()), qPrintable(name + " differs"));
        }
    }

    // Show once as a tambwin card and end: velmo finds tambwin beside its
    // real self, not beside the link it was started through.
    void installedVelmoShowsOnceThroughInstalledTambwin()
    {
        const QString conf = m_home.filePath(".config/Velmo/Velmo.conf");
        QVERIFY(QDir().mkpath(QFileInfo(conf).path()));
        QVERIFY(writeAll(conf, "[INI]\nJo=0\nSh=10\nMs=3\n"));
        QProcess *velmo = program(ProgramNames::kVelmo, {});
        QVERIFY(velmo->waitForFinished(30000));
        QVERIFY2(velmo->exitCode() == 0, velmo->readAllStandardError().constData());
        // A failed start would leave the position where it was.
        QCOMPARE(QSettings(conf, QSettings::IniFormat).value("INI/Ms").toString(), QString("4"));
        QCOMPARE(QDir(m_workDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    // Installed tambwin shows its card and reads tambwin.ini from the user's
    // suite folder, not from the current directory (the build layout's place).
    void installedTambwinReadsTheUserFolder()
    {
        const QString userFolder = m_home.filePath(".config/" + SettingsLocation::suiteFolderName());
        const QString userIni = userFolder + "/tambwin.ini";
        const QString currentIni = m_workDir.filePath("tambwin.ini");
        QVERIFY(QDir().mkpath(userFolder));
        QVERIFY(writeAll(userIni, "0\r\n") && writeAll(currentIni, "0\r\n"));
        // The kernel queues an event for every open in a watched folder
        // before the open returns: once tambwin has ended, all are there.
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        const auto closeWatch = qScopeGuard([watch] { ::close(watch); });
        const int userWatch = inotify_add_watch(watch, QFile::encodeName(userFolder).constData(), IN_OPEN);
        QVERIFY(userWatch >= 0 && inotify_add_watch(watch, QFile::encodeName(m_workDir.path()).constData(), IN_OPEN) >= 0);
        QProcess *tambwin = program(ProgramNames::kTambwin, {"12"});
        QVERIFY(tambwin->waitForFinished(30000));
        QCOMPARE(QList<int>({tambwin->exitStatus(), tambwin->exitCode()}), QList<int>({QProcess::NormalExit, 0}));
        QStringList opened;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t size; (size = ::read(watch, buffer, sizeof buffer)) > 0;) {
            for (const char *at = buffer; at < buffer + size;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                if (event->len > 0)
                    opened << (event->wd == userWatch ? userFolder : m_workDir.path()) + '/' + QFile::decodeName(event->name);
                at += sizeof(inotify_event) + event->len;
            }
        }
        QFile::remove(currentIni);
        QVERIFY2(opened.contains(userIni), qPrintable(opened.join(' ')));
        QVERIFY2(!opened.contains(currentIni), qPrintable(opened.join(' ')));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
