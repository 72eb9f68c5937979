#pragma once

#include "shared/ui/formplacer.h"

// tambinit's dialogs are laid out in dialog units of the 9-point Japanese
// face (a static text 8 units high, an edit 15); their fields keep the
// platform's colours.
// (Not inline: the programs' styles share a name and stay apart where
// their forms are linked into one binary.)
const FormStyle kFormStyle = {8, 15, std::nullopt, std::nullopt, false};

// Room left beside and below a control that outgrew the dialog.
constexpr int kFormMarginUnits = 5;
