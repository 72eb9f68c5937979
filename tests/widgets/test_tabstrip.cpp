#include "widgets/drawingsurface.h"
#include "widgets/tabgeometry.h"
#include "widgets/tabpages.h"
#include "widgets/tabstrip.h"

#include <QtTest>
#include <QtWidgets>

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

// The strip on a real surface with a fixed font (IPAGothic, 10 pixels: a
// line 10.75 pixels high, so tabs with empty captions are 16 x 16) and the
// fixed palette, its drawing read back from the surface's backing image.
class TestTabStrip : public QObject
{
    Q_OBJECT
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
};

QTEST_MAIN(TestTabStrip)
#include "test_tabstrip.moc"
