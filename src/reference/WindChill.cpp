#include "reference/WindChill.h"

#include "platform/values/Val.h"

#include <algorithm>
#include <cmath>

namespace {
// Skin temperature: air as warm as this is chilled by no wind.
constexpr double Skin = 33;
// The wind at which the formula is coldest, (7.1766 / (2 x 0.5145))^2, about
// 48.6 knots; beyond it the formula would let a stronger wind feel warmer.
const double ColdestWind = std::pow(7.1766 / (2 * 0.5145), 2);
} // namespace

std::optional<double> WindChill(double temperature, double windKnots)
{
    if (windKnots < 0 || !std::isfinite(temperature) || !std::isfinite(windKnots))
        return std::nullopt;
    if (windKnots == 0 || temperature >= Skin)
        return temperature;
    const double wind = std::min(windKnots, ColdestWind);
    const double chill = (7.1766 * std::sqrt(wind) + 10.45 - 0.5145 * wind) * 0.045 * (temperature - Skin) + Skin;
    if (!std::isfinite(chill))
        return std::nullopt;
    // A light wind would otherwise make the air feel warmer than it is.
    return std::min(chill, temperature);
}

QString ChillText(double value)
{
    // A negative zero (from "-0" without wind) is no negative value.
    return QString::number(value == 0 ? 0.0 : value, 'f', 1);
}

QString LimitedInput(int box, const QString &text)
{
    // A number beyond range reads as an infinity, which the limits catch.
    const double value = Val(text);
    if (box == 0) {
        if (value < -50)
            return QStringLiteral("-50");
        if (value > 33)
            return QStringLiteral("33");
    } else if (box == 1) {
        if (value < 5)
            return QStringLiteral("5");
        if (value > 80)
            return QStringLiteral("80");
    }
    return text;
}
