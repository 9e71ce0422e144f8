#include "buoys/BuoyBodies.h"

#include "buoys/BuoySteps.h"

#include <algorithm>

using namespace Colours;

namespace {
// Half-width at height v of a body side running from (w1, v1) to (w2, v2).
double sideAt(double w1, double v1, double w2, double v2, double v)
{
    return w1 + (w2 - w1) * (v - v1) / (v2 - v1);
}

// A band line that falls short of the sides is carried on to them, so the
// band reads as reaching across the body.
void bandLine(BuoySteps &steps, double v, double halfWidth, double side)
{
    const double w = std::max(halfWidth, side);
    steps.Line(-w, v, w, v);
}

// Above the row of v, as far up as a buoy reaches.
QPainterPath above(const BuoySteps &steps, double v)
{
    return steps.Band(-10, v);
}

// The cone of radius r on its base: within both circles of radius r about
// the base's ends, above the base.
QPainterPath coneShape(const BuoySteps &steps, double base, double r)
{
    const double h = r / 2;
    return steps.Disc(-h, base, r).intersected(steps.Disc(h, base, r)).intersected(above(steps, base));
}

// The two arcs of a cone of radius r whose base runs from -r/2 to r/2 on
// base. The arcs meet at the apex at angles pi/3 and 2pi/3 and reach the base
// line at 0 and pi; the drawn arcs stop short of these, so each is carried a
// hundredth of a radian past them, closing the outline.
void coneArcs(BuoySteps &steps, double base, double r, float rightEnd, float leftEnd)
{
    constexpr float PastApexRight = 1.0572f;
    constexpr float PastApexLeft = 2.0844f;
    constexpr float PastBaseLeft = 3.1516f;
    constexpr float PastBaseRight = -0.01f;
    const double h = r / 2;
    steps.Arc(-h, base, r, 0.f, rightEnd);
    steps.Arc(h, base, r, 2.1f, leftEnd);
    if (rightEnd < PastApexRight)
        steps.Arc(-h, base, r, rightEnd, PastApexRight);
    steps.Arc(h, base, r, PastApexLeft, 2.1f);
    if (leftEnd < PastBaseLeft)
        steps.Arc(h, base, r, leftEnd, PastBaseLeft);
    steps.Arc(-h, base, r, PastBaseRight, 0.f);
}
} // namespace

namespace BuoyBody {

QPainterPath PillarShape(const BuoySteps &steps, double top)
{
    return steps.Polygon({{-2, 1}, {-1, top}, {1, top}, {2, 1}});
}

void Pillar(BuoySteps &steps, double top)
{
    steps.Box(-3, 1, 3, 2);
    steps.Line(-2, 1, -1, top);
    steps.Line(-1, top, 1, top);
    steps.Line(2, 1, 1, top);
}

void PillarBandLine(BuoySteps &steps, double top, double v, double halfWidth)
{
    bandLine(steps, v, halfWidth, sideAt(2, 1, 1, top, v));
}

QPainterPath CanShape(const BuoySteps &steps)
{
    return steps.Polygon({{-2.5, 1}, {-1.9, -2}, {1.9, -2}, {2.5, 1}});
}

void Can(BuoySteps &steps)
{
    steps.Line(-2.5, 1, 2.5, 1);
    steps.Line(-2.5, 1, -1.9, -2);
    steps.Line(2.5, 1, 1.9, -2);
    steps.Line(-1.9, -2, 1.9, -2);
}

void CanBandLine(BuoySteps &steps, double v, double halfWidth)
{
    bandLine(steps, v, halfWidth, sideAt(2.5, 1, 1.9, -2, v));
}

QPainterPath ConeShape(const BuoySteps &steps)
{
    return coneShape(steps, 1, 3.8);
}

void Cone(BuoySteps &steps, float rightEnd, float leftEnd)
{
    coneArcs(steps, 1, 3.8, rightEnd, leftEnd);
    steps.Line(-1.9, 1, 1.9, 1);
}

QPainterPath RoundShape(const BuoySteps &steps)
{
    return steps.Disc(0, -0.5, 2.3).intersected(above(steps, 1));
}

void RoundArcs(BuoySteps &steps)
{
    // One arc from below the base line on the right, over the top, to below
    // it on the left: arcs that meet at angle 0 leave a step in the outline.
    steps.Arc(0, -0.5, 2.3, 5.525f, 3.9f);
}

void RoundBase(BuoySteps &steps)
{
    steps.Line(-1.9, 1, 1.9, 1);
}

void Stick(BuoySteps &steps, long colour)
{
    steps.FillColour(colour);
    steps.Box(-0.6, 2, 0.6, -3);
}

void CanTopmark(BuoySteps &steps, double base)
{
    steps.FillColour(Red);
    steps.Paint(steps.Polygon({{-0.8, base}, {-0.7, base - 1}, {0.7, base - 1}, {0.8, base}}));
    steps.Line(-0.8, base, 0.8, base);
    steps.Line(-0.8, base, -0.7, base - 1);
    steps.Line(0.8, base, 0.7, base - 1);
    steps.Line(-0.7, base - 1, 0.7, base - 1);
}

void ConeTopmark(BuoySteps &steps, double base)
{
    steps.FillColour(Green);
    steps.Paint(coneShape(steps, base, 1.6));
    coneArcs(steps, base, 1.6, 1.f, 3.1f);
    steps.Line(-0.8, base, 0.8, base);
}

} // namespace BuoyBody
