#pragma once

#include "buoys/BuoyKinds.h"

// The lateral marks, kinds 18 to 21: the red port-hand can and stick with a
// red can topmark, the green starboard cone and stick with a green cone
// topmark. The quiz draws the cone's arcs a little longer.
void DrawPortHandCan(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawPortHandStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawStarboardCone(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawStarboardStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
