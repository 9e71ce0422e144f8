#pragma once

#include <QString>

#include <optional>

// The temperature felt in wind, degrees Celsius, from the air temperature in
// degrees Celsius and the wind speed in knots; without wind, or in air at
// skin temperature (33) or warmer, the temperature itself. Never warmer than
// the air, and never warmer for a stronger wind. Nothing when there is no
// answer: a negative wind speed, or numbers too large to give a finite
// result.
std::optional<double> WindChill(double temperature, double windKnots);

// A result as the calculator shows it: one decimal, at least one digit before
// the point, a minus sign when negative ("#0.0").
QString ChillText(double value);

// What an input box holds once the user leaves it: box 0 (temperature) is
// kept within -50 to 33, box 1 (wind speed) within 5 to 80; a value inside
// the limits, and box 2, keep the text as typed.
QString LimitedInput(int box, const QString &text);
