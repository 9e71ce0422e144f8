#pragma once

// Stores sound signals in a program folder (PictureFixture) the way the
// editor does.

#include "PictureFixture.h"

#include <vector>

// A line row as stored: a vessel (TYPE 0, no DURATION or NUMBER written) or
// a sound (TYPE 1, position and size 0).
struct StoredSoundLine {
    QVariant x;
    QVariant y;
    QVariant size;
    QVariant listPtr;
    int type = 0;
    QVariant duration;
    QVariant number;
};

inline StoredSoundLine Vessel(double x, double y, double size, long kind)
{
    return {x, y, size, static_cast<double>(kind), 0, QVariant(), QVariant()};
}

inline StoredSoundLine Sound(long kind, long seconds, long times)
{
    return {0, 0, 0, static_cast<double>(kind), 1, static_cast<double>(seconds), static_cast<double>(times)};
}

// Appends line rows for a signal number, whether or not it has a head row.
inline void AddSoundLines(PictureFixture &folder, long record, const std::vector<StoredSoundLine> &lines)
{
    std::vector<RowFields> rows;
    for (const StoredSoundLine &l : lines) {
        RowFields row{{"XPOS", l.x}, {"YPOS", l.y}, {"SIZE", l.size}, {"LISTPTR", l.listPtr}, {"TYPE", l.type}};
        if (l.type == 1) {
            row.push_back({"DURATION", l.duration});
            row.push_back({"NUMBER", l.number});
        }
        rows.push_back(row);
    }
    folder.AddLines("SOUNDLINE", record, rows);
}

// Appends a signal's head row and its line rows in the order given; returns
// its RECORD.
inline long AddSignal(PictureFixture &folder, const QVariant &hint, const QVariant &text, const QVariant &extra,
                      const std::vector<StoredSoundLine> &lines = {})
{
    const long record = folder.AddHead("SOUNDHEAD", {{"HINT", hint}, {"TEXT", text}, {"EXTRA", extra}});
    AddSoundLines(folder, record, lines);
    return record;
}
