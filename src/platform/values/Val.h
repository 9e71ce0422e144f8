#pragma once

#include <QString>

// The number a text begins with, read as the classic Val reads it: blanks,
// tabs and line feeds are passed over wherever they stand, "." is the decimal
// point, a sign may lead, "E" or "D" starts an exponent, and the reading stops
// at the first character that cannot go on with the number. A text that does
// not begin with a number reads 0; a number beyond the range of a double
// reads as an infinity of its sign.
double Val(const QString &text);

// Whether Val finds a number at the text's start: false for a text that reads
// 0 only because it holds no number ("abc20", "-", ".", a blank text).
bool BeginsWithNumber(const QString &text);
