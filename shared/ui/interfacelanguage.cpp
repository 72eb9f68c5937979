#include "interfacelanguage.h"

#include "shared/programfolder.h"
#include "shared/programinfo.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool loadInterfaceTranslation(QCoreApplication &app)
{
    const auto language = ProgramInfo::languageOf(ProgramInfo::currentLocale());
    return loadInterfaceTranslation(app, programFolder(), language == ProgramInfo::Language::Japanese);
}

bool loadInterfaceTranslation(QCoreApplication &app, const QString &folder, bool japanese)
{
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
