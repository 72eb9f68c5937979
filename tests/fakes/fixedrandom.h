#pragma once

#include "viewer/randomsource.h"

// Draws the same number every time and counts the draws.
class FixedRandom : public RandomSource
{
public:
    double draw() override
    {
        ++draws;
        return r;
    }

    double r = 0.0;
    int draws = 0;
};
