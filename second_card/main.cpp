#include "mirwincard.h"

#include "second_config/mirwinsettingsfile.h"
#include "shared/argumentstring.h"
#include "shared/programinfo.h"
#include "shared/programnames.h"
#include "titlecard/cardprogram.h"
#include "viewer/quotesources.h"

#include <QRandomGenerator>

int main(int argc, char **argv)
{
    if (const std::optional<int> answered = ProgramInfo::answer(ProgramNames::kMirwin, argc, argv))
        return *answered;
    const CardProgram mirwin{ProgramNames::kMirwin, QuoteSources::findFixedFile(QuoteSources::kMirelle)->series,
                             QuoteSources::kTextContext,
                             MirwinCard::kIcon, MirwinCard::kSound,
                             true}; // a key or a click ends the card early
    // What to show is known before Qt starts; a card kept from an earlier
    // run then needs no fonts at all.
    return runCardProgram(argc, argv, mirwin,
                          MirwinCard::recipe(programArguments(argc, argv), QRandomGenerator::global()->generateDouble(),
                                             MirwinSettingsFile::path()));
}
