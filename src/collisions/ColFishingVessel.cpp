// A fishing vessel seen from the side: a grey hull whose deck rises to the
// bow, a grey wheelhouse with a mast on it, a stay to the bow and a boom
// rising aft. Bow to the right on the starboard side.

#include "collisions/ColDraw.h"
#include "collisions/ColRoutines.h"

void DrawFishingVessel(ColDraw &d)
{
    const long S = d.StartSideView(22, 12);
    d.Line(10, -1, -10, 1, S);  // deck, falling from bow to stern
    d.Line(-10, 1, -9, 3, S);   // stern
    d.Line(-9, 3, 9, 3, S);     // keel
    d.Line(9, 3, 10, -1, S);    // bow
    d.Line(0, 0, 0, -3, S);     // wheelhouse, forward wall
    d.Line(0, -3, -3, -3, S);   // roof
    d.Line(-3, -3, -3, 0.4, S); // after wall, a little below the deck
    d.Box(-3, -3, -3, -6, S);   // mast
    d.Line(-3, -6, 10, -1, S);  // stay, mast head to bow
    d.Line(-3, 0.4, -8, -4, S); // boom
    // The hull just below the deck, the wheelhouse just aft of its forward wall.
    d.FloodFill(d.X(0, S), d.Y(0, S) + 30, Colours::Black, -10, -1, 10, 3, S);
    d.FloodFill(d.X(-30, 1), d.Y(0, S) - 30, Colours::Black, -3, -3, 0, 0.4, S);
}
