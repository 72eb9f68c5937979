#include "fakes/scripteddialogbinding.h"
#include "widgets/commondlg.h"
#include "widgets/qtcommondlgbinding.h"

#include <QtTest>
#include <QtWidgets>

using Answer = CommonDlgBinding::FileAnswer;
static const QChar NUL(0);

// Runs one of the wrapper's operations by the name of its kind.
static void run(CommonDlg &dlg, const QString &operation)
{
    const QHash<QString, void (CommonDlg::*)()> operations = {
        {"open", &CommonDlg::showOpen},
        {"color", &CommonDlg::showColor},
        {"font", &CommonDlg::showFont},
        {"print", &CommonDlg::showPrinter},
    };
    (dlg.*operations.value(operation))();
}

// Answers the next modal dialog the moment it is up.
static void whenDialogShows(std::function<void(QDialog *)> answer)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

// Stands in for the desktop's viewer of local files.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

// The wrapper against scripted dialogs: what each dialog is given, and
// what the properties say afterwards.
class TestCommonDlg : public QObject
{
    Q_OBJECT
    ScriptedDialogBinding m_dialogs;
    QTemporaryDir m_dir;

private slots:
    void init() { m_dialogs = ScriptedDialogBinding(); }

    // A fresh instance's file dialog; the name is cut to the 255-character buffer.
    void freshInstanceOffersAllFiles()
    {
        CommonDlg dlg(m_dialogs);
        QCOMPARE(dlg.filter(), QString());
        dlg.setFileName(QString(300, 'x'));
        dlg.showOpen();
        const auto &request = m_dialogs.fileRequests.first();
        QCOMPARE(request.platformFilter, QString("All Files (*.*)") + NUL + "*.*" + NUL);
        QCOMPARE(std::tuple(request.title, request.initDir, request.maxFileSize),
                 std::tuple(QString("Open File"), QDir::currentPath(), 255));
        QCOMPARE(request.fileName, QString(254, 'x'));
    }

    void filterBecomesPlatformFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("platform");
        QTest::newRow("two pairs") << "A|*.a|B|*.b" << QString("A%1*.a%1B%1*.b%1").arg(NUL);
        QTest::newRow("ends in bar") << "A|*.a|" << QString("A%1*.a%1").arg(NUL);
    }
    void filterBecomesPlatformFilter()
    {
        QFETCH(QString, filter);
        CommonDlg dlg(m_dialogs);
        dlg.setFilter(filter);
        dlg.showSave();
        QCOMPARE(dlg.filter(), filter);
        QTEST(m_dialogs.fileRequests.first().platformFilter, "platform");
        QVERIFY(m_dialogs.fileRequests.first().save);
    }

    // The chosen names come back whole, or the dialog fails as too small.
    void chosenFilesFillTheBuffer_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("maxFileSize");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("errNumber");
        QTest::newRow("several") << QStringList{"/d/a", "/d/b"} << 255 << QString("/d%1a%1b").arg(NUL) << 0;
        QTest::newRow("one fits exactly") << QStringList{"/d/a.txt"} << 9 << "/d/a.txt" << 0;
        QTest::newRow("one too long") << QStringList{"/d/a.txt"} << 8 << "kept" << 0x3003;
        QTest::newRow("several too long") << QStringList{"/d/a", "/d/b"} << 7 << "kept" << 0x3003;
    }
    void chosenFilesFillTheBuffer()
    {
        QFETCH(QStringList, files);
        QFETCH(int, maxFileSize);
        QFETCH(QString, fileName);
        QFETCH(int, errNumber);
        CommonDlg dlg(m_dialogs);
        dlg.setFileName("kept");
        dlg.setMaxFileSize(maxFileSize);
        m_dialogs.fileAnswer = Answer{1, 0, files, 2};
        dlg.showOpen();
        QCOMPARE(dlg.fileName(), fileName);
        QCOMPARE(dlg.errNumber(), errNumber);
        QCOMPARE(dlg.lastResult(), errNumber ? 0 : 1);
        QCOMPARE(dlg.filterIndex(), errNumber ? 0 : 2);
        if (errNumber)
            QCOMPARE(dlg.errDescription(), QString("メンバ lpstrFile が指すバッファが小さすぎます。"));
        else
            QCOMPARE(dlg.fileTitle(), QFileInfo(files.first()).fileName());
    }

    void cancelIsReportedPerOperation_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("cancelError");
        QTest::addColumn<bool>("cancelButton");
        QTest::addColumn<QString>("fileName");
        for (bool on : {false, true}) {
            const char *suffix = on ? " with CancelError" : "";
            QTest::addRow("open%s", suffix) << "open" << on << on << (on ? "" : "a.txt");
            QTest::addRow("color%s", suffix) << "color" << on << true << "a.txt";
            QTest::addRow("print%s", suffix) << "print" << on << on << "a.txt";
            QTest::addRow("font%s", suffix) << "font" << on << true << "a.txt";
        }
    }
    void cancelIsReportedPerOperation()
    {
        QFETCH(QString, operation);
        QFETCH(bool, cancelError);
        QFETCH(bool, cancelButton);
        QFETCH(QString, fileName);
        CommonDlg dlg(m_dialogs);
        dlg.setFileName("a.txt");
        dlg.setCancelError(cancelError);
        run(dlg, operation);
        QCOMPARE(dlg.cancelButton(), cancelButton);
        QCOMPARE(dlg.fileName(), fileName);
        QCOMPARE(dlg.errNumber(), 0);
        // Only a successful font dialog sets it back.
        m_dialogs.fileAnswer = Answer{1, 0, {"/d/b"}, 1};
        m_dialogs.colorAnswer.result = m_dialogs.printAnswer.result = m_dialogs.fontAnswer.result = 1;
        run(dlg, operation);
        QCOMPARE(dlg.cancelButton(), operation == "font" ? false : cancelButton);
    }

    // Sizes in points through the owner's 96 pixels per inch, halves to even.
    void chosenFont_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<bool>("bold");
        QTest::newRow("14 px is 10.5 pt") << 14 << 0.0 << 700 << 10 << true;
        QTest::newRow("18 px is 13.5 pt") << 18 << 0.0 << 500 << 14 << true;
        QTest::newRow("10.5 pt chosen") << 0 << 10.5 << 400 << 10 << false;
    }
    void chosenFont()
    {
        QFETCH(int, pixels);
        QFETCH(double, points);
        QFETCH(int, weight);
        QWidget owner;
        QCOMPARE(owner.logicalDpiY(), 96);
        QFont chosen("IPAGothic");
        pixels ? chosen.setPixelSize(pixels) : chosen.setPointSizeF(points);
        chosen.setWeight(QFont::Weight(weight));
        chosen.setItalic(true);
        chosen.setUnderline(true);
        m_dialogs.fontAnswer = {1, 0, chosen, QColor(0x11, 0x22, 0x33)};
        CommonDlg dlg(m_dialogs);
        dlg.setForm(&owner);
        dlg.showFont();
        QCOMPARE(dlg.fontName(), QString("IPAGothic"));
        QTEST(dlg.fontSize(), "fontSize");
        QTEST(dlg.fontBold(), "bold");
        QVERIFY(dlg.fontItalic() && dlg.fontUnderline() && !dlg.fontStrikethru());
        QCOMPARE(dlg.color(), 0x332211u);
    }

    // The owner's font and the wrapper's properties make the dialog's start
    // font; a cancel clears the properties and leaves the owner as it was.
    void fontDialogStartsAtPropertiesAndCancelClearsThem()
    {
        QWidget owner;
        QFont ownerFont("DejaVu Sans");
        ownerFont.setPointSizeF(10.5);
        ownerFont.setBold(true);
        owner.setFont(ownerFont);
        QPalette palette = owner.palette();
        palette.setColor(QPalette::WindowText, Qt::darkGreen);
        owner.setPalette(palette);

        CommonDlg dlg(m_dialogs);
        dlg.setForm(&owner);
        QCOMPARE(dlg.fontName(), QString("DejaVu Sans"));
        QCOMPARE(dlg.fontSize(), 10);
        QVERIFY(dlg.fontBold());
        dlg.setFontName("IPAGothic");
        dlg.setFlags(CommonDlgFlags::ScreenFonts);
        dlg.setColor(0x0000FF);
        dlg.setMin(8);
        dlg.setMax(20);
        m_dialogs.fontAnswer.extendedError = CommonDlgErrors::NoFonts;
        dlg.showFont();

        const auto &request = m_dialogs.fontRequests.first();
        QCOMPARE(request.font.family(), QString("IPAGothic"));
        QCOMPARE(request.font.pointSize(), 10);
        QVERIFY(request.font.bold());
        QCOMPARE(request.flags, CommonDlgFlags::ScreenFonts | CommonDlgFlags::InitToLogFontStruct);
        QCOMPARE(request.color, QColor(Qt::red));
        QCOMPARE(std::pair(request.minSize, request.maxSize), std::pair(8, 20));

        QVERIFY(dlg.cancelButton());
        QVERIFY(dlg.fontName().isEmpty() && !dlg.fontBold() && dlg.fontSize() == 0);
        QCOMPARE(dlg.color(), 0u);
        QCOMPARE(dlg.errDescription(), QString("フォントが存在しません。"));
        QCOMPARE(owner.font(), ownerFont);
        QCOMPARE(owner.palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
    }

    void actionRunsItsOperation_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("fileCalls");
        QTest::addColumn<int>("otherCalls");
        QTest::newRow("0 only stored") << 0 << 0 << 0;
        QTest::newRow("1 open") << 1 << 1 << 0;
        QTest::newRow("2 save") << 2 << 1 << 0;
        QTest::newRow("4 font") << 4 << 0 << 1;
        QTest::newRow("6 help") << 6 << 0 << 1;
        QTest::newRow("7 only stored") << 7 << 0 << 0;
    }
    void actionRunsItsOperation()
    {
        QFETCH(int, action);
        QFETCH(int, fileCalls);
        QFETCH(int, otherCalls);
        CommonDlg dlg(m_dialogs);
        dlg.setHelpFile("help.html");
        dlg.setHelpCommand(3);
        dlg.setAction(action);
        QCOMPARE(dlg.action(), action);
        QCOMPARE(m_dialogs.fileRequests.size(), fileCalls);
        QCOMPARE(m_dialogs.calls(), fileCalls + otherCalls);
        if (action == 2)
            QVERIFY(m_dialogs.fileRequests.first().save);
        // Called by itself, the font dialog leaves Action as it was.
        dlg.showFont();
        QCOMPARE(dlg.action(), action);
    }

    void printerPagesAreSixteenBit()
    {
        CommonDlg dlg(m_dialogs);
        dlg.setCancelError(true);
        dlg.setCopies(40000);
        dlg.showPrinter();
        QVERIFY(m_dialogs.printRequests.isEmpty());
        QCOMPARE(dlg.action(), int(CommonDlg::Print));
        QVERIFY(!dlg.cancelButton());

        dlg.setCopies(1);
        dlg.setFromPage(2);
        dlg.setToPage(3);
        dlg.setMin(1);
        dlg.setMax(9);
        m_dialogs.printAnswer = {1, 0, 4, 5, 1, 9, 2};
        dlg.showPrinter();
        const auto &request = m_dialogs.printRequests.first();
        QCOMPARE(std::tuple(request.fromPage, request.toPage, request.minPage, request.maxPage, request.copies),
                 std::tuple(2, 3, 1, 9, 1));
        QCOMPARE(std::tuple(dlg.fromPage(), dlg.toPage(), dlg.copies()), std::tuple(4, 5, 2));
    }

    void colorIsBgr()
    {
        CommonDlg dlg(m_dialogs);
        dlg.setColor(0x00563412);
        m_dialogs.colorAnswer = {1, 0, QColor(0xAB, 0xCD, 0xEF)};
        dlg.showColor();
        QCOMPARE(m_dialogs.colorRequests.first().color, QColor(0x12, 0x34, 0x56));
        QCOMPARE(dlg.color(), 0x00EFCDABu);
        QVERIFY(!dlg.cancelButton());
    }

    // The platform's extended codes read as the table's numbers.
    void errDescription_data()
    {
        QTest::addColumn<int>("errNumber");
        QTest::addColumn<QString>("message");
        QTest::newRow("dialog failure code") << 0xFFFF << "関数がダイアログ ボックスをロードできません。";
        QTest::newRow("printer not found code") << 0x100B << "WIN.INI ファイル内の [devices] セクションに、必要なプリンタについてのエントリがありません。";
        QTest::newRow("invalid file name code") << 0x3002 << "ファイル名が無効です。";
        QTest::newRow("12 is no code of the table") << 12 << "未知のｴﾗｰです。";
    }
    void errDescription()
    {
        QFETCH(int, errNumber);
        CommonDlg dlg(m_dialogs);
        m_dialogs.colorAnswer = {2, quint32(errNumber), {}};
        dlg.showColor();
        QCOMPARE(dlg.errNumber(), errNumber);
        QTEST(dlg.errDescription(), "message");
    }

    // The real binding: filter pairs in, the chosen pair and a multiple selection back.
    void qtFileDialogTakesFiltersAndSelection()
    {
        for (const char *name : {"a.txt", "b.txt"})
            QVERIFY(QFile(m_dir.filePath(name)).open(QIODevice::WriteOnly));
        CommonDlg dlg;
        dlg.setFilter("テキスト (*.txt)|*.txt|すべて (*.*)|*.*");
        dlg.setFilterIndex(2);
        dlg.setInitDir(m_dir.path());
        dlg.setFlags(CommonDlgFlags::AllowMultiSelect);
        QStringList filters;
        QString selected;
        whenDialogShows([&](QDialog *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            filters = files->nameFilters();
            selected = files->selectedNameFilter();
            files->selectNameFilter(filters.first());
            files->selectFile("\"a.txt\" \"b.txt\"");
            dialog->accept();
        });
        dlg.showOpen();
        QCOMPARE(filters, QStringList({"テキスト (*.txt) (*.txt)", "すべて (*.*) (*)"}));
        // The list shows the descriptions as given.
        QCOMPARE(selected, QString("すべて (*.*)"));
        QCOMPARE(dlg.fileName(), QDir(m_dir.path()).absolutePath() + NUL + "a.txt" + NUL + "b.txt");
        QCOMPARE(dlg.filterIndex(), 1);
    }

    void qtFontDialogStartsAtTheFaceAndReturnsTheChoice()
    {
        QWidget owner;
        CommonDlg dlg;
        dlg.setForm(&owner);
        dlg.setFontName("DejaVu Sans");
        QString startFamily;
        whenDialogShows([&](QDialog *dialog) {
            auto *fonts = qobject_cast<QFontDialog *>(dialog);
            startFamily = fonts->currentFont().family();
            fonts->setCurrentFont(QFont("IPAGothic", 14));
            dialog->accept();
        });
        dlg.showFont();
        QCOMPARE(startFamily, QString("DejaVu Sans"));
        QVERIFY(!dlg.cancelButton());
        QCOMPARE(dlg.fontName(), QString("IPAGothic"));
        QCOMPARE(dlg.fontSize(), 14);
    }

    void qtHelpOpensAnExistingPage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("opened");
        QTest::newRow("page") << "help.html" << 3 << true;
        QTest::newRow("no file") << "" << 3 << false;
        QTest::newRow("command 0") << "help.html" << 0 << false;
        QTest::newRow("quit command") << "help.html" << 2 << false;
        QTest::newRow("missing page") << "missing.html" << 3 << false;
        QTest::newRow("folder") << "." << 3 << false;
    }
    void qtHelpOpensAnExistingPage()
    {
        QFETCH(QString, file);
        QFETCH(int, command);
        QFETCH(bool, opened);
        QVERIFY(QFile(m_dir.filePath("help.html")).open(QIODevice::WriteOnly));
        UrlRecorder desktop;
        QDesktopServices::setUrlHandler("file", &desktop, "open");
        CommonDlg dlg;
        dlg.setHelpFile(file.isEmpty() ? file : m_dir.filePath(file));
        dlg.setHelpCommand(command);
        dlg.showHelp();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(desktop.opened, opened ? QList<QUrl>{QUrl::fromLocalFile(m_dir.filePath(file))} : QList<QUrl>());
    }

};

QTEST_MAIN(TestCommonDlg)
#include "test_commondlg.moc"
