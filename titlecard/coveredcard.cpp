#include "coveredcard.h"

#include "cardpicture.h"
#include "fontconfigwarmup.h"

#include <QPainter>

#include <system_error>
#include <thread>

namespace CoveredCard {

void Picture::start()
{
    m_decoded = std::async(std::launch::async | std::launch::deferred, [path = m_path] { return QImage(path); }).share();
}

QImage Picture::get()
{
    return m_decoded.valid() ? m_decoded.get() : QImage(m_path);
}

QImage compose(Picture &picture, const QSize &screen, const Layout &layout)
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
