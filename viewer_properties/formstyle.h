#pragma once

#include "shared/ui/formplacer.h"

// The property window's form and pages are laid out in twips; a text
// field that takes input is white, one that only shows (or is switched
// off) has the menu's background.
// (Not inline: the programs' styles share a name and stay apart where
// their forms are linked into one binary.)
const FormStyle kFormStyle = {270, 315, FieldBackground::White, FieldBackground::Menu, false};
