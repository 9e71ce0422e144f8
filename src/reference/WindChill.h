#pragma once

#include <QString>

#include <optional>

// The temperature felt in wind, degrees Celsius, by the wind chill index the
// weather services use, 13.12 + 0.6215 T - 11.37 V^0.16 + 0.3965 T V^0.16,
// from the air temperature T in degrees Celsius and the wind speed in knots,
// taken as V in km/h. Where the index does not hold, in air warmer than 10
// degrees or wind under 4.8 km/h, the air temperature itself. Never warmer
// than the air, and never warmer for a stronger wind. Nothing when there is
// no answer: a negative wind speed, or numbers too large to give a finite
// result.
std::optional<double> WindChill(double temperature, double windKnots);

// A result as the calculator shows it: one decimal, at least one digit before
// the point, a minus sign when negative ("#0.0").
QString ChillText(double value);

// Whether an input box's text gives a value: a number at its start, or
// nothing at all, which reads 0. Any other text is no number.
bool GivesValue(const QString &text);

// What an input box holds once the user leaves it: box 0 (temperature) is
// kept within -50 to 33, box 1 (wind speed) within 5 to 80; a value inside
// the limits, a text that is no number, and box 2 keep the text as typed.
QString LimitedInput(int box, const QString &text);
