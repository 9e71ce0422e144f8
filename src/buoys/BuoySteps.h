#pragma once

#include "platform/graphics/Colour.h"

class PictureBox;

// The drawing steps of one buoy on a surface. Places are given in size units
// s from the buoy's centre (x, y), y growing downwards: (-3, 1) is the point
// (x - 3s, y + s). Each place is worked out in double precision and reaches
// the surface in single precision, unrounded; only fill points are rounded,
// to the surface's pixels.
class BuoySteps
{
public:
    BuoySteps(PictureBox &surface, long x, long y, double s);

    double Unit() const { return s; }

    void Width(int pixels);
    void FillColour(long colour);
    void Line(double u1, double v1, double u2, double v2, long colour = Colours::Black);
    // Outline in the colour, inside in the fill colour.
    void Box(double u1, double v1, double u2, double v2, long colour = Colours::Black);
    // Whole circle, outline in the colour, inside in the fill colour.
    void Circle(double u, double v, double radius, long colour);
    // Open arc from start to end, radians counter-clockwise from the x axis.
    void Arc(double u, double v, double radius, float start, float end, long colour = Colours::Black);
    // Flood fill with the fill colour up to the border colour.
    void Fill(double u, double v, long border = Colours::Black);

private:
    float X(double u) const;
    float Y(double v) const;

    PictureBox &surface;
    long x;
    long y;
    double s;
};
