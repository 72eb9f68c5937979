#include "second_card/mirwinlayout.h"
#include "second_card/mirwintitle.h"
#include "second_config/episodetitles.h"
#include "shared/argumentstring.h"
#include "shared/cp932.h"
#include "third_card/dastortitle.h"

#include <QtTest>

Q_DECLARE_METATYPE(CardText)

namespace QTest {
template <> char *toString(const CardText &t)
{
    return qstrdup(("{" + t.heading + " | " + t.title + "}").toUtf8());
}
} // namespace QTest

static const QString kIdeoSpace(QChar(0x3000));

class TestCardTexts : public QObject
{
    Q_OBJECT
private slots:
    void mirwinCommandLine_data()
    {
        const EpisodeTitles titles = EpisodeTitles::load();
        const auto episode = [&](int n) { return CardText{QStringLiteral("第%1話").arg(n), titles.title(n)}; };
        const auto text = [](const QString &heading, const QString &title) { return CardText{heading, title}; };
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<double>("random");
        QTest::addColumn<CardText>("expected");
        QTest::newRow("none: random, lowest draw") << QStringList() << 0.0 << episode(1);
        QTest::newRow("none: random, highest draw") << QStringList() << 0.99999 << episode(74);
        QTest::newRow("blanks only: random") << QStringList{" " + kIdeoSpace + "\t"} << 0.0 << episode(1);
        QTest::newRow("number") << QStringList{"12"} << 0.0 << episode(12);
        QTest::newRow("last episode") << QStringList{"74"} << 0.0 << episode(74);
        QTest::newRow("number with blanks and zeros") << QStringList{kIdeoSpace + "007 "} << 0.0 << episode(7);
        for (const QString n : {"75", "0", "+5", "-3", "12abc", "１２", "99999999999999999999"})
            QTest::newRow(qPrintable("not an episode: " + n)) << QStringList{n} << 0.0 << text("", n);
        QTest::newRow("extra arguments are one text") << QStringList{"12", "13"} << 0.0 << text("", "12 13");
        QTest::newRow("velmo's label and quote")
            << QStringList{"第12章" + QString(10, QChar(0x3000)) + "," + kIdeoSpace + "星は遠くても" + kIdeoSpace}
            << 0.0 << text("第12章", "星は遠くても");
        QTest::newRow("first comma only") << QStringList{"a,b,c"} << 0.0 << text("a", "b,c");
        QTest::newRow("heading only") << QStringList{"a,"} << 0.0 << text("a", "");
        QTest::newRow("control characters") << QStringList{"a\nb\tc\r"} << 0.0 << text("", "a b c");
        QTest::newRow("a quote that is a number, after a label") << QStringList{"第3話,12"} << 0.0 << text("第3話", "12");
    }

    void mirwinCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(double, random);
        QTEST(MirwinTitle::decide(arguments, EpisodeTitles::load(), random), "expected");
    }

    void longAndBrokenTextsAreCut()
    {
        // A line is cut at a character, never inside a surrogate pair, and
        // bytes that are not UTF-8 still give a text.
        const QString wide = QString(300, QChar(0x661F));
        const QString pairs = QString::fromUcs4(U"\U00020BB7").repeated(300);
        char raw[] = "\xff\xfe\xc3,\x80";
        char *argv[] = {const_cast<char *>("mirwin"), raw};
        const EpisodeTitles titles = EpisodeTitles::load();
        for (const QStringList &arguments : {QStringList{wide}, QStringList{pairs}, programArguments(2, argv)}) {
            const CardText t = MirwinTitle::decide(arguments, titles, 0);
            QVERIFY(t.title.size() <= CardTexts::kMaxLineLength && !t.title.isEmpty() && t.title.isValidUtf16());
        }
    }

    void dastorCommandLine_data()
    {
        QTest::addColumn<QByteArray>("quoteFile"); // "<none>": no file; "<dir>": a folder by its name
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<double>("random");
        QTest::addColumn<CardText>("expected");
        const QByteArray sjis = Cp932::fromUnicode("砂の街\r\n錆びた歯車\r\n風の道\r\n");
        const CardText series{"", "ダストル"};
        QTest::newRow("first line") << sjis << QStringList() << 0.0 << CardText{"第1話", "砂の街"};
        QTest::newRow("last line") << sjis << QStringList() << 0.9999 << CardText{"第3話", "風の道"};
        QTest::newRow("empty argument: a line") << sjis << QStringList{""} << 0.5 << CardText{"第2話", "錆びた歯車"};
        QTest::newRow("UTF-8 file") << QByteArray("一\n二") << QStringList() << 0.9 << CardText{"第2話", "二"};
        QTest::newRow("text") << sjis << QStringList{"第9話", "砂,嵐"} << 0.0 << CardText{"第9話 砂", "嵐"};
        QTest::newRow("blank line chosen") << QByteArray("a\r\n　\r\n") << QStringList() << 0.9 << series;
        QTest::newRow("missing file") << QByteArray("<none>") << QStringList() << 0.0 << series;
        QTest::newRow("folder") << QByteArray("<dir>") << QStringList() << 0.0 << series;
        QTest::newRow("empty file") << QByteArray() << QStringList() << 0.0 << series;
        QTest::newRow("NUL bytes") << QByteArray("a\0b", 3) << QStringList() << 0.0 << series;
        QTest::newRow("too large") << QByteArray(DastorTitle::kMaxQuoteFileBytes + 1, 'a') << QStringList() << 0.0 << series;
    }

    void dastorCommandLine()
    {
        QFETCH(QByteArray, quoteFile);
        QFETCH(QStringList, arguments);
        QFETCH(double, random);
        QTemporaryDir dir;
        const QString path = dir.filePath("dastor.vmf");
        if (quoteFile == "<dir>") {
            QVERIFY(QDir(dir.path()).mkdir("dastor.vmf"));
        } else if (quoteFile != "<none>") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(quoteFile) == quoteFile.size());
        }
        QTEST(DastorTitle::decide(arguments, path, random), "expected");
    }

    void mirwinTextStaysInItsArea_data()
    {
        QTest::addColumn<int>("vertical");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<QPointF>("expected"); // a 100 x 50 block in a 1000 x 500 area at (40, 30)
        QTest::newRow("middle") << 0 << 0 << QPointF(490, 255);
        QTest::newRow("top right") << 100 << 100 << QPointF(940, 30);
        QTest::newRow("bottom left") << -100 << -100 << QPointF(40, 480);
        QTest::newRow("beyond the ends") << 32767 << -32768 << QPointF(40, 30);
    }

    void mirwinTextStaysInItsArea()
    {
        QFETCH(int, vertical);
        QFETCH(int, horizontal);
        QTEST(MirwinLayout::blockPosition({100, 50}, {40, 30, 1000, 500}, vertical, horizontal), "expected");
        // A block larger than the area stays at its top left, never beyond.
        QCOMPARE(MirwinLayout::blockPosition({2000, 900}, {40, 30, 1000, 500}, vertical, horizontal), QPointF(40, 30));
    }
};

QTEST_GUILESS_MAIN(TestCardTexts)
#include "test_cardtexts.moc"
