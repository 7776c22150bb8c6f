#pragma once
#include "Integer.h"

#include <cmath>

// Nearest whole number, a half going to the even neighbour.
inline Integer roundHalfEven(float x)
{
    return Integer(std::nearbyint(x));  // the default rounding mode is to nearest-even
}
