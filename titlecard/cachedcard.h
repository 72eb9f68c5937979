#pragma once

#include "cardprogram.h"

#include <future>

class CardCache;

// A card program's finished cards kept in the card cache.
namespace CachedCard {

// The card kept for key, read on a thread of its own at the size it was
// kept at (the screen's size is not known before the application starts);
// a null image when there is none.
std::shared_future<QImage> readKept(const QByteArray &key, const CardCache &cache);

// The card from the cache when it was shown before at this size (kept, when
// given, is what readKept found); else composed, and stored in the cache
// once it is on screen. A card that cannot be stored is still shown; the
// reason goes to stderr under the program's name.
ComposedCard compose(const CardRecipe &recipe, const QSize &screen, const CardCache &cache,
                     const QString &program, const std::shared_future<QImage> &kept = {});

} // namespace CachedCard
