#include "propertyfiles.h"

#include "shared/cp932.h"
#include "shared/programnames.h"
#include "shared/suitehelp.h"
#include "titlecard/titlefontfile.h"
#include "viewer/quotesources.h"

namespace PropertyFiles {

const QList<PresenceCheck> &presenceChecks()
{
    namespace Programs = ProgramNames;
    namespace Quotes = QuoteSources;
    static const QList<PresenceCheck> table = {
        {Programs::kTambwin, QStringLiteral("Option12")},
        {Programs::kMirwin, QStringLiteral("Option7")},
        {Programs::kMirinit, QStringLiteral("Command9")},
        {Programs::kDastor, QStringLiteral("Option13")},
        {Programs::kTambinit, QStringLiteral("Command6")},
        {Quotes::kTamber, QStringLiteral("Option10")},
        {Quotes::kAnitamb, QStringLiteral("Option8")},
        {Quotes::kMirelle, QStringLiteral("Option1")},
        {Quotes::kAnimir, QStringLiteral("Option6")},
        {Quotes::kQuill, QStringLiteral("Option2")},
        {Quotes::kTambkari, QStringLiteral("Option18")},
        {Quotes::kDastor, QStringLiteral("Option5")},
        {Programs::kVelmo, QStringLiteral("Command1")},
        {SuiteHelp::kPageName, QStringLiteral("Command3")},
    };
    return table;
}

QString tambwinFace(const QString &path)
{
    return Cp932::toUnicode(TitleFontFile::readFaceLine(path));
}

} // namespace PropertyFiles
