#pragma once

// A fresh program folder whose database holds buoy pictures made by a test.

#include "quiz/TopicsFixture.h"

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

class BuoyQuizFixture : public TopicsFixture
{
public:
    // Appends a picture with its buoys in the order given; returns its RECORD.
    long AddBuoys(const QVariant &hint, const QVariant &text, const QVariant &light,
                  const std::vector<StoredBuoy> &buoys = {})
    {
        const long record = AddHead("BUOYHEAD", {{"HINT", hint}, {"TEXT", text}, {"LIGHT", light}});
        std::vector<RowFields> rows;
        for (const StoredBuoy &b : buoys)
            rows.push_back(
                {{"XPOS", b.x}, {"YPOS", b.y}, {"SIZE", b.size}, {"LISTPTR", b.kind}, {"TOPMARK", b.topmark}});
        AddLines("BUOYLINE", record, rows);
        return record;
    }

    void DeleteBuoyHead(long record)
    {
        auto db = Open();
        db->Execute("Delete From BUOYHEAD Where RECORD = ?", {static_cast<qlonglong>(record)});
        db->Close();
    }
};
