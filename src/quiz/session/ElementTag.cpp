#include "quiz/session/ElementTag.h"

#include "platform/values/Val.h"

QString FormatElementTag(long size, long kind)
{
    return QString::number(size) + QLatin1Char('\\') + QString::number(kind);
}

double TagNumberBefore(const QString &tag, QChar mark)
{
    const qsizetype at = tag.indexOf(mark);
    return at < 0 ? 0.0 : Val(tag.left(at));
}

double TagNumberAfter(const QString &tag, QChar mark)
{
    const qsizetype at = tag.indexOf(mark);
    return at < 0 ? 0.0 : Val(tag.mid(at + 1));
}

ElementTag ParseElementTag(const QString &tag)
{
    return {TagNumberBefore(tag, QLatin1Char('\\')), TagNumberAfter(tag, QLatin1Char('\\'))};
}
