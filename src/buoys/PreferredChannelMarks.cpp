#include "buoys/PreferredChannelMarks.h"

#include "buoys/BuoyBodies.h"
#include "buoys/BuoySteps.h"

using namespace Colours;

// The band runs from 1 to 2 units above the base line, between band lines on
// 0 and -1, and is painted over the body.

void DrawPreferredToStarboard(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form)
{
    const bool quiz = form == BuoyDrawingFor::Quiz;
    BuoySteps steps(Pic, x, y, s);
    const QPainterPath body = BuoyBody::CanShape(steps);
    steps.Width(2);
    steps.FillColour(Red);
    steps.Paint(body);
    steps.FillColour(Green);
    steps.Paint(body.intersected(steps.Band(-1, 0)));
    BuoyBody::Can(steps);
    BuoyBody::CanBandLine(steps, 0, quiz ? 2.2 : 2.1);
    BuoyBody::CanBandLine(steps, -1, quiz ? 2 : 1.9);
    if (topmark != 0)
        BuoyBody::CanTopmark(steps, -3);
}

void DrawPreferredToPort(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form)
{
    const bool quiz = form == BuoyDrawingFor::Quiz;
    BuoySteps steps(Pic, x, y, s);
    const QPainterPath body = BuoyBody::ConeShape(steps);
    steps.Width(2);
    steps.FillColour(Green);
    steps.Paint(body);
    steps.FillColour(Red);
    steps.Paint(body.intersected(steps.Band(-1, 0)));
    BuoyBody::Cone(steps, quiz ? 1.05f : 1.f, quiz ? 3.12f : 3.1f);
    // These band lines run a little past the cone's sides.
    steps.Line(-1.8, 0, 1.8, 0);
    steps.Line(-1.4, -1, 1.4, -1);
    if (topmark != 0)
        BuoyBody::ConeTopmark(steps, -3);
}
