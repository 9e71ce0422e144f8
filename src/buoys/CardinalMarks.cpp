#include "buoys/CardinalMarks.h"

#include "buoys/BuoyBodies.h"
#include "buoys/BuoySteps.h"

using namespace Colours;

namespace {
// One black cone of the topmark, 2 units wide and 1 tall: its base line, its
// right side and its left side to the apex.
void cone(BuoySteps &steps, double base, double apex)
{
    steps.FillColour(Black);
    steps.Paint(steps.Polygon({{-1, base}, {1, base}, {0, apex}}));
    steps.Line(-1, base, 1, base);
    steps.Line(1, base, 0, apex);
    steps.Line(-1, base, 0, apex);
}

// Both cones point up.
void northTopmark(BuoySteps &steps)
{
    cone(steps, -2.5, -3.5);
    cone(steps, -4, -5);
}

// Both cones point down.
void southTopmark(BuoySteps &steps)
{
    cone(steps, -3.5, -2.5);
    cone(steps, -5, -4);
}

// Bases facing each other.
void eastTopmark(BuoySteps &steps)
{
    cone(steps, -3.5, -2.5);
    cone(steps, -4, -5);
}

// Points facing each other.
void westTopmark(BuoySteps &steps)
{
    cone(steps, -2.5, -3.5);
    cone(steps, -5, -4);
}

// Pillar of two bands: the lower one (0 to 1) and the upper one, twice as
// tall (-2 to 0); the base plate takes the lower band's colour.
void twoBandPillar(BuoySteps &steps, long lower, long upper)
{
    const QPainterPath body = BuoyBody::PillarShape(steps, -2);
    steps.Width(2);
    steps.FillColour(upper);
    steps.Paint(body);
    steps.FillColour(lower);
    steps.Paint(body.intersected(steps.Band(0, 1)));
    BuoyBody::Pillar(steps, -2);
    BuoyBody::PillarBandLine(steps, -2, 0, 1.6);
}

// Pillar of three bands, the outer two in one colour and the base plate with
// them, the middle band from -1 to 0.
void threeBandPillar(BuoySteps &steps, long outer, long middle)
{
    const QPainterPath body = BuoyBody::PillarShape(steps, -2);
    steps.Width(2);
    steps.FillColour(middle);
    steps.Paint(body.intersected(steps.Band(-1, 0)));
    steps.FillColour(outer);
    steps.Paint(body.subtracted(steps.Band(-1, 0)));
    BuoyBody::Pillar(steps, -2);
    BuoyBody::PillarBandLine(steps, -2, 0, 1.6);
    BuoyBody::PillarBandLine(steps, -2, -1, 1.4);
}

// Stick of two boxes 0.8 wide, 2 units each, meeting at the centre.
void twoPartStick(BuoySteps &steps, long lower, long upper)
{
    steps.Width(2);
    steps.FillColour(lower);
    steps.Box(-0.4, 0, 0.4, 2);
    steps.FillColour(upper);
    steps.Box(-0.4, 0, 0.4, -2);
}

// Stick of three boxes: the middle band (-1 to 0), then the lower part
// (0 to 2) and the upper part (-2 to -1) in the outer colour.
void threePartStick(BuoySteps &steps, long outer, long middle)
{
    steps.Width(2);
    steps.FillColour(middle);
    steps.Box(-0.4, 0, 0.4, -1);
    steps.FillColour(outer);
    steps.Box(-0.4, 0, 0.4, 2);
    steps.Box(-0.4, -1, 0.4, -2);
}
} // namespace

void DrawNorthCardinalBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    twoBandPillar(steps, Yellow, Black);
    if (topmark != 0)
        northTopmark(steps);
}

void DrawNorthCardinalStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    twoPartStick(steps, Yellow, Black);
    if (topmark != 0)
        northTopmark(steps);
}

void DrawEastCardinalBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    threeBandPillar(steps, Black, Yellow);
    if (topmark != 0)
        eastTopmark(steps);
}

void DrawEastCardinalStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    threePartStick(steps, Black, Yellow);
    if (topmark != 0)
        eastTopmark(steps);
}

void DrawSouthCardinalBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    twoBandPillar(steps, Black, Yellow);
    if (topmark != 0)
        southTopmark(steps);
}

void DrawSouthCardinalStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    twoPartStick(steps, Black, Yellow);
    if (topmark != 0)
        southTopmark(steps);
}

void DrawWestCardinalBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    threeBandPillar(steps, Yellow, Black);
    if (topmark != 0)
        westTopmark(steps);
}

void DrawWestCardinalStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    threePartStick(steps, Yellow, Black);
    if (topmark != 0)
        westTopmark(steps);
}
