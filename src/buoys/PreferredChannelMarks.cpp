#include "buoys/PreferredChannelMarks.h"

#include "buoys/BuoyBodies.h"
#include "buoys/BuoySteps.h"

using namespace Colours;

// The band runs from 1 to 2 units above the base line, between band lines on
// 0 and -1, and is painted after the whole body.

void DrawPreferredToStarboard(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form)
{
    const bool quiz = form == BuoyDrawingFor::Quiz;
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    BuoyBody::Can(steps);
    steps.FillColour(Red);
    steps.Fill(0, 0);
    BuoyBody::CanBandLine(steps, 0, quiz ? 2.2 : 2.1);
    BuoyBody::CanBandLine(steps, -1, quiz ? 2 : 1.9);
    steps.FillColour(Green);
    steps.Fill(0, -0.5);
    if (topmark != 0)
        BuoyBody::CanTopmark(steps, -3);
}

void DrawPreferredToPort(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form)
{
    const bool quiz = form == BuoyDrawingFor::Quiz;
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    BuoyBody::Cone(steps, quiz ? 1.05f : 1.f, quiz ? 3.12f : 3.1f);
    steps.FillColour(Green);
    steps.Fill(0, 0);
    // These band lines run a little past the cone's sides.
    steps.Line(-1.8, 0, 1.8, 0);
    steps.Line(-1.4, -1, 1.4, -1);
    steps.FillColour(Red);
    steps.Fill(0, -0.5);
    if (topmark != 0)
        BuoyBody::ConeTopmark(steps, -3);
}
