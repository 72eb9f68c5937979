#include "second_config/episodetitles.h"
#include "second_config/mirwinsettingsfile.h"
#include "second_config/trialrun.h"
#include "shared/cp932.h"
#include "shared/programnames.h"
#include "shared/programstarter.h"

#include "filebytes.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using File = MirwinSettingsFile::Status;
Q_DECLARE_METATYPE(MirwinSettings)

template <> char *QTest::toString(const MirwinSettings &s)
{
    const QString size = s.size ? QString::number(*s.size) : QStringLiteral("unset");
    return qstrdup(QStringLiteral("{%1, %2, %3, %4}").arg(s.faceName, size).arg(s.vertical).arg(s.horizontal).toUtf8());
}

static MirwinSettings settings(const QString &face, std::optional<int> size, int vertical, int horizontal)
{
    return {face, size, vertical, horizontal};
}

// mirwin.ini as mirinit and velmoinit write and read it, the episode titles,
// and the trial run's arguments on their way into a real process.
class TestMirwinSettings : public QObject
{
    Q_OBJECT
private slots:
    // Settings to the exact bytes of the file, and back to the same settings.
    void writtenForm_data()
    {
        QTest::addColumn<MirwinSettings>("written");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("defaults: 14 bytes") << MirwinSettings() << QByteArray("\r\n\r\n 0 \r\n 0 \r\n");
        const struct { int size; const char *text; } sizes[] = {{1, "+1"}, {0, "0"}, {-1, "-1"}};
        for (const auto &s : sizes)
            QTest::addRow("size %s", s.text)
                << settings({}, s.size, 0, 0) << "\r\n" + QByteArray(s.text) + "\r\n 0 \r\n 0 \r\n";
        QTest::newRow("offsets 100, -100")
            << settings({}, {}, 100, -100) << QByteArray("\r\n\r\n 100 \r\n-100 \r\n");
        const QString japanese = QStringLiteral(" ＭＳ Ｐゴシック  ");
        QTest::newRow("japanese face with spaces")
            << settings(japanese, 12, 0, 0) << Cp932::fromUnicode(japanese) + "\r\n+12\r\n 0 \r\n 0 \r\n";
        // Stored as question marks it would never find its font again.
        const QString hangul = QStringLiteral("나눔고딕 Bold");
        QTest::newRow("face beyond code page 932")
            << settings(hangul, {}, 0, 0) << hangul.toUtf8() + "\r\n\r\n 0 \r\n 0 \r\n";
    }
    void writtenForm()
    {
        QFETCH(MirwinSettings, written);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(MirwinSettingsFile::kFileName);
        QVERIFY(writeAll(path, "an older, longer file\r\nline 2\r\nline 3\r\nline 4\r\nline 5\r\n"));
        QVERIFY(MirwinSettingsFile::write(path, written));
        QCOMPARE(readAll(path), bytes);
        const MirwinSettingsFile::ReadResult back = MirwinSettingsFile::read(path);
        QCOMPARE(back.status, File::Loaded);
        QCOMPARE(back.settings, written);
    }

    // Files from other writers, editors and accidents.
    void readText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<MirwinSettings>("read");
        const MirwinSettings defaults;
        QTest::newRow("empty file") << QByteArray() << defaults;
        QTest::newRow("two lines") << QByteArray("Sans\r\n+5\r\n") << settings("Sans", 5, 0, 0);
        QTest::newRow("empty size line") << QByteArray("F\r\n\r\n 3 \r\n-4 \r\n") << settings("F", {}, 3, -4);
        QTest::newRow("size without sign") << QByteArray("\r\n5\r\n 0 \r\n 0 \r\n") << settings({}, 5, 0, 0);
        QTest::newRow("blanks around numbers")
            << QByteArray("\r\n \t+7 \r\n\t-8\t\r\n   +9\r\n") << settings({}, 7, -8, 9);
        QTest::newRow("not numbers") << QByteArray("\r\n12abc\r\n- 5\r\n+\r\n") << defaults;
        // Each range at both ends, just inside and just beyond.
        const struct { const char *size, *offset; int sizeRead, offsetRead; } ends[] = {
            {"-40", "-101", -39, -100}, {"-39", "-100", -39, -100}, {"+200", "100", 200, 100},
            {"201", " 101 ", 200, 100}, {"-99999999999999999999", "99999999999999999999", -39, 100}};
        for (const auto &e : ends)
            QTest::addRow("size %s, offsets %s", e.size, e.offset)
                << "\r\n" + QByteArray(e.size) + "\r\n" + e.offset + "\r\n" + e.offset + "\r\n"
                << settings({}, e.sizeRead, e.offsetRead, e.offsetRead);
        QTest::newRow("LF line ends") << QByteArray("F\n-2\n 1 \n 2 \n") << settings("F", -2, 1, 2);
        QTest::newRow("lines after the fourth")
            << QByteArray("F\r\n+1\r\n 2 \r\n-3 \r\n+4\r\nmore\r\n") << settings("F", 1, 2, -3);
        const QString face = QStringLiteral("IPAPゴシック");
        QTest::newRow("UTF-8 face") << face.toUtf8() + "\r\n" << settings(face, {}, 0, 0);
        QTest::newRow("UTF-8 face after a BOM") << "\xEF\xBB\xBF" + face.toUtf8() << settings(face, {}, 0, 0);
        QTest::newRow("binary") << QByteArray("\0\xFF\xFE\x81\r\n\x01\x02\r\n\0\0\r\n\xFF", 15)
                                << settings(Cp932::toUnicode(QByteArray("\0\xFF\xFE\x81", 4)), {}, 0, 0);
    }
    void readText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(MirwinSettings, read);
        QCOMPARE(MirwinSettingsFile::parse(bytes), read);
    }

    // What lies at the file's place: nothing, a file, or something that
    // only looks like one (a folder, in update()). A pipe without a writer
    // would block a plain open.
    void readPlaces()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(MirwinSettingsFile::kFileName);
        QCOMPARE(MirwinSettingsFile::read(path).status, File::Missing);
        QCOMPARE(MirwinSettingsFile::read(QString()).status, File::Missing);

        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const MirwinSettingsFile::ReadResult fifo = MirwinSettingsFile::read(path);
        QCOMPARE(fifo.status, File::Unreadable);
        QCOMPARE(fifo.settings, MirwinSettings());
        QVERIFY(QFile::remove(path));

        // Only the head of a huge file is read.
        QByteArray huge = "F\r\n+1\r\n 2 \r\n 3 \r\n";
        huge += QByteArray(64 << 20, 'x');
        QVERIFY(writeAll(path, huge));
        huge.clear();
        QCOMPARE(MirwinSettingsFile::read(path).settings, settings("F", 1, 2, 3));

        if (geteuid() != 0) { // root reads whatever the rights say
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
            QCOMPARE(MirwinSettingsFile::read(path).status, File::Unreadable);
        }
    }

    // A save of changed values against the file as it is now: only the
    // lines of the changed fields are rewritten, each keeping its line end;
    // a file that already holds them is not replaced; what cannot be read
    // is never written over.
    void update_data()
    {
        QTest::addColumn<QByteArray>("before"); // "none", "folder", or "link": a link to `file` elsewhere
        QTest::addColumn<MirwinSettings>("values");
        QTest::addColumn<int>("fields");
        QTest::addColumn<QByteArray>("after"); // "<missing>": no file to read
        using F = MirwinSettingsFile::Field;
        const QByteArray file = "F\r\n+1\r\n 2 \r\n 3 \r\n";
        QTest::newRow("no file: all four") << QByteArray("none") << settings("N", 5, 1, -1) << int(F::Size)
                                           << QByteArray("N\r\n+5\r\n 1 \r\n-1 \r\n");
        QTest::newRow("size only, the rest and extra lines kept")
            << file + "extra\r\n" << settings("N", -39, 0, 0) << int(F::Size)
            << QByteArray("F\r\n-39\r\n 2 \r\n 3 \r\nextra\r\n");
        QTest::newRow("size unset: its line empty") << file << settings("F", {}, 2, 3) << int(F::Size)
                                                  << QByteArray("F\r\n\r\n 2 \r\n 3 \r\n");
        QTest::newRow("LF ends stay LF") << QByteArray("F\n-3\n 4 \n 5") << settings("G", {}, 0, 0)
                                         << int(F::Face | F::Horizontal) << QByteArray("G\n-3\n 4 \n 0 \r\n");
        QTest::newRow("short file: missing lines added") << QByteArray("F") << settings({}, 0, -100, 0)
                                                         << int(F::Vertical) << QByteArray("F\r\n\r\n-100 \r\n");
        QTest::newRow("same values: not replaced") << file << settings("F", 1, 2, 3) << int(F::Face | F::Size) << file;
        QTest::newRow("a folder, nothing changed: left") << QByteArray("folder") << MirwinSettings() << 0
                                                         << QByteArray("<missing>");
        QTest::newRow("a folder, a change: an error") << QByteArray("folder") << MirwinSettings() << int(F::Size)
                                                      << QByteArray("<missing>");
        QTest::newRow("a link: its target changed") << QByteArray("link") << settings("F", 7, 2, 3) << int(F::Size)
                                                    << QByteArray("F\r\n+7\r\n 2 \r\n 3 \r\n");
    }
    void update()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, fields);
        QTemporaryDir dir, elsewhere;
        const QString path = dir.filePath(MirwinSettingsFile::kFileName);
        if (before == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (before == "link")
            QVERIFY(writeAll(elsewhere.filePath("x"), "F\r\n+1\r\n 2 \r\n 3 \r\n") && QFile::link(elsewhere.filePath("x"), path));
        else if (before != "none")
            QVERIFY(writeAll(path, before));
        const QByteArray was = readAll(path);
        struct stat old = {}, now = {};
        ::stat(QFile::encodeName(path).constData(), &old);
        QFETCH(MirwinSettings, values);
        QString error;
        const bool saved = MirwinSettingsFile::update(path, values, MirwinSettingsFile::Fields(fields), &error);
        QCOMPARE(saved, before != "folder" || !fields);
        QCOMPARE(error.isEmpty(), saved);
        QTEST(readAll(path), "after");
        ::stat(QFile::encodeName(path).constData(), &now);
        QCOMPARE(now.st_ino != old.st_ino, readAll(path) != was); // replaced only when it changed
        QCOMPARE(QFileInfo(path).isSymLink(), before == "link");
    }

    // The titles are the lines of the shipped quote file, which is built
    // from the same source; a regenerated or edited file shows up here.
    void episodeTitles()
    {
        const QByteArray quoteFile = readAll(qEnvironmentVariable("SUITE_SOURCE_DIR") + "/resources/viewer/mirelle.vmf");
        QList<QByteArray> lines = quoteFile.split('\n');
        QCOMPARE(lines.takeLast(), QByteArray());
        QCOMPARE(lines.size(), EpisodeTitles::kLast);
        const EpisodeTitles titles = EpisodeTitles::load();
        for (int n = EpisodeTitles::kFirst; n <= EpisodeTitles::kLast; ++n) {
            QVERIFY(lines.at(n - 1).endsWith('\r'));
            QCOMPARE(titles.title(n), Cp932::toUnicode(lines.at(n - 1).chopped(1)));
            // The title alone, 7 to 12 characters: the episode line is made for that.
            QVERIFY2(titles.title(n).size() >= 7 && titles.title(n).size() <= 12, qPrintable(titles.title(n)));
        }
        QCOMPARE(titles.line(74), QStringLiteral("第74話 ") + titles.title(74));
        QCOMPARE(titles.title(75), QString());
    }

    // The longest free text a text field holds, in characters that take four
    // bytes each, reaches mirwin as one argument, byte for byte.
    void freeTextReachesMirwin()
    {
        QTemporaryDir folder;
        const QString out = folder.filePath("args");
        QFile script(folder.filePath(ProgramNames::kMirwin));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s' \"$#:$1\" > \"$0.tmp\" && mv \"$0.tmp\" \"" + out.toUtf8() + "\"\n");
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));

        QString text;
        while (text.size() < 32767 - 1)
            text += QStringLiteral("😀");
        text += QLatin1Char(' ');
        ProcessStarter starter;
        QVERIFY(TrialRun(starter, folder.path()).start(TrialRun::Mode::FreeText, 1, text));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
        QCOMPARE(readAll(out), "1:" + text.toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestMirwinSettings)
#include "test_mirwinsettings.moc"
