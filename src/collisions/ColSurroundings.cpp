// The fog and the channel cover the picture whatever the element's centre
// and size: they are laid out from the surface's own width and height.

#include "collisions/ColDraw.h"
#include "collisions/ColRoutines.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Rounding.h"
#include "platform/window/PictureBox.h"
#include "quiz/MaintForm.h"

using namespace Colours;

namespace {
// Single precision, as the drawing takes the fractions of the size.
double part(double fraction, double size) { return static_cast<float>(fraction * size); }
} // namespace

void DrawFog(ColDraw &d)
{
    if (MaintElement *box = d.Box()) {
        // The editor's fog is its grey box over the upper four fifths of the canvas.
        box->SetBackColor(LightGrey);
        box->SetSize(static_cast<float>(d.CanvasWidth()), static_cast<float>(part(0.8, d.CanvasHeight())));
        box->SetTop(0);
        box->SetLeft(0);
        return;
    }
    PictureBox &p = d.Surface();
    p.SetFillColor(LightGrey);
    p.FilledBox(1, 1, d.Width(), part(0.8, d.Height()), LightGrey);
}

void DrawChannel(ColDraw &d)
{
    PictureBox &p = d.Surface();
    p.SetFillColor(LightGrey);
    p.SetDrawWidth(2);
    if (MaintElement *box = d.Box()) {
        box->SetSize(static_cast<float>(d.CanvasWidth()), static_cast<float>(d.CanvasHeight()));
        box->SetTop(0);
        box->SetLeft(0);
    }
    const double W = d.Width();
    const double H = d.Height();
    // Each bank from a bottom corner to a point on the top edge, filled from
    // ten pixels inside its top corner.
    p.Line(1, H, part(0.2, W), 1, Black);
    p.FloodFill(10, 10, Black);
    p.Line(W, H, part(0.8, W), 1, Black);
    p.FloodFill(static_cast<int>(RoundHalfEven(W / Twips::PerPixelX() - 10)), 10, Black);
}
