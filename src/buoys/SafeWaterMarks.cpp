#include "buoys/SafeWaterMarks.h"

#include "buoys/BuoyBodies.h"
#include "buoys/BuoySteps.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"

#include <QPainterPath>

using namespace Colours;

namespace {
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
    BuoySteps steps(Pic, x, y, s);
    // The white body and its red parts: the inner lens, and each side, which
    // lies within one disc of the outer lens but not the other (above the
    // lens's tip, within neither, the arcs cross and leave the top white).
    const QPainterPath body = BuoyBody::RoundShape(steps);
    const QPainterPath left = steps.Disc(-0.8, -0.5, 2.3);
    const QPainterPath right = steps.Disc(0.8, -0.5, 2.3);
    const QPainterPath sides = left.subtracted(right).united(right.subtracted(left));
    const QPainterPath innerLens = steps.Disc(2.2, -0.8, 2.8).intersected(steps.Disc(-2.2, -0.8, 2.8));
    const QPainterPath red[] = {innerLens.intersected(body), sides.intersected(body)};
    steps.FillColour(White);
    steps.Paint(body);
    steps.FillColour(Red);
    for (const QPainterPath &part : red)
        steps.Paint(part);
    // The lines between the stripes are the red parts' edges: drawn as arcs
    // of their own, at some sizes they stand a pixel off, into the next
    // stripe.
    for (const QPainterPath &part : red)
        steps.Edge(part);
    steps.Width(2);
    BuoyBody::RoundArcs(steps);
    if (form == BuoyDrawingFor::Quiz)
        steps.Width(3);
    BuoyBody::RoundBase(steps);
    if (topmark != 0)
        redBall(steps, -4);
}

void DrawSafeWaterCone(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    // The tall pillar, white with a red stripe up the middle, on a base
    // plate in five parts: red in the middle and at both ends.
    steps.Width(2);
    steps.FillColour(White);
    steps.Paint(BuoyBody::PillarShape(steps, -3));
    steps.FillColour(Red);
    steps.Paint(steps.Polygon({{-0.75, 1}, {-0.35, -3}, {0.35, -3}, {0.75, 1}}));
    steps.FillColour(White);
    BuoyBody::Pillar(steps, -3);
    steps.FillColour(Red);
    steps.Box(-3, 1, -2, 2);
    steps.Box(2, 1, 3, 2);
    steps.Box(-0.75, 1, 0.75, 2);
    steps.Line(-0.75, 1, -0.35, -3);
    steps.Line(0.75, 1, 0.35, -3);
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
