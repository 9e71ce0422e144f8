#pragma once

// Stores collision pictures with their elements in a program folder
// (PictureFixture).

#include "PictureFixture.h"

#include <vector>

struct StoredCol {
    QVariant x;
    QVariant y;
    QVariant size;
    QVariant kind;
    QVariant colour = 0;
};

inline StoredCol Col(double kind, double x, double y, double size) { return {x, y, size, kind}; }

// Appends a picture with its elements in order; returns its RECORD.
inline long AddCollision(PictureFixture &folder, const QVariant &hint, const QVariant &text, const QVariant &extra,
                         const std::vector<StoredCol> &elements = {})
{
    const long record = folder.AddHead("COLHEAD", {{"HINT", hint}, {"TEXT", text}, {"EXTRA", extra}});
    std::vector<RowFields> rows;
    for (const StoredCol &e : elements)
        rows.push_back({{"COLOUR", e.colour}, {"XPOS", e.x}, {"YPOS", e.y}, {"SIZE", e.size}, {"LISTPTR", e.kind}});
    folder.AddLines("COLLINE", record, rows);
    return record;
}
