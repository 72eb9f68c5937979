#include "shared/atomicwrite.h"
#include "shared/folderlock.h"
#include "shared/inifile.h"
#include "shared/regularfile.h"

#include <QSettings>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using Status = RegularFile::Status;

static void setMs(IniFile &file)
{
    file.setValue("INI", "Ms", "7");
}

class TestFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    static QByteArray bytes(const QString &path) { return RegularFile::readHead(path, 1 << 20).bytes; }

private slots:
    void readHead_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("complete");
        QVERIFY(writeFileAtomically(path("four"), "abcd") && writeFileAtomically(path("five"), "abcde"));
        QCOMPARE(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
        QTest::newRow("fits") << path("four") << Status::Ok << QByteArray("abcd") << true;
        QTest::newRow("longer than wanted") << path("five") << Status::Ok << QByteArray("abcd") << false;
        QTest::newRow("missing") << path("absent") << Status::Missing << QByteArray() << false;
        QTest::newRow("file on the way") << path("four") + "/x" << Status::Missing << QByteArray() << false;
        QTest::newRow("folder") << m_dir.path() << Status::NotRegular << QByteArray() << false;
        // A pipe without a writer would hold a plain open() for ever.
        QTest::newRow("named pipe") << path("pipe") << Status::NotRegular << QByteArray() << false;
    }
    void readHead()
    {
        QFETCH(QString, path);
        const RegularFile::Head head = RegularFile::readHead(path, 4);
        QTEST(head.status, "status");
        QTEST(head.bytes, "bytes");
        QTEST(head.complete, "complete");
    }

    // Every value and key read back the same whichever of QSettings and
    // IniFile wrote it, and from IniFile's own text.
    void valuesBothWays_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        for (const char *text : {"", "a,b", "a;b", "a=b", " lead", "trail ", "#hash", "[br]", "q\"uote", "back\\slash",
                                 "tab\there", "line\r\nend", "@Variant(\\0\\0\\0\\x7f)", "@@x", "@String(x)", "\x01" "2",
                                 "/home/ユーザー/名言, その2.txt", "\U0001F600", "\uFEFFx"})
            QTest::newRow(text) << "Ops" << QString::fromUtf8(text);
        QTest::newRow("nul, digit") << "Ops" << QString(QChar(0)) + "1";
        for (const char *key : {"x.y-z_9", "a b%", "名前", "\u00E9=;"})
            QTest::addRow("key %s", key) << QString::fromUtf8(key) << "v";
    }
    void valuesBothWays()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFile::remove(path("both.conf"));
        QSettings(path("both.conf"), QSettings::IniFormat).setValue("INI/" + key, value);
        QCOMPARE(IniFile(bytes(path("both.conf"))).value("INI", key), value);
        IniFile ours;
        ours.setValue("INI", key, value);
        QCOMPARE(IniFile(ours.text()).value("INI", key), value);
        QVERIFY(writeFileAtomically(path("both.conf"), ours.text()));
        QCOMPARE(QSettings(path("both.conf"), QSettings::IniFormat).value("INI/" + key).toString(), value);
    }

    // Text nobody but the user wrote stays as it was, byte for byte; a new
    // line ends as the file's first line does.
    void editInPlace_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after"); // with Ms set to 7
        QTest::newRow("replaced, comments and a hand-written @Variant kept")
            << QByteArray("; mine\r\n[INI]\r\nOps=@Variant(\\0\\0\\0\\x7f)\r\n  Ms = 3\r\n[Other]\r\nx=1\r\n")
            << QByteArray("; mine\r\n[INI]\r\nOps=@Variant(\\0\\0\\0\\x7f)\r\nMs=7\r\n[Other]\r\nx=1\r\n");
        QTest::newRow("added after the group's last key, not after the next group's comment")
            << QByteArray("[INI]\nOps=a\n\n; about Other\n[Other]\nMs=1\n")
            << QByteArray("[INI]\nOps=a\nMs=7\n\n; about Other\n[Other]\nMs=1\n");
        QTest::newRow("new group after a last line without end") << QByteArray("[ini]\nMs=1")
                                                                 << QByteArray("[ini]\nMs=1\n\n[INI]\nMs=7\n");
        QTest::newRow("empty file") << QByteArray() << QByteArray("[INI]\nMs=7\n");
        QTest::newRow("CR LF, added to its group")
            << QByteArray("[INI]\r\nOps=a\r\n[Other]\r\n") << QByteArray("[INI]\r\nOps=a\r\nMs=7\r\n[Other]\r\n");
        QTest::newRow("byte-order mark before the group kept")
            << QByteArray("\xEF\xBB\xBF[INI]\nMs=1\n") << QByteArray("\xEF\xBB\xBF[INI]\nMs=7\n");
    }
    void editInPlace()
    {
        QFETCH(QByteArray, before);
        IniFile file(before);
        setMs(file);
        QTEST(file.text(), "after");
        QCOMPARE(IniFile(file.text()).value("INI", "Ms"), QString("7"));
    }

    // Each failure leaves the old file as it was and says why, in words a
    // person can act on, after the file's path.
    void failedUpdateSaysWhy_data()
    {
        QTest::addColumn<int>("writeError");    // what every write(2) fails with, 0: it writes nothing; -1: none
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        const QString conf = "sub/Velmo.conf";
        QTest::newRow("disk full") << ENOSPC << conf << "ディスクの空き容量が足りません";
        QTest::newRow("disk takes nothing") << 0 << conf << "ディスクの空き容量が足りません";
        QTest::newRow("a file on the folder's way") << -1 << conf + "/x.conf" << "パスの途中にフォルダではないものがあります";
        // What cannot be read is never written over.
        QTest::newRow("a folder in the file's place") << -1 << "sub" << "通常のファイルではありません";
    }
    void failedUpdateSaysWhy()
    {
        QFETCH(QString, file);
        QFETCH(int, writeError);
        static int s_writeError;
        s_writeError = writeError;
        const QByteArray old = "[INI]\nMs=1\n; keep\n";
        QVERIFY(makeFolderPath(path("sub")) && writeFileAtomically(path("sub/Velmo.conf"), old));
        const auto previous = s_writeError < 0 ? nullptr : AtomicWrite::setWriteCall([](int, const void *, size_t) {
            errno = s_writeError;
            return ssize_t(s_writeError ? -1 : 0);
        });
        QString error;
        const bool updated = IniFile::update(path(file), setMs, &error);
        if (previous)
            AtomicWrite::setWriteCall(previous);
        QVERIFY(!updated);
        QFETCH(QString, reason);
        QCOMPARE(error, path(file) + ": " + reason);
        QCOMPARE(bytes(path("sub/Velmo.conf")), old);
        QCOMPARE(QDir(path("sub")).entryList(QDir::Files | QDir::Hidden), QStringList{"Velmo.conf"});
    }

    // An update keeps the file's mode; with nothing to change nothing is written.
    void updateKeepsModeAndUnchangedFile()
    {
        const QString file = path("mode.conf");
        QVERIFY(writeFileAtomically(file, "[INI]\nMs=1\n"));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(IniFile::update(file, setMs));
        QCOMPARE(bytes(file), QByteArray("[INI]\nMs=7\n"));
        struct stat before, unchanged;
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &before), 0);
        QCOMPARE(before.st_mode & 0777, mode_t(0640));
        QVERIFY(IniFile::update(file, setMs));
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &unchanged), 0);
        QCOMPARE(unchanged.st_ino, before.st_ino);
    }

    void folderLock()
    {
        auto held = std::make_unique<FolderLock>(m_dir.path());
        QVERIFY(held->isLocked());
        QVERIFY(!FolderLock(m_dir.path(), 50).isLocked());
        held.reset();
        QVERIFY(FolderLock(m_dir.path(), 50).isLocked());
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
