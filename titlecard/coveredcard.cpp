#include "coveredcard.h"

#include "cardpicture.h"
#include "fontconfigwarmup.h"

#include <QPainter>

#include <system_error>
#include <thread>

namespace CoveredCard {

std::shared_future<QImage> decode(const QString &picture)
{
    return std::async(std::launch::async | std::launch::deferred, [picture] { return QImage(picture); }).share();
}

QImage compose(const std::shared_future<QImage> &picture, const QSize &screen, const Layout &layout)
{
    // Neither thread reads what the other writes until they are joined.
    QImage card;
    const auto cover = [&card, &picture, &screen] { card = CardPicture::cover(picture.get(), screen); };
    std::thread scaler;
    try {
        scaler = std::thread(cover);
    } catch (const std::system_error &) {
        cover();
    }
    struct Joiner
    {
        std::thread &thread;
        ~Joiner()
        {
            if (thread.joinable())
                thread.join();
        }
    };
    std::function<void(QPainter &)> draw;
    {
        const Joiner joiner{scaler}; // joined even when the layout throws
        FontConfigWarmUp::wait();
        draw = layout(screen);
    }
    if (!card.isNull() && draw) {
        QPainter painter(&card);
        draw(painter);
    }
    return card;
}

} // namespace CoveredCard
