#pragma once

#include "buoys/BuoyKinds.h"

// The cardinal marks, kinds 0 to 7: black and yellow pillar buoys and sticks
// with two black cones as topmark. The editor and the quiz draw them alike.
void DrawNorthCardinalBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawNorthCardinalStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawEastCardinalBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawEastCardinalStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawSouthCardinalBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawSouthCardinalStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawWestCardinalBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
void DrawWestCardinalStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form);
