#include "buoys/YellowMarks.h"

#include "buoys/BuoyBodies.h"
#include "buoys/BuoySteps.h"
#include "platform/values/Rounding.h"

using namespace Colours;

namespace {
// The X, 2 units wide and 1.5 tall, crossing at (0, -4.75). Its strokes are
// drawn yellow: a fill of the strokes up to the background would paint
// whatever else touches them on a picture of several buoys, and would miss
// strokes too thin to lie under its point.
void cross(BuoySteps &steps)
{
    steps.Width(SpecialMarkCrossWidth(steps.Unit()));
    steps.Line(-1, -5.5, 1, -4, Yellow);
    steps.Line(-1, -4, 1, -5.5, Yellow);
}
} // namespace

int SpecialMarkCrossWidth(double s)
{
    return static_cast<int>(RoundHalfEven(8 * s / 250));
}

void DrawSpecialMarkRound(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    steps.FillColour(Yellow);
    steps.Paint(BuoyBody::RoundShape(steps));
    BuoyBody::RoundArcs(steps);
    BuoyBody::RoundBase(steps);
    if (topmark != 0)
        cross(steps);
}

void DrawSpecialMarkCan(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    steps.FillColour(Yellow);
    steps.Paint(BuoyBody::CanShape(steps));
    BuoyBody::Can(steps);
    if (topmark != 0)
        cross(steps);
}

void DrawSpecialMarkCone(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor form)
{
    const bool quiz = form == BuoyDrawingFor::Quiz;
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    steps.FillColour(Yellow);
    steps.Paint(BuoyBody::ConeShape(steps));
    BuoyBody::Cone(steps, quiz ? 1.05f : 1.f, quiz ? 3.15f : 3.1f);
    if (topmark != 0)
        cross(steps);
}

void DrawSpecialMarkBuoy(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    steps.FillColour(Yellow);
    steps.Paint(BuoyBody::PillarShape(steps, -2));
    BuoyBody::Pillar(steps, -2);
    if (topmark != 0)
        cross(steps);
}

void DrawSpecialMarkStick(PictureBox &Pic, long x, long y, double s, long topmark, BuoyDrawingFor)
{
    BuoySteps steps(Pic, x, y, s);
    steps.Width(2);
    BuoyBody::Stick(steps, Yellow);
    if (topmark != 0)
        cross(steps);
}
