#include "shared/fileexists.h"
#include "shared/programfolder.h"
#include "shared/programstarter.h"

#include <QtTest>

#include <sys/stat.h>

// The real program-start service and the folder lookup, against a small
// shell script that records its arguments.
class TestProgramStart : public QObject
{
    Q_OBJECT
private slots:
    void argumentsArriveUnchanged_data();
    void argumentsArriveUnchanged();
    void longArgumentsAreCut_data();
    void longArgumentsAreCut();
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

// Linux refuses to start a program with one argument of 128 KiB or more;
// the starter cuts it at a character and says so instead of failing.
void TestProgramStart::longArgumentsAreCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("received"); // bytes of the argument
    const int most = ProcessStarter::kMaxArgumentBytes;
    QTest::newRow("at the limit") << QString(most, 'a') << most;
    QTest::newRow("45000 half-width kana") << QString(45000, QChar(0xFF71)) << most / 3 * 3;
    QTest::newRow("four-byte character across the limit") << QString(most - 2, 'a') + QStringLiteral("\U0001F600")
                                                          << most - 2;
}

void TestProgramStart::longArgumentsAreCut()
{
    QFETCH(QString, text);
    QFETCH(int, received);
    if (text.toUtf8().size() > ProcessStarter::kMaxArgumentBytes)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("argument 2 cut from \\d+ to \\d+ bytes"));
    QTemporaryDir dir;
    const QString out = dir.filePath("args");
    QVERIFY(ProcessStarter().start(writeRecorder(dir.path(), "recorder", out), {"-s", text}));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "-s" + QByteArray(1, '\0') + text.toUtf8().left(received) + '\0');
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
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
    QVERIFY(!fileExists(dir.filePath("pipe"))); // and no wait for a writer
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "test_programstart.moc"
