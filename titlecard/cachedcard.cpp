#include "cachedcard.h"

#include "cardcache.h"
#include "carddependencies.h"
#include "screenimage.h"
#include "titlefontmapping.h"

#include "shared/programnames.h"
#include "shared/ui/installedfaces.h"

#include <QDataStream>
#include <QIODevice>
#include <QFontInfo>

#include <cstdio>

namespace CachedCard {

QByteArray key(const CardRequest &request)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const TitleFont &f = request.font;
    out << ProgramNames::kTambwin.toUtf8() << QByteArrayLiteral(SUITE_VERSION) << request.title.toUtf8()
        << f.lfHeight << f.lfWidth << f.lfEscapement << f.lfOrientation << f.lfWeight << f.lfItalic
        << f.lfUnderline << f.lfStrikeOut << f.lfCharSet << f.lfOutPrecision << f.lfClipPrecision << f.lfQuality
        << f.lfPitchAndFamily << f.lfFaceName;
    return bytes;
}

std::shared_future<QImage> readKept(const CardRequest &request, const CardCache &cache)
{
    return std::async(std::launch::async | std::launch::deferred, [cacheKey = key(request), cache] {
               const QSize size = cache.storedSize(cacheKey);
               QImage card = newScreenImage(size);
               provideAllPages(card); // written whole by the read
               if (card.isNull() || card.bytesPerLine() != qsizetype(size.width()) * 4
                   || !cache.load(cacheKey, size, card.bits(), card.sizeInBytes()))
                   return QImage();
               return card;
           }).share();
}

ComposedCard compose(const CardRequest &request, const QSize &screen, const CardCache &cache,
                     const std::shared_future<QImage> &kept)
{
    if (kept.valid() && kept.get().size() == screen)
        return kept.get();
    const QByteArray cacheKey = key(request);
    QImage card = newScreenImage(screen);
    if (card.isNull())
        return composeCard(request, screen);
    if (card.bytesPerLine() == qsizetype(screen.width()) * 4
        && cache.load(cacheKey, screen, card.bits(), card.sizeInBytes()))
        return card;

    card = composeCard(request, screen);
    return {card, [cache, cacheKey, font = request.font](const QImage &shown) {
        const QFont face = TitleFontMapping::toQFont(font, InstalledFaces());
        QStringList families = face.families();
        families << QFontInfo(face).family();
        QList<CardCache::Stamp> dependencies;
        for (const QString &path : CardDependencies::files(families))
            dependencies << CardCache::stampOf(path);
        QString error;
        const QImage pixels = shown.convertToFormat(QImage::Format_RGB32);
        if (pixels.bytesPerLine() != qsizetype(pixels.width()) * 4
            || !cache.store(cacheKey, pixels.size(), pixels.constBits(), pixels.sizeInBytes(), dependencies, &error))
            std::fprintf(stderr, "%s: the card was not kept in the cache: %s\n",
                         qPrintable(ProgramNames::kTambwin), qPrintable(error));
    }};
}

} // namespace CachedCard
