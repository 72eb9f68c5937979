#include "cachedcard.h"

#include "cardcache.h"
#include "carddependencies.h"
#include "screenimage.h"

#include <cstdio>

namespace CachedCard {

std::shared_future<QImage> readKept(const QByteArray &key, const CardCache &cache)
{
    return std::async(std::launch::async | std::launch::deferred, [key, cache] {
               const QSize size = cache.storedSize(key);
               QImage card = newScreenImage(size);
               provideAllPages(card); // written whole by the read
               if (card.isNull() || card.bytesPerLine() != qsizetype(size.width()) * 4
                   || !cache.load(key, size, card.bits(), card.sizeInBytes()))
                   return QImage();
               return card;
           }).share();
}

ComposedCard compose(const CardRecipe &recipe, const QSize &screen, const CardCache &cache,
                     const QString &program, const std::shared_future<QImage> &kept)
{
    if (kept.valid() && kept.get().size() == screen)
        return kept.get();
    QImage card = newScreenImage(screen);
    if (!card.isNull() && card.bytesPerLine() == qsizetype(screen.width()) * 4
        && cache.load(recipe.key, screen, card.bits(), card.sizeInBytes()))
        return card;

    card = recipe.compose(screen);
    return {card, [cache, key = recipe.key, families = recipe.families, program](const QImage &shown) {
        QList<CardCache::Stamp> dependencies;
        for (const QString &path : CardDependencies::files(families ? families() : QStringList()))
            dependencies << CardCache::stampOf(path);
        QString error;
        const QImage pixels = shown.convertToFormat(QImage::Format_RGB32);
        if (pixels.bytesPerLine() != qsizetype(pixels.width()) * 4
            || !cache.store(key, pixels.size(), pixels.constBits(), pixels.sizeInBytes(), dependencies, &error))
            std::fprintf(stderr, "%s: the card was not kept in the cache: %s\n", qPrintable(program),
                         qPrintable(error));
    }};
}

} // namespace CachedCard
