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
    const QStringList arguments = programArguments(argc, argv);
    const CardProgram dastor{ProgramNames::kDastor, QuoteSources::findFixedFile(QuoteSources::kDastor)->series,
                             DastorCard::kIcon, DastorCard::kSound,
                             true, // a key or a click ends the card early
                             {}};  // always draws its text
    return runCardProgram(argc, argv, dastor, [&arguments](const QSize &size) {
        // The quote file lies in the program folder, which the application names.
        return DastorCard::composeForArguments(arguments, size, QRandomGenerator::global()->generateDouble(),
                                               programFolder() + QLatin1Char('/') + QuoteSources::kDastor);
    });
}
