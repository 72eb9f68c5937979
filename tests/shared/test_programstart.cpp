#include "shared/fileexists.h"
#include "shared/programfolder.h"
#include "shared/programstarter.h"

#include <QtTest>

// The real program-start service and the folder lookup, against small
// shell scripts written into a temporary folder.
class TestProgramStart : public QObject
{
    Q_OBJECT
private slots:
    void argumentsArriveUnchanged_data();
    void argumentsArriveUnchanged();
    void missingProgramFails();
    void findProgramPrefersFolder();
    void fileExists();

private:
    QString writeRecorder(const QString &dir, const QString &name, const QString &outFile);
};

QString TestProgramStart::writeRecorder(const QString &dir, const QString &name, const QString &outFile)
{
    const QString path = dir + "/" + name;
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    // Writes each argument on its own line, NUL-terminated, then renames so
    // the reader never sees a half-written file.
    script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"" + outFile.toUtf8()
                 + ".tmp\"\nmv \"" + outFile.toUtf8() + ".tmp\" \"" + outFile.toUtf8() + "\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return path;
}

void TestProgramStart::argumentsArriveUnchanged_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList();
    QTest::newRow("shell syntax") << QStringList{"-s", "a; rm -rf ~ $(touch x) `id` \"q\" \\"};
    QTest::newRow("japanese") << QStringList{QStringLiteral("第3章　,　星")};
    QTest::newRow("empty argument") << QStringList{""};
}

void TestProgramStart::argumentsArriveUnchanged()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath("args");
    const QString program = writeRecorder(dir.path(), "recorder", out);
    ProcessStarter starter;
    QVERIFY(starter.start(program, arguments));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList received;
    const QByteArray data = file.readAll();
    for (const QByteArray &part : data.split('\0').mid(0, arguments.size()))
        received << QString::fromUtf8(part);
    QCOMPARE(received, arguments);
    QCOMPARE(data.count('\0'), arguments.size());
    QVERIFY(!QFile::exists(dir.filePath("x")));
}

void TestProgramStart::missingProgramFails()
{
    ProcessStarter starter;
    QVERIFY(!starter.start("/nonexistent/folder/program", {}));
    QVERIFY(!starter.start(QString(), {}));
}

void TestProgramStart::findProgramPrefersFolder()
{
    QTemporaryDir dir;
    const QString local = writeRecorder(dir.path(), "sh", dir.filePath("unused"));
    QCOMPARE(findProgram("sh", dir.path()), QFileInfo(local).absoluteFilePath());
    QTemporaryDir empty;
    QCOMPARE(findProgram("sh", empty.path()), QStandardPaths::findExecutable("sh"));
    QCOMPARE(findProgram("no-such-program-anywhere", empty.path()), QString());
}

void TestProgramStart::fileExists()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("present"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(FileExists(dir.filePath("present")));
    QVERIFY(!FileExists(dir.filePath("absent")));
    QVERIFY(!FileExists(dir.path()));
    QVERIFY(!FileExists(QString()));
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "test_programstart.moc"
