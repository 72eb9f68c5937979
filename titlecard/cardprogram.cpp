#include "cardprogram.h"

#include "cardsession.h"
#include "cardsoundplayer.h"
#include "cardwindow.h"
#include "wavesound.h"

#include "shared/ui/japanesetranslation.h"

#include <QApplication>
#include <QDateTime>
#include <QScreen>
#include <QUrl>

#include <cstdio>

namespace {

void reportFirstFrame(CardWindow &window, const QString &name)
{
    if (!qEnvironmentVariableIsSet(qPrintable(name.toUpper() + QStringLiteral("_REPORT_FIRST_FRAME"))))
        return;
    const QByteArray tag = name.toLocal8Bit();
    QObject::connect(&window, &CardWindow::firstFramePainted, [tag] {
        std::fprintf(stderr, "%s first frame %lld\n", tag.constData(),
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stderr);
    });
}

} // namespace

int runCardProgram(int argc, char **argv, const CardProgram &program, const ComposeCard &compose)
{
    int qtArgc = qMin(argc, 1); // the program name only; none at all when started without one
    QApplication app(qtArgc, argv);
    loadJapaneseTranslation(app);
    app.setWindowIcon(QIcon(program.iconResource));

    QScreen *screen = QGuiApplication::primaryScreen();
    // The card is laid out in device pixels; with a scaled desktop it would
    // otherwise be composed small and enlarged, blurring text and picture.
    const qreal pixelRatio = screen ? screen->devicePixelRatio() : 1.0;
    const QSize size = screen ? (QSizeF(screen->size()) * pixelRatio).toSize() : QSize(640, 480);
    QImage card = compose(size);
    card.setDevicePixelRatio(pixelRatio);

    CardWindow window(card);
    window.setWindowTitle(program.caption);
    window.setEndsOnInput(program.endsOnInput);
    reportFirstFrame(window, program.name);
    const int playingTimeMs = WaveSound::playingTimeMs(WaveSound::readResource(program.soundResource))
                                  .value_or(WaveSound::kFallbackPlayingTimeMs);
    QtCardSoundPlayer player(QUrl(QStringLiteral("qrc") + program.soundResource), playingTimeMs);
    CardSession session(window, player);
    session.start(screen);
    app.exec();
    return 0;
}
