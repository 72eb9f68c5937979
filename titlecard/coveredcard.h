#pragma once

#include "cardink.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <future>

// The fast way to a card whose picture covers the screen with text drawn
// over it (mirwin's and dastor's): the picture is decoded once, from before
// the application starts, and scaled over the screen on a thread of its own
// while this one waits for the fonts and lays out the text; the text's
// shapes are rasterized into coverage masks on two threads meanwhile, and
// blended onto the finished picture in order, only where they have ink.
// Every pixel is the one of CardPicture::cover() with the ink painted
// after it.
namespace CoveredCard {

// The picture (a resource or file): decoded on a thread of its own once
// start() is called, else when first used. A card program starts it before
// Qt does (unless its card is kept), so that decoding uses our own PNG
// reader: Qt's would race the application being made. What that reader
// leaves alone is decoded by Qt's when first used.
class Picture
{
public:
    explicit Picture(const QString &path) : m_path(path) {}
    void start();
    // Waits for the decoding started, or decodes now.
    QImage get();

private:
    QString m_path;
    std::shared_future<QImage> m_decoded;
};

// Lays out the text for a screen of this size (fonts may be used) and
// returns its ink.
using Layout = std::function<CardInk(const QSize &screen)>;

QImage compose(Picture &picture, const QSize &screen, const Layout &layout);

} // namespace CoveredCard
