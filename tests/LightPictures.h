#pragma once

// Stores lights pictures in a program folder (PictureFixture).

#include "PictureFixture.h"

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

// Appends line rows for a picture number, whether or not it has a head row.
inline void AddLights(PictureFixture &folder, long record, const std::vector<StoredLight> &lights)
{
    std::vector<RowFields> rows;
    for (const StoredLight &l : lights)
        rows.push_back({{"COLOUR", l.colour}, {"FLASH", l.flash}, {"XPOS", l.x}, {"YPOS", l.y}, {"SIZE", l.size}});
    folder.AddLines("LIGHTLINE", record, rows);
}

// Appends a picture with its lights; returns its RECORD.
inline long AddLightPicture(PictureFixture &folder, const QVariant &hint, const QVariant &text, const QVariant &fog,
                            const QVariant &direction, const std::vector<StoredLight> &lights = {})
{
    const long record =
        folder.AddHead("LIGHTHEAD", {{"HINT", hint}, {"TEXT", text}, {"FOGSIGNAL", fog}, {"DIRECTION", direction}});
    AddLights(folder, record, lights);
    return record;
}
