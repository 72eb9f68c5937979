#include "cardcomposition.h"
#include "cardprogram.h"
#include "clock.h"
#include "titlefontfile.h"
#include "wavesound.h"

#include "shared/argumentstring.h"
#include "shared/programinfo.h"
#include "shared/programnames.h"

int main(int argc, char **argv)
{
    if (const std::optional<int> answered = ProgramInfo::answer(ProgramNames::kTambwin, argc, argv))
        return *answered;
    // What to show is known before Qt starts; a card kept from an earlier
    // run then needs no fonts at all.
    const CardRequest request =
        requestForArguments(argumentString(programArguments(argc, argv)), SystemClock(), TitleFontFile::path());
    const CardProgram tambwin{ProgramNames::kTambwin,
                              QStringLiteral(QT_TRANSLATE_NOOP("CardProgram", "タンバー for Windows95")), "CardProgram",
                              QStringLiteral(":/titlecard/tambwin.png"), WaveSound::kTambwinResource,
                              false}; // the card cannot be dismissed early
    return runCardProgram(argc, argv, tambwin, recipeFor(request));
}
