#include "shared/errorreason.h"
#include "shared/ui/interfacelanguage.h"

#include <QtTest>
#include <QtWidgets>

#include <cerrno>

// The windows' language as the locale variables choose it: Japanese as
// written with Qt's own texts in Japanese, anything else in the suite's
// English with Qt's texts as Qt writes them, German included.
class TestInterfaceLanguage : public QObject
{
    Q_OBJECT

private slots:
    void chosenFromTheLocale_data()
    {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("reason");
        const QString ja = QStringLiteral("ファイルまたはフォルダがありません");
        const QString en = QStringLiteral("No such file or folder");
        QTest::newRow("Japanese") << QByteArray("ja_JP.UTF-8") << QByteArray() << "キャンセル" << ja;
        QTest::newRow("English") << QByteArray("en_GB.UTF-8") << QByteArray() << "Cancel" << en;
        QTest::newRow("German: English") << QByteArray("de_DE.UTF-8") << QByteArray() << "Cancel" << en;
        QTest::newRow("C locale") << QByteArray("C.UTF-8") << QByteArray("ja") << "Cancel" << en;
        QTest::newRow("LANGUAGE first") << QByteArray("de_DE.UTF-8") << QByteArray("fr:ja:en") << "キャンセル" << ja;
    }

    void chosenFromTheLocale()
    {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, language);
        qputenv("LC_ALL", lcAll);
        qputenv("LANGUAGE", language);
        QVERIFY(loadInterfaceTranslation(*qApp, qEnvironmentVariable("SUITE_DIR")));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QTEST(buttons.button(QDialogButtonBox::Cancel)->text(), "cancel");
        QTEST(ErrorReason::fromErrno(ENOENT), "reason");
        qDeleteAll(qApp->findChildren<QTranslator *>()); // each row from none
    }

    // Without the file the windows stay as written, and say so.
    void englishFileMissing()
    {
        qputenv("LC_ALL", "en_US.UTF-8");
        qunsetenv("LANGUAGE");
        QTemporaryDir empty;
        QVERIFY(!loadInterfaceTranslation(*qApp, empty.path()));
        QCOMPARE(ErrorReason::fromErrno(ENOENT), QStringLiteral("ファイルまたはフォルダがありません"));
    }
};

QTEST_MAIN(TestInterfaceLanguage)
#include "test_interfacelanguage.moc"
