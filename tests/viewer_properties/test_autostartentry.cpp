#include "viewer_properties/autostartentry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

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

bool put(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
} // namespace

// The login-start entry without the window: how a program path goes into
// Exec and comes back out, which existing entries count as starting the
// viewer, and writing and removing the file.
class TestAutostartEntry : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
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
        QTest::newRow("single quote, semicolon") << "/opt/it's;x/velmo" << "\"/opt/it's;x/velmo\"";
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
        QTest::newRow("blanks around =") << entryWith("Exec = /x/velmo\nHidden = true") << false;
        QTest::newRow("switched off by the desktop") << entryWith("Exec=/x/velmo\nX-GNOME-Autostart-enabled=false")
                                                     << false;
        QTest::newRow("another program") << entryWith("Exec=/usr/bin/other velmo") << false;
        QTest::newRow("folder named velmo") << entryWith("Exec=/x/velmo/other") << false;
        QTest::newRow("quoted, with arguments") << entryWith("Exec=\"/my apps/velmo\" 今日") << true;
        QTest::newRow("broken quoting") << entryWith("Exec=\"/x/velmo") << false;
        QTest::newRow("escaped blank, quoted") << entryWith("Exec=\"/a\\sb/velmo\"") << true;
        QTest::newRow("escaped blank, bare: two words") << entryWith("Exec=/a\\sb/velmo") << false;
        QTest::newRow("no Exec") << entryWith("") << false;
        QTest::newRow("Exec in another group") << QByteArray("[Desktop Action x]\nExec=velmo\n[Desktop Entry]\nName=V\n") << false;
        QTest::newRow("Hidden in another group") << entryWith("Exec=velmo") + "[Desktop Action x]\nHidden=true\n"
                                                 << true;
        QTest::newRow("CR LF") << entryWith("Exec=velmo\nHidden=true").replace("\n", "\r\n") << false;
        QTest::newRow("binary") << QByteArray("\0\xff[Desktop Entry]\0Exec=velmo", 28) << false;
    }
    void countsAsOn()
    {
        QFETCH(QByteArray, content);
        QTEST(AutostartEntry::countsAsOn(content), "on");
    }

    // The file may be anything; only a small regular file that counts is on.
    void isOn_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("on");
        QTest::newRow("entry") << "entry" << true;
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("named pipe") << "fifo" << false;
        QTest::newRow("huge") << "huge" << false;
        QTest::newRow("unreadable") << "unreadable" << false;
    }
    void isOn()
    {
        QFETCH(QString, kind);
        if (kind == "unreadable" && ::geteuid() == 0)
            QSKIP("root reads any file");
        const QString path = m_dir.filePath(QTest::currentDataTag());
        const QByteArray entry = AutostartEntry::text("/x/velmo");
        if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "huge")
            QVERIFY(put(path, entry + "# " + QByteArray(1 << 20, 'x') + "\n"));
        else if (kind != "missing")
            QVERIFY(put(path, entry));
        if (kind == "unreadable")
            QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
        QTEST(AutostartEntry::isOn(path), "on");
    }

    // Writing makes the folder; removing something already gone succeeds;
    // what cannot be replaced or removed is a failure with a reason.
    void apply_data()
    {
        QTest::addColumn<QString>("existing"); // at the entry's path
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("works");
        QTest::newRow("on, no folder yet") << "none" << true << true;
        QTest::newRow("on over a foreign entry") << "foreign" << true << true;
        QTest::newRow("off removes") << "entry" << false << true;
        QTest::newRow("off, already gone") << "none" << false << true;
        QTest::newRow("on over a folder") << "folder" << true << false;
        QTest::newRow("off, a folder") << "folder" << false << false;
        QTest::newRow("on, folder blocked by a file") << "blocked" << true << false;
    }
    void apply()
    {
        QFETCH(QString, existing);
        QFETCH(bool, on);
        QFETCH(bool, works);
        const QString base = m_dir.filePath(QTest::currentDataTag());
        const QString path = base + "/autostart/velmo.desktop";
        if (existing == "blocked")
            QVERIFY(put(base, "a file where the folder would be"));
        else if (existing != "none")
            QVERIFY(QDir().mkpath(existing == "folder" ? path : base + "/autostart"));
        if (existing == "entry" || existing == "foreign")
            QVERIFY(put(path, entryWith(existing == "entry" ? "Exec=/x/velmo" : "Exec=other")));
        QString error;
        QCOMPARE(AutostartEntry::apply(path, on, "/x/velmo", &error), works);
        QCOMPARE(error.isEmpty(), works);
        if (works)
            QCOMPARE(AutostartEntry::isOn(path), on);
    }

    // The entry as written passes the desktop's own validator, where
    // the build found one.
    void validatorAccepts()
    {
        const QString validator = qEnvironmentVariable("DESKTOP_FILE_VALIDATE");
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed");
        const QString path = m_dir.filePath("valid/velmo.desktop");
        QString error;
        QVERIFY2(AutostartEntry::apply(path, true, "/opt/my suite/100%/velmo", &error), qPrintable(error));
        QProcess run;
        run.start(validator, {path});
        QVERIFY(run.waitForFinished(30000));
        const QByteArray output = run.readAllStandardOutput() + run.readAllStandardError();
        QVERIFY2(run.exitCode() == 0 && output.isEmpty(), output.constData());
    }
};

QTEST_GUILESS_MAIN(TestAutostartEntry)
#include "test_autostartentry.moc"
