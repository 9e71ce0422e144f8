#pragma once

// Stores buoy pictures with their buoys in a program folder (PictureFixture).

#include "PictureFixture.h"

#include <vector>

struct StoredBuoy {
    QVariant x;
    QVariant y;
    QVariant size;
    QVariant kind;
    QVariant topmark;
};

inline StoredBuoy Buoy(double kind, double x, double y, double size = 150, double topmark = -1)
{
    return {x, y, size, kind, topmark};
}

// Appends a picture with its buoys in the order given; returns its RECORD.
inline long AddBuoys(PictureFixture &folder, const QVariant &hint, const QVariant &text, const QVariant &light,
                     const std::vector<StoredBuoy> &buoys = {})
{
    const long record = folder.AddHead("BUOYHEAD", {{"HINT", hint}, {"TEXT", text}, {"LIGHT", light}});
    std::vector<RowFields> rows;
    for (const StoredBuoy &b : buoys)
        rows.push_back({{"XPOS", b.x}, {"YPOS", b.y}, {"SIZE", b.size}, {"LISTPTR", b.kind}, {"TOPMARK", b.topmark}});
    folder.AddLines("BUOYLINE", record, rows);
    return record;
}
