// A vessel seen from ahead and the two barges: grey boxes outlined in black.

#include "collisions/ColDraw.h"
#include "collisions/ColRoutines.h"
#include "platform/window/PictureBox.h"

using namespace Colours;

namespace {
void box(const ColDraw &d, double x1, double y1, double x2, double y2) { d.Box(x1, y1, x2, y2, d.s); }

void greyPen(ColDraw &d)
{
    d.Surface().SetFillColor(LightGrey);
    d.Surface().SetDrawWidth(2);
}
} // namespace

void DrawHeadOnVessel(ColDraw &d)
{
    d.SizeBox(20.0 * d.s, 10.0 * d.s);
    greyPen(d);
    // The two halves of the hull below the centre line, the deckhouse and its top.
    box(d, 0, 0, 8, 4);
    box(d, 0, 0, -8, 4);
    box(d, -4, 0, 4, -3);
    box(d, -2, -3, 2, -4);
}

void DrawHeadOnBarge(ColDraw &d)
{
    d.SizeBox(10.0 * d.s, 6.0 * d.s);
    greyPen(d);
    box(d, -4, -1, 4, 1);
}

void DrawSideBarge(ColDraw &d)
{
    d.SizeBox(20.0 * d.s, 6.0 * d.s);
    greyPen(d);
    // The editor shows the barge longer, 18 units against the quiz's 16.
    const double half = d.IsEditor() ? 9 : 8;
    box(d, -half, -1, half, 1);
}
