#include "shared/settingslocation.h"

#include <QtTest>

// Where the written settings files go in the build and the installed
// layout, told apart by the install marker only.
class TestSettingsLocation : public QObject
{
    Q_OBJECT
    QTemporaryDir m_programFolder;
    QTemporaryDir m_configHome;

private slots:
    void init()
    {
        QVERIFY(m_programFolder.isValid() && m_configHome.isValid());
        QFile::remove(m_programFolder.filePath(SettingsLocation::installedMarkerName()));
        QDir(m_configHome.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_configHome.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    }

    void filePath_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("besidePrograms"); // else the current directory
        QTest::addColumn<QString>("where");        // "program", "bare" or "user"
        QTest::newRow("build, beside the programs") << false << true << "program";
        QTest::newRow("build, current directory") << false << false << "bare";
        QTest::newRow("installed, beside the programs") << true << true << "user";
        QTest::newRow("installed, current directory") << true << false << "user";
    }

    void filePath()
    {
        QFETCH(bool, installed);
        QFETCH(bool, besidePrograms);
        QFETCH(QString, where);
        const QString programs = m_programFolder.path();
        if (installed) {
            QFile marker(m_programFolder.filePath(SettingsLocation::installedMarkerName()));
            QVERIFY(marker.open(QIODevice::WriteOnly));
        }
        QCOMPARE(SettingsLocation::isInstalled(programs), installed);

        const QString path = SettingsLocation::filePath("x.ini", besidePrograms ? programs : QString(), programs);
        const QString userFolder = m_configHome.path() + "/" + SettingsLocation::suiteFolderName();
        const QString expected = where == "program" ? programs + "/x.ini" : where == "bare" ? "x.ini" : userFolder + "/x.ini";
        QCOMPARE(path, expected);
        // The user's folder exists for a first save, and only when it is used.
        QCOMPARE(QFileInfo(userFolder).isDir(), where == "user");
    }

    void readOnlyFolderWithoutMarkerStaysBuildLayout()
    {
        const QString programs = m_programFolder.path();
        QVERIFY(QFile::setPermissions(programs, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QString path = SettingsLocation::filePath("x.ini", programs, programs);
        QVERIFY(QFile::setPermissions(programs, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(path, programs + "/x.ini");
        QVERIFY(!SettingsLocation::isInstalled(QString()));
    }
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "test_settingslocation.moc"
