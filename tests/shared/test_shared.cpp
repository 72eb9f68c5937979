#include "fakes/fakefacecatalogue.h"
#include "fakes/filebytes.h"
#include "shared/argumentstring.h"
#include "shared/atomicwrite.h"
#include "shared/cp932.h"
#include "shared/facechoice.h"
#include "shared/fileexists.h"
#include "shared/folderlock.h"
#include "shared/inifile.h"
#include "shared/parsedecimal.h"
#include "shared/programfolder.h"
#include "shared/programinfo.h"
#include "shared/programnames.h"
#include "shared/programstarter.h"
#include "shared/regularfile.h"
#include "shared/settingslocation.h"
#include "shared/textencoding.h"

#include <QSettings>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using Status = RegularFile::Status;
using ProgramInfo::Language;
using ProgramInfo::Request;
Q_DECLARE_METATYPE(Request)

// A shell script that writes its arguments, each NUL-terminated, to out
// (renamed there when complete).
static QString writeRecorder(const QString &dir, const QString &name, const QByteArray &out)
{
    const QString script = dir + "/" + name;
    writeAll(script, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"" + out + ".tmp\"\nmv \"" + out
                         + ".tmp\" \"" + out + "\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
    return script;
}

static const auto setMs = [](IniFile &file) { file.setValue("INI", "Ms", "7"); };

// The shared helpers: files, INI text, code page 932, numbers, command
// lines and faces; the real program-start service, the folder lookup, where
// the written settings files go, and --help and --version: which command
// lines ask, in which language the answer comes, and that every built
// program answers without a display.
class TestShared : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QTemporaryDir m_programFolder;
    QTemporaryDir m_configHome;
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

    // Both ways, and the JIS forms Linux input methods type written as the
    // code page's look-alikes, which read back as the code page's own.
    void cp932BothWays_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("own");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("kanji") << "第" << "第" << QByteArray("\x91\xe6");
        QTest::newRow("half-width kana") << "ﾌ" << "ﾌ" << QByteArray("\xcc");
        QTest::newRow("platform extension") << "①" << "①" << QByteArray("\x87\x40");
        QTest::newRow("wave dash") << "〜" << "～" << QByteArray("\x81\x60");
        QTest::newRow("yen") << "¥100" << "￥100" << QByteArray("\x81\x8F" "100");
    }
    void cp932BothWays()
    {
        QFETCH(QString, typed);
        QFETCH(QString, own);
        QTEST(Cp932::fromUnicode(typed), "bytes");
        QTEST(Cp932::fromUnicode(own), "bytes");
        QCOMPARE(Cp932::toUnicode(Cp932::fromUnicode(own)), own);
        QCOMPARE(Cp932::characters(typed).first().text, own.left(1));
    }

    // What a byte-cell layout sees: bytes per character, two for one the
    // code page lacks (0 below), which keeps its own text.
    void characters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("texts"); // separated by '|'
        QTest::addColumn<QList<int>>("bytes");
        QTest::newRow("code page") << "a星ｱ①" << "a|星|ｱ|①" << QList<int>{1, 2, 1, 2};
        QTest::newRow("outside") << "é€한" << "é|€|한" << QList<int>{0, 0, 0};
        QTest::newRow("family emoji is one") << "👨‍👩‍👧" << "👨‍👩‍👧" << QList<int>{0};
    }
    void characters()
    {
        QFETCH(QString, text);
        QStringList texts;
        QList<int> bytes;
        for (const Cp932::Character &c : Cp932::characters(text)) {
            texts << c.text;
            bytes << (c.inCodePage ? c.bytes : 0);
            QCOMPARE(c.bytes, c.inCodePage ? int(Cp932::fromUnicode(c.text).size()) : 2);
        }
        QTEST(texts.join('|'), "texts");
        QTEST(bytes, "bytes");
    }

    // Lead bytes are 0x80..0x9F and 0xE0..0xFF; a cut never splits one
    // from its second byte.
    void cutAtCharBoundary_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kept"); // of the first two
        QTest::newRow("fits") << Cp932::fromUnicode(QStringLiteral("あ")) << 2;
        for (const auto &[byte, lead] : {std::pair{0x7F, false}, {0x80, true}, {0x9F, true}, {0xA0, false},
                                         {0xDF, false}, {0xE0, true}, {0xFF, true}})
            QTest::addRow("after a, byte %X", byte) << QByteArray("a") + char(byte) + "b" << (lead ? 1 : 2);
    }
    void cutAtCharBoundary()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kept);
        QCOMPARE(Cp932::cutAtCharBoundary(bytes, 2), bytes.left(kept));
    }

    // atoi's ways: white space, one sign, digits up to the first other
    // character, 32-bit wrap-around.
    void parseDecimal_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("trailing letters") << QByteArray("12abc") << 12;
        QTest::newRow("white space") << QByteArray(" \t\r\n\v\f42\r\n") << 42;
        QTest::newRow("double sign") << QByteArray("--5") << 0;
        QTest::newRow("unsigned form of -16") << QByteArray("4294967280") << -16;
        QTest::newRow("one past the smallest") << QByteArray("-2147483649") << 2147483647;
    }
    void parseDecimal()
    {
        QFETCH(QByteArray, text);
        QTEST(::parseDecimal(text), "expected");
    }

    // Command-line bytes in either encoding, joined into the one text the
    // programs read: blanks before it skipped, those inside kept.
    void arguments_data()
    {
        QTest::addColumn<QByteArrayList>("argv");
        QTest::addColumn<QString>("text");
        const QString test = QStringLiteral("テスト"), mincho = QStringLiteral("IPA明朝");
        QTest::newRow("none") << QByteArrayList{} << QString();
        QTest::newRow("UTF-8") << QByteArrayList{test.toUtf8()} << test;
        QTest::newRow("code page 932") << QByteArrayList{Cp932::fromUnicode(test)} << test;
        QTest::newRow("UTF-8 that is valid code page 932 too") << QByteArrayList{mincho.toUtf8()} << mincho;
        QTest::newRow("UTF-8 surrogate is not UTF-8") << QByteArrayList{"\xED\xA0\x80"} << QString(3, QChar::ReplacementCharacter);
        QTest::newRow("neither: UTF-8 with replacements") << QByteArrayList{"a\xFF" "b"} << "a\uFFFDb";
        QTest::newRow("kept inner space") << QByteArrayList{"-s", " x"} << "-s  x";
        QTest::newRow("leading blanks skipped") << QByteArrayList{" \t", "5"} << "5";
    }
    void arguments()
    {
        QFETCH(QByteArrayList, argv);
        QFETCH(QString, text);
        std::vector<char *> pointers{const_cast<char *>("program")};
        for (QByteArray &argument : argv)
            pointers.push_back(argument.data());
        QCOMPARE(argumentString(programArguments(int(pointers.size()), pointers.data())), text);
        if (!text.contains(QChar::ReplacementCharacter))
            QCOMPARE(TextEncoding::decode(TextEncoding::encodeLossless(text)), text);
    }

    // The face a card draws with: the stored one by any of its names, else
    // the nearest Japanese face by family and pitch.
    void faceChoice_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("pitchAndFamily");
        QTest::addColumn<QStringList>("installed"); // empty: all of them
        QTest::addColumn<QString>("drawn");
        const QStringList some{"DejaVu Sans", "IPAGothic", "Acme PMincho", "Acme Mincho"};
        QTest::newRow("localized name") << "IPA明朝" << 1 << QStringList() << "IPAMincho";
        QTest::newRow("letter case") << "ipa pゴシック" << 1 << QStringList() << "IPAPGothic";
        QTest::newRow("Mincho by the suite's table") << "ＭＳ 明朝" << 1 << QStringList() << "IPAMincho";
        QTest::newRow("missing, variable pitch") << "Gone" << 2 << QStringList() << "IPAPGothic";
        QTest::newRow("missing, roman family") << "Gone" << 0x11 << QStringList() << "IPAMincho";
        QTest::newRow("Mincho of the same pitch") << "ＭＳ 明朝" << 1 << some << "Acme Mincho";
        QTest::newRow("proportional Mincho") << "ＭＳ Ｐ明朝" << 1 << some << "Acme PMincho";
        QTest::newRow("Mincho of another pitch") << "ＭＳ 明朝" << 1 << QStringList{"IPAGothic", "Acme PMincho"} << "Acme PMincho";
        QTest::newRow("any Japanese face") << "ＭＳ 明朝" << 1 << QStringList{"DejaVu Sans", "IPAGothic"} << "IPAGothic";
        QTest::newRow("nothing Japanese") << "Gone" << 1 << QStringList{"DejaVu Sans"} << "Gone";
    }

    void faceChoice()
    {
        QFETCH(QString, face);
        QFETCH(int, pitchAndFamily);
        QFETCH(QStringList, installed);
        using Face = FakeFaceCatalogue::Face;
        QList<Face> faces;
        for (const Face &f : {Face{{"DejaVu Sans"}, false, false}, Face{{"IPAMincho", "IPA明朝"}, true, true},
                              Face{{"IPAGothic", "IPAゴシック"}, true, true}, Face{{"IPAPGothic", "IPA Pゴシック"}, true, false},
                              Face{{"Acme PMincho"}, true, false}, Face{{"Acme Mincho"}, true, true}})
            if (installed.isEmpty() || installed.contains(f.names.first()))
                faces << f;
        QTEST(FaceChoice::resolve(face, std::uint8_t(pitchAndFamily), FakeFaceCatalogue(faces)), "drawn");
    }

    // Linux refuses to start a program with one argument of 128 KiB or more;
    // the starter cuts it at a character and says so instead of failing.
    void argumentsArrive_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("received"); // bytes of the last argument; -1: all
        const int most = ProcessStarter::kMaxArgumentBytes;
        QTest::newRow("shell syntax, japanese, empty")
            << QStringList{"-s", "a; rm -rf ~ $(touch x) `id` \"q\" \\", QStringLiteral("第3章　,　星"), ""} << -1;
        QTest::newRow("at the limit") << QStringList{"-s", QString(most, 'a')} << most;
        QTest::newRow("four-byte character across the limit")
            << QStringList{"-s", QString(most - 2, 'a') + QStringLiteral("\U0001F600")} << most - 2;
    }
    void argumentsArrive()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, received);
        if (received >= 0 && received < arguments.constLast().toUtf8().size())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("argument 2 cut from \\d+ to \\d+ bytes"));
        QTemporaryDir dir;
        const QString out = dir.filePath("args");
        QVERIFY(ProcessStarter().start(writeRecorder(dir.path(), "recorder", out.toUtf8()), arguments));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
        QByteArray expected;
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QByteArray bytes = arguments[i].toUtf8();
            expected += (i + 1 == arguments.size() && received >= 0 ? bytes.first(received) : bytes) + '\0';
        }
        QCOMPARE(readAll(out), expected);
        QVERIFY(!QFile::exists(dir.filePath("x")));
    }

    // A program in the given folder comes before PATH's; a file counts only
    // when it can be read, without waiting on a pipe.
    void lookupAndPresence()
    {
        QVERIFY(!ProcessStarter().start("/nonexistent/folder/program", {}));
        QVERIFY(!ProcessStarter().start(QString(), {}));
        QTemporaryDir dir, empty;
        const QString local = writeRecorder(dir.path(), "sh", "unused");
        QCOMPARE(findProgram("sh", dir.path()), QFileInfo(local).absoluteFilePath());
        QCOMPARE(findProgram("sh", empty.path()), QStandardPaths::findExecutable("sh"));
        QCOMPARE(findProgram("no-such-program-anywhere", empty.path()), QString());
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
        for (const QString &name : QStringList{"sh", "absent", "", "pipe"})
            QCOMPARE(fileExists(dir.filePath(name)), name == "sh");
    }

    // The build layout and the installed one, told apart by the install
    // marker only.
    void settingsPath_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("besidePrograms"); // else the current directory
        QTest::addColumn<QString>("where");        // "program", "bare" or "user"
        QTest::newRow("build, beside the programs") << false << true << "program";
        QTest::newRow("build, current directory") << false << false << "bare";
        QTest::newRow("installed, beside the programs") << true << true << "user";
        // Root may write anywhere: a folder the user cannot write to is no sign.
        QTest::newRow("read-only folder without the marker") << false << true << "program";
    }
    void settingsPath()
    {
        QFETCH(bool, installed);
        QFETCH(bool, besidePrograms);
        QFETCH(QString, where);
        const QString programs = m_programFolder.path(), marker = programs + "/" + SettingsLocation::installedMarkerName();
        QFile::remove(marker);
        QVERIFY(QDir(m_configHome.path()).removeRecursively() && QDir().mkpath(m_configHome.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
        QVERIFY(!installed || QFile(marker).open(QIODevice::WriteOnly));
        const bool readOnly = QByteArray(QTest::currentDataTag()).startsWith("read-only");
        QVERIFY(!readOnly || QFile::setPermissions(programs, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QString path = SettingsLocation::filePath("x.ini", besidePrograms ? programs : QString(), programs);
        QVERIFY(QFile::setPermissions(programs, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(SettingsLocation::isInstalled(programs), installed);
        const QString userFolder = m_configHome.path() + "/" + SettingsLocation::suiteFolderName();
        QCOMPARE(path, where == "program" ? programs + "/x.ini" : where == "bare" ? "x.ini" : userFolder + "/x.ini");
        // The user's folder exists for a first save, and only when it is used.
        QCOMPARE(QFileInfo(userFolder).isDir(), where == "user");
        QVERIFY(!SettingsLocation::isInstalled(QString()));
    }

    void languageOf_data()
    {
        QTest::addColumn<QStringList>("locale"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<bool>("japanese");
        QTest::newRow("LANG Japanese") << QStringList{"", "", "", "ja_JP.UTF-8"} << true;
        QTest::newRow("LANG other language starting with ja") << QStringList{"", "", "", "jam_JM"} << false;
        QTest::newRow("LC_MESSAGES over LANG") << QStringList{"", "", "ja_JP.UTF-8", "en_US.UTF-8"} << true;
        QTest::newRow("LC_ALL over both") << QStringList{"", "en_GB.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8"} << false;
        QTest::newRow("LANGUAGE ignored in the C locale") << QStringList{"ja", "", "", "C.UTF-8"} << false;
        QTest::newRow("LANGUAGE's first known entry, not the locale")
            << QStringList{"fr:ja:en", "", "", "de_DE.UTF-8"} << true;
        QTest::newRow("LANGUAGE's English before Japanese") << QStringList{"fr:en:ja", "", "", "ja_JP.UTF-8"} << false;
    }
    void languageOf()
    {
        QFETCH(QStringList, locale);
        QTEST(ProgramInfo::languageOf({locale[0], locale[1], locale[2], locale[3]}) == Language::Japanese, "japanese");
    }

    // Only one argument, spelt exactly, asks; a name not of the suite has no text.
    void requestOf_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<Request>("expected");
        QTest::newRow("help") << QByteArrayList{"--help"} << Request::Help;
        QTest::newRow("version") << QByteArrayList{"--version"} << Request::Version;
        QTest::newRow("none") << QByteArrayList{} << Request::None;
        QTest::newRow("help and a text") << QByteArrayList{"--help", "x"} << Request::None;
        QTest::newRow("other case") << QByteArrayList{"--Help"} << Request::None;
    }
    void requestOf()
    {
        QFETCH(QByteArrayList, arguments);
        QTEST(ProgramInfo::requestOf(arguments), "expected");
        QVERIFY(ProgramInfo::text("other", Request::Help, Language::English).isEmpty());
    }

    // The built programs themselves, with no window system to reach: the
    // answer must come before Qt looks for one.
    void builtProgramAnswers_data()
    {
        QTest::addColumn<QString>("program");
        using namespace ProgramNames;
        for (const QString &program : {kTambwin, kTambinit, kVelmo, kVelmoinit, kMirinit, kMirwin, kDastor})
            QTest::newRow(program.toUtf8()) << program;
    }
    void builtProgramAnswers()
    {
        QFETCH(QString, program);
        for (const auto &[option, lang] : {std::pair("--help", "C.UTF-8"), {"--help", "ja_JP.UTF-8"}, {"--version", ""}}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
                env.remove(name);
            env.insert("LANG", lang);
            QProcess process;
            process.setProcessEnvironment(env);
            process.start(qEnvironmentVariable("SUITE_DIR") + '/' + program, {option});
            QVERIFY2(process.waitForFinished(30000), qPrintable(process.errorString()));
            QCOMPARE(QList<int>({process.exitStatus(), process.exitCode()}), QList<int>({QProcess::NormalExit, 0}));
            QCOMPARE(process.readAllStandardError(), QByteArray());
            const QString out = QString::fromUtf8(process.readAllStandardOutput());
            const bool ja = QString(lang).startsWith("ja");
            QCOMPARE(out, ProgramInfo::text(program, ProgramInfo::requestOf({option}), ja ? Language::Japanese : Language::English));
            // Usage in the person's language, or the version line.
            const QString start = QString(option) == "--help" ? (ja ? "使い方: " : "Usage: ") + program
                                                               : program + " (titlecard-suite) " + ProgramInfo::version();
            QVERIFY2(out.startsWith(start), qPrintable(option + QString(" ") + lang + "\n" + out));
        }
    }
};

QTEST_GUILESS_MAIN(TestShared)
#include "test_shared.moc"
