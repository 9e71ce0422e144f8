#include "silhouettes/ElementShape.h"

#include "data/Database.h"
#include "quiz/MaintForm.h"
#include "silhouettes/DrawShape.h"
#include "silhouettes/ShapeKinds.h"

void DrawNewElement(MaintElement &element, long kind, Whole s)
{
    if (!IsShapeKind(kind))
        return;
    if (const auto box = ElementBox(kind, s))
        element.SetSize(box->width.F(), box->height.F());
    const Whole x = Whole::Round(element.Width() / 2.0);
    const Whole y = Whole::Round(element.Height() / 2.0);
    DrawShapeKind(element, ShapeEntry::Editor, kind, x, y, s);
}

ElementTag ParsePictureTag(const QString &tag)
{
    if (!tag.contains(QLatin1Char('\\')))
        throw DbError(5, QStringLiteral("Invalid procedure call or argument"));
    return ParseElementTag(tag);
}
