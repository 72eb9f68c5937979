#include "shared/fileexists.h"
#include "shared/programfolder.h"
#include "shared/programstarter.h"

#include <QtTest>

#include <sys/stat.h>

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

// The real program-start service and the folder lookup, against a small
// shell script that records its arguments.
class TestProgramStart : public QObject
{
    Q_OBJECT
private slots:
    // Linux refuses to start a program with one argument of 128 KiB or more;
    // the starter cuts it at a character and says so instead of failing.
    void argumentsArrive_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("received"); // bytes of the last argument; -1: all
        const int most = ProcessStarter::kMaxArgumentBytes;
        QTest::newRow("none") << QStringList() << -1;
        QTest::newRow("shell syntax, japanese, empty")
            << QStringList{"-s", "a; rm -rf ~ $(touch x) `id` \"q\" \\", QStringLiteral("第3章　,　星"), ""} << -1;
        QTest::newRow("at the limit") << QStringList{"-s", QString(most, 'a')} << most;
        QTest::newRow("45000 half-width kana") << QStringList{"-s", QString(45000, QChar(0xFF71))} << most / 3 * 3;
        QTest::newRow("four-byte character across the limit")
            << QStringList{"-s", QString(most - 2, 'a') + QStringLiteral("\U0001F600")} << most - 2;
    }

    void argumentsArrive()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, received);
        if (!arguments.isEmpty() && arguments.last().toUtf8().size() > ProcessStarter::kMaxArgumentBytes)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("argument 2 cut from \\d+ to \\d+ bytes"));
        QTemporaryDir dir;
        const QString out = dir.filePath("args");
        QVERIFY(ProcessStarter().start(writeRecorder(dir.path(), "recorder", out), arguments));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray expected;
        for (int i = 0; i < arguments.size(); ++i)
            expected += (i == arguments.size() - 1 && received >= 0 ? arguments[i].toUtf8().left(received)
                                                                      : arguments[i].toUtf8()) + '\0';
        QCOMPARE(file.readAll(), expected);
        QVERIFY(!QFile::exists(dir.filePath("x")));
    }

    void lookupAndPresence()
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
};

QTEST_GUILESS_MAIN(TestProgramStart)
#include "test_programstart.moc"
