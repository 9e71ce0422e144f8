#include "mainwindow/CoverPicture.h"

#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Rounding.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"

#include <algorithm>

namespace {

using namespace Colours;

// Every outline is black and two pixels wide, and every fill is bounded by
// black, so a fill stays inside the outlines drawn before it.
void Fill(PictureBox &cover, int xPixel, int yPixel)
{
    cover.FloodFill(xPixel, yPixel, Black);
}

void FillAtTwips(PictureBox &cover, double x, double y)
{
    Fill(cover, Twips::ToPixelsX(x), Twips::ToPixelsY(y));
}

// One object of the picture, drawn about its anchor in units of its own
// size: the point (a, b) lies at anchor + (a, b) x unit, all scaled to twips
// once before the first element.
class SceneObject
{
public:
    SceneObject(PictureBox &cover, float sceneScale, float anchorX, float anchorY, float unit, float unitFactor = 1.0f)
        : cover(cover)
    {
        x0 = sceneScale * anchorX;
        y0 = sceneScale * anchorY;
        u = sceneScale * unit;
        u = u * unitFactor;
        cover.SetDrawWidth(2);
    }

    double X(double a) const { return x0 + a * u; }
    double Y(double b) const { return y0 + b * u; }

    void FillColour(long colour) { cover.SetFillColor(colour); }
    void Line(double a1, double b1, double a2, double b2) { cover.Line(X(a1), Y(b1), X(a2), Y(b2), Black); }
    void Box(double a1, double b1, double a2, double b2) { cover.Box(X(a1), Y(b1), X(a2), Y(b2), Black); }
    void FilledBox(double a1, double b1, double a2, double b2) { cover.FilledBox(X(a1), Y(b1), X(a2), Y(b2), Black); }
    void Arc(double a, double b, double radius, double start, double end)
    {
        cover.Arc(X(a), Y(b), radius * u, Black, start, end);
    }
    // A fill seeded at (a, b), moved afterwards by a distance in twips that
    // does not scale.
    void Fill(double a, double b, double dxTwips = 0, double dyTwips = 0)
    {
        FillAtTwips(cover, X(a) + dxTwips, Y(b) + dyTwips);
    }

private:
    PictureBox &cover;
    float x0 = 0;
    float y0 = 0;
    float u = 0;
};

// The banks follow the picture's own size, not the scene's scale: the water
// is wide at the bottom and narrows to the middle three-fifths of the top.
// A picture wider than the scene keeps the scene at its left, so there each
// bank's top reaches in a fifth of the scene's width, not the picture's, or
// the left bank would run over the scene's far marks.
void DrawBanks(PictureBox &cover)
{
    const double width = ControlWidth(cover);
    const double inset = 0.2 * std::min(width, SceneUnitsWide * double(CoverSceneScale(cover)));
    cover.SetFillColor(Grey);
    cover.SetDrawWidth(2);
    cover.Line(1, ControlHeight(cover), inset, 1, Black);
    Fill(cover, 10, 10);
    cover.Line(width, ControlHeight(cover), width - inset, 1, Black);
    Fill(cover, static_cast<int>(RoundHalfEven(double(ControlWidth(cover)) / Twips::PerPixelX() - 10)), 10);
}

// Heading left, foresail red, mainsail left in the water's colour.
void DrawSloop(PictureBox &cover, float s)
{
    SceneObject o(cover, s, 5000, 1234, 40);
    o.FillColour(LightGrey);
    o.Line(-10, 2, 10, 3);
    o.Line(10, 3, 9, 6);
    o.Line(9, 6, -8, 6);
    o.Line(-8, 6, -10, 2);
    o.FilledBox(-0.2, 2.5, 0.2, -12);
    o.Line(0, -12, -10, 2);
    o.Line(-10, 2, 2, 2);
    o.Line(2, 2, 2, 1);
    o.Line(0, -12, 9, 1);
    o.Line(9, 1, 0, 1);
    o.Fill(0, 4);
    o.FillColour(Red);
    o.Fill(-1, -1);
    o.Fill(1, 1.5);
}

void DrawSmallVessel(PictureBox &cover, float s)
{
    SceneObject o(cover, s, 3600, 2500, 40, 1.6f);
    o.FillColour(LightGrey);
    o.Line(-10, -1, 10, 1);
    o.Line(10, 1, 9, 3);
    o.Line(9, 3, -9, 3);
    o.Line(-9, 3, -10, -1);
    o.Line(0, 0, 0, -3);
    o.Line(0, -3, 3, -3);
    o.Line(3, -3, 3, 0.4);
    o.Box(3, -3, 3, -6); // no width: the mast
    o.Line(3, -6, -10, -1);
    o.Line(3, 0.4, 8, -4);
    o.Fill(0, 0, 0, 30);   // hull
    o.Fill(0, 0, 30, -30); // deckhouse
}

void DrawMotorVessel(PictureBox &cover, float s)
{
    SceneObject o(cover, s, 5500, 3500, 60, 1.6f);
    o.FillColour(LightGrey);
    o.Line(10, 0, -12, 0);
    o.Line(-12, 0, -8, 3);
    o.Line(-8, 3, 9, 3);
    o.Line(9, 3, 10, 0);
    o.Box(3, 0, 8, -2);
    o.Box(5, -2, 7, -3);
    o.Fill(0, 0, 0, 30);
    o.Box(5, -3, 5, -8); // no width: the mast
    o.Box(7, -7, 3, -7); // no height: the yard
}

void DrawDistantVessel(PictureBox &cover, float s)
{
    SceneObject o(cover, s, 2500, 405, 40);
    o.FillColour(LightGrey);
    o.Box(0, 0, 8, 4);
    o.Box(0, 0, -8, 4);
    o.Box(-4, 0, 4, -3);
    o.Box(-2, -3, 2, -4);
}

// A cone whose sides are arcs meeting at the apex. The left side mirrors
// the right one, so the two cross at the apex and the left one ends on the
// base line: on a large picture any gap there lets the green out into the
// water.
void DrawConicalBuoy(PictureBox &cover, float s, float x, float y, float unit)
{
    constexpr double Pi = 3.14159265358979323846;
    SceneObject o(cover, s, x, y, unit);
    o.Arc(-1.9, 1, 3.8, 0, 1.05);
    o.Arc(1.9, 1, 3.8, Pi - 1.05, Pi);
    o.Line(-1.9, 1, 1.9, 1);
    o.FillColour(Green);
    o.Fill(0, 0);
}

void DrawCanBuoy(PictureBox &cover, float s, float x, float y, float unit)
{
    SceneObject o(cover, s, x, y, unit);
    o.Line(-2.5, 1, 2.5, 1);
    o.Line(-2.5, 1, -1.9, -2);
    o.Line(2.5, 1, 1.9, -2);
    o.Line(-1.9, -2, 1.9, -2);
    o.FillColour(Red);
    o.Fill(0, 0);
}

// A west cardinal mark: yellow base, body banded yellow, black, yellow from
// the top down, topmark two black cones point to point.
void DrawCardinalMark(PictureBox &cover, float s)
{
    SceneObject o(cover, s, 1000, 4000, 100);
    o.FillColour(Yellow);
    o.Box(-3, 1, 3, 2);
    o.Line(-2, 1, -1, -2);
    o.Line(-1, -2, 1, -2);
    o.Line(2, 1, 1, -2);
    // The lower band's top reaches the body's sides (5/3 out at this
    // height), or the yellow of the lower band runs into the middle one.
    o.Line(-5.0 / 3, 0, 5.0 / 3, 0);
    o.Line(-1.4, -1, 1.4, -1);
    o.Fill(0, 0.5);
    o.Fill(0, -1.5);
    o.FillColour(Black);
    o.Fill(0, -0.5);
    o.Line(-1, -2.5, 1, -2.5);
    o.Line(1, -2.5, 0, -3.5);
    o.Line(-1, -2.5, 0, -3.5);
    o.FillColour(Black);
    o.Fill(0, -3);
    o.Line(-1, -5, 1, -5);
    o.Line(1, -5, 0, -4);
    o.Line(-1, -5, 0, -4);
    o.FillColour(Black);
    o.Fill(0, -4.5);
}

} // namespace

float CoverSceneScale(const PictureBox &cover)
{
    float scale = static_cast<float>(ControlWidth(cover)) / SceneUnitsWide;
    const float h = static_cast<float>(ControlHeight(cover)) / SceneUnitsHigh;
    if (h < scale)
        scale = h;
    return scale;
}

void DrawCoverPicture(PictureBox &cover, float s)
{
    cover.Cls();
    DrawBanks(cover);
    DrawSloop(cover, s);
    DrawSmallVessel(cover, s);
    DrawMotorVessel(cover, s);
    DrawDistantVessel(cover, s);
    DrawConicalBuoy(cover, s, 7000, 4000, 80);
    DrawConicalBuoy(cover, s, 6000, 2000, 60);
    DrawConicalBuoy(cover, s, 5800, 700, 40);
    DrawCanBuoy(cover, s, 1800, 300, 40);
    DrawCanBuoy(cover, s, 2000, 2000, 60);
    DrawCardinalMark(cover, s);
}
