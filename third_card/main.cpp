#include "dastorcard.h"

#include "shared/argumentstring.h"
#include "shared/programfolder.h"
#include "shared/programinfo.h"
#include "shared/programnames.h"
#include "titlecard/cardprogram.h"
#include "viewer/quotesources.h"

#include <QRandomGenerator>

int main(int argc, char **argv)
{
    if (const std::optional<int> answered = ProgramInfo::answer(ProgramNames::kDastor, argc, argv))
        return *answered;
    const CardProgram dastor{ProgramNames::kDastor, QuoteSources::findFixedFile(QuoteSources::kDastor)->series,
                             QuoteSources::kTextContext,
                             DastorCard::kIcon, DastorCard::kSound,
                             true}; // a key or a click ends the card early
    // What to show is known before Qt starts (the quote file lies in the
    // program folder); a card kept from an earlier run then needs no fonts.
    return runCardProgram(argc, argv, dastor,
                          DastorCard::recipe(programArguments(argc, argv), QRandomGenerator::global()->generateDouble(),
                                             programFolder() + QLatin1Char('/') + QuoteSources::kDastor));
}
