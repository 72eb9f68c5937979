#include "shared/programinfo.h"
#include "shared/programnames.h"

#include <QtTest>

using ProgramInfo::Language;
using ProgramInfo::Request;
Q_DECLARE_METATYPE(Request)

// --help and --version: which command lines ask, in which language the
// answer comes, and that every built program answers without a display.
class TestProgramInfo : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(TestProgramInfo)
#include "test_programinfo.moc"
