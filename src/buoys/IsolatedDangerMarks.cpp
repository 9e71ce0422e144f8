#include "buoys/IsolatedDangerMarks.h"

#include "buoys/BuoyBodies.h"
#include "buoys/BuoySteps.h"

using namespace Colours;

namespace {
// Two black balls of radius 0.6, 1.5 units apart, the lower one at v.
void balls(BuoySteps &steps, double v)
{
    steps.FillColour(Black);
    steps.Circle(0, v, 0.6, Black);
    steps.Circle(0, v - 1.5, 0.6, Black);
}
} // namespace

void DrawIsolatedDangerBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form)
{
    BuoySteps steps(Pic, x, y, s);
    // A tall pillar, its top at -3, black with a red band from -1.6 to 0.
    const QPainterPath body = BuoyBody::PillarShape(steps, -3);
    steps.Width(2);
    steps.FillColour(Red);
    steps.Paint(body.intersected(steps.Band(-1.6, 0)));
    steps.FillColour(Black);
    steps.Paint(body.subtracted(steps.Band(-1.6, 0)));
    BuoyBody::Pillar(steps, -3);
    BuoyBody::PillarBandLine(steps, -3, 0, form == BuoyDrawingFor::Quiz ? 1.7 : 1.6);
    BuoyBody::PillarBandLine(steps, -3, -1.6, 1.4);
    if (topmark != 0)
        balls(steps, -4);
}

void DrawIsolatedDangerStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    // Five boxes of one unit from -2 down to 3, black at both ends; the two
    // red ones first.
    steps.FillColour(Red);
    steps.Box(-0.4, 0, 0.4, -1);
    steps.Box(-0.4, 1, 0.4, 2);
    steps.FillColour(Black);
    steps.Box(-0.4, 0, 0.4, 1);
    steps.Box(-0.4, -1, 0.4, -2);
    steps.Box(-0.4, 2, 0.4, 3);
    if (topmark != 0)
        balls(steps, -3);
}
