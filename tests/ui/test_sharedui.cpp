#include "fakes/modaldialog.h"
#include "shared/errorreason.h"
#include "shared/ui/interfacelanguage.h"
#include "shared/ui/messagebox.h"
#include "shared/ui/singlewindow.h"

#include <QtTest>
#include <QtWidgets>

#include <cerrno>
#include <future>
#include <optional>

static const QString kNoFileJa = QStringLiteral("ファイルまたはフォルダがありません");

// The windows' common parts: the message box as a person sees it, the
// second start of a configuration program, and the windows' language.
class TestSharedUi : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("window"); }

private slots:
    // The box's whole title in the title bar beside the bar's buttons (up
    // to a width any screen holds), and a huge text cut.
    void shown_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("shownChars");
        QTest::newRow("title longer than the text") << "Tsukikage Mirelle - Episode 5" << "「短い」" << 4;
        QTest::newRow("title beyond any screen") << QString(300, 'W') << "x" << 1;
        QTest::newRow("a megabyte of text") << "t" << QString(1 << 20, 'x') << QtMessageBoxService::kMaxShownChars + 1;
    }
    void shown()
    {
        QFETCH(QString, title);
        QFETCH(QString, text);
        int width = 0;
        QString shownText;
        whenDialogShows([&](QDialog *box) {
            width = box->width();
            shownText = static_cast<QMessageBox *>(box)->text();
            box->accept();
        });
        QtMessageBoxService().show(text, title, false);
        QFont bold = QApplication::font();
        bold.setBold(true);
        const QFontMetrics bar(bold); // the title, and about four glyphs' room for the bar's icon and buttons
        QVERIFY2(width >= qMin(bar.horizontalAdvance(title) + 4 * bar.height(), 600), qPrintable(QString::number(width)));
        QTEST(int(shownText.size()), "shownChars");
    }

    // A second start raises the open window and ends, or opens its own when
    // none is open. It blocks, as a starting program does, so it runs on a
    // thread of its own while the test's loop answers for the first.
    void secondStart_data()
    {
        QTest::addColumn<QString>("first");  // what the first start left
        QTest::addColumn<int>("exitCode");   // of the second; -1: it opens its window
        QTest::addColumn<bool>("raised"); // the open window comes to the front
        QTest::newRow("window open") << "open" << 0 << true;
        QTest::newRow("window closed") << "ended" << -1 << false;
        QTest::newRow("hung before listening") << "lock only" << 1 << false;
    }
    void secondStart()
    {
        QFETCH(QString, first);
        QWidget window;
        InstanceLock lockOnly(path() + ".lock");
        std::optional<SingleWindow> open;
        if (first == "lock only") {
            QCOMPARE(lockOnly.take(), InstanceLock::State::Held);
        } else {
            open.emplace(path());
            QVERIFY(!open->settle().has_value());
            open->setWindow(&window);
        }
        if (first == "ended")
            open.reset();
        std::future<int> second =
            std::async(std::launch::async, [&] { return SingleWindow(path()).settle(300).value_or(-1); });
        QTRY_VERIFY_WITH_TIMEOUT(second.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 20000);
        QTEST(second.get(), "exitCode");
        QTEST(window.isVisible(), "raised");
    }

    // Which language the locale variables choose is ProgramInfo's; here
    // what each choice loads: Japanese with Qt's own texts in Japanese, else
    // the suite's English. LANGUAGE's "ja" wins over a German locale.
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

QTEST_MAIN(TestSharedUi)
#include "test_sharedui.moc"
