#include "shared/argumentstring.h"
#include "shared/facechoice.h"
#include "fakes/fakefacecatalogue.h"
#include "shared/cp932.h"
#include "shared/parsedecimal.h"
#include "shared/textencoding.h"

#include <QtTest>

class TestSharedText : public QObject
{
    Q_OBJECT
private slots:
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
};

QTEST_GUILESS_MAIN(TestSharedText)
#include "test_sharedtext.moc"
