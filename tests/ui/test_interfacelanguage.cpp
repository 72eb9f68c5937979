#include "shared/errorreason.h"
#include "shared/ui/interfacelanguage.h"

#include <QtTest>
#include <QtWidgets>

#include <cerrno>

static const QString kNoFileJa = QStringLiteral("ファイルまたはフォルダがありません");

// The windows' language as the locale variables choose it: Japanese as
// written with Qt's own texts in Japanese, anything else in the suite's
// English with Qt's texts as Qt writes them, German included.
class TestInterfaceLanguage : public QObject
{
    Q_OBJECT

private slots:
    // Which language the locale variables choose is ProgramInfo's; here
    // what each choice loads. LANGUAGE's "ja" wins over a German locale.
    void loadedForTheLocale_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<bool>("japanese");
        QTest::newRow("German: English") << QByteArray() << false;
        QTest::newRow("LANGUAGE first: Japanese") << QByteArray("fr:ja:en") << true;
    }
    void loadedForTheLocale()
    {
        QFETCH(QByteArray, language);
        QFETCH(bool, japanese);
        qputenv("LC_ALL", "de_DE.UTF-8");
        qputenv("LANGUAGE", language);
        QVERIFY(loadInterfaceTranslation(*qApp, qEnvironmentVariable("SUITE_DIR")));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), japanese ? QStringLiteral("キャンセル") : "Cancel");
        QCOMPARE(ErrorReason::fromErrno(ENOENT), japanese ? kNoFileJa : QStringLiteral("No such file or folder"));
        qDeleteAll(qApp->findChildren<QTranslator *>()); // each row from none
    }

    // Without the file the windows stay as written, and say so.
    void englishFileMissing()
    {
        qputenv("LC_ALL", "en_US.UTF-8");
        qunsetenv("LANGUAGE");
        QTemporaryDir empty;
        QVERIFY(!loadInterfaceTranslation(*qApp, empty.path()));
        QCOMPARE(ErrorReason::fromErrno(ENOENT), kNoFileJa);
    }
};

QTEST_MAIN(TestInterfaceLanguage)
#include "test_interfacelanguage.moc"
