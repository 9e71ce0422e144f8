#pragma once

#include "buoys/BuoyKinds.h"

// The safe-water marks, kinds 10 to 12: red and white vertical stripes, one
// red ball as topmark. The quiz draws the round buoy's base line wider and
// one of its stripe arcs a little longer.
void DrawSafeWaterRound(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawSafeWaterCone(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawSafeWaterStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
