#include "fakes/filebytes.h"
#include "second_config/mirwinsettingsfile.h"
#include "shared/cp932.h"

#include <QtTest>

Q_DECLARE_METATYPE(MirwinSettings)

template <> char *QTest::toString(const MirwinSettings &s)
{
    const QString size = s.size ? QString::number(*s.size) : QStringLiteral("unset");
    return qstrdup(QStringLiteral("{%1, %2, %3, %4}").arg(s.faceName, size).arg(s.vertical).arg(s.horizontal).toUtf8());
}

using S = MirwinSettings;

// mirwin.ini as mirinit and velmoinit write and read it.
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
                << S{{}, s.size, 0, 0} << "\r\n" + QByteArray(s.text) + "\r\n 0 \r\n 0 \r\n";
        QTest::newRow("offsets 100, -100")
            << S{{}, {}, 100, -100} << QByteArray("\r\n\r\n 100 \r\n-100 \r\n");
        const QString japanese = QStringLiteral(" ＭＳ Ｐゴシック  ");
        QTest::newRow("japanese face with spaces")
            << S{japanese, 12, 0, 0} << Cp932::fromUnicode(japanese) + "\r\n+12\r\n 0 \r\n 0 \r\n";
        // Stored as question marks it would never find its font again.
        const QString hangul = QStringLiteral("나눔고딕 Bold");
        QTest::newRow("face beyond code page 932")
            << S{hangul, {}, 0, 0} << hangul.toUtf8() + "\r\n\r\n 0 \r\n 0 \r\n";
    }
    void writtenForm()
    {
        QFETCH(MirwinSettings, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(MirwinSettingsFile::kFileName);
        QVERIFY(writeAll(path, "an older, longer file\r\nline 2\r\nline 3\r\nline 4\r\nline 5\r\n"));
        QVERIFY(MirwinSettingsFile::write(path, written));
        QTEST(readAll(path), "bytes");
        QCOMPARE(MirwinSettingsFile::read(path).settings, written);
    }

    // Files from other writers, editors and accidents.
    void readText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<MirwinSettings>("read");
        const MirwinSettings defaults;
        QTest::newRow("empty file") << QByteArray() << defaults;
        QTest::newRow("two lines") << QByteArray("Sans\r\n+5\r\n") << S{"Sans", 5, 0, 0};
        QTest::newRow("empty size line") << QByteArray("F\r\n\r\n 3 \r\n-4 \r\n") << S{"F", {}, 3, -4};
        QTest::newRow("blanks around numbers")
            << QByteArray("\r\n \t+7 \r\n\t-8\t\r\n   +9\r\n") << S{{}, 7, -8, 9};
        QTest::newRow("not numbers") << QByteArray("\r\n12abc\r\n- 5\r\n+\r\n") << defaults;
        // Each range at both ends, just inside and just beyond.
        const struct { const char *size, *offset; int sizeRead, offsetRead; } ends[] = {
            {"-40", "-101", -39, -100}, {"-39", "-100", -39, -100}, {"+200", "100", 200, 100},
            {"201", " 101 ", 200, 100}, {"-99999999999999999999", "99999999999999999999", -39, 100}};
        for (const auto &e : ends)
            QTest::addRow("size %s, offsets %s", e.size, e.offset)
                << "\r\n" + QByteArray(e.size) + "\r\n" + e.offset + "\r\n" + e.offset + "\r\n"
                << S{{}, e.sizeRead, e.offsetRead, e.offsetRead};
        QTest::newRow("LF line ends") << QByteArray("F\n-2\n 1 \n 2 \n") << S{"F", -2, 1, 2};
        QTest::newRow("lines after the fourth")
            << QByteArray("F\r\n+1\r\n 2 \r\n-3 \r\n+4\r\nmore\r\n") << S{"F", 1, 2, -3};
        const QString face = QStringLiteral("IPAPゴシック");
        QTest::newRow("UTF-8 face after a BOM") << "\xEF\xBB\xBF" + face.toUtf8() << S{face, {}, 0, 0};
        QTest::newRow("binary") << QByteArray("\0\xFF\xFE\x81\r\n\x01\x02\r\n\0\0\r\n\xFF", 15)
                                << S{Cp932::toUnicode(QByteArray("\0\xFF\xFE\x81", 4)), {}, 0, 0};
    }
    void readText()
    {
        QFETCH(QByteArray, bytes);
        QTEST(MirwinSettingsFile::parse(bytes), "read");
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
        QTest::newRow("no file: all four") << QByteArray("none") << S{"N", 5, 1, -1} << int(F::Size)
                                           << QByteArray("N\r\n+5\r\n 1 \r\n-1 \r\n");
        QTest::newRow("size only, the rest and extra lines kept")
            << file + "extra\r\n" << S{"N", -39, 0, 0} << int(F::Size)
            << QByteArray("F\r\n-39\r\n 2 \r\n 3 \r\nextra\r\n");
        QTest::newRow("size unset: its line empty") << file << S{"F", {}, 2, 3} << int(F::Size)
                                                  << QByteArray("F\r\n\r\n 2 \r\n 3 \r\n");
        QTest::newRow("LF ends stay LF") << QByteArray("F\n-3\n 4 \n 5") << S{"G", {}, 0, 0}
                                         << int(F::Face | F::Horizontal) << QByteArray("G\n-3\n 4 \n 0 \r\n");
        QTest::newRow("short file: missing lines added") << QByteArray("F") << S{{}, 0, -100, 0}
                                                         << int(F::Vertical) << QByteArray("F\r\n\r\n-100 \r\n");
        QTest::newRow("same values: not replaced") << file << S{"F", 1, 2, 3} << int(F::Face | F::Size) << file;
        QTest::newRow("a folder, nothing changed: left") << QByteArray("folder") << MirwinSettings() << 0
                                                         << QByteArray("<missing>");
        QTest::newRow("a folder, a change: an error") << QByteArray("folder") << MirwinSettings() << int(F::Size)
                                                      << QByteArray("<missing>");
        QTest::newRow("a link: its target changed") << QByteArray("link") << S{"F", 7, 2, 3} << int(F::Size)
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
};

QTEST_GUILESS_MAIN(TestMirwinSettings)
#include "test_mirwinsettings.moc"
