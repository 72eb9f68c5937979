#include "cardcomposition.h"
#include "cardsession.h"
#include "cardsoundplayer.h"
#include "cardwindow.h"
#include "clock.h"
#include "titlefontfile.h"
#include "wavesound.h"

#include "shared/argumentstring.h"

#include <QApplication>
#include <QDateTime>
#include <QScreen>

#include <cstdio>

int main(int argc, char **argv)
{
    const QStringList arguments = programArguments(argc, argv);
    int qtArgc = 1; // a custom title may contain anything, Qt's options included
    QApplication app(qtArgc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/titlecard/tambwin.png")));

    QScreen *screen = QGuiApplication::primaryScreen();
    // The card is laid out in device pixels; with a scaled desktop it would
    // otherwise be composed small and enlarged, blurring text and picture.
    const qreal pixelRatio = screen ? screen->devicePixelRatio() : 1.0;
    const QSize size = screen ? (QSizeF(screen->size()) * pixelRatio).toSize() : QSize(640, 480);
    QImage card = composeCardForArguments(argumentString(arguments), size, SystemClock(),
                                          TitleFontFile::kFileName);
    card.setDevicePixelRatio(pixelRatio);

    CardWindow window(card);
    if (qEnvironmentVariableIsSet("TAMBWIN_REPORT_FIRST_FRAME")) {
        QObject::connect(&window, &CardWindow::firstFramePainted, [] {
            std::fprintf(stderr, "tambwin first frame %lld\n",
                         static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stderr);
        });
    }
    const int playingTimeMs =
        WaveSound::playingTimeMs(WaveSound::resourceBytes()).value_or(WaveSound::kFallbackPlayingTimeMs);
    QtCardSoundPlayer player(QUrl(QStringLiteral("qrc:/titlecard/card.wav")), playingTimeMs);
    CardSession session(window, player);
    session.start(screen);
    app.exec();
    return 0;
}
