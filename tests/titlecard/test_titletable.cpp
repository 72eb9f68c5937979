#include "shared/cp932.h"
#include "titlecard/titletable.h"

#include <QRegularExpression>
#include <QtTest>

// The layout rules every record must follow: the card spreads every field
// over the same band with one cell per byte.
static const QByteArray kIdeoSpace = Cp932::fromUnicode(QStringLiteral("\u3000"));

// Offsets at which characters start, by the lead-byte test.
static QList<int> charStarts(const QByteArray &text)
{
    QList<int> starts;
    for (int i = 0; i < text.size(); i += Cp932::isLeadByte(uchar(text.at(i))) ? 2 : 1)
        starts.append(i);
    return starts;
}

class TestTitleTable : public QObject
{
    Q_OBJECT
    const QList<QByteArray> m_records = TitleTable::records();

private slots:
    void records()
    {
        QCOMPARE(m_records.size(), 45);
        QCOMPARE(TitleTable::record(1), m_records.first());
        QCOMPARE(TitleTable::record(45), m_records.last());
        for (int episode : {0, 46, -1})
            QVERIFY(TitleTable::record(episode).isEmpty());
        // No character of the sources is lost on the way to code page 932.
        for (const QByteArray &record : m_records)
            QCOMPARE(Cp932::fromUnicode(Cp932::toUnicode(record)), record);
    }

    void layout_data()
    {
        QTest::addColumn<QByteArray>("record");
        for (int n = 1; n <= 45; ++n)
            QTest::addRow("episode %d", n) << TitleTable::record(n);
    }

    void layout()
    {
        QFETCH(QByteArray, record);
        const QList<QByteArray> fields = record.split(',');
        QCOMPARE(fields.size(), 5);
        QVERIFY(!fields.contains(QByteArray()));
        const int L = fields[0].size();
        QVERIFY2(QList<int>({16, 18, 20, 22}).contains(L), QByteArray::number(L));
        QCOMPARE(fields[1].size(), L);
        for (int r = 0; r < 2; ++r) {
            // Whole double-byte characters: every base character owns two cells.
            QCOMPARE(charStarts(fields[r]).size(), L / 2);
            // A reading is a single space, or kana (padded with spaces) over 2 or 3 cells per base cell.
            const QByteArray &ruby = fields[2 + r];
            if (ruby == " ")
                continue;
            QVERIFY2(ruby.size() == 2 * L || ruby.size() == 3 * L, QByteArray::number(ruby.size()));
            const QString text = Cp932::toUnicode(ruby);
            QVERIFY2(QRegularExpression("^[ \\x{3000}\\x{3041}-\\x{30FF}]*$").match(text).hasMatch()
                         && text.contains(QRegularExpression("[\\x{3041}-\\x{30FF}]")), qPrintable(text));
        }
        // line1 flush left, line2 flush right behind at least one padding.
        QVERIFY(!fields[0].startsWith(kIdeoSpace) && fields[1].startsWith(kIdeoSpace) && !fields[1].endsWith(kIdeoSpace));
        QVERIFY(fields[4] == " " || fields[4].size() == 28);
    }

    void partMarkersOnOneTwoPartEpisode()
    {
        QList<int> marked;
        for (int i = 0; i < m_records.size(); ++i)
            if (m_records[i].split(',').value(4) != " ")
                marked.append(i);
        QCOMPARE(marked.size(), 2);
        QCOMPARE(marked[1], marked[0] + 1);
        // Padding, then a two-character word between dashes.
        const QByteArray dash = Cp932::fromUnicode(QStringLiteral("\u2015"));
        QList<QByteArray> words;
        for (int i : marked) {
            const QByteArray line3 = m_records[i].split(',')[4];
            QCOMPARE(line3, kIdeoSpace.repeated(9) + dash + line3.mid(20, 4) + dash + kIdeoSpace);
            QCOMPARE(charStarts(line3.mid(20, 4)).size(), 2);
            words << line3.mid(20, 4);
        }
        QVERIFY(words[0] != words[1]);
        // Both parts carry the same title.
        QCOMPARE(m_records[marked[0]].split(',').mid(0, 4), m_records[marked[1]].split(',').mid(0, 4));
    }

    void episodeNames()
    {
        QFile file(QStringLiteral(":/titlecard/episode_names.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList names = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(names.size(), 45);
        for (int i = 0; i < names.size(); ++i) {
            const QByteArray name = Cp932::fromUnicode(names[i]);
            QVERIFY2(!name.isEmpty() && name.size() <= 38 && !name.contains(kIdeoSpace), qPrintable(names[i]));
            const QList<QByteArray> fields = m_records[i].split(',');
            QVERIFY2(names[i].startsWith(Cp932::toUnicode(fields[0] + fields[1]).remove(QChar(0x3000))), qPrintable(names[i]));
        }
    }
};

QTEST_GUILESS_MAIN(TestTitleTable)
#include "test_titletable.moc"
