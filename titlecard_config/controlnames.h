#pragma once

#include <QString>

// Object names of the dialogs' controls. A control with a numeric id is
// named "ctl" followed by the id ("ctl1003", "ctl1"); the static texts and
// group boxes, which have no id, carry the descriptive names below. Tests
// and the dialogs find controls by these names.
inline QString controlName(int id)
{
    return QStringLiteral("ctl") + QString::number(id);
}

namespace ControlNames {
inline const QString kConfigDialog = QStringLiteral("TAMBINITCFGDLG");
inline const QString kAboutDialog = QStringLiteral("TAMBINITABTDLG");
inline const QString kContentGroup = QStringLiteral("groupContent");
inline const QString kFontGroup = QStringLiteral("groupFont");
inline const QString kSourcesGroup = QStringLiteral("groupSources");
} // namespace ControlNames
