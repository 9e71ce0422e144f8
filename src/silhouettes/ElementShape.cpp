#include "silhouettes/ElementShape.h"

#include "data/Database.h"

ElementTag ParsePictureTag(const QString &tag)
{
    if (!tag.contains(QLatin1Char('\\')))
        throw DbError(5, QStringLiteral("Invalid procedure call or argument"));
    return ParseElementTag(tag);
}
