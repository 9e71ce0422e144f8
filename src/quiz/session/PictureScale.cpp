#include "quiz/session/PictureScale.h"

#include "platform/values/Rounding.h"

#include <algorithm>

double PictureScale(double width, double height, int designWidth, int designHeight)
{
    return std::min(width / designWidth, height / designHeight);
}

long ScaleToPicture(double value, double k) { return RoundHalfEven(value * k); }
