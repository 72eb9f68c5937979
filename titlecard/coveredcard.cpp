#include "coveredcard.h"

#include "cardpicture.h"
#include "coveragemask.h"
#include "fontconfigwarmup.h"
#include "joinedthread.h"
#include "pngpicture.h"

#include <QPainter>

#include <algorithm>
#include <atomic>
#include <vector>

namespace CoveredCard {

namespace {

bool allShapesFitMasks(const CardInk &ink)
{
    return std::all_of(ink.steps().begin(), ink.steps().end(), [](const CardInk::Step &step) {
        return !step.shape || CoverageMask::canHold(*step.shape);
    });
}

// The masks of every shape, rasterized by two threads taking the widest
// strokes first (they cost the most).
std::vector<CoverageMask> rasterizeShapes(const CardInk &ink, const QSize &screen)
{
    const QList<CardInk::Step> &steps = ink.steps();
    // Shapes share their paths, and a path caches what QPainter makes of it
    // on first use: each thread gets paths of its own.
    std::vector<CardInk::Shape> shapes(size_t(steps.size()));
    QList<int> order;
    for (int i = 0; i < steps.size(); ++i) {
        if (!steps.at(i).shape)
            continue;
        CardInk::Shape &shape = shapes[size_t(i)];
        shape = *steps.at(i).shape;
        shape.path = QPainterPath();
        shape.path.setFillRule(steps.at(i).shape->path.fillRule());
        shape.path.addPath(steps.at(i).shape->path);
        order.append(i);
    }
    const auto cost = [&shapes](int i) {
        const CardInk::Shape &shape = shapes[size_t(i)];
        return shape.outline ? shape.outline->widthF() : 0.0;
    };
    std::stable_sort(order.begin(), order.end(), [&cost](int a, int b) { return cost(a) > cost(b); });

    std::vector<CoverageMask> masks(size_t(steps.size()));
    std::atomic<qsizetype> next{0};
    const auto work = [&] {
        for (qsizetype k = next++; k < order.size(); k = next++)
            masks[size_t(order.at(k))] = CoverageMask::rasterize(shapes[size_t(order.at(k))], screen);
    };
    {
        JoinedThread helper(work);
        work();
    }
    return masks;
}

} // namespace

void Picture::start()
{
    m_decoded = std::async(std::launch::async | std::launch::deferred, [path = m_path] { return PngPicture::read(path); })
                    .share();
}

QImage Picture::get()
{
    const QImage decoded = m_decoded.valid() ? m_decoded.get() : QImage();
    return decoded.isNull() ? QImage(m_path) : decoded; // Qt's readers, now that the application exists
}

QImage compose(Picture &picture, const QSize &screen, const Layout &layout)
{
    // Neither thread reads what the other writes until they are joined.
    QImage card;
    JoinedThread scaler([&card, &picture, &screen] { card = CardPicture::cover(picture.get(), screen); });
    FontConfigWarmUp::wait();
    const CardInk ink = layout(screen);
    if (ink.isEmpty()) {
        scaler.join();
        return card;
    }
    if (!allShapesFitMasks(ink)) {
        scaler.join();
        if (!card.isNull()) {
            QPainter painter(&card);
            ink.paint(painter);
        }
        return card;
    }
    const std::vector<CoverageMask> masks = rasterizeShapes(ink, screen); // while the picture is scaled
    scaler.join();
    if (card.isNull())
        return card;
    for (int i = 0; i < ink.steps().size(); ++i) {
        const CardInk::Step &step = ink.steps().at(i);
        if (step.shape && !masks[size_t(i)].isNull()) {
            masks[size_t(i)].blendOnto(card, step.shape->colour);
        } else {
            QPainter painter(&card);
            painter.setRenderHint(QPainter::Antialiasing);
            if (step.shape) // no memory for its mask
                CardInk::paintShape(painter, *step.shape);
            else
                step.painting(painter);
        }
    }
    return card;
}

} // namespace CoveredCard
