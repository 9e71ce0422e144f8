#include "silhouettes/ShapeKinds.h"

const std::array<const char *, ShapeKindCount> ShapeKindTexts = {
    "Mast",           "Ball",        "Cone Up",       "Cone Down",  "Diamond",
    "Cylinder",       "Vertical",    "Horizontal",    "Head On Vessel", "Side Vessel",
    "Head On Barge",  "Side Barge",  "Fishing Vessel", "Sailing Vessel",
};

const std::array<ShapeSizeChoice, 3> ShapeSizeChoices = {{
    {"Large", 150},
    {"Medium", 120},
    {"Small", 80},
}};

Whole EnlargedUnit(Whole s) { return Whole::Round(s.D() * 1.6); }

std::optional<ElementSize> ElementBox(long kind, Whole s)
{
    if (!IsShapeKind(kind))
        return std::nullopt;
    switch (static_cast<ShapeKind>(kind)) {
    case ShapeKind::Mast:
        return ElementSize{8 * s, 18 * s};
    case ShapeKind::Ball:
    case ShapeKind::Diamond:
        return ElementSize{3 * s, 3 * s};
    case ShapeKind::ConeUp:
    case ShapeKind::ConeDown:
        return std::nullopt;
    case ShapeKind::Cylinder:
        return ElementSize{2 * s, 6 * s};
    case ShapeKind::Vertical:
        return ElementSize{s, 8 * s};
    case ShapeKind::Horizontal:
        return ElementSize{8 * s, s};
    case ShapeKind::HeadOnVessel:
        return ElementSize{20 * s, 10 * s};
    case ShapeKind::SideVessel: {
        const Whole big = EnlargedUnit(s);
        return ElementSize{24 * big, 18 * big};
    }
    case ShapeKind::HeadOnBarge:
        return ElementSize{10 * s, 6 * s};
    case ShapeKind::SideBarge:
        return ElementSize{20 * s, 6 * s};
    case ShapeKind::FishingVessel: {
        const Whole big = EnlargedUnit(s);
        return ElementSize{22 * big, 12 * big};
    }
    case ShapeKind::SailingVessel:
        return ElementSize{22 * s, 24 * s};
    }
    return std::nullopt;
}
