#include "cardcomposition.h"

#include "backgroundpicture.h"
#include "cardrenderer.h"
#include "titlechoice.h"
#include "titlefontfile.h"

QImage composeCardForArguments(const QString &argumentString, const QSize &screen,
                               const Clock &clock, const QString &settingsPath)
{
    const TitleChoice choice = decideTitle(argumentString, clock);
    TitleFont font = defaultTitleFont();
    TitleFontFile::read(settingsPath, font);
    const QImage picture = BackgroundPicture::decode(BackgroundPicture::resourceBytes());
    return CardRenderer::composeCard(picture, choice.title, font, screen);
}
