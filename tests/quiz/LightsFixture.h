#pragma once

// A fresh program folder (PictureFixture) with helpers that store lights
// pictures in it.

#include "PictureFixture.h"

#include <QtTest>

#include <vector>

struct StoredLight {
    QVariant colour;
    QVariant flash;
    QVariant x;
    QVariant y;
    QVariant size;
};

inline StoredLight Light(long colour, bool flash, double x, double y, double size)
{
    return {static_cast<qlonglong>(colour), flash, x, y, size};
}

class LightsFixture : public PictureFixture
{
public:
    // Appends a picture with its lights; returns its RECORD.
    long AddPicture(const QVariant &hint, const QVariant &text, const QVariant &fog, const QVariant &direction,
                    const std::vector<StoredLight> &lights = {})
    {
        const long record =
            AddHead("LIGHTHEAD", {{"HINT", hint}, {"TEXT", text}, {"FOGSIGNAL", fog}, {"DIRECTION", direction}});
        AddLights(record, lights);
        return record;
    }

    // Appends line rows for a picture number, whether or not it has a head row.
    void AddLights(long record, const std::vector<StoredLight> &lights)
    {
        std::vector<RowFields> rows;
        for (const StoredLight &l : lights)
            rows.push_back({{"COLOUR", l.colour}, {"FLASH", l.flash}, {"XPOS", l.x}, {"YPOS", l.y}, {"SIZE", l.size}});
        AddLines("LIGHTLINE", record, rows);
    }

    void DeletePicture(long record)
    {
        auto db = Open();
        db->Execute("Delete From LIGHTHEAD Where RECORD = ?", {static_cast<qlonglong>(record)});
        db->Close();
    }
};
