#pragma once

#include "shapes/DrawShape.h"

#include <QString>

class Recordset;

// The size and kind an element picture of the editor carries in its tag
// text until the picture is saved: the unit, "\", the kind ("80\1" for a
// small ball). The day-shapes tag keeps its own namespace in the program's
// symbols, apart from other topics' tag functions of the same names.
inline namespace ShapeTags {
struct PictureTag {
    double size = 0;
    double kind = 0;
};
QString FormatPictureTag(int size, int kind);
// Each part is read as the leading decimal number of its text (0 when there
// is none). A text without "\" is no tag of this editor: "Invalid procedure
// call" (5).
PictureTag ParsePictureTag(const QString &tag);
} // namespace ShapeTags

// Reads the current line row. The colour is not read: it plays no part in
// the drawing. A Null position, size or kind is "Invalid use of Null" (94).
ShapeLine ReadShapeLine(const Recordset &row);

// The fields a save writes, the texts exactly as given.
void SetShapeHead(Recordset &head, const QString &hint, const QString &text, const QString &fogSignal);
// A line row's fields besides HEADER; COLOUR carries nothing and is 0.
void SetShapeLine(Recordset &line, const ShapeLine &element);
