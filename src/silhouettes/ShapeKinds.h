#pragma once

#include "silhouettes/ShapeArithmetic.h"

#include <array>
#include <optional>

// The kinds of element of a day-shapes picture: the signal shapes that
// vessels hoist and the vessels that carry them. A kind is stored in LISTPTR
// and is the position of its text in the editor's kind list.
enum class ShapeKind : int {
    Mast,
    Ball,
    ConeUp,
    ConeDown,
    Diamond,
    Cylinder,
    Vertical,
    Horizontal,
    HeadOnVessel,
    SideVessel,
    HeadOnBarge,
    SideBarge,
    FishingVessel,
    SailingVessel,
};
constexpr int ShapeKindCount = 14;

inline bool IsShapeKind(long kind) { return kind >= 0 && kind < ShapeKindCount; }

// "Mast" .. "Sailing Vessel", by kind.
extern const std::array<const char *, ShapeKindCount> ShapeKindTexts;

// The sizes an element is drawn at: the size unit s in twips.
struct ShapeSizeChoice {
    const char *text;
    int unit;
};
// "Large" 150, "Medium" 120, "Small" 80.
extern const std::array<ShapeSizeChoice, 3> ShapeSizeChoices;

// The larger unit the side vessel and the fishing vessel are drawn in:
// s x 1.6 to the nearest twip, halves to even; always formed from the s in
// hand, since only s is stored.
Whole EnlargedUnit(Whole s);

// Width and height in twips that the editor gives an element picture of the
// kind before drawing on it. Empty for the cones, which keep the size of the
// template they were copied from, and for a number that is no kind.
struct ElementSize {
    Whole width;
    Whole height;
};
std::optional<ElementSize> ElementBox(long kind, Whole s);
