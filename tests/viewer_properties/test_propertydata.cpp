#include "fakes/filebytes.h"
#include "shared/settingslocation.h"
#include "viewer_properties/autostartentry.h"
#include "viewer_properties/intervaltext.h"
#include "viewer_properties/startlinereader.h"

#include <QtTest>

namespace {
QString execLine(const QByteArray &entry)
{
    const QRegularExpressionMatch m = QRegularExpression("^Exec=(.*)$", QRegularExpression::MultilineOption)
                                          .match(QString::fromUtf8(entry));
    return m.captured(1);
}

QByteArray entryWith(const QByteArray &lines)
{
    return "[Desktop Entry]\nType=Application\nName=Velmo\n" + lines + "\n";
}
} // namespace

// The rules the window relies on without the window: the interval text of
// any characters and length, the start line of a file, and the login-start
// entry: what it runs in either layout, how a program path goes into Exec
// and comes back out, which existing entries count as starting the viewer,
// and writing and removing the file.
class TestPropertyData : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void intervalText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minutes");
        QTest::newRow("negative fraction") << "-0.5" << 0;
        QTest::newRow("the bound itself") << "3000.99" << 3000;
        QTest::newRow("just beyond the bound") << "3001" << 3000;
        QTest::newRow("blanks, sign, unit after") << "  +30分" << 30;
        QTest::newRow("full-width digits") << "１２" << 12;
        QTest::newRow("exponent") << "1e3" << 1000;
        QTest::newRow("beyond a double") << "9e999" << 3000;
        QTest::newRow("no number") << "abc" << 0;
        QTest::newRow("a megabyte of text") << QString(1 << 20, QChar(0x3042)) << 0;
    }
    void intervalText()
    {
        QFETCH(QString, text);
        QTEST(int(IntervalText::toMinutes(text)), "minutes");
    }

    // The start line at the ends of the file: 0 asks for no line and gets
    // the last one (or the line shown before, for an empty file).
    void startLine_data()
    {
        QTest::addColumn<QByteArray>("content"); // "missing": no file
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("read"); // ok, count, position, line
        const QByteArray three = "one\r\ntwo\r\nthree\r\n";
        QTest::newRow("line 1") << three << 1 << "1 3 1 one";
        QTest::newRow("beyond the end") << three << 4 << "1 3 3 three";
        QTest::newRow("0: the last line") << three << 0 << "1 3 0 three";
        QTest::newRow("empty file") << QByteArray() << 2 << "1 0 0 before";
        QTest::newRow("missing") << QByteArray("missing") << 1 << "0 0 0 ";
    }
    void startLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, position);
        QTemporaryDir dir;
        QVERIFY(content == "missing" || writeAll(dir.filePath("lines.vmf"), content));
        const StartLine r = readStartLine(dir.filePath("lines.vmf"), position, "before");
        QTEST(QStringLiteral("%1 %2 %3 %4").arg(r.ok).arg(r.lineCount).arg(r.position).arg(r.line), "read");
    }

    // Installed and found on the PATH it names the program, so that it
    // survives the suite's removal (TryExec then fails and the desktop skips
    // it); anywhere else it needs the absolute path.
    void layout_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("onPath"); // what the PATH lookup finds, under the test's folder
        QTest::addColumn<bool>("byName");
        QTest::newRow("build folder") << false << "bin/velmo" << false;
        QTest::newRow("installed, on the PATH") << true << "bin/velmo" << true;
        QTest::newRow("installed, another velmo first") << true << "other/velmo" << false;
        QTest::newRow("installed, not on the PATH") << true << "" << false;
    }
    void layout()
    {
        QFETCH(bool, installed);
        QFETCH(QString, onPath);
        const QString lib = m_dir.filePath("lib"), marker = lib + '/' + SettingsLocation::installedMarkerName();
        QVERIFY(QDir().mkpath(lib) && QDir().mkpath(m_dir.filePath("bin")) && QDir().mkpath(m_dir.filePath("other")));
        QVERIFY(writeAll(lib + "/velmo", {}) && writeAll(m_dir.filePath("other/velmo"), {}));
        QFile::link("../lib/velmo", m_dir.filePath("bin/velmo"));
        QFile::remove(marker);
        QVERIFY(!installed || writeAll(marker, {}));
        const QString program = AutostartEntry::program(lib, onPath.isEmpty() ? QString() : m_dir.filePath(onPath));
        QFETCH(bool, byName);
        const QString expected = byName ? QStringLiteral("velmo") : lib + "/velmo";
        const QString entry = QString::fromUtf8(AutostartEntry::text(program));
        QVERIFY2(entry.contains("\nExec=" + expected + "\n") && entry.contains("\nTryExec=" + expected + "\n"),
                 qPrintable(entry));
    }

    // The Exec line as the file holds it; each also reads back as the one
    // argument it was made from.
    void execQuoting_data()
    {
        QTest::addColumn<QString>("viewer");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/lib/titlecard-suite/velmo" << "/usr/lib/titlecard-suite/velmo";
        QTest::newRow("space") << "/opt/my suite/velmo" << "\"/opt/my suite/velmo\"";
        QTest::newRow("percent doubled") << "/opt/100%/velmo" << "/opt/100%%/velmo";
        QTest::newRow("dollar, escaped twice") << "/opt/$HOME/velmo" << "\"/opt/\\\\$HOME/velmo\"";
        QTest::newRow("backslash: four") << "/opt/a\\b/velmo" << "\"/opt/a\\\\\\\\b/velmo\"";
        QTest::newRow("double quote") << "/opt/\"x\"/velmo" << "\"/opt/\\\\\"x\\\\\"/velmo\"";
        QTest::newRow("newline and tab") << "/opt/a\nb\tc/velmo" << "\"/opt/a\\nb\\tc/velmo\"";
    }
    void execQuoting()
    {
        QFETCH(QString, viewer);
        const QByteArray entry = AutostartEntry::text(viewer);
        QTEST(execLine(entry), "exec");
        QCOMPARE(AutostartEntry::execArguments(execLine(entry)), QStringList{viewer});
        QVERIFY(AutostartEntry::countsAsOn(entry));
    }

    void countsAsOn_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("on");
        QTest::newRow("bare name") << entryWith("Exec=velmo") << true;
        QTest::newRow("Hidden=true") << entryWith("Exec=/x/velmo\nHidden=true") << false;
        QTest::newRow("switched off by the desktop") << entryWith("Exec=/x/velmo\nX-GNOME-Autostart-enabled=false")
                                                     << false;
        QTest::newRow("another program") << entryWith("Exec=/usr/bin/other velmo") << false;
        QTest::newRow("folder named velmo") << entryWith("Exec=/x/velmo/other") << false;
        QTest::newRow("quoted, with arguments") << entryWith("Exec=\"/my apps/velmo\" 今日") << true;
        QTest::newRow("broken quoting") << entryWith("Exec=\"/x/velmo") << false;
        QTest::newRow("no Exec") << entryWith("") << false;
        QTest::newRow("Exec in another group") << QByteArray("[Desktop Action x]\nExec=velmo\n[Desktop Entry]\nName=V\n") << false;
        QTest::newRow("binary") << QByteArray("\0\xff[Desktop Entry]\0Exec=velmo", 28) << false;
    }
    void countsAsOn()
    {
        QFETCH(QByteArray, content);
        QTEST(AutostartEntry::countsAsOn(content), "on");
    }

    // What lies at the entry's place before: isOn() of it (only a small
    // regular file that counts is on), then apply() of on or off. Removing
    // something already gone succeeds; what cannot be replaced or removed
    // is a failure with a reason (the window's test has the plain cases).
    void onDisk_data()
    {
        QTest::addColumn<QByteArray>("existing"); // the file's content, or none, folder, fifo, blocked (the folder a file)
        QTest::addColumn<bool>("wasOn");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("works");
        const QByteArray entry = AutostartEntry::text("/x/velmo");
        QTest::newRow("none, off: already gone") << QByteArray("none") << false << false << true;
        QTest::newRow("a foreign entry, on: replaced") << entryWith("Exec=other") << false << true << true;
        QTest::newRow("huge, on") << entry + QByteArray(1 << 20, '#') << false << true << true;
        QTest::newRow("named pipe, off") << QByteArray("fifo") << false << false << true;
        QTest::newRow("folder blocked by a file, on") << QByteArray("blocked") << false << true << false;
    }
    void onDisk()
    {
        QFETCH(QByteArray, existing);
        QFETCH(bool, on);
        QFETCH(bool, works);
        const QString base = m_dir.filePath(QTest::currentDataTag()), path = base + "/autostart/velmo.desktop";
        if (existing == "blocked")
            QVERIFY(writeAll(base, "a file where the folder would be"));
        else if (existing != "none")
            QVERIFY(QDir().mkpath(existing == "folder" ? path : base + "/autostart"));
        QVERIFY(existing == "none" || existing == "folder" || existing == "blocked" || writeAll(path, existing));
        QTEST(AutostartEntry::isOn(path), "wasOn");
        QString error;
        QCOMPARE(AutostartEntry::apply(path, on, "/x/velmo", &error), works);
        QCOMPARE(error.isEmpty(), works);
        QVERIFY(!works || AutostartEntry::isOn(path) == on);
    }
};

QTEST_GUILESS_MAIN(TestPropertyData)
#include "test_propertydata.moc"
