#pragma once

// Stores day-shapes pictures with their elements in a program folder
// (PictureFixture).

#include "PictureFixture.h"

#include <vector>

struct StoredShape {
    QVariant x;
    QVariant y;
    QVariant size;
    QVariant kind;
};

inline StoredShape Shape(double x, double y, double size, double kind) { return {x, y, size, kind}; }

// Appends a picture with its elements in the order given; returns its RECORD.
inline long AddShapes(PictureFixture &folder, const QVariant &hint, const QVariant &text, const QVariant &fog,
                      const std::vector<StoredShape> &shapes = {})
{
    const long record = folder.AddHead("SHAPEHEAD", {{"HINT", hint}, {"TEXT", text}, {"FOGSIGNAL", fog}});
    std::vector<RowFields> rows;
    for (const StoredShape &s : shapes)
        rows.push_back({{"COLOUR", 0}, {"XPOS", s.x}, {"YPOS", s.y}, {"SIZE", s.size}, {"LISTPTR", s.kind}});
    folder.AddLines("SHAPELINE", record, rows);
    return record;
}
