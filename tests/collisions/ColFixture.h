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
        const long record = AddHead("COLHEAD", {{"HINT", hint}, {"TEXT", text}, {"EXTRA", extra}});
        std::vector<RowFields> rows;
        for (const StoredCol &e : elements)
            rows.push_back({{"COLOUR", e.colour}, {"XPOS", e.x}, {"YPOS", e.y}, {"SIZE", e.size}, {"LISTPTR", e.kind}});
        AddLines("COLLINE", record, rows);
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
