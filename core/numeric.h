// Conversions of the game's real values to integers.
#ifndef MOLLIBEK_CORE_NUMERIC_H
#define MOLLIBEK_CORE_NUMERIC_H

#include <climits>
#include <cmath>

// Truncates toward zero. Values beyond the int range (an infinite countdown
// when gamespeed is 0, say) saturate instead of being undefined, and NaN
// gives 0.
inline int truncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= double(INT_MAX))
        return INT_MAX;
    if (v <= double(INT_MIN))
        return INT_MIN;
    return int(v);
}

#endif
