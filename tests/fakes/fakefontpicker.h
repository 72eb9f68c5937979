#pragma once

#include "shared/ui/fontpicker.h"

// Answers the font dialog with a prepared choice; a cancel hands back the
// font the dialog was opened with.
class FakeFontPicker : public FontPicker
{
public:
    Choice choose(const QFont &initial, bool fixedPitchOnly, QWidget *) override
    {
        ++calls;
        lastInitial = initial;
        lastFixedPitchOnly = fixedPitchOnly;
        return answer.accepted ? answer : Choice{false, initial};
    }

    Choice answer;
    int calls = 0;
    QFont lastInitial;
    bool lastFixedPitchOnly = false;
};
