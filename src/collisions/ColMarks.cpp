// The marks of the day-shape vocabulary: mast, ball, cones, diamond,
// cylinder and the two bars. Each is drawn about its centre in units of s.

#include "collisions/ColDraw.h"
#include "collisions/ColRoutines.h"
#include "platform/window/PictureBox.h"

using namespace Colours;

namespace {
// A line between two points given in units of s from the centre.
void line(const ColDraw &d, double x1, double y1, double x2, double y2) { d.Line(x1, y1, x2, y2, d.s); }
} // namespace

void DrawMast(ColDraw &d)
{
    d.SizeBox(8.0 * d.s, 18.0 * d.s);
    d.Surface().SetDrawWidth(2);
    // In the editor's box the foot of the mast, below 9 units, is cut off.
    line(d, 0, -4, 0, 10);
    line(d, -4, 0, 4, 0);
}

void DrawBall(ColDraw &d)
{
    d.SizeBox(3.0 * d.s, 3.0 * d.s);
    // The pen is left as earlier elements set it: the outline grows with it.
    d.Surface().Circle(d.X(0, d.s), d.Y(0, d.s), static_cast<double>(d.s), Black);
}

// The cones and the diamond are solid black, filled whole also where a mast
// line drawn before crosses them.
void DrawConeUp(ColDraw &d)
{
    // The cones keep the box they were added with.
    d.Surface().SetDrawWidth(2);
    line(d, 0, -1, 1, 1);
    line(d, 1, 1, -1, 1);
    line(d, 0, -1, -1, 1);
    d.FillPolygon({{0, -1}, {1, 1}, {-1, 1}}, d.s, Black);
}

void DrawConeDown(ColDraw &d)
{
    d.Surface().SetDrawWidth(2);
    line(d, 0, 1, 1, -1);
    line(d, 1, -1, -1, -1);
    line(d, 0, 1, -1, -1);
    d.FillPolygon({{0, 1}, {1, -1}, {-1, -1}}, d.s, Black);
}

void DrawDiamond(ColDraw &d)
{
    d.SizeBox(3.0 * d.s, 3.0 * d.s);
    d.Surface().SetDrawWidth(2);
    line(d, 0, -1, 1, 0);
    line(d, 0, -1, -1, 0);
    line(d, 0, 1, 1, 0);
    line(d, 0, 1, -1, 0);
    d.FillPolygon({{0, -1}, {1, 0}, {0, 1}, {-1, 0}}, d.s, Black);
}

void DrawCylinder(ColDraw &d)
{
    d.SizeBox(2.0 * d.s, 6.0 * d.s);
    PictureBox &p = d.Surface();
    p.SetDrawWidth(2);
    p.FilledBox(d.X(-1, d.s), d.Y(-2, d.s), d.X(1, d.s), d.Y(2, d.s), Black);
    p.SetFillColor(LightGrey);
    // The top seen from a little above: an ellipse a fifth as high as wide.
    const double radius = static_cast<float>(0.8 * static_cast<double>(d.s));
    p.Circle(d.X(0, d.s), d.Y(-2, d.s), radius, Black, 0.2);
    p.PSet(d.X(-1, d.s), d.Y(2, d.s), LightGrey);
    p.PSet(d.X(1, d.s), d.Y(2, d.s), LightGrey);
}

void DrawVertical(ColDraw &d)
{
    d.SizeBox(static_cast<double>(d.s), 8.0 * d.s);
    d.Surface().SetDrawWidth(2);
    line(d, 0, -2, 0, 2);
}

void DrawHorizontal(ColDraw &d)
{
    d.SizeBox(8.0 * d.s, static_cast<double>(d.s));
    d.Surface().SetDrawWidth(2);
    line(d, -2, 0, 2, 0);
}
