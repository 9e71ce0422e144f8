#pragma once

class PictureBox;

// Colours of the buoy drawings (blue-green-red).
namespace BuoyColour {
constexpr long Black = 0;
constexpr long Red = 255;
constexpr long Green = 65280;
constexpr long Yellow = 65535;
constexpr long Blue = 16711680;
constexpr long White = 16777215;
} // namespace BuoyColour

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
    void Line(double u1, double v1, double u2, double v2, long colour = BuoyColour::Black);
    // Outline in the colour, inside in the fill colour.
    void Box(double u1, double v1, double u2, double v2, long colour = BuoyColour::Black);
    // Whole circle, outline in the colour, inside in the fill colour.
    void Circle(double u, double v, double radius, long colour);
    // Open arc from start to end, radians counter-clockwise from the x axis.
    void Arc(double u, double v, double radius, float start, float end, long colour = BuoyColour::Black);
    // Flood fill with the fill colour up to the border colour.
    void Fill(double u, double v, long border = BuoyColour::Black);

private:
    float X(double u) const;
    float Y(double v) const;

    PictureBox &surface;
    long x;
    long y;
    double s;
};
