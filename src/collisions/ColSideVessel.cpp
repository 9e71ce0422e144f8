// A vessel seen from the side: grey hull with a raked bow, a two-tier grey
// deckhouse aft, a mast and a yard. Bow to the right on the starboard side.

#include "collisions/ColDraw.h"
#include "collisions/ColRoutines.h"

void DrawSideVessel(ColDraw &d)
{
    const long S = d.StartSideView(24, 18);
    d.Line(-10, 0, 12, 0, S); // deck
    d.Line(12, 0, 8, 3, S);   // raked bow
    d.Line(8, 3, -9, 3, S);   // keel
    d.Line(-9, 3, -10, 0, S); // stern
    d.Box(-3, 0, -8, -2, S);  // deckhouse
    d.Box(-5, -2, -7, -3, S); // upper deckhouse
    // The hull, just below the deck line on the centre line.
    d.FloodFill(d.X(0, S), d.Y(0, S) + 30, Colours::Black, -10, 0, 12, 3, S);
    d.Box(-5, -3, -5, -8, S); // mast
    d.Box(-7, -7, -3, -7, S); // yard
}
