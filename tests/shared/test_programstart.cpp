#include "shared/fileexists.h"
#include "shared/programfolder.h"
#include "shared/programstarter.h"

#include <QtTest>

// The real program-start service and the folder lookup, against a small
// shell script that records its arguments.
class TestProgramStart : public QObject
{
    Q_OBJECT
private slots:
    void argumentsArriveUnchanged_data();
    void argumentsArriveUnchanged();
    void lookupAndPresence();
};

static QString writeRecorder(const QString &dir, const QString &name, const QString &out)
{
    QFile script(dir + "/" + name);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    // One NUL-terminated argument after the other; renamed when complete.
    const QByteArray o = out.toUtf8();
    script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"" + o + ".tmp\"\nmv \""
                 + o + ".tmp\" \"" + o + "\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return script.fileName();
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
    const QString out = dir.filePath("args");
    QVERIFY(ProcessStarter().start(writeRecorder(dir.path(), "recorder", out), arguments));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray expected;
    for (const QString &a : arguments)
        expected += a.toUtf8() + '\0';
    QCOMPARE(file.readAll(), expected);
    QVERIFY(!QFile::exists(dir.filePath("x")));
}

void TestProgramStart::lookupAndPresence()
{
    QVERIFY(!ProcessStarter().start("/nonexistent/folder/program", {}));
    QVERIFY(!ProcessStarter().start(QString(), {}));

    QTemporaryDir dir, empty;
    const QString local = writeRecorder(dir.path(), "sh", dir.filePath("unused"));
    QCOMPARE(findProgram("sh", dir.path()), QFileInfo(local).absoluteFilePath());
    QCOMPARE(findProgram("sh", empty.path()), QStandardPaths::findExecutable("sh"));
    QCOMPARE(findProgram("no-such-program-anywhere", empty.path()), QString());

    QVERIFY(fileExists(local));
    QVERIFY(!fileExists(dir.filePath("absent")));
    QVERIFY(!fileExists(dir.path()));
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "test_programstart.moc"
