#include "second_card/mirwincard.h"
#include "second_card/mirwinlayout.h"
#include "second_card/mirwintitle.h"
#include "second_config/episodetitles.h"
#include "second_config/mirwinsettingsfile.h"
#include "third_card/dastorcard.h"
#include "fakes/fakesoundplayer.h"
#include "titlecard/cardsession.h"
#include "titlecard/cardwindow.h"

#include <QFontDatabase>
#include <QPainter>
#include <QScreen>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(MirwinSettings)

static const QSize kScreen(640, 480);
using Check = std::function<bool(const QRect &text, const QRect &plain)>;

// The letters' fill is the one bright thing on a black picture: glow,
// outline and band are dark.
static QRect textBounds(const QImage &card)
{
    QRect bounds;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (qGray(card.pixel(x, y)) > 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

static QImage blackPicture()
{
    QImage picture(kScreen, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

static QString installed(const QString &face)
{
    return MirwinCard::family(face, QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese));
}

class TestCards : public QObject
{
    Q_OBJECT
private slots:
    void mirwinSettingsShapeTheText_data()
    {
        QTest::addColumn<MirwinSettings>("settings");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Check>("check"); // against the text with no offsets
        const QRect area = MirwinLayout::textArea(kScreen).toAlignedRect();
        const QString longTitle(60, QChar(0x6708));
        const auto ratio = [](const QRect &a, const QRect &b) { return double(a.height()) / b.height(); };
        QTest::newRow("size +40: twice as large") << MirwinSettings{"", 40, 0, 0} << "ひみつの合言葉"
            << Check([=](QRect t, QRect p) { return ratio(t, p) > 1.8 && ratio(t, p) < 2.2; });
        QTest::newRow("vertical 100: top") << MirwinSettings{"", 0, 100, 0} << "ひみつの合言葉"
            << Check([=](QRect t, QRect p) { return t.top() < p.top() - 100 && t.top() >= area.top(); });
        QTest::newRow("horizontal -100: left") << MirwinSettings{"", 0, 0, -100} << "ひみつの合言葉"
            << Check([=](QRect t, QRect p) { return t.left() < p.left() - 100 && t.left() >= area.left() - 1; });
        QTest::newRow("face from the file") << MirwinSettings{"IPAGothic", 0, 0, 0} << "ひみつの合言葉"
            << Check([](QRect t, QRect p) { return t != p; });
        QTest::newRow("size +200, long, in a corner: on screen") << MirwinSettings{"", 200, 100, 100} << longTitle
            << Check([=](QRect t, QRect) { return area.adjusted(-1, -1, 1, 1).contains(t); });
    }

    void mirwinSettingsShapeTheText()
    {
        QFETCH(MirwinSettings, settings);
        QFETCH(QString, title);
        QFETCH(Check, check);
        const CardText text{"第12話", title};
        const QRect plain = textBounds(MirwinCard::compose(blackPicture(), text, {}, installed(""), kScreen));
        const QRect shaped = textBounds(
            MirwinCard::compose(blackPicture(), text, settings, installed(settings.faceName), kScreen));
        QVERIFY2(!plain.isEmpty() && check(shaped, plain),
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(shaped.x()).arg(shaped.y()).arg(shaped.width()).arg(shaped.height())));
    }

    void fallbackFaces()
    {
        const QStringList all{"DejaVu Sans", "IPAGothic", "IPAMincho"}, japanese{"IPAGothic", "IPAMincho"};
        // mirwin: its own face if installed, else Mincho, else Gothic, else any Japanese face; dastor: Gothic.
        QCOMPARE(QStringList({MirwinCard::family("", all, japanese), MirwinCard::family("Gone", all, japanese),
                              MirwinCard::family("ipagothic", all, japanese),
                              MirwinCard::family("Gone", {"DejaVu Sans", "IPAGothic"}, {"IPAGothic"}),
                              MirwinCard::family("Gone", {"DejaVu Sans", "X"}, {"X"}), DastorCard::family(all, japanese)}),
                 QStringList({"IPAMincho", "IPAMincho", "IPAGothic", "IPAGothic", "X", "IPAGothic"}));
    }

    // The way the programs compose (picture decoded ahead, scaled while the
    // text is laid out) gives the plain card pixel for pixel.
    void fastCompositionIsPlain_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<MirwinSettings>("settings");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("screen");
        const MirwinSettings corner{"IPAGothic", 40, 100, -100};
        for (const QSize &screen : {QSize(1, 1), QSize(7, 3000), QSize(641, 479), QSize(1366, 768)}) {
            QTest::addRow("mirwin %dx%d", screen.width(), screen.height()) << "mirwin" << MirwinSettings{} << "12" << screen;
            QTest::addRow("dastor %dx%d", screen.width(), screen.height()) << "dastor" << MirwinSettings{} << "第3話,砂は流れ" << screen;
        }
        QTest::newRow("mirwin in a corner, own text") << "mirwin" << corner << "見出し,月の光の下で" << QSize(1023, 769);
    }

    void fastCompositionIsPlain()
    {
        QFETCH(QString, program);
        QFETCH(MirwinSettings, settings);
        QFETCH(QString, text);
        QFETCH(QSize, screen);
        QTemporaryDir dir;
        const QString ini = dir.filePath("mirwin.ini");
        QVERIFY(MirwinSettingsFile::write(ini, settings));
        const auto plain = [&] {
            return program == "mirwin"
                ? MirwinCard::compose(QImage(MirwinCard::kPicture), MirwinTitle::decide({text}, EpisodeTitles::load(), 0),
                                      settings, installed(settings.faceName), screen)
                : DastorCard::compose(QImage(DastorCard::kPicture), CardTexts::split(text),
                                      DastorCard::family(QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese)),
                                      screen);
        };
        // A process's first drawing at a size may differ from its later ones
        // (glyphs not cached yet), so both are compared after one;
        // tools/card-identity.sh compares first drawings, one per process.
        plain();
        const QImage fast = program == "mirwin" ? MirwinCard::composeForArguments({text}, screen, 0, ini)
                                                : DastorCard::composeForArguments({text}, screen, 0, QString());
        QCOMPARE(fast.size(), screen);
        QVERIFY(fast == plain());
    }

    void dastorTextStaysOnScreen()
    {
        const QString family = DastorCard::family(QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese));
        const QRect shortText = textBounds(DastorCard::compose(blackPicture(), {"第1話", "砂嵐"}, family, kScreen));
        const QRect longText = textBounds(DastorCard::compose(blackPicture(), {"第1話", QString(200, QChar(0x7802))}, family, kScreen));
        QVERIFY(!shortText.isEmpty() && QRect(QPoint(0, 0), kScreen).contains(longText));
        QVERIFY(qAbs(longText.left() - shortText.left()) <= 2); // flush left
    }

    // Shown full-screen as composed; ended by a key or a click only where
    // allowed, never by a repeating key or a close request, always by finish().
    void windowEndsOnlyWhenAllowed_data()
    {
        QTest::addColumn<bool>("endsOnInput");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("ended");
        QTest::newRow("key") << true << "key" << true;
        QTest::newRow("click") << true << "click" << true;
        QTest::newRow("a held key repeating") << true << "repeat" << false;
        QTest::newRow("tambwin's card: key and click") << false << "key click" << false;
        QTest::newRow("tambwin's card: close request") << false << "close" << false;
        QTest::newRow("tambwin's card: finished") << false << "finish" << true;
    }

    void windowEndsOnlyWhenAllowed()
    {
        QFETCH(bool, endsOnInput);
        QFETCH(QString, input);
        QScreen *screen = QGuiApplication::primaryScreen();
        QImage card(screen->size(), QImage::Format_RGB32);
        for (int y = 0; y < card.height(); ++y)
            for (int x = 0; x < card.width(); ++x)
                card.setPixel(x, y, qRgb(x % 256, y % 256, (x ^ y) % 256));
        CardWindow window(card);
        window.setEndsOnInput(endsOnInput);
        QSignalSpy painted(&window, &CardWindow::firstFramePainted);
        window.showOnScreen(screen);
        QTRY_COMPARE(painted.count(), 1);
        QVERIFY(window.isFullScreen() && window.geometry() == screen->geometry());
        QCOMPARE(window.grab().toImage().convertToFormat(QImage::Format_RGB32), card);
        if (input.contains("key"))
            QTest::keyClick(&window, Qt::Key_Space);
        if (input.contains("click"))
            QTest::mouseClick(&window, Qt::LeftButton);
        if (input == "repeat") {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
            QApplication::sendEvent(&window, &repeat);
        }
        if (input == "close")
            QVERIFY(!window.close());
        if (input == "finish")
            window.finish();
        QTEST(!window.isVisible(), "ended");
    }

    void windowPaintsDevicePixels()
    {
        // Composed at twice the window's size for a scaled desktop: left half red, right half blue.
        QImage card(400, 200, QImage::Format_RGB32);
        card.fill(Qt::red);
        QPainter(&card).fillRect(200, 0, 200, 200, Qt::blue);
        card.setDevicePixelRatio(2);
        CardWindow window(card);
        window.setGeometry(0, 0, 200, 100);
        const QImage shown = window.grab().toImage();
        const int d = qRound(shown.devicePixelRatio());
        QCOMPARE(QList<QRgb>({shown.pixel(98 * d, 50 * d), shown.pixel(102 * d, 50 * d), shown.pixel(199 * d, 99 * d)}),
                 QList<QRgb>({qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 255)}));
    }

    void sessionPlaysOnceThenCloses()
    {
        CardWindow window(QImage(200, 100, QImage::Format_RGB32));
        FakeSoundPlayer player;
        CardSession session(window, player);
        session.start(QGuiApplication::primaryScreen());
        QTRY_COMPARE(player.plays, 1);
        window.repaint();
        QCOMPARE(player.plays, 1);
        QVERIFY(window.isVisible());
        emit player.finished();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestCards)
#include "test_cards.moc"
