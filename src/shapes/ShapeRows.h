#pragma once

#include "silhouettes/DrawShape.h"

#include <QString>

class Recordset;

// Reads the current line row. The colour is not read: it plays no part in
// the drawing. A Null position, size or kind is "Invalid use of Null" (94).
ShapeLine ReadShapeLine(const Recordset &row);

// The fields a save writes, the texts exactly as given.
void SetShapeHead(Recordset &head, const QString &hint, const QString &text, const QString &fogSignal);
// A line row's fields besides HEADER; COLOUR carries nothing and is 0.
void SetShapeLine(Recordset &line, const ShapeLine &element);
