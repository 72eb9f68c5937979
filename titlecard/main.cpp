#include "cachedcard.h"
#include "cardcache.h"
#include "cardcomposition.h"
#include "cardprogram.h"
#include "clock.h"
#include "titlefontfile.h"
#include "wavesound.h"

#include "shared/argumentstring.h"
#include "shared/programnames.h"

int main(int argc, char **argv)
{
    const QStringList arguments = programArguments(argc, argv);
    const CardProgram tambwin{ProgramNames::kTambwin, QStringLiteral("タンバー for Windows95"),
                              QStringLiteral(":/titlecard/tambwin.png"), WaveSound::kTambwinResource,
                              false}; // the card cannot be dismissed early
    return runCardProgram(argc, argv, tambwin, [&arguments](const QSize &size) {
        const CardRequest request = requestForArguments(argumentString(arguments), SystemClock(), TitleFontFile::path());
        return CachedCard::compose(request, size, CardCache(CardCache::defaultFolder()));
    });
}
