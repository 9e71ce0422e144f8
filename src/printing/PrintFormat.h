#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The printed width of a text in the printer's current font and unit.
using TextMeasure = std::function<double(const QString &text)>;

// Breaks a text into the lines of a printed column and leaves them in
// PrintLines, returning how many there are. A line holds at most MaxChars
// characters; with MaxWidth above 0 it holds as many more as fit that width
// (by the measure), and a count once reached is kept for the later lines.
// A carriage return, with the line feed after it, ends a line; otherwise a
// line breaks at its last blank, which is dropped, or within a word longer
// than the line. PrintLines holds at least 21 elements, the unused ones empty.
short PrintFormat(short MaxChars, const QString &WrapText, float MaxWidth, const TextMeasure &measure);
// Measured by the printer in use.
short PrintFormat(short MaxChars, const QString &WrapText, float MaxWidth);

// The lines of a text within a width, none of them wider: PrintFormat's
// lines from a count of one, and a line that still comes out wider (the
// count a line takes never falls, so wide letters after narrow ones overrun)
// wrapped again on its own. A character wider than the width stands alone.
QStringList FittedLines(const QString &text, float width, const TextMeasure &measure);
