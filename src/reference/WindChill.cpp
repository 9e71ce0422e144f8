#include "reference/WindChill.h"

#include "platform/values/Val.h"

#include <cmath>

namespace {
constexpr double KilometresPerHourPerKnot = 1.852;
// The index holds from a walking pace, 4.8 km/h, up, in air of 10 degrees
// and colder.
constexpr double SlowestWind = 4.8;
constexpr double WarmestAir = 10;
} // namespace

std::optional<double> WindChill(double temperature, double windKnots)
{
    if (windKnots < 0 || !std::isfinite(temperature) || !std::isfinite(windKnots))
        return std::nullopt;
    const double wind = windKnots * KilometresPerHourPerKnot;
    if (temperature > WarmestAir || wind < SlowestWind)
        return temperature;
    const double w = std::pow(wind, 0.16);
    const double chill = 13.12 + 0.6215 * temperature - 11.37 * w + 0.3965 * temperature * w;
    if (!std::isfinite(chill))
        return std::nullopt;
    return chill;
}

QString ChillText(double value)
{
    // A negative zero (from "-0" without wind) is no negative value.
    return QString::number(value == 0 ? 0.0 : value, 'f', 1);
}

bool GivesValue(const QString &text)
{
    return BeginsWithNumber(text) || text.trimmed().isEmpty();
}

QString LimitedInput(int box, const QString &text)
{
    if (!GivesValue(text))
        return text;
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
