#include "shared/cp932.h"
#include "titlecard_config/episodenames.h"

#include <QtTest>

class TestEpisodeNames : public QObject
{
    Q_OBJECT
private slots:
    void embeddedTable();
    void badFiles_data();
    void badFiles();
};

void TestEpisodeNames::embeddedTable()
{
    const EpisodeNames names = EpisodeNames::load();
    QCOMPARE(names.count(), 45);
    for (int n = 1; n <= 45; ++n) {
        const QString name = names.name(n);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(QString::number(n)));
        QVERIFY2(Cp932::fromUnicode(name).size() <= 38, qPrintable(name));
        QVERIFY2(Cp932::toUnicode(Cp932::fromUnicode(name)) == name, qPrintable(name));
    }
    QVERIFY(names.name(0).isEmpty());
    QVERIFY(names.name(46).isEmpty());
}

void TestEpisodeNames::badFiles_data()
{
    QTest::addColumn<QByteArray>("contents"); // null: no file
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("missing") << QByteArray() << "" << "";
    QTest::newRow("empty") << QByteArray("") << "" << "";
    QTest::newRow("short, CR LF") << QByteArray("one\r\ntwo\r\n") << "one" << "";
    QTest::newRow("binary") << QByteArray("\xff\xfe\x00\x01", 4) << QString::fromUtf8("\xff\xfe\x00\x01", 4) << "";
    QByteArray many;
    for (int i = 1; i <= 100; ++i)
        many += QByteArray::number(i) + "\n";
    QTest::newRow("too many lines") << many << "1" << "45";
    QTest::newRow("huge line") << QByteArray(10 * 1024 * 1024, 'x') << QString(64 * 1024, 'x') << "";
}

void TestEpisodeNames::badFiles()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    QFile file(dir.filePath("names.txt"));
    if (!contents.isNull()) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
    }
    const EpisodeNames names = EpisodeNames::load(file.fileName());
    QCOMPARE(names.count(), 45);
    QTEST(names.name(1), "first");
    QTEST(names.name(45), "last");
}

QTEST_GUILESS_MAIN(TestEpisodeNames)
#include "test_episodenames.moc"
