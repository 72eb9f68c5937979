#include "propertyrig.h"

#include "shared/datalink.h"
#include "shared/linkcontract.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>

#include <optional>

namespace {
// A stand-in program that appends a line of its bracketed arguments per start to <its name>.calls.
const QByteArray kRecorder = "#!/bin/sh\nprintf '[%s]' \"$@\" >> \"$0.calls\"\necho >> \"$0.calls\"\n";
} // namespace

// The loop a person runs on an X display with a notification area: velmo's
// tray menu starts the real velmoinit, clicks there change Sh, and velmo's
// next display goes to a stand-in dastor instead of the card.
class TestVelmoinitLoop : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QProcess m_xserver;
    QProcess m_trayHost;
    QProcess m_velmo;
    QString m_display;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // xdotool on the test's display; its output, or nothing when it failed.
    std::optional<QString> xdotool(const QStringList &arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start("xdotool", arguments);
        const bool done = tool.waitForFinished(20000);
        if (!done)
            tool.kill(), tool.waitForFinished();
        if (!done || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
            return std::nullopt;
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    // velmoinit inherits these from velmo.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", m_display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("XDG_CONFIG_HOME", path("config"));
        environment.insert("XDG_RUNTIME_DIR", path("run"));
        return environment;
    }

    void start(QProcess &process, const QString &program, const QStringList &arguments)
    {
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(m_dir.path());
        process.start(program, arguments);
        QVERIFY2(process.waitForStarted(), qPrintable(program));
    }

    static void stop(QProcess &process)
    {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
    }

    // Where to click, in window pixels, found on a window built the same way
    // in this process; the tab by trying the strip until its page shows.
    struct Points
    {
        QPoint methodTab, dastor, ok;
    };
    static Points clickPoints()
    {
        PropertyRig reference;
        PropertyWindow &window = reference.open();
        const auto at = [&](const QString &name, int x) {
            QWidget *control = reference.child(name);
            return control->mapTo(&window, QPoint(x, control->height() / 2));
        };
        Points points{{}, at("Option13", 6), at("Command1", reference.child("Command1")->width() / 2)};
        QWidget *tabs = reference.child("picTab");
        for (int x = 2; x < tabs->width() && points.methodTab.isNull(); x += 4) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, QPoint(x, 8));
            if (reference.child("fraTabSheet(1)")->isVisible())
                points.methodTab = tabs->mapTo(&window, QPoint(x, 8));
        }
        return points;
    }

    // The icon is velmo's one visible window; its menu is a second one.
    void chooseFromTrayMenu(const QString &mnemonic)
    {
        const std::optional<QString> icon = xdotool({"search", "--sync", "--onlyvisible", "--class", "velmo"});
        QVERIFY2(icon && !icon->isEmpty() && !icon->contains('\n'), "velmo's icon is not there");
        QVERIFY(xdotool({"mousemove", "--window", *icon, "10", "10", "click", "3"}));
        QTRY_VERIFY_WITH_TIMEOUT(xdotool({"search", "--onlyvisible", "--class", "velmo"}).value_or("").count('\n') >= 1,
                                 10000);
        QVERIFY(xdotool({"key", mnemonic}));
    }

private slots:
    void initTestCase()
    {
        for (const char *tool : {"Xvfb", "trayer", "xdotool"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP("needs Xvfb, trayer and xdotool (tools/install-deps.sh installs them)");
        }
        int number = 200 + QRandomGenerator::global()->bounded(400);
        while (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            ++number;
        m_display = QStringLiteral(":%1").arg(number);
        m_xserver.start("Xvfb", {m_display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY(m_xserver.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)), 15000);
        for (const char *folder : {"run", "reference"}) {
            QVERIFY(QDir().mkpath(path(folder)));
            QVERIFY(QFile::setPermissions(path(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        start(m_trayHost, "trayer", {"--edge", "bottom", "--align", "right", "--widthtype", "request", "--height", "32"});
        // The reference window publishes nothing the programs could hear.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path("reference")));
    }

    void cleanupTestCase()
    {
        stop(m_velmo);
        stop(m_trayHost);
        stop(m_xserver);
    }

    void okChangesTheNextDisplay()
    {
        const QString suite = qEnvironmentVariable("SUITE_DIR");
        for (const char *file : {"velmo", "velmoinit", "help.html"})
            QVERIFY(QFile::copy(suite + '/' + file, path(file)));
        for (const char *program : {"tambwin", "dastor"}) {
            writeFile(path(program), kRecorder);
            QVERIFY(QFile::setPermissions(path(program), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        // One line: the random choice has one answer.
        writeFile(path("tamber.vmf"), Cp932::fromUnicode(QStringLiteral("星は巡る\r\n")));
        const Points points = clickPoints();
        QVERIFY(!points.methodTab.isNull());

        start(m_velmo, path("velmo"), {});
        QTRY_VERIFY_WITH_TIMEOUT(readOrNone(path("tambwin.calls")).contains("星は巡る"), 15000);
        chooseFromTrayMenu("p");
        const std::optional<QString> window =
            xdotool({"search", "--sync", "--onlyvisible", "--name", PropertyLinkContract::kService});
        QVERIFY2(window && !window->isEmpty(), "velmoinit's window did not appear");
        // Clicks only once the item is published, so that velmo hears them too.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path("run")));
        DataLinkClient item(PropertyLinkContract::kService, PropertyLinkContract::kTopic, PropertyLinkContract::kItem);
        QSignalSpy heard(&item, &DataLinkClient::valueReceived);
        QSignalSpy ended(&item, &DataLinkClient::ended);
        item.open(15000);
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 1, 15000);
        for (const QPoint &point : {points.methodTab, points.dastor, points.ok}) {
            QVERIFY(xdotool({"mousemove", "--window", window->section('\n', 0, 0), QString::number(point.x()),
                             QString::number(point.y()), "click", "1"}));
        }
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 15000); // velmoinit has ended
        QCOMPARE(heard.size(), 3); // "", "OK", "end"
        QCOMPARE(QSettings(path("config/Velmo/Velmo.conf"), QSettings::IniFormat).value("INI/Sh").toString(),
                 QStringLiteral("22"));

        chooseFromTrayMenu("o");
        QTRY_COMPARE_WITH_TIMEOUT(readOrNone(path("dastor.calls")), QByteArray("[星は巡る]\n"), 15000);
        QCOMPARE(m_velmo.state(), QProcess::Running);
    }
};

QTEST_MAIN(TestVelmoinitLoop)
#include "test_velmoinitloop.moc"
