#include "silhouettes/DrawShape.h"

#include "platform/window/PictureBox.h"

#include <array>

namespace {
const std::array<ShapeRoutine, ShapeKindCount> Routines = {
    DrawMast,         DrawBall,         DrawConeUp,      DrawConeDown,     DrawDiamond,
    DrawCylinder,     DrawVertical,     DrawHorizontal,  DrawHeadOnVessel, DrawSideVessel,
    DrawHeadOnBarge,  DrawSideBarge,    DrawFishingVessel, DrawSailingVessel,
};
} // namespace

void DrawShapeKind(PictureBox &surface, ShapeEntry entry, long kind, Whole x, Whole y, Whole s)
{
    if (IsShapeKind(kind))
        Routines[static_cast<size_t>(kind)](surface, entry, x, y, s);
}

PlacedShape PlaceShape(const ShapeLine &line, float k)
{
    return {Whole::Round(static_cast<float>(k * line.x)), Whole::Round(static_cast<float>(k * line.y)),
            Whole::Round(static_cast<double>(k) * line.size), Whole::Round(line.kind)};
}

void DrawShape(PictureBox &picture, const ShapeLine &line, float k)
{
    picture.SetFillColor(Colours::Black);
    const PlacedShape placed = PlaceShape(line, k);
    DrawShapeKind(picture, ShapeEntry::Quiz, placed.kind.Value(), placed.x, placed.y, placed.s);
}
