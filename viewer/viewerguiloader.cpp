#include "viewerguiloader.h"

#include <QFile>

#include <dlfcn.h>

std::unique_ptr<ViewerGui> loadViewerGui(int *argc, char **argv, const QString &folder, QString *error)
{
    const QString path = folder + QLatin1Char('/') + QStringLiteral(VIEWER_GUI_MODULE);
    // Never unloaded: the application it makes lives until the program ends.
    void *module = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    const auto failed = [error] {
        if (error)
            *error = QString::fromLocal8Bit(dlerror());
        return nullptr;
    };
    if (!module)
        return failed();
    const auto create = reinterpret_cast<ViewerGuiModule::Factory>(dlsym(module, ViewerGuiModule::kFactory));
    if (!create)
        return failed();
    return std::unique_ptr<ViewerGui>(create(argc, argv));
}
