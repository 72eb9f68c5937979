#pragma once

#include "cardcomposition.h"
#include "cardprogram.h"

class CardCache;

namespace CachedCard {

// The cache's key for a card: all it is made from that is not a file
// (the program and its version, the title, every field of the font).
QByteArray key(const CardRequest &request);

// The card from the cache when it was shown before at this size; else
// composed, and stored in the cache once it is on screen. A card that
// cannot be stored is still shown; the reason goes to stderr.
ComposedCard compose(const CardRequest &request, const QSize &screen, const CardCache &cache);

} // namespace CachedCard
