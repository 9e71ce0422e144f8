#include "printing/PrintFormat.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "platform/print/Printer.h"

#include <algorithm>
#include <limits>

namespace {
const QString Location = QStringLiteral("Mainmod:PrintFormat");
constexpr QChar CarriageReturn(13);
constexpr QChar LineFeed(10);
constexpr QChar Blank(32);

// How many characters from position start (from 0) on fit within the width.
int CharactersThatFit(const QString &text, int start, float maxWidth, const TextMeasure &measure)
{
    QString trial;
    int taken = 0;
    for (int i = start; i < text.size(); ++i) {
        trial += text.at(i);
        if (!(measure(trial) < maxWidth))
            break;
        ++taken;
    }
    return taken;
}
} // namespace

short PrintFormat(short MaxChars, const QString &WrapText, float MaxWidth, const TextMeasure &measure)
{
    PrintLines = QStringList(21, QString());
    const int length = static_cast<int>(WrapText.size());
    // Positions count from 1, as the rules for breaking are written.
    int S = 1;
    int R = 0;
    int n = 0;
    int C = MaxChars;
    auto mid = [&](int from, int count) { return WrapText.mid(from - 1, count); };

    while (R < length) {
        if (n % 20 == 19)
            PrintLines.resize(n + 21);

        if (MaxWidth > 0) {
            // The answer never repeats the measuring: the line takes the count
            // it has.
            Handle(
                [](const StepError &e) {
                    ReportError(Location, e.number, e.description);
                    return false;
                },
                [&] { C = std::max(C, CharactersThatFit(WrapText, S - 1, MaxWidth, measure)); });
        }
        // A column narrower than one character still takes one a line, or
        // the wrap would never get past a character.
        C = std::max(C, 1);

        R = static_cast<int>(WrapText.indexOf(CarriageReturn, S - 1)) + 1;
        QString line;
        bool last = false;
        if (R > 0 && R - S <= C) {
            line = mid(S, R - S);
            // Only a line feed belongs to the line break; any other
            // character after the carriage return begins the next line.
            S = R + 1;
            if (S <= length && WrapText.at(S - 1) == LineFeed)
                ++S;
        } else if (length - S + 1 <= C) {
            line = mid(S, length - S + 1);
            last = true;
        } else {
            int j = S + C;
            while (j >= S && WrapText.at(j - 1) != Blank)
                --j;
            if (j >= S) {
                line = mid(S, j - S);
                S = j + 1;
            } else {
                line = mid(S, C);
                S += C;
            }
        }
        PrintLines[n] = line;
        ++n;
        if (last || n == std::numeric_limits<short>::max())
            break;
    }
    return static_cast<short>(n);
}

short PrintFormat(short MaxChars, const QString &WrapText, float MaxWidth)
{
    return PrintFormat(MaxChars, WrapText, MaxWidth,
                       [](const QString &text) { return PrinterInUse().TextWidth(text); });
}

QStringList FittedLines(const QString &text, float width, const TextMeasure &measure)
{
    if (text.isEmpty())
        return {};
    const QStringList lines = PrintLines.mid(0, PrintFormat(1, text, width, measure));
    // The first line takes only what fits.
    QStringList fitted{lines.value(0)};
    for (int i = 1; i < lines.size(); ++i) {
        if (measure(lines[i]) < width)
            fitted << lines[i];
        else
            fitted << FittedLines(lines[i], width, measure);
    }
    return fitted;
}
