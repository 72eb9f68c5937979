#include "cardcomposition.h"

#include "backgroundpicture.h"
#include "cardrenderer.h"
#include "titlechoice.h"
#include "titlefontfile.h"

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

QImage composeCardForArguments(const QString &argumentString, const QSize &screen,
                               const Clock &clock, const QString &settingsPath)
{
    return composeCard(requestForArguments(argumentString, clock, settingsPath), screen);
}
