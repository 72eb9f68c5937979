#include "fakes/filebytes.h"
#include "shared/fileexists.h"
#include "shared/programfolder.h"
#include "shared/programinfo.h"
#include "shared/programnames.h"
#include "shared/programstarter.h"
#include "shared/settingslocation.h"

#include <QtTest>

#include <sys/stat.h>

using ProgramInfo::Language;
using ProgramInfo::Request;
Q_DECLARE_METATYPE(Request)

// A shell script that writes its arguments, each NUL-terminated, to out
// (renamed there when complete).
static QString writeRecorder(const QString &dir, const QString &name, const QByteArray &out)
{
    const QString script = dir + "/" + name;
    writeAll(script, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"" + out + ".tmp\"\nmv \"" + out
                         + ".tmp\" \"" + out + "\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
    return script;
}

// The real program-start service, the folder lookup, where the written
// settings files go, and --help and --version: which command lines ask, in
// which language the answer comes, and that every built program answers
// without a display.
class TestProgramStart : public QObject
{
    Q_OBJECT
    QTemporaryDir m_programFolder;
    QTemporaryDir m_configHome;

private slots:
    // Linux refuses to start a program with one argument of 128 KiB or more;
    // the starter cuts it at a character and says so instead of failing.
    void argumentsArrive_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("received"); // bytes of the last argument; -1: all
        const int most = ProcessStarter::kMaxArgumentBytes;
        QTest::newRow("shell syntax, japanese, empty")
            << QStringList{"-s", "a; rm -rf ~ $(touch x) `id` \"q\" \\", QStringLiteral("第3章　,　星"), ""} << -1;
        QTest::newRow("at the limit") << QStringList{"-s", QString(most, 'a')} << most;
        QTest::newRow("four-byte character across the limit")
            << QStringList{"-s", QString(most - 2, 'a') + QStringLiteral("\U0001F600")} << most - 2;
    }
    void argumentsArrive()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, received);
        if (received >= 0 && received < arguments.constLast().toUtf8().size())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("argument 2 cut from \\d+ to \\d+ bytes"));
        QTemporaryDir dir;
        const QString out = dir.filePath("args");
        QVERIFY(ProcessStarter().start(writeRecorder(dir.path(), "recorder", out.toUtf8()), arguments));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
        QByteArray expected;
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QByteArray bytes = arguments[i].toUtf8();
            expected += (i + 1 == arguments.size() && received >= 0 ? bytes.first(received) : bytes) + '\0';
        }
        QCOMPARE(readAll(out), expected);
        QVERIFY(!QFile::exists(dir.filePath("x")));
    }

    // A program in the given folder comes before PATH's; a file counts only
    // when it can be read, without waiting on a pipe.
    void lookupAndPresence()
    {
        QVERIFY(!ProcessStarter().start("/nonexistent/folder/program", {}));
        QVERIFY(!ProcessStarter().start(QString(), {}));
        QTemporaryDir dir, empty;
        const QString local = writeRecorder(dir.path(), "sh", "unused");
        QCOMPARE(findProgram("sh", dir.path()), QFileInfo(local).absoluteFilePath());
        QCOMPARE(findProgram("sh", empty.path()), QStandardPaths::findExecutable("sh"));
        QCOMPARE(findProgram("no-such-program-anywhere", empty.path()), QString());
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
        for (const QString &name : QStringList{"sh", "absent", "", "pipe"})
            QCOMPARE(fileExists(dir.filePath(name)), name == "sh");
    }

    // The build layout and the installed one, told apart by the install
    // marker only.
    void settingsPath_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("besidePrograms"); // else the current directory
        QTest::addColumn<QString>("where");        // "program", "bare" or "user"
        QTest::newRow("build, beside the programs") << false << true << "program";
        QTest::newRow("build, current directory") << false << false << "bare";
        QTest::newRow("installed, beside the programs") << true << true << "user";
        // Root may write anywhere: a folder the user cannot write to is no sign.
        QTest::newRow("read-only folder without the marker") << false << true << "program";
    }
    void settingsPath()
    {
        QFETCH(bool, installed);
        QFETCH(bool, besidePrograms);
        QFETCH(QString, where);
        const QString programs = m_programFolder.path(), marker = programs + "/" + SettingsLocation::installedMarkerName();
        QFile::remove(marker);
        QVERIFY(QDir(m_configHome.path()).removeRecursively() && QDir().mkpath(m_configHome.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
        QVERIFY(!installed || QFile(marker).open(QIODevice::WriteOnly));
        const bool readOnly = QByteArray(QTest::currentDataTag()).startsWith("read-only");
        QVERIFY(!readOnly || QFile::setPermissions(programs, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QString path = SettingsLocation::filePath("x.ini", besidePrograms ? programs : QString(), programs);
        QVERIFY(QFile::setPermissions(programs, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(SettingsLocation::isInstalled(programs), installed);
        const QString userFolder = m_configHome.path() + "/" + SettingsLocation::suiteFolderName();
        QCOMPARE(path, where == "program" ? programs + "/x.ini" : where == "bare" ? "x.ini" : userFolder + "/x.ini");
        // The user's folder exists for a first save, and only when it is used.
        QCOMPARE(QFileInfo(userFolder).isDir(), where == "user");
        QVERIFY(!SettingsLocation::isInstalled(QString()));
    }

    void languageOf_data()
    {
        QTest::addColumn<QStringList>("locale"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<bool>("japanese");
        QTest::newRow("LANG Japanese") << QStringList{"", "", "", "ja_JP.UTF-8"} << true;
        QTest::newRow("LANG other language starting with ja") << QStringList{"", "", "", "jam_JM"} << false;
        QTest::newRow("LC_MESSAGES over LANG") << QStringList{"", "", "ja_JP.UTF-8", "en_US.UTF-8"} << true;
        QTest::newRow("LC_ALL over both") << QStringList{"", "en_GB.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8"} << false;
        QTest::newRow("LANGUAGE ignored in the C locale") << QStringList{"ja", "", "", "C.UTF-8"} << false;
        QTest::newRow("LANGUAGE's first known entry, not the locale")
            << QStringList{"fr:ja:en", "", "", "de_DE.UTF-8"} << true;
        QTest::newRow("LANGUAGE's English before Japanese") << QStringList{"fr:en:ja", "", "", "ja_JP.UTF-8"} << false;
    }
    void languageOf()
    {
        QFETCH(QStringList, locale);
        QTEST(ProgramInfo::languageOf({locale[0], locale[1], locale[2], locale[3]}) == Language::Japanese, "japanese");
    }

    // Only one argument, spelt exactly, asks; a name not of the suite has no text.
    void requestOf_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<Request>("expected");
        QTest::newRow("help") << QByteArrayList{"--help"} << Request::Help;
        QTest::newRow("version") << QByteArrayList{"--version"} << Request::Version;
        QTest::newRow("none") << QByteArrayList{} << Request::None;
        QTest::newRow("help and a text") << QByteArrayList{"--help", "x"} << Request::None;
        QTest::newRow("other case") << QByteArrayList{"--Help"} << Request::None;
    }
    void requestOf()
    {
        QFETCH(QByteArrayList, arguments);
        QTEST(ProgramInfo::requestOf(arguments), "expected");
        QVERIFY(ProgramInfo::text("other", Request::Help, Language::English).isEmpty());
    }

    // The built programs themselves, with no window system to reach: the
    // answer must come before Qt looks for one.
    void builtProgramAnswers_data()
    {
        QTest::addColumn<QString>("program");
        using namespace ProgramNames;
        for (const QString &program : {kTambwin, kTambinit, kVelmo, kVelmoinit, kMirinit, kMirwin, kDastor})
            QTest::newRow(program.toUtf8()) << program;
    }
    void builtProgramAnswers()
    {
        QFETCH(QString, program);
        for (const auto &[option, lang] : {std::pair("--help", "C.UTF-8"), {"--help", "ja_JP.UTF-8"}, {"--version", ""}}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
                env.remove(name);
            env.insert("LANG", lang);
            QProcess process;
            process.setProcessEnvironment(env);
            process.start(qEnvironmentVariable("SUITE_DIR") + '/' + program, {option});
            QVERIFY2(process.waitForFinished(30000), qPrintable(process.errorString()));
            QCOMPARE(QList<int>({process.exitStatus(), process.exitCode()}), QList<int>({QProcess::NormalExit, 0}));
            QCOMPARE(process.readAllStandardError(), QByteArray());
            const QString out = QString::fromUtf8(process.readAllStandardOutput());
            const bool ja = QString(lang).startsWith("ja");
            QCOMPARE(out, ProgramInfo::text(program, ProgramInfo::requestOf({option}), ja ? Language::Japanese : Language::English));
            // Usage in the person's language, or the version line.
            const QString start = QString(option) == "--help" ? (ja ? "使い方: " : "Usage: ") + program
                                                               : program + " (titlecard-suite) " + ProgramInfo::version();
            QVERIFY2(out.startsWith(start), qPrintable(option + QString(" ") + lang + "\n" + out));
        }
    }
};

QTEST_GUILESS_MAIN(TestProgramStart)
#include "test_programstart.moc"
