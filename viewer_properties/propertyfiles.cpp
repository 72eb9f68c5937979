#include "propertyfiles.h"

#include "propertychoices.h"
#include "propertycontrols.h"

#include "shared/cp932.h"
#include "shared/programnames.h"
#include "shared/suitehelp.h"
#include "titlecard/titlefontfile.h"
#include "viewer/quotesources.h"

namespace PropertyFiles {

namespace {

// The option of a built-in quote file.
QString sourceOption(const QString &fileName)
{
    return PropertyChoices::fixedSource(fileName)->control;
}

// The option of an output that starts a card program.
QString outputOption(ShowCode::Output output)
{
    for (const PropertyChoices::MethodChoice &choice : PropertyChoices::methodChoices()) {
        if (choice.output == output)
            return choice.control;
    }
    return QString();
}

} // namespace

const QList<PresenceCheck> &presenceChecks()
{
    namespace Programs = ProgramNames;
    namespace Quotes = QuoteSources;
    using Output = ShowCode::Output;
    static const QList<PresenceCheck> table = {
        {Programs::kTambwin, outputOption(Output::TitleCard)},
        {Programs::kMirwin, outputOption(Output::Mirwin)},
        {Programs::kMirinit, PropertyControls::kStartMirinit},
        {Programs::kDastor, outputOption(Output::Dastor)},
        {Programs::kTambinit, PropertyControls::kStartTambinit},
        {Quotes::kTamber, sourceOption(Quotes::kTamber)},
        {Quotes::kAnitamb, sourceOption(Quotes::kAnitamb)},
        {Quotes::kMirelle, sourceOption(Quotes::kMirelle)},
        {Quotes::kAnimir, sourceOption(Quotes::kAnimir)},
        {Quotes::kQuill, sourceOption(Quotes::kQuill)},
        {Quotes::kTambkari, sourceOption(Quotes::kTambkari)},
        {Quotes::kDastor, sourceOption(Quotes::kDastor)},
        {Programs::kVelmo, PropertyControls::kOk},
        {SuiteHelp::kPageName, PropertyControls::kHelp},
    };
    return table;
}

QString tambwinFace(const QString &path)
{
    return Cp932::toUnicode(TitleFontFile::readFaceLine(path));
}

} // namespace PropertyFiles
