#include "interfacelanguage.h"

#include "shared/programinfo.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool loadInterfaceTranslation(QCoreApplication &app, const QString &folder)
{
    const bool japanese =
        ProgramInfo::languageOf(ProgramInfo::currentLocale()) == ProgramInfo::Language::Japanese;
    auto *translator = new QTranslator(&app);
    const bool loaded = japanese ? translator->load(QStringLiteral("qtbase_ja"),
                                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                                 : translator->load(QStringLiteral(SUITE_ENGLISH_TRANSLATION), folder);
    if (!loaded) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
