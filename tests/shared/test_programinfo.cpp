#include "shared/programinfo.h"
#include "shared/programnames.h"

#include <QtTest>

using ProgramInfo::Language;
using ProgramInfo::Request;

Q_DECLARE_METATYPE(Language)
Q_DECLARE_METATYPE(Request)

namespace {

const QStringList kPrograms = {ProgramNames::kTambwin, ProgramNames::kTambinit, ProgramNames::kVelmo,
                               ProgramNames::kVelmoinit, ProgramNames::kMirinit, ProgramNames::kMirwin,
                               ProgramNames::kDastor};

} // namespace

// --help and --version: which command lines ask, in which language the
// answer comes, and that every built program answers without a display.
class TestProgramInfo : public QObject
{
    Q_OBJECT

private slots:
    void languageOf_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<Language>("expected");
        const Language en = Language::English, ja = Language::Japanese;
        QTest::newRow("nothing set") << "" << "" << "" << "" << en;
        QTest::newRow("LANG Japanese") << "" << "" << "" << "ja_JP.UTF-8" << ja;
        QTest::newRow("LANG bare ja") << "" << "" << "" << "ja" << ja;
        QTest::newRow("LANG other language") << "" << "" << "" << "de_DE.UTF-8" << en;
        QTest::newRow("LANG language starting with ja") << "" << "" << "" << "jam_JM" << en;
        QTest::newRow("LC_MESSAGES over LANG") << "" << "" << "ja_JP.UTF-8" << "en_US.UTF-8" << ja;
        QTest::newRow("LC_ALL over both") << "" << "en_GB.UTF-8" << "ja_JP.UTF-8" << "ja_JP.UTF-8" << en;
        QTest::newRow("LC_ALL C") << "" << "C" << "" << "ja_JP.UTF-8" << en;
        QTest::newRow("LANG C.UTF-8") << "" << "" << "" << "C.UTF-8" << en;
        QTest::newRow("LANGUAGE over the locale") << "ja" << "" << "" << "en_US.UTF-8" << ja;
        QTest::newRow("LANGUAGE ignored in the C locale") << "ja" << "" << "" << "" << en;
        QTest::newRow("LANGUAGE first known entry") << "fr:en:ja" << "" << "" << "ja_JP.UTF-8" << en;
        QTest::newRow("LANGUAGE without a known entry") << "fr_FR:de" << "" << "" << "ja_JP.UTF-8" << ja;
    }

    void languageOf()
    {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(Language, expected);
        QCOMPARE(ProgramInfo::languageOf({language, lcAll, lcMessages, lang}), expected);
    }

    void requestOf_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<Request>("expected");
        QTest::newRow("help") << QByteArrayList{"--help"} << Request::Help;
        QTest::newRow("version") << QByteArrayList{"--version"} << Request::Version;
        QTest::newRow("none") << QByteArrayList{} << Request::None;
        QTest::newRow("help and a text") << QByteArrayList{"--help", "x"} << Request::None;
        QTest::newRow("text and help") << QByteArrayList{"x", "--help"} << Request::None;
        QTest::newRow("both options") << QByteArrayList{"--version", "--help"} << Request::None;
        QTest::newRow("short form") << QByteArrayList{"-h"} << Request::None;
        QTest::newRow("other case") << QByteArrayList{"--Help"} << Request::None;
        QTest::newRow("trailing blank") << QByteArrayList{"--version "} << Request::None;
        QTest::newRow("abbreviated") << QByteArrayList{"--vers"} << Request::None;
    }

    void requestOf()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(Request, expected);
        QCOMPARE(ProgramInfo::requestOf(arguments), expected);
    }

    void unknownProgramHasNoText()
    {
        QVERIFY(ProgramInfo::text(QStringLiteral("other"), Request::Help, Language::English).isEmpty());
    }

    // The built programs themselves, with no window system to reach: the
    // answer must come before Qt looks for one.
    void builtProgramAnswers_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("start"); // how the text begins
        for (const QString &program : kPrograms) {
            const QString version = program + QStringLiteral(" (titlecard-suite) ") + ProgramInfo::version();
            QTest::addRow("%s help en", qPrintable(program)) << program << "--help" << "C.UTF-8"
                                                             << "Usage: " + program;
            QTest::addRow("%s help ja", qPrintable(program)) << program << "--help" << "ja_JP.UTF-8"
                                                             << QStringLiteral("使い方: ") + program;
            QTest::addRow("%s version en", qPrintable(program)) << program << "--version" << "" << version;
            QTest::addRow("%s version ja", qPrintable(program)) << program << "--version" << "ja_JP.UTF-8"
                                                                << version;
        }
    }

    void builtProgramAnswers()
    {
        QFETCH(QString, program);
        QFETCH(QString, option);
        QFETCH(QString, lang);
        QFETCH(QString, start);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANG"), lang);
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("SUITE_DIR") + QLatin1Char('/') + program, {option});
        QVERIFY2(process.waitForFinished(30000), qPrintable(process.errorString()));
        const QByteArray err = process.readAllStandardError();
        QCOMPARE(QList<int>({process.exitStatus(), process.exitCode()}), QList<int>({QProcess::NormalExit, 0}));
        QCOMPARE(err, QByteArray());
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const Language language = lang.startsWith(QLatin1String("ja")) ? Language::Japanese : Language::English;
        QCOMPARE(out, ProgramInfo::text(program, ProgramInfo::requestOf({option.toUtf8()}), language));
        QVERIFY2(out.startsWith(start), qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TestProgramInfo)
#include "test_programinfo.moc"
