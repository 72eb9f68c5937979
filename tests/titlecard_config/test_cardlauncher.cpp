#include "fakes/recordingstarter.h"
#include "titlecard_config/cardlauncher.h"

#include <QtTest>

class TestCardLauncher : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsFromProgramFolder();
    void missingProgramStartsNothing();
    void failedStartIsReported();

private:
    QByteArray m_savedPath;
};

static void writeExecutable(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

void TestCardLauncher::init()
{
    // Keeps a tambwin installed along PATH out of the way.
    m_savedPath = qgetenv("PATH");
    qputenv("PATH", "/nonexistent-folder");
}

void TestCardLauncher::cleanup()
{
    qputenv("PATH", m_savedPath);
}

void TestCardLauncher::startsFromProgramFolder()
{
    QTemporaryDir folder;
    writeExecutable(folder.filePath("tambwin"));
    RecordingStarter starter;
    CardLauncher launcher(starter, folder.path());
    QVERIFY(launcher.start({"-s", "a,b, , , "}));
    QCOMPARE(starter.calls.size(), 1);
    QCOMPARE(QFileInfo(starter.calls.at(0).program).canonicalFilePath(),
             QFileInfo(folder.filePath("tambwin")).canonicalFilePath());
    QCOMPARE(starter.calls.at(0).arguments, (QStringList{"-s", "a,b, , , "}));
}

void TestCardLauncher::missingProgramStartsNothing()
{
    QTemporaryDir folder;
    RecordingStarter starter;
    CardLauncher launcher(starter, folder.path());
    QVERIFY(!launcher.start({}));
    QVERIFY(starter.calls.isEmpty());
}

void TestCardLauncher::failedStartIsReported()
{
    QTemporaryDir folder;
    writeExecutable(folder.filePath("tambwin"));
    RecordingStarter starter;
    starter.succeed = false;
    CardLauncher launcher(starter, folder.path());
    QVERIFY(!launcher.start({"7"}));
    QCOMPARE(starter.calls.size(), 1);
}

QTEST_GUILESS_MAIN(TestCardLauncher)
#include "test_cardlauncher.moc"
