#include "titlecard/titlefontmapping.h"

#include "shared/cp932.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

class TestTitleFontMapping : public QObject
{
    Q_OBJECT
private slots:
    void resolveFamily_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("japanese");
        QTest::addColumn<QString>("expected");
        const QStringList installed{"DejaVu Sans", "IPAGothic", "IPAMincho", "Droid Sans Fallback"};
        const QStringList japanese{"IPAMincho", "IPAGothic"};
        QTest::newRow("installed") << "IPAMincho" << installed << japanese << "IPAMincho";
        QTest::newRow("case differs") << "dejavu sans" << installed << japanese << "DejaVu Sans";
        QTest::newRow("missing face") << QStringLiteral("ＭＳ ゴシック") << installed << japanese << "IPAGothic";
        QTest::newRow("empty face") << QString() << installed << japanese << "IPAGothic";
        QTest::newRow("no preferred face, any Japanese one")
            << "Nope" << QStringList{"DejaVu Sans", "Some Mincho"} << QStringList{"Some Mincho"} << "Some Mincho";
        QTest::newRow("no Japanese face at all") << "Nope" << QStringList{"DejaVu Sans"} << QStringList() << "Nope";
    }

    void resolveFamily()
    {
        QFETCH(QString, face);
        QFETCH(QStringList, installed);
        QFETCH(QStringList, japanese);
        QTEST(TitleFontMapping::resolveFamily(face, installed, japanese), "expected");
    }

    void fields_data()
    {
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("flags"); // italic 1, underline 2, strike-out 4
        QTest::addColumn<int>("pitchAndFamily");
        QTest::addColumn<int>("quality");
        QTest::addColumn<QList<int>>("expected"); // weight, fixed pitch, style hint, style strategy
        QTest::newRow("defaults") << 0 << 0 << 1 << 0 << QList<int>{QFont::Normal, 1, QFont::AnyStyle, QFont::PreferDefault};
        QTest::newRow("underline, variable swiss") << 400 << 2 << 0x22 << 4 << QList<int>{400, 0, QFont::SansSerif, QFont::PreferAntialias};
        QTest::newRow("strike-out, roman, cleartype") << 100 << 4 << 0x12 << 5 << QList<int>{100, 0, QFont::Serif, QFont::PreferAntialias};
        QTest::newRow("all flags, modern, not antialiased") << 1000 << 7 << 0x31 << 3 << QList<int>{1000, 1, QFont::Monospace, QFont::NoAntialias};
        QTest::newRow("weight beyond range") << 5000 << 1 << 1 << 0 << QList<int>{1000, 1, QFont::AnyStyle, QFont::PreferDefault};
        QTest::newRow("negative weight") << -5 << 0 << 1 << 0 << QList<int>{QFont::Normal, 1, QFont::AnyStyle, QFont::PreferDefault};
    }

    void fields()
    {
        QFETCH(int, weight);
        QFETCH(int, flags);
        QFETCH(int, pitchAndFamily);
        QFETCH(int, quality);
        TitleFont font = defaultTitleFont(Cp932::fromUnicode(QStringLiteral("IPAゴシック")));
        font.lfWeight = weight;
        font.lfItalic = flags & 1;
        font.lfUnderline = (flags >> 1) & 1;
        font.lfStrikeOut = (flags >> 2) & 1;
        font.lfPitchAndFamily = std::uint8_t(pitchAndFamily);
        font.lfQuality = std::uint8_t(quality);
        const QFont q = TitleFontMapping::toQFont(font, {"IPAゴシック"}, {"IPAゴシック"});
        QCOMPARE(q.families(), QStringList{"IPAゴシック"});
        QCOMPARE(QList<bool>({q.italic(), q.underline(), q.strikeOut()}), QList<bool>({bool(flags & 1), bool(flags & 2), bool(flags & 4)}));
        QTEST(QList<int>({q.weight(), q.fixedPitch(), q.styleHint(), q.styleStrategy()}), "expected");
        QCOMPARE(TitleFontMapping::antialiased(font), quality != 3);
    }

    void rotation()
    {
        TitleFont font = defaultTitleFont();
        QCOMPARE(TitleFontMapping::rotationDegrees(font), 0.0);
        font.lfEscapement = 900; // a quarter turn counter-clockwise
        QCOMPARE(TitleFontMapping::rotationDegrees(font), -90.0);
        font.lfEscapement = -450;
        QCOMPARE(TitleFontMapping::rotationDegrees(font), 45.0);
    }

    void missingFaceFallsBackToJapanese()
    {
        if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
            QSKIP("no Japanese font installed");
        // The default face is not installed here; the card must still write Japanese.
        QFont font = TitleFontMapping::toQFont(defaultTitleFont());
        font.setPixelSize(40);
        const QString family = QFontInfo(font).family();
        QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese), qPrintable(family));
    }
};

QTEST_MAIN(TestTitleFontMapping)
#include "test_titlefontmapping.moc"
