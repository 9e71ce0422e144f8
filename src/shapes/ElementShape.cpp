#include "shapes/ElementShape.h"

#include "quiz/MaintForm.h"
#include "shapes/DrawShape.h"
#include "shapes/ShapeKinds.h"

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
