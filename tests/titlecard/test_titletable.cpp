#include "shared/cp932.h"
#include "titlecard/titletable.h"

#include <QtTest>

// Checks the layout rules every record must follow, because the card
// spreads every field over the same band with one cell per byte.
class TestTitleTable : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fortyFiveRecords();
    void recordOutOfRange_data();
    void recordOutOfRange();
    void layout_data();
    void layout();
    void partMarkersOnOneTwoPartEpisode();
    void episodeNames();

private:
    QList<QByteArray> m_records;
};

static const QByteArray kIdeoSpace = Cp932::fromUnicode(QStringLiteral("\u3000"));

static QList<QByteArray> fieldsOf(const QByteArray &record)
{
    return record.split(',');
}

// Offsets at which characters start, by the lead-byte test.
static QList<int> charStarts(const QByteArray &text)
{
    QList<int> starts;
    for (int i = 0; i < text.size();) {
        starts.append(i);
        i += Cp932::isLeadByte(static_cast<unsigned char>(text.at(i))) ? 2 : 1;
    }
    return starts;
}

static bool isAllIdeoSpaces(const QByteArray &text)
{
    if (text.isEmpty() || text.size() % 2)
        return false;
    for (int i = 0; i < text.size(); i += 2) {
        if (text.mid(i, 2) != kIdeoSpace)
            return false;
    }
    return true;
}

void TestTitleTable::initTestCase()
{
    m_records = TitleTable::records();
}

void TestTitleTable::fortyFiveRecords()
{
    QCOMPARE(m_records.size(), TitleTable::kEpisodeCount);
    QCOMPARE(TitleTable::record(1), m_records.first());
    QCOMPARE(TitleTable::record(45), m_records.last());
    // Round trip: no character of the sources is lost on the way to code page 932.
    for (const QByteArray &record : m_records)
        QCOMPARE(Cp932::fromUnicode(Cp932::toUnicode(record)), record);
}

void TestTitleTable::recordOutOfRange_data()
{
    QTest::addColumn<int>("episode");
    QTest::newRow("0") << 0;
    QTest::newRow("46") << 46;
    QTest::newRow("-1") << -1;
}

void TestTitleTable::recordOutOfRange()
{
    QFETCH(int, episode);
    QVERIFY(TitleTable::record(episode).isEmpty());
}

void TestTitleTable::layout_data()
{
    QTest::addColumn<QByteArray>("record");
    for (int n = 1; n <= TitleTable::kEpisodeCount; ++n)
        QTest::addRow("episode %d", n) << TitleTable::record(n);
}

void TestTitleTable::layout()
{
    QFETCH(QByteArray, record);
    const QList<QByteArray> fields = fieldsOf(record);
    QCOMPARE(fields.size(), 5);
    for (const QByteArray &field : fields)
        QVERIFY(!field.isEmpty());

    const QByteArray &line1 = fields[0];
    const QByteArray &line2 = fields[1];
    const int L = line1.size();
    QVERIFY2(QList<int>({16, 18, 20, 22}).contains(L), QByteArray::number(L));
    QCOMPARE(line2.size(), L);

    // Both lines are whole double-byte characters, so every base character
    // owns exactly two cells.
    for (const QByteArray &line : {line1, line2})
        QCOMPARE(charStarts(line).size(), L / 2);

    // line1 flush left: text, then only padding.
    QVERIFY(line1.left(2) != kIdeoSpace);
    const int firstPad = line1.indexOf(kIdeoSpace);
    if (firstPad >= 0)
        QVERIFY(isAllIdeoSpaces(line1.mid(firstPad)));
    // line2 flush right: at least one padding, then text.
    QCOMPARE(line2.left(2), kIdeoSpace);
    QVERIFY(line2.right(2) != kIdeoSpace);
    int textStart = 0;
    while (line2.mid(textStart, 2) == kIdeoSpace)
        textStart += 2;
    QVERIFY(!line2.mid(textStart).contains(kIdeoSpace));

    for (int r = 0; r < 2; ++r) {
        const QByteArray &base = fields[r];
        const QByteArray &ruby = fields[2 + r];
        if (ruby == " ")
            continue;
        QVERIFY2(ruby.size() == 2 * L || ruby.size() == 3 * L,
                 QByteArray("ruby of ") + QByteArray::number(ruby.size()) + " bytes");
        const int k = ruby.size() / L;
        const QList<int> rubyStarts = charStarts(ruby);
        bool anyReading = false;
        for (int a = 0; a < L; a += 2) {
            const QByteArray slot = ruby.mid(k * a, 2 * k);
            if (base.mid(a, 2) == kIdeoSpace) {
                // Only padding above padding, aligned on the ruby's characters.
                QVERIFY(rubyStarts.contains(k * a));
                QVERIFY2(isAllIdeoSpaces(slot), "reading above padding");
            } else if (!isAllIdeoSpaces(slot)) {
                anyReading = true;
            }
        }
        QVERIFY2(anyReading, "a ruby line without any reading should be a single space");
        // Readings are kana, centred with ASCII spaces only.
        const QString text = Cp932::toUnicode(ruby);
        for (const QChar c : text) {
            const bool kana = (c.unicode() >= 0x3041 && c.unicode() <= 0x30FF);
            QVERIFY2(kana || c == QLatin1Char(' ') || c == QChar(0x3000),
                     qPrintable(QStringLiteral("unexpected %1 in ruby").arg(c)));
        }
    }

    const QByteArray &line3 = fields[4];
    QVERIFY(line3 == " " || line3.size() == 28);
}

void TestTitleTable::partMarkersOnOneTwoPartEpisode()
{
    QList<int> marked;
    for (int i = 0; i < m_records.size(); ++i) {
        if (fieldsOf(m_records[i]).value(4) != " ")
            marked.append(i);
    }
    QCOMPARE(marked.size(), 2);
    QCOMPARE(marked[1], marked[0] + 1);

    const QByteArray dash = Cp932::fromUnicode(QStringLiteral("\u2015"));
    QStringList words;
    for (int i : marked) {
        const QList<QByteArray> fields = fieldsOf(m_records[i]);
        const QByteArray line3 = fields[4];
        QCOMPARE(line3.size(), 28);
        QVERIFY(isAllIdeoSpaces(line3.left(18)));
        QCOMPARE(line3.mid(18, 2), dash);
        QCOMPARE(charStarts(line3.mid(20, 4)).size(), 2); // a two-character word
        QCOMPARE(line3.mid(24, 2), dash);
        QCOMPARE(line3.mid(26), kIdeoSpace);
        words << Cp932::toUnicode(line3.mid(20, 4));
    }
    QVERIFY(words[0] != words[1]);
    // Both parts carry the same title.
    QCOMPARE(fieldsOf(m_records[marked[0]]).mid(0, 4), fieldsOf(m_records[marked[1]]).mid(0, 4));
}

void TestTitleTable::episodeNames()
{
    QFile file(QStringLiteral(":/titlecard/episode_names.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList names = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'),
                                                                        Qt::SkipEmptyParts);
    QCOMPARE(names.size(), TitleTable::kEpisodeCount);
    for (int i = 0; i < names.size(); ++i) {
        const QByteArray name = Cp932::fromUnicode(names[i]);
        QVERIFY2(!name.isEmpty() && name.size() <= 38, qPrintable(names[i]));
        QVERIFY(!name.contains(kIdeoSpace));
        const QList<QByteArray> fields = fieldsOf(m_records[i]);
        const QString title = Cp932::toUnicode(fields[0] + fields[1]).remove(QChar(0x3000));
        QVERIFY2(names[i].startsWith(title), qPrintable(names[i]));
    }
}

QTEST_GUILESS_MAIN(TestTitleTable)
#include "test_titletable.moc"
