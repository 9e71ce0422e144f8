#pragma once

#include "buoys/BuoyKinds.h"

// The preferred-channel marks, kinds 22 and 23: the port-hand can with a
// broad green band and the starboard cone with a broad red band, each with
// its lateral topmark. The quiz draws the can's band lines and the cone's
// arcs a little longer.
void DrawPreferredToStarboard(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawPreferredToPort(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
