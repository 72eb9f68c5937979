#pragma once

#include "viewergui.h"

#include <memory>

// Loads the viewer's GUI module from its folder in the program folder. Null, with the
// reason in *error, when it is missing or not the module it should be.
std::unique_ptr<ViewerGui> loadViewerGui(int *argc, char **argv, const QString &folder, QString *error);
