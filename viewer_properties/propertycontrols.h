#pragma once

#include <QString>

// The object names (the form's control names) of the property window's
// buttons that the presence checks refer to as well as the page making
// them. The options' names are in their tables (propertychoices.h).
namespace PropertyControls {
inline const QString kOk = QStringLiteral("Command1");
inline const QString kHelp = QStringLiteral("Command3");
inline const QString kStartTambinit = QStringLiteral("Command6");
inline const QString kStartMirinit = QStringLiteral("Command9");
} // namespace PropertyControls
