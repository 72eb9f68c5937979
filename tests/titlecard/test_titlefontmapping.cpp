#include "titlecard/titlefontmapping.h"

#include "shared/cp932.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

class TestTitleFontMapping : public QObject
{
    Q_OBJECT
private slots:
    void resolveFamily_data();
    void resolveFamily();
    void fields_data();
    void fields();
    void rotationAndQuality();
    void missingFaceFallsBackToJapanese();
};

void TestTitleFontMapping::resolveFamily_data()
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

void TestTitleFontMapping::resolveFamily()
{
    QFETCH(QString, face);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, japanese);
    QFETCH(QString, expected);
    QCOMPARE(TitleFontMapping::resolveFamily(face, installed, japanese), expected);
}

void TestTitleFontMapping::fields_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("flags"); // italic 1, underline 2, strike-out 4
    QTest::addColumn<int>("pitchAndFamily");
    QTest::addColumn<int>("expectedWeight");
    QTest::addColumn<bool>("fixedPitch");
    QTest::addColumn<int>("styleHint");
    QTest::newRow("defaults") << 0 << 0 << 1 << int(QFont::Normal) << true << int(QFont::AnyStyle);
    QTest::newRow("bold italic") << 700 << 1 << 1 << 700 << true << int(QFont::AnyStyle);
    QTest::newRow("underline, variable swiss") << 400 << 2 << 0x22 << 400 << false << int(QFont::SansSerif);
    QTest::newRow("strike-out, roman") << 100 << 4 << 0x12 << 100 << false << int(QFont::Serif);
    QTest::newRow("all flags, modern") << 1000 << 7 << 0x31 << 1000 << true << int(QFont::Monospace);
    QTest::newRow("weight beyond range") << 5000 << 0 << 1 << 1000 << true << int(QFont::AnyStyle);
    QTest::newRow("negative weight") << -5 << 0 << 1 << int(QFont::Normal) << true << int(QFont::AnyStyle);
}

void TestTitleFontMapping::fields()
{
    QFETCH(int, weight);
    QFETCH(int, flags);
    QFETCH(int, pitchAndFamily);
    QFETCH(int, expectedWeight);
    QFETCH(bool, fixedPitch);
    QFETCH(int, styleHint);
    TitleFont font = defaultTitleFont(Cp932::fromUnicode(QStringLiteral("IPAゴシック")));
    font.lfWeight = weight;
    font.lfItalic = flags & 1;
    font.lfUnderline = (flags & 2) ? 1 : 0;
    font.lfStrikeOut = (flags & 4) ? 1 : 0;
    font.lfPitchAndFamily = std::uint8_t(pitchAndFamily);
    const QFont q = TitleFontMapping::toQFont(font, {"IPAゴシック"}, {"IPAゴシック"});
    QCOMPARE(q.families(), QStringList{"IPAゴシック"});
    QCOMPARE(int(q.weight()), expectedWeight);
    QCOMPARE(q.italic(), bool(flags & 1));
    QCOMPARE(q.underline(), bool(flags & 2));
    QCOMPARE(q.strikeOut(), bool(flags & 4));
    QCOMPARE(q.fixedPitch(), fixedPitch);
    QCOMPARE(int(q.styleHint()), styleHint);
}

void TestTitleFontMapping::rotationAndQuality()
{
    TitleFont font = defaultTitleFont();
    QCOMPARE(TitleFontMapping::rotationDegrees(font), 0.0);
    font.lfEscapement = 900; // a quarter turn counter-clockwise
    QCOMPARE(TitleFontMapping::rotationDegrees(font), -90.0);
    font.lfEscapement = -450;
    QCOMPARE(TitleFontMapping::rotationDegrees(font), 45.0);

    QVERIFY(TitleFontMapping::antialiased(font));
    font.lfQuality = 3;
    QVERIFY(!TitleFontMapping::antialiased(font));
    QCOMPARE(TitleFontMapping::toQFont(font, {}, {}).styleStrategy(), QFont::NoAntialias);
    font.lfQuality = 4;
    QCOMPARE(TitleFontMapping::toQFont(font, {}, {}).styleStrategy(), QFont::PreferAntialias);
}

void TestTitleFontMapping::missingFaceFallsBackToJapanese()
{
    if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
        QSKIP("no Japanese font installed");
    // The default face is not installed on this platform; the card must still write Japanese.
    QFont font = TitleFontMapping::toQFont(defaultTitleFont());
    font.setPixelSize(40);
    const QString family = QFontInfo(font).family();
    QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese), qPrintable(family));
}

QTEST_MAIN(TestTitleFontMapping)
#include "test_titlefontmapping.moc"
