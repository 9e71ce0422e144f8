// The signal shapes that vessels hoist: kinds 0 to 7.

#include "silhouettes/DrawShape.h"

#include "core/WindowServices.h"
#include "data/Database.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"
#include "silhouettes/ShapeSteps.h"

using namespace ShapeSteps;

void DrawMast(PictureBox &surface, ShapeEntry, Whole x, Whole y, Whole s)
{
    // The mast reaches 10s below the centre, past the element box's 9s:
    // the editor shows it cut, the quiz whole.
    surface.SetDrawWidth(2);
    Line(surface, P(x, y - 4 * s), P(x, y + 10 * s), Colours::Black);
    Line(surface, P(x - 4 * s, y), P(x + 4 * s, y), Colours::Black);
}

void DrawBall(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s)
{
    if (entry == ShapeEntry::Editor) {
        // In the element picture's own line width, filled black throughout.
        surface.Circle(x.F(), y.F(), s.F(), Colours::Black);
        return;
    }
    // A grey polygon filled black: a black disc with a one-pixel grey rim.
    surface.SetDrawWidth(1);
    DrawCircle(surface, x.F(), y.F(), s.F(), Colours::Grey);
    Fill(surface, P(x, y), Colours::Grey, P(x - s, y - s), P(x + s, y + s));
}

// A day shape is solid black: the cones and the diamond fill their outline
// whole, also where a mast line drawn before crosses it.
void DrawConeUp(PictureBox &surface, ShapeEntry, Whole x, Whole y, Whole s)
{
    surface.SetDrawWidth(2);
    Line(surface, P(x, y - s), P(x + s, y + s), Colours::Black);
    Line(surface, P(x + s, y + s), P(x - s, y + s), Colours::Black);
    Line(surface, P(x, y - s), P(x - s, y + s), Colours::Black);
    FillPolygon(surface, {P(x, y - s), P(x + s, y + s), P(x - s, y + s)}, Colours::Black);
}

void DrawConeDown(PictureBox &surface, ShapeEntry, Whole x, Whole y, Whole s)
{
    surface.SetDrawWidth(2);
    Line(surface, P(x, y + s), P(x + s, y - s), Colours::Black);
    Line(surface, P(x + s, y - s), P(x - s, y - s), Colours::Black);
    Line(surface, P(x, y + s), P(x - s, y - s), Colours::Black);
    FillPolygon(surface, {P(x, y + s), P(x + s, y - s), P(x - s, y - s)}, Colours::Black);
}

void DrawDiamond(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s)
{
    Pt top = P(x, y - s);
    Pt bottom = P(x, y + s);
    if (entry == ShapeEntry::Quiz) {
        // The quiz stretches the diamond by the screen's width to height, so
        // on a wide screen it stands taller than wide.
        const float screenHeight = static_cast<float>(Twips::ScreenHeight());
        if (screenHeight == 0)
            throw DbError(11, QStringLiteral("Division by zero"));
        const float r = static_cast<float>(Twips::ScreenWidth()) / screenHeight;
        const double h = static_cast<double>(r) * s.D();
        top = P(x, y.D() - h);
        bottom = P(x, y.D() + h);
    }
    surface.SetDrawWidth(2);
    Line(surface, top, P(x + s, y), Colours::Black);
    Line(surface, top, P(x - s, y), Colours::Black);
    Line(surface, bottom, P(x + s, y), Colours::Black);
    Line(surface, bottom, P(x - s, y), Colours::Black);
    FillPolygon(surface, {top, P(x + s, y), bottom, P(x - s, y)}, Colours::Black);
}

void DrawCylinder(PictureBox &surface, ShapeEntry, Whole x, Whole y, Whole s)
{
    surface.SetDrawWidth(2);
    FilledBox(surface, P(x - s, y - 2 * s), P(x + s, y + 2 * s), Colours::Black);
    // The top face: a light grey ellipse across the top edge.
    surface.SetFillColor(Colours::LightGrey);
    const Pt top = P(x, y - 2 * s);
    surface.Circle(top.x, top.y, static_cast<float>(s.D() * 0.8), Colours::Black, 0.2f);
    Point(surface, P(x - s, y + 2 * s), Colours::LightGrey);
    Point(surface, P(x + s, y + 2 * s), Colours::LightGrey);
}

void DrawVertical(PictureBox &surface, ShapeEntry, Whole x, Whole y, Whole s)
{
    surface.SetDrawWidth(2);
    Line(surface, P(x, y - 2 * s), P(x, y + 2 * s), Colours::Black);
}

void DrawHorizontal(PictureBox &surface, ShapeEntry, Whole x, Whole y, Whole s)
{
    surface.SetDrawWidth(2);
    Line(surface, P(x - 2 * s, y), P(x + 2 * s, y), Colours::Black);
}
