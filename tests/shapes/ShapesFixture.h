#pragma once

// A fresh program folder (PictureFixture) with helpers that store day-shapes
// pictures with their elements.

#include "quiz/TopicsFixture.h"

#include <vector>

struct StoredShape {
    QVariant x;
    QVariant y;
    QVariant size;
    QVariant kind;
};

inline StoredShape Shape(double x, double y, double size, double kind) { return {x, y, size, kind}; }

class ShapesFixture : public TopicsFixture
{
public:
    // Appends a picture with its elements in the order given; returns its RECORD.
    long AddShapes(const QVariant &hint, const QVariant &text, const QVariant &fog,
                   const std::vector<StoredShape> &shapes = {})
    {
        const long record = AddHead("SHAPEHEAD", {{"HINT", hint}, {"TEXT", text}, {"FOGSIGNAL", fog}});
        std::vector<RowFields> rows;
        for (const StoredShape &s : shapes)
            rows.push_back({{"COLOUR", 0}, {"XPOS", s.x}, {"YPOS", s.y}, {"SIZE", s.size}, {"LISTPTR", s.kind}});
        AddLines("SHAPELINE", record, rows);
        return record;
    }
};
