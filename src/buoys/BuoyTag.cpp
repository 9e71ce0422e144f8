#include "buoys/BuoyTag.h"

#include "platform/Val.h"

namespace {
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
    values.size = Val(backslash < 0 ? QString() : tag.left(backslash));
    values.kind = Val(after(tag, QLatin1Char('\\')));
    values.topmark = Val(after(tag, QLatin1Char('/')));
    return values;
}
