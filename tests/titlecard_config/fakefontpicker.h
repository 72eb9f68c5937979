#pragma once

#include "titlecard_config/fontpicker.h"

// Answers the font dialog with a prepared choice and remembers how it was asked.
class FakeFontPicker : public FontPicker
{
public:
    Choice choose(const QFont &initial, bool fixedPitchOnly, QWidget *parent) override
    {
        ++calls;
        lastInitial = initial;
        lastFixedPitchOnly = fixedPitchOnly;
        lastParent = parent;
        Choice choice = answer;
        if (!choice.accepted)
            choice.font = initial;
        return choice;
    }

    Choice answer;
    int calls = 0;
    QFont lastInitial;
    bool lastFixedPitchOnly = false;
    QWidget *lastParent = nullptr;
};
