#pragma once

#include <QString>

#include <array>

class PictureBox;

// Whether a buoy is drawn by the editor on its element picture or by the
// quiz on its day picture. A few kinds differ in a step between the two.
enum class BuoyDrawingFor { Editor, Quiz };

// The 24 kinds of buoys and beacons; a kind is its place in the editor's kind
// list and is stored as LISTPTR.
constexpr long BuoyKindCount = 24;

// The kind's text in the kind list ("North Cardinal Buoy"); empty for a kind
// outside 0 to 23.
QString BuoyKindText(long kind);
// The description of the kind's light that adding a buoy writes into the
// light text; empty for a kind outside 0 to 23.
QString BuoyLightDescription(long kind);

// The editor's sizes: the size unit s in twips of each entry of its size list.
struct BuoySize {
    const char *text;
    int unit;
};
constexpr std::array<BuoySize, 3> BuoySizes{{{"Large", 150}, {"Medium", 120}, {"Small", 80}}};

// The editor's topmark list; the first entry means "with topmark" (-1).
constexpr std::array<const char *, 2> BuoyTopmarkTexts{"With Topmark", "Without Topmark"};

// Every kind's drawing routine takes the surface, the centre (x, y) in twips
// of that surface, the size unit s in twips (fractional in the quiz), the
// topmark flag (non-zero: the topmark is drawn) and whom it draws for. It
// sets its own line width and fill colours before it draws and leaves them
// as its last step set them. The surface should have a blue back colour.
using BuoyRoutine = void (*)(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);

// Draws one buoy of the kind with its routine; a kind outside 0 to 23 draws
// nothing.
void DrawBuoyKind(PictureBox &Pic, long kind, long x, long y, double s, long topmark, BuoyDrawingFor form);
