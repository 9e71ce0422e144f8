#pragma once

#include "buoys/BuoyKinds.h"

// The special marks, kinds 13 to 17: five yellow bodies with a yellow X as
// topmark. The quiz draws the cone's arcs a little longer.
void DrawSpecialMarkRound(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawSpecialMarkCan(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawSpecialMarkCone(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawSpecialMarkBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawSpecialMarkStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);

// Line width of the X in pixels: 8s / 250, halves to even (5, 4 and 3 for
// the editor's sizes).
int SpecialMarkCrossWidth(double s);
