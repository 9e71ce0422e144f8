#pragma once

#include "quiz/ElementTag.h"
#include "silhouettes/ShapeArithmetic.h"

class MaintElement;

// The editor's entry into the shape drawing: gives the new element picture
// its kind's element box (the cones keep the template's size), takes the
// centre from half the size it now has, to the nearest twip (halves to even),
// and draws the element on it once. A number that is no kind draws nothing
// and leaves the picture as it was made.
void DrawNewElement(MaintElement &element, long kind, Whole s);

// The size and kind an element picture of the editor carries in its tag
// (FormatElementTag: "80\1" for a small ball), read back when the picture is
// saved. A text without "\" is no tag of this editor: "Invalid procedure
// call" (5).
ElementTag ParsePictureTag(const QString &tag);
