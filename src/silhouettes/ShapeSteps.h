#pragma once

#include "silhouettes/ShapeArithmetic.h"

#include <initializer_list>

class PictureBox;

// The drawing steps the shape routines are made of, on a drawing surface in
// twips. Every coordinate reaches the surface in single precision, unrounded.
namespace ShapeSteps {

struct Pt {
    float x;
    float y;
};
inline Pt P(Whole x, Whole y) { return {x.F(), y.F()}; }
// A y formed in double precision with a fractional multiplier of the unit.
inline Pt P(Whole x, double y) { return {x.F(), static_cast<float>(y)}; }

void Line(PictureBox &surface, Pt from, Pt to, long colour);
// Consecutive lines, each from where the last ended.
void Polyline(PictureBox &surface, std::initializer_list<Pt> points, long colour);
// Outline in the colour, inside in the surface's fill colour.
void Box(PictureBox &surface, Pt a, Pt b, long colour);
void FilledBox(PictureBox &surface, Pt a, Pt b, long colour);
// A dot as wide as the line width.
void Point(PictureBox &surface, Pt at, long colour);
// The platform's flood fill from the pixel nearest the point (halves to
// even), in the surface's fill colour up to pixels of the border colour, for
// the outline whose box has the corners a and b. Only an area within the box
// is painted, so no fill runs out over the picture around the shape; a point
// that rounds onto the outline at some scale takes the nearest pixel of the
// inside instead. An element too small to have an inside stays unfilled.
void Fill(PictureBox &surface, Pt at, long border, Pt a, Pt b);
// Every pixel inside the polygon in the surface's fill colour but for those
// of the border colour: a shape filled whole, whatever line crosses it.
void FillPolygon(PictureBox &surface, std::initializer_list<Pt> corners, long border);

} // namespace ShapeSteps
