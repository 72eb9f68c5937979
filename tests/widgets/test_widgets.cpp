#include "fakes/scripteddialogbinding.h"
#include "widgets/commondlg.h"
#include "widgets/drawingsurface.h"
#include "widgets/tabgeometry.h"
#include "widgets/tabpages.h"
#include "widgets/tabstrip.h"

#include <QtTest>
#include <QtWidgets>

using Answer = CommonDlgBinding::FileAnswer;
static const QChar NUL(0);

// The fixed palette, each 3-D colour drawn as one letter: H highlight,
// D dark shadow, S shadow, T text, '.' face; anything else (caption ink,
// markers) is '?'.
static const std::tuple<QPalette::ColorRole, QRgb, char> kColours[] = {
    {QPalette::Light, qRgb(255, 255, 255), 'H'}, {QPalette::Shadow, qRgb(0, 0, 0), 'D'},
    {QPalette::Dark, qRgb(128, 128, 128), 'S'},  {QPalette::ButtonText, qRgb(0, 0, 255), 'T'},
    {QPalette::Button, qRgb(192, 192, 192), '.'},
};

static QStringList picture(const QImage &image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        rows << QString(image.width(), '?');
        for (int x = 0; x < image.width(); ++x)
            for (const auto &[role, rgb, letter] : kColours)
                if ((image.pixel(x, y) | 0xFF000000) == rgb)
                    rows.last()[x] = QLatin1Char(letter);
    }
    return rows;
}

// Picture rows as written in the tests: "N*" repeats the rows after it,
// which are separated by '/'.
static QStringList expand(std::initializer_list<const char *> written)
{
    QStringList rows;
    for (const QString row : written) {
        const qsizetype star = row.indexOf('*');
        for (int i = 0; i < (star < 0 ? 1 : row.left(star).toInt()); ++i)
            rows << row.mid(star + 1).split('/');
    }
    return rows;
}

// The common dialogs' wrapper against scripted dialogs: what each dialog is
// given, and what the properties say afterwards. The tab strip on a real
// surface with a fixed font (IPAGothic, 10 pixels: a line 10.75 pixels high,
// so tabs with empty captions are 16 x 16) and the fixed palette, its
// drawing read back from the surface's backing image.
class TestWidgets : public QObject
{
    Q_OBJECT
    ScriptedDialogBinding m_dialogs;
    std::unique_ptr<QWidget> m_window;
    DrawingSurface *m_surface = nullptr;
    std::unique_ptr<TabStrip> m_strip;

    void makeStrip(QSize size, const QStringList &captions)
    {
        m_surface->resize(size);
        for (const QString &caption : captions)
            QVERIFY(m_strip->add(caption));
    }

private slots:
    void init()
    {
        m_dialogs = ScriptedDialogBinding();
        m_window = std::make_unique<QWidget>();
        m_window->resize(300, 200);
        m_surface = new DrawingSurface(m_window.get());
        m_surface->move(8, 8);
        QFont font("IPAGothic");
        font.setPixelSize(10);
        m_surface->setFont(font);
        QPalette palette;
        for (const auto &[role, rgb, letter] : kColours)
            palette.setColor(role, QColor(rgb));
        m_surface->setPalette(palette);
        m_strip = std::make_unique<TabStrip>();
        m_strip->setPicture(m_surface);
    }
    void cleanup()
    {
        m_strip.reset();
        m_window.reset();
    }

    void tabsArePlacedFromTheirCaptions()
    {
        QList<TabEntry> tabs;
        tabs << *TabGeometry::nextTab(tabs, "first", 40, 12);
        tabs << *TabGeometry::nextTab(tabs, "second", 40.5, 10.75);
        QCOMPARE(std::tuple(tabs[0].left, tabs[0].top, tabs[0].width, tabs[0].height), std::tuple(2, 2, 56, 17));
        QCOMPARE(std::tuple(tabs[1].left, tabs[1].width, tabs[1].height), std::tuple(59, 56, 16));
        // Positions are 16-bit: a tab that would end beyond them is refused.
        // The third starts at 116 and may end at 32767.
        QVERIFY(TabGeometry::nextTab(tabs, "widest", 32767 - 116 - 16, 12));
        QVERIFY(!TabGeometry::nextTab(tabs, "too wide", 32767 - 116 - 16 + 1, 12));
    }

    // Four tabs, the third selected: raised above and over its neighbours,
    // with the dotted focus mark, which is all there is in the text colour.
    void drawsTheStrip()
    {
        makeStrip(QSize(76, 24), QStringList(4, QString()));
        m_strip->setSelectedIndex(2);
        m_strip->gotFocus();
        const QStringList expected = expand({
            "....................................HHHHHHHHHHHHHHHHH.......................",
            "...................................H.................D......................",
            "....HHHHHHHHHHHHH....HHHHHHHHHHHHHH..TT.T.T.T.T.T.TT.SDHHHHHHHHHHHHH........",
            "...H.............D..H.............H..................SD.............D.......",
            "6*..H..............SDH..............H..T.............T.SD.............SD....../"
            "..H..............SDH..............H..................SD.............SD......",
            "..H..............SDH..............H..TT.T.T.T.T.T.TT.SD.............SD......",
            "2*..H..............SDH..............H..................SD.............SD......",
            "HHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHH..................SDHHHHHHHHHHHHHHHHHHHHD",
            "2*H.........................................................................SD",
            "HSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSD",
            "DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD",
        });
        QCOMPARE(picture(m_surface->image()), expected);
        m_strip->lostFocus();
        QCOMPARE(picture(m_surface->image()), QStringList(expected).replaceInStrings("T", "."));
    }

    // Both edges of a tab hit it. A change of tab, or a press on no tab,
    // redraws and marks the selected tab; anything else draws nothing.
    void input_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("redrawn");
        QTest::newRow("right button on another tab") << 1 << "right 10 10" << 1 << false;
        QTest::newRow("index set to itself") << 1 << "select 1" << 1 << false;
        QTest::newRow("index set to count") << 1 << "select 2" << 1 << false;
        QTest::newRow("negative index") << 1 << "select -1" << 1 << false;
        QTest::newRow("index set to the first") << 1 << "select 0" << 0 << true;
        QTest::newRow("left arrow on the first tab") << 0 << "key left" << 0 << false;
        QTest::newRow("right arrow to the last tab") << 0 << "key right" << 1 << true;
        QTest::newRow("right arrow on the last tab") << 1 << "key right" << 1 << false;
        QTest::newRow("left arrow to the first tab") << 1 << "key left" << 0 << true;
        QTest::newRow("other key") << 0 << "key up" << 0 << false;
        QTest::newRow("right edge of the first") << 1 << "left 18 10" << 0 << true;
        QTest::newRow("between the tabs") << 1 << "left 18.5 10" << 1 << true;
        QTest::newRow("bottom edge") << 1 << "left 10 18" << 0 << true;
        QTest::newRow("below the tabs") << 1 << "left 10 18.5" << 1 << true;
    }
    void input()
    {
        QFETCH(int, selected);
        QFETCH(QString, input);
        makeStrip(QSize(40, 24), {"", ""});
        m_strip->setSelectedIndex(selected);
        m_strip->lostFocus();
        // A pixel the strip never draws; a redraw clears it.
        m_surface->setPersistentDrawing(true);
        m_surface->setPixel({5, 21}, Qt::red);
        m_surface->setPersistentDrawing(false);
        const QImage before = m_surface->image();
        const QStringList w = input.split(' ');
        if (w[0] == "select")
            m_strip->setSelectedIndex(w[1].toInt());
        else if (w[0] == "key")
            m_strip->keyDown(w[1] == "left" ? Qt::Key_Left : w[1] == "right" ? Qt::Key_Right : Qt::Key_Up, {});
        else
            m_strip->mouseDown(w[0] == "left" ? Qt::LeftButton : Qt::RightButton, {}, {w[1].toDouble(), w[2].toDouble()});
        QTEST(m_strip->selectedIndex(), "after");
        QFETCH(bool, redrawn);
        const QStringList drawn = picture(m_surface->image());
        const QRect tab = m_strip->tabRect(m_strip->selectedIndex());
        QCOMPARE(drawn[21][5], QChar(redrawn ? '.' : '?'));
        QCOMPARE(drawn[tab.top()][tab.left() + 1], QChar(redrawn ? 'T' : '.'));
        if (!redrawn)
            QCOMPARE(m_surface->image(), before);
    }

    // The window's side: surface events reach the strip, the selected
    // tab's page is the one shown, pages fill the client area (the line is
    // 10.75 pixels high).
    void pagesFollowMouseKeysAndFocus()
    {
        makeStrip(QSize(200, 100), {"表示内容", "表示方法"});
        auto *other = new QLineEdit(m_window.get());
        other->move(8, 150);
        QList<QWidget *> pages{new QFrame(m_window.get()), new QFrame(m_window.get())};
        TabPages tabPages(*m_strip, pages);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(pages[0]->geometry(), QRect(9, 28, 197, 78));
        QVERIFY(pages[0]->isVisible() && !pages[1]->isVisible());
        QTest::mouseClick(m_surface, Qt::LeftButton, {}, m_strip->tabRect(1).center());
        QVERIFY(m_surface->hasFocus());
        QVERIFY(!pages[0]->isVisible() && pages[1]->isVisible());
        const QPoint markPixel(m_strip->tabRect(1).left() + 1, m_strip->tabRect(1).top());
        QCOMPARE(m_surface->image().pixelColor(markPixel), QColor(Qt::blue));
        other->setFocus();
        QTRY_COMPARE(m_surface->image().pixelColor(markPixel), QColor(192, 192, 192));
    }

    // A fresh instance's defaults as the dialog gets them, and the filter;
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
        if (!filter.isNull())
            dlg.setFilter(filter);
        dlg.setFileName(QString(300, 'x'));
        dlg.showOpen();
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
        QTest::addColumn<QString>("fileName"); // "kept": the dialog failed
        QTest::newRow("one fits exactly") << QStringList{"/d/a.txt"} << 9 << "/d/a.txt";
        QTest::newRow("one too long") << QStringList{"/d/a.txt"} << 8 << "kept";
        QTest::newRow("several fit exactly") << QStringList{"/d/a", "/d/b"} << 8 << QString("/d%1a%1b").arg(NUL);
        QTest::newRow("several too long") << QStringList{"/d/a", "/d/b"} << 7 << "kept";
    }
    void chosenFilesFillTheBuffer()
    {
        QFETCH(QStringList, files);
        QFETCH(int, maxFileSize);
        CommonDlg dlg(m_dialogs);
        dlg.setFileName("kept");
        dlg.setMaxFileSize(maxFileSize);
        m_dialogs.fileAnswer = Answer{1, 0, files, 2};
        dlg.showOpen();
        QTEST(dlg.fileName(), "fileName");
        const bool failed = dlg.fileName() == "kept";
        QCOMPARE(std::tuple(dlg.errNumber(), dlg.lastResult(), dlg.filterIndex()),
                 std::tuple(failed ? 0x3003 : 0, failed ? 0 : 1, failed ? 0 : 2));
        if (failed)
            QCOMPARE(dlg.errDescription(), QString("メンバ lpstrFile が指すバッファが小さすぎます。"));
        QCOMPARE(dlg.fileTitle(), failed ? QString(254, ' ') : QFileInfo(files.first()).fileName());
    }

    // Each dialog gets the Flags property; cancels are reported by dialog,
    // and only a successful font dialog sets the report back.
    void cancelIsReportedPerOperation_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("cancelError");
        QTest::addColumn<bool>("cancelButton");
        for (bool on : {false, true}) {
            QTest::addRow("open %d", on) << int(CommonDlg::Open) << on << on;
            QTest::addRow("color %d", on) << int(CommonDlg::Color) << on << true;
            QTest::addRow("print %d", on) << int(CommonDlg::Print) << on << on;
            QTest::addRow("font %d", on) << int(CommonDlg::Font) << on << true;
        }
    }
    void cancelIsReportedPerOperation()
    {
        QFETCH(int, action);
        QFETCH(bool, cancelError);
        QFETCH(bool, cancelButton);
        CommonDlg dlg(m_dialogs);
        dlg.setFileName("a.txt");
        dlg.setCancelError(cancelError);
        dlg.setFlags(CommonDlgFlags::FileMustExist);
        dlg.setAction(action);
        const bool font = action == CommonDlg::Font;
        QCOMPARE(m_dialogs.lastFlags, CommonDlgFlags::FileMustExist | (font ? CommonDlgFlags::InitToLogFontStruct : 0));
        QCOMPARE(dlg.cancelButton(), cancelButton);
        QCOMPARE(dlg.fileName(), action == CommonDlg::Open && cancelError ? "" : "a.txt");
        QCOMPARE(dlg.errNumber(), 0);
        m_dialogs.fileAnswer = Answer{1, 0, {"/d/b"}, 1};
        m_dialogs.colorAnswer.result = m_dialogs.printAnswer.result = m_dialogs.fontAnswer.result = 1;
        dlg.setAction(action);
        QCOMPARE(dlg.cancelButton(), !font && cancelButton);
    }

    // The dialog starts at the owner's font with the properties laid over
    // it, and leaves the owner as it was. Sizes come back in points through
    // the owner's 96 pixels per inch, halves to even; bold from Medium on.
    // A cancel clears the font properties.
    void chosenFont_data()
    {
        QTest::addColumn<int>("pixels"); // 0: points; -1: cancelled
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("weight");
        QTest::addColumn<QString>("properties"); // name size bold italic underline strikeout colour error
        QTest::newRow("14 px is 10.5 pt") << 14 << 0.0 << 700 << "IPAGothic 10 1 1 1 0 332211 ";
        QTest::newRow("18 px is 13.5 pt, medium") << 18 << 0.0 << 500 << "IPAGothic 14 1 1 1 0 332211 ";
        QTest::newRow("10.5 pt chosen, below medium") << 0 << 10.5 << 499 << "IPAGothic 10 0 1 1 0 332211 ";
        QTest::newRow("cancelled") << -1 << 0.0 << 0 << " 0 0 0 0 0 0 フォントが存在しません。";
    }
    void chosenFont()
    {
        QFETCH(int, pixels);
        QFETCH(double, points);
        QFETCH(int, weight);
        QWidget owner;
        QFont ownerFont("DejaVu Sans");
        ownerFont.setPointSizeF(10.5);
        ownerFont.setBold(true);
        owner.setFont(ownerFont);
        QFont chosen("IPAGothic");
        pixels > 0 ? chosen.setPixelSize(pixels) : chosen.setPointSizeF(points);
        chosen.setWeight(QFont::Weight(weight));
        chosen.setItalic(true);
        chosen.setUnderline(true);
        m_dialogs.fontAnswer = {pixels >= 0, pixels >= 0 ? 0 : CommonDlgErrors::NoFonts, chosen, QColor(0x11, 0x22, 0x33)};
        CommonDlg dlg(m_dialogs);
        dlg.setForm(&owner);
        QCOMPARE(std::tuple(dlg.fontName(), dlg.fontSize(), dlg.fontBold()), std::tuple(QString("DejaVu Sans"), 10, true));
        dlg.setFontName("IPAGothic");
        dlg.setFontStrikethru(true);
        dlg.setColor(0x0000FF);
        dlg.setMin(8);
        dlg.setMax(20);
        dlg.showFont();
        const auto &request = m_dialogs.fontRequests.first();
        QCOMPARE(std::tuple(request.font.family(), request.font.pointSize(), request.font.bold(), request.font.strikeOut()),
                 std::tuple(QString("IPAGothic"), 10, true, true));
        QCOMPARE(std::tuple(request.color, request.minSize, request.maxSize), std::tuple(QColor(Qt::red), 8, 20));
        QCOMPARE(owner.font(), ownerFont);
        QStringList properties{dlg.fontName()};
        for (int value : {dlg.fontSize(), int(dlg.fontBold()), int(dlg.fontItalic()), int(dlg.fontUnderline()),
                          int(dlg.fontStrikethru())})
            properties << QString::number(value);
        properties << QString::number(dlg.color(), 16) << (dlg.errNumber() ? dlg.errDescription() : QString());
        QTEST(properties.join(' '), "properties");
    }

    // Action shows the dialog of its kind (here save and help); other kinds
    // are only kept, and the font dialog by itself leaves Action as it was.
    void actionRunsItsOperation()
    {
        CommonDlg dlg(m_dialogs);
        dlg.setHelpFile("help.html");
        dlg.setHelpCommand(3);
        for (int action : {0, 2, 6, 7}) {
            dlg.setAction(action);
            dlg.showFont();
            QCOMPARE(dlg.action(), action);
        }
        QVERIFY(m_dialogs.fileRequests.size() == 1 && m_dialogs.fileRequests.first().save);
        QCOMPARE(std::pair(m_dialogs.helpRequests.size(), m_dialogs.calls()), std::pair(qsizetype(1), 6));
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
        dlg.setMin(value);
        dlg.setMax(9);
        dlg.setCopies(value);
        m_dialogs.printAnswer = {1, 0, 4, 5, 1, 9, 2};
        dlg.showPrinter();
        QCOMPARE(std::tuple(dlg.action(), dlg.cancelButton(), m_dialogs.printRequests.size()),
                 std::tuple(int(CommonDlg::Print), false, qsizetype(shown)));
        QCOMPARE(std::tuple(dlg.fromPage(), dlg.toPage(), dlg.min(), dlg.copies()),
                 shown ? std::tuple(4, 5, 1, 2) : std::tuple(0, 0, value, value));
        for (const auto &request : m_dialogs.printRequests)
            QCOMPARE(std::tuple(request.minPage, request.maxPage, request.copies), std::tuple(value, 9, value));
    }

    // 0x00BBGGRR both ways; the platform's extended codes read as the table's numbers.
    void colorAndErrors_data()
    {
        QTest::addColumn<int>("errNumber"); // 0: the colour is chosen
        QTest::addColumn<QString>("message");
        QTest::newRow("chosen") << 0 << "";
        QTest::newRow("printer not found code") << 0x100B << "WIN.INI ファイル内の [devices] セクションに、必要なプリンタについてのエントリがありません。";
        QTest::newRow("12 is no code of the table") << 12 << "未知のｴﾗｰです。";
    }
    void colorAndErrors()
    {
        QFETCH(int, errNumber);
        CommonDlg dlg(m_dialogs);
        dlg.setColor(0x00563412);
        m_dialogs.colorAnswer = {errNumber ? 2 : 1, quint32(errNumber), QColor(0xAB, 0xCD, 0xEF)};
        dlg.showColor();
        QCOMPARE(m_dialogs.colorRequests.first().color, QColor(0x12, 0x34, 0x56));
        QCOMPARE(dlg.color(), errNumber ? 0x00563412u : 0x00EFCDABu);
        QCOMPARE(dlg.errNumber(), errNumber);
        if (errNumber)
            QTEST(dlg.errDescription(), "message");
    }
};

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
