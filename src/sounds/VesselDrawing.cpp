#include "sounds/VesselDrawing.h"

#include "quiz/MaintForm.h"
#include "silhouettes/DrawShape.h"
#include "silhouettes/ElementShape.h"

namespace {
bool isVessel(long kind) { return kind >= 1 && kind <= VesselKindCount; }

// Vessel kinds follow the day-shapes kinds from "Head On Vessel" on.
long shapeKind(long vesselKind) { return static_cast<long>(ShapeKind::HeadOnVessel) + vesselKind - 1; }
} // namespace

QString VesselName(long kind)
{
    return isVessel(kind) ? QString::fromLatin1(ShapeKindTexts[static_cast<size_t>(shapeKind(kind))]) : QString();
}

void DrawVessel(PictureBox &picture, const SoundRow &row)
{
    if (!isVessel(row.kind))
        return;
    DrawShapeKind(picture, ShapeEntry::Quiz, shapeKind(row.kind), Whole::Round(static_cast<double>(row.x)),
                  Whole::Round(static_cast<double>(row.y)), Whole::Round(static_cast<double>(row.size)));
}

void DrawVesselElement(MaintElement &element, long kind, long size)
{
    if (!isVessel(kind))
        return;
    DrawNewElement(element, shapeKind(kind), Whole::Round(static_cast<double>(size)));
}
