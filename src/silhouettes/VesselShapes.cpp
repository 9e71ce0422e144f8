// The vessels that carry day shapes: kinds 8 to 13, outlines in black filled
// light grey.

#include "silhouettes/DrawShape.h"

#include "platform/window/PictureBox.h"
#include "silhouettes/ShapeSteps.h"

using namespace ShapeSteps;

namespace {
void Prepare(PictureBox &surface)
{
    surface.SetFillColor(Colours::LightGrey);
    surface.SetDrawWidth(2);
}

// The hull's fill seeds lie this many twips from the centre at every size.
constexpr int SeedOffset = 30;
} // namespace

void DrawHeadOnVessel(PictureBox &surface, ShapeEntry, Whole x, Whole y, Whole s)
{
    Prepare(surface);
    Box(surface, P(x, y), P(x + 8 * s, y + 4 * s), Colours::Black);
    Box(surface, P(x, y), P(x - 8 * s, y + 4 * s), Colours::Black);
    Box(surface, P(x - 4 * s, y), P(x + 4 * s, y - 3 * s), Colours::Black);
    Box(surface, P(x - 2 * s, y - 3 * s), P(x + 2 * s, y - 4 * s), Colours::Black);
}

void DrawSideVessel(PictureBox &surface, ShapeEntry, Whole x, Whole y, Whole s)
{
    const Whole u = EnlargedUnit(s);
    Prepare(surface);
    Polyline(surface,
             {P(x - 10 * u, y), P(x + 12 * u, y), P(x + 8 * u, y + 3 * u), P(x - 9 * u, y + 3 * u), P(x - 10 * u, y)},
             Colours::Black);
    Box(surface, P(x - 3 * u, y), P(x - 8 * u, y - 2 * u), Colours::Black);
    Box(surface, P(x - 5 * u, y - 2 * u), P(x - 7 * u, y - 3 * u), Colours::Black);
    Fill(surface, P(x, y + SeedOffset), Colours::Black, P(x - 10 * u, y), P(x + 12 * u, y + 3 * u));
    // Mast and yard: boxes of no width and no height.
    Box(surface, P(x - 5 * u, y - 3 * u), P(x - 5 * u, y - 8 * u), Colours::Black);
    Box(surface, P(x - 7 * u, y - 7 * u), P(x - 3 * u, y - 7 * u), Colours::Black);
}

void DrawHeadOnBarge(PictureBox &surface, ShapeEntry, Whole x, Whole y, Whole s)
{
    Prepare(surface);
    Box(surface, P(x - 4 * s, y - s), P(x + 4 * s, y + s), Colours::Black);
}

void DrawSideBarge(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s)
{
    Prepare(surface);
    // 18s long in the editor's box of 20s; the quiz draws it 16s long.
    const Whole half = entry == ShapeEntry::Editor ? 9 * s : 8 * s;
    Box(surface, P(x - half, y - s), P(x + half, y + s), Colours::Black);
}

void DrawFishingVessel(PictureBox &surface, ShapeEntry, Whole x, Whole y, Whole s)
{
    const Whole u = EnlargedUnit(s);
    Prepare(surface);
    // The hull, its deck sloping down from the left end through the centre.
    Polyline(surface,
             {P(x - 10 * u, y - u), P(x + 10 * u, y + u), P(x + 9 * u, y + 3 * u), P(x - 9 * u, y + 3 * u),
              P(x - 10 * u, y - u)},
             Colours::Black);
    // The deckhouse on the deck; its right side ends just below the deck.
    const double foot = y.D() + 0.4 * u.D();
    Polyline(surface, {P(x, y), P(x, y - 3 * u), P(x + 3 * u, y - 3 * u), P(x + 3 * u, foot)}, Colours::Black);
    Box(surface, P(x + 3 * u, y - 3 * u), P(x + 3 * u, y - 6 * u), Colours::Black);
    Line(surface, P(x + 3 * u, y - 6 * u), P(x - 10 * u, y - u), Colours::Black);
    Line(surface, P(x + 3 * u, foot), P(x + 8 * u, y - 4 * u), Colours::Black);
    Fill(surface, P(x, y + SeedOffset), Colours::Black, P(x - 10 * u, y - u), P(x + 10 * u, y + 3 * u));
    Fill(surface, P(x + SeedOffset, y - SeedOffset), Colours::Black, P(x, y - 3 * u), P(x + 3 * u, foot));
}

void DrawSailingVessel(PictureBox &surface, ShapeEntry, Whole x, Whole y, Whole s)
{
    Prepare(surface);
    Polyline(surface,
             {P(x - 10 * s, y + 2 * s), P(x + 10 * s, y + 3 * s), P(x + 9 * s, y + 6 * s), P(x - 8 * s, y + 6 * s),
              P(x - 10 * s, y + 2 * s)},
             Colours::Black);
    Line(surface, P(x, y.D() + 2.5 * s.D()), P(x, y - 12 * s), Colours::Black);
    // The sails: a closed triangle on the left, one closed by the mast on the
    // right, neither filled.
    Polyline(surface, {P(x, y - 12 * s), P(x - 10 * s, y + 2 * s), P(x - 2 * s, y + s), P(x, y - 12 * s)},
             Colours::Black);
    Polyline(surface, {P(x, y - 12 * s), P(x + 9 * s, y + s), P(x, y + s)}, Colours::Black);
    Fill(surface, P(x, y + 4 * s), Colours::Black, P(x - 10 * s, y + 2 * s), P(x + 10 * s, y + 6 * s));
}
