#pragma once

// A fresh program folder whose database holds collision pictures.

#include "quiz/LightsFixture.h"

#include <vector>

struct StoredCol {
    QVariant x;
    QVariant y;
    QVariant size;
    QVariant kind;
    QVariant colour = 0;
};

inline StoredCol Col(double kind, double x, double y, double size) { return {x, y, size, kind}; }

class ColFixture : public LightsFixture
{
public:
    // Appends a picture with its elements in order; returns its RECORD.
    long AddCollision(const QVariant &hint, const QVariant &text, const QVariant &extra,
                      const std::vector<StoredCol> &elements = {})
    {
        auto db = Open();
        Recordset head = db->OpenRecordset("COLHEAD");
        head.AddNew();
        head.SetValue("HINT", hint);
        head.SetValue("TEXT", text);
        head.SetValue("EXTRA", extra);
        head.Update();
        head.MoveLastModified();
        const long record = head.LongValue("RECORD");
        head.Close();
        Recordset line = db->OpenRecordset("COLLINE");
        for (const StoredCol &e : elements) {
            line.AddNew();
            line.SetValue("HEADER", static_cast<qlonglong>(record));
            line.SetValue("COLOUR", e.colour);
            line.SetValue("XPOS", e.x);
            line.SetValue("YPOS", e.y);
            line.SetValue("SIZE", e.size);
            line.SetValue("LISTPTR", e.kind);
            line.Update();
        }
        line.Close();
        db->Close();
        return record;
    }

    long Count(const QString &table) const
    {
        auto db = Open();
        Recordset rs = db->OpenQuery(QStringLiteral("Select Count(*) As N From ") + table);
        const long n = rs.LongValue("N");
        rs.Close();
        db->Close();
        return n;
    }
};
