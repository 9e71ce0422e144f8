#pragma once

#include "quiz/session/ElementTag.h"
#include "silhouettes/DrawShape.h"
#include "silhouettes/ShapeArithmetic.h"
#include "silhouettes/ShapeKinds.h"

// The editor's entry into the shape drawing: gives the new element picture
// its kind's element box (the cones keep the template's size), takes the
// centre from half the size it now has, to the nearest twip (halves to even),
// and draws the element on it once. A number that is no kind draws nothing
// and leaves the picture as it was made. Element is the editor's element
// picture, a surface that keeps its size in twips (Width, Height, SetSize):
// the drawing knows no window of the editor.
template <class Element>
void DrawNewElement(Element &element, long kind, Whole s)
{
    if (!IsShapeKind(kind))
        return;
    if (const auto box = ElementBox(kind, s))
        element.SetSize(box->width.F(), box->height.F());
    const Whole x = Whole::Round(element.Width() / 2.0);
    const Whole y = Whole::Round(element.Height() / 2.0);
    DrawShapeKind(element, ShapeEntry::Editor, kind, x, y, s);
}

// The size and kind an element picture of the editor carries in its tag
// (FormatElementTag: "80\1" for a small ball), read back when the picture is
// saved. A text without "\" is no tag of this editor: "Invalid procedure
// call" (5).
ElementTag ParsePictureTag(const QString &tag);
