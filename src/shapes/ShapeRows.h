#pragma once

#include "quiz/ElementTag.h"
#include "shapes/DrawShape.h"

#include <QString>

class Recordset;

// The size and kind an element picture of the editor carries in its tag
// (FormatElementTag: "80\1" for a small ball), read back when the picture is
// saved. A text without "\" is no tag of this editor: "Invalid procedure
// call" (5).
ElementTag ParsePictureTag(const QString &tag);

// Reads the current line row. The colour is not read: it plays no part in
// the drawing. A Null position, size or kind is "Invalid use of Null" (94).
ShapeLine ReadShapeLine(const Recordset &row);

// The fields a save writes, the texts exactly as given.
void SetShapeHead(Recordset &head, const QString &hint, const QString &text, const QString &fogSignal);
// A line row's fields besides HEADER; COLOUR carries nothing and is 0.
void SetShapeLine(Recordset &line, const ShapeLine &element);
