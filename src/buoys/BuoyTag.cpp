#include "buoys/BuoyTag.h"

#include "quiz/session/ElementTag.h"

QString BuoyTag(int size, long kind, long topmark)
{
    return FormatElementTag(size, kind) + QLatin1Char('/') + QString::number(topmark);
}

BuoyTagValues ParseBuoyTag(const QString &tag)
{
    const ElementTag element = ParseElementTag(tag);
    BuoyTagValues values;
    values.size = element.size;
    values.kind = element.kind;
    values.topmark = TagNumberAfter(tag, QLatin1Char('/'));
    return values;
}
