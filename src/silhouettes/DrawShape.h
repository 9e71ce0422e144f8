#pragma once

#include "platform/graphics/Colour.h"
#include "silhouettes/ShapeArithmetic.h"
#include "silhouettes/ShapeKinds.h"

class PictureBox;

// Who draws: the editor draws a new element once on its own element picture,
// the quiz draws every stored element of a picture on its one picture. The
// routines draw the same in both but for the ball, the diamond and the side
// barge.
enum class ShapeEntry { Editor, Quiz };

// The kind routines. Each draws one element centred at (x, y) in size unit s
// (twips, y downwards) on the surface, whose fill colour is black on entry,
// and sets its own line width (but for the editor's ball). Each leaves the
// line width and fill colour as its last step set them. An overflow of the
// whole-twip arithmetic throws the "Overflow" error and ends the element.
using ShapeRoutine = void (*)(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);

// Signal shapes.
void DrawMast(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawBall(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawConeUp(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawConeDown(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawDiamond(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawCylinder(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawVertical(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawHorizontal(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);

// Vessels, outlined black and filled light grey.
void DrawHeadOnVessel(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawSideVessel(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawHeadOnBarge(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawSideBarge(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawFishingVessel(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);
void DrawSailingVessel(PictureBox &surface, ShapeEntry entry, Whole x, Whole y, Whole s);

// Runs the routine of the kind; a number that is no kind draws nothing.
void DrawShapeKind(PictureBox &surface, ShapeEntry entry, long kind, Whole x, Whole y, Whole s);

// A stored element of a day-shapes picture, as its line row holds it.
struct ShapeLine {
    float x = 0;       // centre on the 6000 x 3000 design space
    float y = 0;
    double size = 0;   // the size unit
    double kind = 0;   // ShapeKind
};

// Where and how large the quiz draws a stored element at factor k: centre,
// unit and kind each to the nearest whole number, halves to even. The
// position's product with k is single precision, the size's double.
struct PlacedShape {
    Whole x;
    Whole y;
    Whole s;
    Whole kind;
};
PlacedShape PlaceShape(const ShapeLine &line, float k);

// The quiz's entry: draws a stored element on the quiz picture at factor k,
// with black fill.
void DrawShape(PictureBox &picture, const ShapeLine &line, float k);
