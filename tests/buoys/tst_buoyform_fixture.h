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
        auto db = Open();
        Recordset head = db->OpenRecordset("BUOYHEAD");
        head.AddNew();
        head.SetValue("HINT", hint);
        head.SetValue("TEXT", text);
        head.SetValue("LIGHT", light);
        head.Update();
        head.MoveLastModified();
        const long record = head.LongValue("RECORD");
        head.Close();
        Recordset line = db->OpenRecordset("BUOYLINE");
        for (const StoredBuoy &b : buoys) {
            line.AddNew();
            line.SetValue("HEADER", static_cast<qlonglong>(record));
            line.SetValue("XPOS", b.x);
            line.SetValue("YPOS", b.y);
            line.SetValue("SIZE", b.size);
            line.SetValue("LISTPTR", b.kind);
            line.SetValue("TOPMARK", b.topmark);
            line.Update();
        }
        line.Close();
        db->Close();
        return record;
    }

    void DeleteBuoyHead(long record)
    {
        auto db = Open();
        db->Execute("Delete From BUOYHEAD Where RECORD = ?", {static_cast<qlonglong>(record)});
        db->Close();
    }
};
