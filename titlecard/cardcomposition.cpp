#include "cardcomposition.h"

#include "backgroundpicture.h"
#include "cardkey.h"
#include "cardrenderer.h"
#include "titlechoice.h"
#include "titlefontfile.h"
#include "titlefontmapping.h"

#include "shared/programnames.h"
#include "shared/ui/installedfaces.h"

#include <QFontInfo>

CardRequest requestForArguments(const QString &argumentString, const Clock &clock, const QString &settingsPath)
{
    CardRequest request{decideTitle(argumentString, clock).title, defaultTitleFont()};
    TitleFontFile::read(settingsPath, request.font);
    return request;
}

QImage composeCard(const CardRequest &request, const QSize &screen)
{
    const QImage picture = BackgroundPicture::decode(BackgroundPicture::resourceBytes());
    return CardRenderer::composeCard(picture, request.title, request.font, screen);
}

CardRecipe recipeFor(const CardRequest &request)
{
    const TitleFont &f = request.font;
    CardKey key(ProgramNames::kTambwin);
    key << request.title.toUtf8() << f.lfHeight << f.lfWidth << f.lfEscapement << f.lfOrientation << f.lfWeight
        << f.lfItalic << f.lfUnderline << f.lfStrikeOut << f.lfCharSet << f.lfOutPrecision << f.lfClipPrecision
        << f.lfQuality << f.lfPitchAndFamily << f.lfFaceName;
    return {key.bytes(),
            [request](const QSize &screen) { return composeCard(request, screen); },
            [font = request.font] {
                const QFont face = TitleFontMapping::toQFont(font, InstalledFaces());
                return face.families() << QFontInfo(face).family();
            },
            {}}; // its picture is decoded in no time
}

QImage composeCardForArguments(const QString &argumentString, const QSize &screen,
                               const Clock &clock, const QString &settingsPath)
{
    return composeCard(requestForArguments(argumentString, clock, settingsPath), screen);
}
