#pragma once

#include <cmath>

// Rounds to the nearest integer, halves to the even neighbour (10.5 -> 10,
// 11.5 -> 12), as the forms' integer conversions do.
inline double roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5)
        return lower + 1;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}
