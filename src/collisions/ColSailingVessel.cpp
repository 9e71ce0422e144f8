// A sailing vessel seen from the side: a grey hull, a black mast, a red
// headsail forward of the mast whose foot runs a little aft of it, and an
// unfilled mainsail. Bow to the right on the starboard side.

#include "collisions/ColDraw.h"
#include "collisions/ColRoutines.h"
#include "platform/window/PictureBox.h"

using namespace Colours;

void DrawSailingVessel(ColDraw &d)
{
    // Drawn in the element's own unit.
    const long s = d.s;
    PictureBox &p = d.Surface();
    p.SetFillColor(LightGrey);
    p.SetDrawWidth(2);
    d.SizeBox(22.0 * s, 24.0 * s);

    d.Line(10, 2, -10, 3, s); // deck, rising to the bow
    d.Line(-10, 3, -9, 6, s); // stern
    d.Line(-9, 6, 8, 6, s);   // keel
    d.Line(8, 6, 10, 2, s);   // raked bow
    p.FilledBox(d.X(0.2, s), d.Y(2.5, s), d.X(-0.2, s), d.Y(-12, s), Black); // mast
    d.Line(0, -12, 10, 2, s); // headsail's leading edge, masthead to bow
    d.Line(10, 2, -2, 2, s);  // headsail's foot
    d.Line(-2, 2, -2, 1, s);  // headsail's aft corner
    d.Line(0, -12, -9, 1, s); // mainsail's trailing edge
    d.Line(-9, 1, 0, 1, s);   // mainsail's foot
    d.FloodFill(d.X(0, s), d.Y(4, s), Black, -10, 2, 10, 6, s); // hull
    p.SetFillColor(Red);
    d.FloodFill(d.X(1, s), d.Y(-1, s), Black, 0, -12, 10, 2, s);  // headsail forward of the mast
    d.FloodFill(d.X(-1, s), d.Y(1.5, s), Black, -2, 1, 0, 2, s);  // its foot aft of the mast
}
