#pragma once

#include "buoys/BuoyKinds.h"

// The isolated danger marks, kinds 8 and 9: black with red bands, two black
// balls as topmark. The quiz draws the buoy's lower band line a little wider.
void DrawIsolatedDangerBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawIsolatedDangerStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
