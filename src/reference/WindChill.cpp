#include "reference/WindChill.h"

#include "platform/Val.h"

#include <cmath>

std::optional<double> WindChill(double temperature, double windKnots)
{
    if (windKnots < 0 || !std::isfinite(temperature) || !std::isfinite(windKnots))
        return std::nullopt;
    if (windKnots == 0)
        return temperature;
    const double chill = (7.1766 * std::sqrt(windKnots) + 10.45 - 0.5145 * windKnots) * 0.045 * (temperature - 33) + 33;
    if (!std::isfinite(chill))
        return std::nullopt;
    return chill;
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
