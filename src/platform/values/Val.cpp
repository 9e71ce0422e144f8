#include "platform/values/Val.h"

namespace {
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Advances past a run of digits; true when there was at least one.
bool skipDigits(const QString &s, qsizetype &at)
{
    const qsizetype start = at;
    while (at < s.size() && isDigit(s[at]))
        ++at;
    return at > start;
}

// The text without the blanks, tabs and line feeds Val passes over.
QString packed(const QString &text)
{
    QString packed;
    packed.reserve(text.size());
    for (const QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            packed += c;
    return packed;
}

// Where the number the packed text begins with ends, before any exponent;
// 0 when it begins with none.
qsizetype numberEnd(const QString &packed)
{
    qsizetype end = 0;
    if (end < packed.size() && (packed[end] == QLatin1Char('+') || packed[end] == QLatin1Char('-')))
        ++end;
    bool digits = skipDigits(packed, end);
    if (end < packed.size() && packed[end] == QLatin1Char('.')) {
        ++end;
        digits = skipDigits(packed, end) || digits;
    }
    return digits ? end : 0;
}
} // namespace

double Val(const QString &text)
{
    const QString packed = ::packed(text);
    const qsizetype end = numberEnd(packed);
    if (end == 0)
        return 0.0;
    QString number = packed.left(end);

    // An exponent counts only with at least one digit: "4e" reads 4.
    if (end < packed.size() && QStringLiteral("eEdD").contains(packed[end])) {
        qsizetype at = end + 1;
        if (at < packed.size() && (packed[at] == QLatin1Char('+') || packed[at] == QLatin1Char('-')))
            ++at;
        if (skipDigits(packed, at))
            number += QLatin1Char('e') + packed.mid(end + 1, at - end - 1);
    }
    return number.toDouble();
}

bool BeginsWithNumber(const QString &text)
{
    return numberEnd(packed(text)) > 0;
}
