#include "buoys/BuoyTag.h"

#include <QRegularExpression>

namespace {
// The decimal number at the start of the text, after any blanks.
double leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?))"));
    const QRegularExpressionMatch m = number.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}

// The text after the first occurrence of the mark; empty when it is missing.
QString after(const QString &tag, QChar mark)
{
    const qsizetype at = tag.indexOf(mark);
    return at < 0 ? QString() : tag.mid(at + 1);
}
} // namespace

QString BuoyTag(int size, long kind, long topmark)
{
    return QStringLiteral("%1\\%2/%3").arg(size).arg(kind).arg(topmark);
}

BuoyTagValues ParseBuoyTag(const QString &tag)
{
    BuoyTagValues values;
    const qsizetype backslash = tag.indexOf(QLatin1Char('\\'));
    values.size = leadingNumber(backslash < 0 ? QString() : tag.left(backslash));
    values.kind = leadingNumber(after(tag, QLatin1Char('\\')));
    values.topmark = leadingNumber(after(tag, QLatin1Char('/')));
    return values;
}
