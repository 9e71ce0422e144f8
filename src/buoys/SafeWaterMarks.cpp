#include "buoys/SafeWaterMarks.h"

#include "buoys/BuoyBodies.h"
#include "buoys/BuoySteps.h"
#include "platform/window/PictureBox.h"
#include "platform/graphics/Twips.h"

#include <QPainterPath>

using namespace Colours;

namespace {
// The disc of an arc or circle about (u, v) in units, where the surface
// draws it: centre and radius at whole pixels.
QPainterPath discAsDrawn(long x, long y, double s, double u, double v, double radius)
{
    const double cx = Twips::ToPixelsX(static_cast<float>(x + u * s)) * double(Twips::PerPixelX());
    const double cy = Twips::ToPixelsY(static_cast<float>(y + v * s)) * double(Twips::PerPixelY());
    const double r = Twips::ToPixelsX(static_cast<float>(radius * s)) * double(Twips::PerPixelX());
    QPainterPath disc;
    disc.addEllipse(QPointF(cx, cy), r, r);
    return disc;
}

// One red ball of radius 0.6 at v, without a black rim.
void redBall(BuoySteps &steps, double v)
{
    steps.Width(2);
    steps.FillColour(Red);
    steps.Circle(0, v, 0.6, Red);
}
} // namespace

void DrawSafeWaterRound(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form)
{
    const bool quiz = form == BuoyDrawingFor::Quiz;
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    BuoyBody::RoundArcs(steps);
    if (quiz)
        steps.Width(3);
    BuoyBody::RoundBase(steps);
    // The round body above its base line; its parts are painted as the
    // regions the arcs bound, not flooded from a point: where two thin arcs
    // fail to meet at some size a flood runs from one part into the next.
    QPainterPath above;
    above.addRect(QRectF(QPointF(x - 3 * s, y - 3 * s), QPointF(x + 3 * s, y + s)));
    const QPainterPath body = discAsDrawn(x, y, s, 0, -0.5, 2.3).intersected(above);
    steps.FillColour(White);
    Pic.FillPath(body, Black);

    // The stripes, in thin lines. The outer lens: the arcs of radius 2.3 about
    // (0.8, -0.5) and (-0.8, -0.5), closed below by the base line.
    steps.Width(1);
    steps.Arc(0.8, -0.5, 2.3, 1.7f, quiz ? 3.85f : 3.8f);
    steps.Arc(-0.8, -0.5, 2.3, 0.f, 1.5f);
    steps.Arc(-0.8, -0.5, 2.3, 5.6f, 6.283185f);
    // Both lower ends stop above the base line; carried on to 3.9 and 5.525,
    // where they cross it, so the red sides keep off the white band.
    steps.Arc(0.8, -0.5, 2.3, quiz ? 3.85f : 3.8f, 3.9f);
    steps.Arc(-0.8, -0.5, 2.3, 5.525f, 5.6f);
    // The inner lens: the arcs of radius 2.8 about (2.2, -0.8) and (-2.2, -0.8).
    steps.Arc(2.2, -0.8, 2.8, 2.5f, 3.9f);
    steps.Arc(-2.2, -0.8, 2.8, 0.f, 0.8f);
    steps.Arc(-2.2, -0.8, 2.8, 5.6f, 6.283185f);
    // The arc from 2.5 begins short of its partner at the top; begun at
    // 2.342, it crosses it as the partner's arc to 0.8 does.
    steps.Arc(2.2, -0.8, 2.8, 2.342f, 2.5f);

    // Red: the inner lens, and each side, which lies within one disc of the
    // outer lens but not the other (above the lens's tip, within neither,
    // the arcs cross and leave the top white).
    const QPainterPath left = discAsDrawn(x, y, s, -0.8, -0.5, 2.3);
    const QPainterPath right = discAsDrawn(x, y, s, 0.8, -0.5, 2.3);
    const QPainterPath sides = left.subtracted(right).united(right.subtracted(left));
    const QPainterPath innerLens =
        discAsDrawn(x, y, s, 2.2, -0.8, 2.8).intersected(discAsDrawn(x, y, s, -2.2, -0.8, 2.8));
    steps.FillColour(Red);
    Pic.FillPath(innerLens.intersected(body), Black);
    Pic.FillPath(sides.intersected(body), Black);
    if (topmark != 0)
        redBall(steps, -4);
}

void DrawSafeWaterCone(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    steps.FillColour(White);
    // The tall pillar, painted white.
    BuoyBody::Pillar(steps, -3);
    steps.Fill(0, 0);
    // The base plate in five parts, and the red stripe up the middle.
    steps.Line(-2, 1, -2, 2);
    steps.Line(2, 1, 2, 2);
    steps.Box(-0.75, 1, 0.75, 2);
    steps.Line(-0.75, 1, -0.35, -3);
    steps.Line(0.75, 1, 0.35, -3);
    steps.FillColour(Red);
    steps.Fill(0, 0);
    steps.Fill(0, 1.5);
    steps.Fill(-2.5, 1.5);
    steps.Fill(2.5, 1.5);
    if (topmark != 0)
        redBall(steps, -4.5);
}

void DrawSafeWaterStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    BuoyBody::Stick(steps, White);
    steps.Width(1);
    steps.FillColour(Red);
    steps.Box(-0.2, 2, 0.2, -3);
    if (topmark != 0)
        redBall(steps, -4.5);
}
