#pragma once

#include <functional>

class Database;
class Recordset;

// What LISTPTR holds in a sound row of SOUNDLINE.
namespace SoundKind {
constexpr long Horn = 1;
constexpr long BellStroke = 2;
constexpr long BellRapid = 3;
constexpr long Gong = 4;
constexpr long Whistle = 5;
constexpr long Silence = 6;
constexpr long Cycle = 7;
} // namespace SoundKind

// One SOUNDLINE row as the quiz takes it: every number whole (halves to
// even), the position and size already multiplied by the picture's scale.
// A row whose scaled size is above 0 is a vessel silhouette and its kind a
// vessel kind (1 to 6); any other row is a sound, its kind a sound kind.
struct SoundRow {
    long x = 0;
    long y = 0;
    long size = 0;
    long kind = 0;
    long number = 0;   // repetitions of a sound row
    long duration = 0; // seconds of a sound row

    bool IsPicture() const { return size > 0; }
};

// Reads the current row of a signal's rows at the picture's scale. A sound
// row's NUMBER and DURATION must hold values; a vessel row's are not read.
SoundRow ReadSoundRow(const Recordset &row, double scale);

// Hands every row of signal record to take in display order: vessels first,
// larger before smaller, then the sounds, each group in the order the rows
// were added.
void WalkSoundRows(Database &db, long record, const std::function<void(const Recordset &)> &take);
