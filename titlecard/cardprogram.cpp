#include "cardprogram.h"

#include "cachedcard.h"
#include "cardcache.h"
#include "cardsession.h"
#include "cardsoundplayer.h"
#include "cardwindow.h"
#include "fontconfigwarmup.h"
#include "wavesound.h"

#include "shared/ui/interfacelanguage.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QScreen>
#include <QIcon>

#include <cstdio>
#include <future>

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

int runCardProgram(int argc, char **argv, const CardProgram &program, const CardRecipe &recipe)
{
    // A card kept from an earlier run needs no fonts at all.
    const CardCache cache(CardCache::defaultFolder());
    const std::shared_future<QImage> kept = CachedCard::readKept(recipe.key, cache);
    if (!cache.mayHold(recipe.key)) {
        FontConfigWarmUp::start();
        if (recipe.prepare)
            recipe.prepare();
    }
    // Without a session bus (none named, none at the usual place) the D-Bus
    // library would try to start one for the card as its window is shown
    // (Qt's accessibility bridge asks for the bus), and the first frame
    // would wait for the attempt. A bus the card started itself would
    // serve nobody, so it is not asked for.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        && !QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus")))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    int qtArgc = qMin(argc, 1); // the program name only; none at all when started without one
    QApplication app(qtArgc, argv);
    loadInterfaceTranslation(app);

    QScreen *screen = QGuiApplication::primaryScreen();
    // The card is laid out in device pixels; with a scaled desktop it would
    // otherwise be composed small and enlarged, blurring text and picture.
    const qreal pixelRatio = screen ? screen->devicePixelRatio() : 1.0;
    const QSize size = screen ? (QSizeF(screen->size()) * pixelRatio).toSize() : QSize(640, 480);
    // Composed on a thread of its own while the window is made and mapped;
    // the first paint waits for it.
    const std::shared_future<ComposedCard> composing =
        std::async(std::launch::async | std::launch::deferred, [&, size, pixelRatio] {
            ComposedCard composed = CachedCard::compose(recipe, size, cache, program.name, kept);
            composed.image.setDevicePixelRatio(pixelRatio);
            return composed;
        }).share();

    CardWindow window([composing] { return composing.get().image; });
    window.setWindowTitle(QCoreApplication::translate(program.captionContext, program.caption.toUtf8().constData()));
    window.setEndsOnInput(program.endsOnInput);
    reportFirstFrame(window, program.name);
    const QByteArray wave = WaveSound::readResource(program.soundResource);
    const int playingTimeMs = WaveSound::playingTimeMs(wave).value_or(WaveSound::kFallbackPlayingTimeMs);
    ServerCardSoundPlayer player(wave, program.name.toUtf8(), playingTimeMs);
    CardSession session(window, player);
    // The icon only matters to a task switcher, once the card is up; read
    // earlier, it would hold up the first frame with image decoding.
    QObject::connect(&window, &CardWindow::firstFramePainted, &window, [&window, &program, composing] {
        window.setWindowIcon(QIcon(program.iconResource));
        const ComposedCard &composed = composing.get();
        if (composed.afterFirstFrame)
            composed.afterFirstFrame(composed.image);
    }, Qt::QueuedConnection);
    session.start(screen);
    app.exec();
    return 0;
}
