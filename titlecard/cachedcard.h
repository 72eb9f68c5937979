#pragma once

#include "cardcomposition.h"
#include "cardprogram.h"

#include <future>

class CardCache;

namespace CachedCard {

// The cache's key for a card: all it is made from that is not a file
// (the program and its version, the title, every field of the font).
QByteArray key(const CardRequest &request);

// The card kept in the cache, read on a thread of its own at the size it
// was kept at (the screen's size is not known before the application
// starts); a null image when there is none.
std::shared_future<QImage> readKept(const CardRequest &request, const CardCache &cache);

// The card from the cache when it was shown before at this size (kept, when
// given, is what readKept found); else composed, and stored in the cache
// once it is on screen. A card that cannot be stored is still shown; the
// reason goes to stderr.
ComposedCard compose(const CardRequest &request, const QSize &screen, const CardCache &cache,
                     const std::shared_future<QImage> &kept = {});

} // namespace CachedCard
