#pragma once

#include "shared/ui/formplacer.h"

// mirinit's forms are laid out in twips, in the 9-point Japanese face;
// buttons and labels grow to the installed face's line, and read-only
// fields lie on the button face.
// (Not inline: the programs' styles share a name and stay apart where
// their forms are linked into one binary.)
const FormStyle kFormStyle = {195, 375, std::nullopt, FieldBackground::ButtonFace, true};

// Room left beside and below a control that outgrew its container.
constexpr int kFormMarginTwips = 120;
