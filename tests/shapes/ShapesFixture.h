#pragma once

// A fresh program folder with an empty database, and helpers that store
// day-shapes pictures with their elements.

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
        auto db = Open();
        Recordset head = db->OpenRecordset("SHAPEHEAD");
        head.AddNew();
        head.SetValue("HINT", hint);
        head.SetValue("TEXT", text);
        head.SetValue("FOGSIGNAL", fog);
        head.Update();
        head.MoveLastModified();
        const long record = head.LongValue("RECORD");
        head.Close();
        Recordset line = db->OpenRecordset("SHAPELINE");
        for (const StoredShape &s : shapes) {
            line.AddNew();
            line.SetValue("HEADER", static_cast<qlonglong>(record));
            line.SetValue("COLOUR", 0);
            line.SetValue("XPOS", s.x);
            line.SetValue("YPOS", s.y);
            line.SetValue("SIZE", s.size);
            line.SetValue("LISTPTR", s.kind);
            line.Update();
        }
        line.Close();
        db->Close();
        return record;
    }
};
