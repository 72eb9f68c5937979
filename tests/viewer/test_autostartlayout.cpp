#include "viewer_properties/autostartentry.h"

#include "fakes/filebytes.h"
#include "shared/settingslocation.h"

#include <QtTest>

// What the login-start entry runs in either layout: installed and found on
// the PATH it names the program, so that it survives the suite's removal
// (TryExec then fails and the desktop skips it); anywhere else it needs the
// absolute path.
class TestAutostartLayout : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void execAndTryExec_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("onPath"); // what the PATH lookup finds, under the test's folder
        QTest::addColumn<bool>("byName");
        QTest::newRow("build folder") << false << "bin/velmo" << false;
        QTest::newRow("installed, on the PATH") << true << "bin/velmo" << true;
        QTest::newRow("installed, another velmo first") << true << "other/velmo" << false;
        QTest::newRow("installed, not on the PATH") << true << "" << false;
    }
    void execAndTryExec()
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
        QVERIFY(AutostartEntry::countsAsOn(entry.toUtf8()));
    }
};

QTEST_GUILESS_MAIN(TestAutostartLayout)
#include "test_autostartlayout.moc"
