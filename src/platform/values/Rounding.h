#pragma once

#include <cmath>

// Rounds to the nearest integer, an exact half to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). std::round sends halves away from zero,
// which is not what the drawing and timing rules of this program expect.
inline long RoundHalfEven(double value)
{
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5)
        return static_cast<long>(down);
    if (diff > 0.5)
        return static_cast<long>(down) + 1;
    const long d = static_cast<long>(down);
    return (d % 2 == 0) ? d : d + 1;
}
