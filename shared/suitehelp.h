#pragma once

#include <QString>

// The suite's help page: one HTML file beside the programs that explains
// every program, every page of the property window and every setting.
namespace SuiteHelp {
inline const QString kPageName = QStringLiteral("help.html");
} // namespace SuiteHelp
