#include "buoys/LateralMarks.h"

#include "buoys/BuoyBodies.h"
#include "buoys/BuoySteps.h"

using namespace Colours;

void DrawPortHandCan(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    steps.FillColour(Red);
    steps.Paint(BuoyBody::CanShape(steps));
    BuoyBody::Can(steps);
    if (topmark != 0)
        BuoyBody::CanTopmark(steps, -3);
}

void DrawPortHandStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    BuoyBody::Stick(steps, Red);
    if (topmark != 0)
        BuoyBody::CanTopmark(steps, -3.5);
}

void DrawStarboardCone(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form)
{
    const bool quiz = form == BuoyDrawingFor::Quiz;
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    steps.FillColour(Green);
    steps.Paint(BuoyBody::ConeShape(steps));
    BuoyBody::Cone(steps, quiz ? 1.05f : 1.f, quiz ? 3.12f : 3.1f);
    if (topmark != 0)
        BuoyBody::ConeTopmark(steps, -3);
}

void DrawStarboardStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    BuoyBody::Stick(steps, Green);
    if (topmark != 0)
        BuoyBody::ConeTopmark(steps, -4);
}
