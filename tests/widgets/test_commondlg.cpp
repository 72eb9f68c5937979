#include "fakes/modaldialog.h"
#include "fakes/scripteddialogbinding.h"
#include "widgets/commondlg.h"

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

    // A fresh instance's defaults, and the filter as the dialog takes it;
    // the name is cut to the 255-character buffer less its NUL.
    void fileRequest_data()
    {
        QTest::addColumn<QString>("filter"); // null: never set
        QTest::addColumn<QString>("platform");
        QTest::newRow("fresh") << QString() << QString("All Files (*.*)%1*.*%1").arg(NUL);
        QTest::newRow("two pairs") << "A|*.a|B|*.b" << QString("A%1*.a%1B%1*.b%1").arg(NUL);
        QTest::newRow("ends in bar") << "A|*.a|" << QString("A%1*.a%1").arg(NUL);
    }
    void fileRequest()
    {
        QFETCH(QString, filter);
        CommonDlg dlg(m_dialogs);
        QCOMPARE(std::tuple(dlg.fileTitle(), dlg.defaultExt(), dlg.maxFileSize(), dlg.flags()),
                 std::tuple(QString(254, ' '), QString(NUL), 255, 0u));
        if (!filter.isNull())
            dlg.setFilter(filter);
        dlg.setFileName(QString(300, 'x'));
        dlg.showOpen();
        QCOMPARE(dlg.filter(), filter);
        const auto &request = m_dialogs.fileRequests.first();
        QTEST(request.platformFilter, "platform");
        QCOMPARE(std::tuple(request.title, request.initDir, request.maxFileSize, request.defaultExt, request.save),
                 std::tuple(QString("Open File"), QDir::currentPath(), 255, QString(NUL), false));
        QCOMPARE(request.fileName, QString(254, 'x'));
    }

    // The chosen names come back whole, or the dialog fails as too small;
    // a multiple selection ends with two NULs.
    void chosenFilesFillTheBuffer_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("maxFileSize");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("errNumber");
        const QString several = QString("/d%1a%1b").arg(NUL);
        QTest::newRow("one fits exactly") << QStringList{"/d/a.txt"} << 9 << "/d/a.txt" << 0;
        QTest::newRow("one too long") << QStringList{"/d/a.txt"} << 8 << "kept" << 0x3003;
        QTest::newRow("several fit exactly") << QStringList{"/d/a", "/d/b"} << 8 << several << 0;
        QTest::newRow("several too long") << QStringList{"/d/a", "/d/b"} << 7 << "kept" << 0x3003;
    }
    void chosenFilesFillTheBuffer()
    {
        QFETCH(QStringList, files);
        QFETCH(int, maxFileSize);
        QFETCH(int, errNumber);
        CommonDlg dlg(m_dialogs);
        dlg.setFileName("kept");
        dlg.setMaxFileSize(maxFileSize);
        m_dialogs.fileAnswer = Answer{1, 0, files, 2};
        dlg.showOpen();
        QTEST(dlg.fileName(), "fileName");
        QCOMPARE(std::tuple(dlg.errNumber(), dlg.lastResult(), dlg.filterIndex()),
                 std::tuple(errNumber, errNumber ? 0 : 1, errNumber ? 0 : 2));
        if (errNumber)
            QCOMPARE(dlg.errDescription(), QString("メンバ lpstrFile が指すバッファが小さすぎます。"));
        QCOMPARE(dlg.fileTitle(), errNumber ? QString(254, ' ') : QFileInfo(files.first()).fileName());
    }

    // Each dialog gets the Flags property; cancels are reported by dialog.
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
        CommonDlg dlg(m_dialogs);
        dlg.setFileName("a.txt");
        dlg.setCancelError(cancelError);
        dlg.setFlags(CommonDlgFlags::FileMustExist);
        run(dlg, operation);
        QCOMPARE(m_dialogs.lastFlags,
                 CommonDlgFlags::FileMustExist | (operation == "font" ? CommonDlgFlags::InitToLogFontStruct : 0));
        QCOMPARE(dlg.cancelButton(), cancelButton);
        QTEST(dlg.fileName(), "fileName");
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
        QTest::newRow("18 px is 13.5 pt, medium") << 18 << 0.0 << 500 << 14 << true;
        QTest::newRow("10.5 pt chosen, below medium") << 0 << 10.5 << 499 << 10 << false;
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
        QCOMPARE(std::tuple(dlg.fontName(), dlg.fontSize(), dlg.fontBold()), std::tuple(QString("DejaVu Sans"), 10, true));
        dlg.setFontName("IPAGothic");
        dlg.setColor(0x0000FF);
        dlg.setMin(8);
        dlg.setMax(20);
        m_dialogs.fontAnswer.extendedError = CommonDlgErrors::NoFonts;
        dlg.showFont();

        const auto &request = m_dialogs.fontRequests.first();
        QCOMPARE(std::tuple(request.font.family(), request.font.pointSize(), request.font.bold()),
                 std::tuple(QString("IPAGothic"), 10, true));
        QCOMPARE(request.color, QColor(Qt::red));
        QCOMPARE(std::pair(request.minSize, request.maxSize), std::pair(8, 20));

        QVERIFY(dlg.cancelButton());
        QVERIFY(dlg.fontName().isEmpty() && !dlg.fontBold() && dlg.fontSize() == 0 && dlg.color() == 0);
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
        if (fileCalls)
            QCOMPARE(m_dialogs.fileRequests.first().save, action == 2);
        // Called by itself, the font dialog leaves Action as it was.
        dlg.showFont();
        QCOMPARE(dlg.action(), action);
    }

    // Pages and copies go to the dialog as 16-bit numbers; one beyond them
    // ends the operation before the dialog, as no cancel.
    void printerTakesSixteenBitNumbers_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("shown");
        QTest::newRow("largest") << 32767 << true;
        QTest::newRow("one above") << 32768 << false;
        QTest::newRow("smallest") << -32768 << true;
        QTest::newRow("one below") << -32769 << false;
    }
    void printerTakesSixteenBitNumbers()
    {
        QFETCH(int, value);
        QFETCH(bool, shown);
        CommonDlg dlg(m_dialogs);
        dlg.setCancelError(true);
        dlg.setFromPage(2);
        dlg.setToPage(3);
        dlg.setMin(value);
        dlg.setMax(9);
        dlg.setCopies(value);
        m_dialogs.printAnswer = {1, 0, 4, 5, 1, 9, 2};
        dlg.showPrinter();
        QCOMPARE(dlg.action(), int(CommonDlg::Print));
        QVERIFY(!dlg.cancelButton());
        QCOMPARE(m_dialogs.printRequests.size(), shown ? 1 : 0);
        QCOMPARE(dlg.copies(), shown ? 2 : value);
        if (shown) {
            const auto &request = m_dialogs.printRequests.first();
            QCOMPARE(std::tuple(request.fromPage, request.toPage, request.minPage, request.maxPage, request.copies),
                     std::tuple(2, 3, value, 9, value));
            QCOMPARE(std::tuple(dlg.fromPage(), dlg.toPage(), dlg.min()), std::tuple(4, 5, 1));
        }
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

    // A 32-bit number, halves to even; anything else is 0.
    void helpKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("held");
        QTest::newRow("largest") << "2147483647" << "2147483647";
        QTest::newRow("one above") << "2147483648" << "0";
        QTest::newRow("smallest") << " -2147483648 " << "-2147483648";
        QTest::newRow("half") << "2.5" << "2";
        QTest::newRow("text") << "F1" << "0";
    }
    void helpKey()
    {
        CommonDlg dlg(m_dialogs);
        QFETCH(QString, key);
        dlg.setHelpKey(key);
        QTEST(dlg.helpKey(), "held");
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
        QCOMPARE(std::tuple(dlg.fontName(), dlg.fontSize()), std::tuple(QString("IPAGothic"), 14));
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
