#pragma once

#include "platform/graphics/Colour.h"

#include <QPointF>

#include <initializer_list>

class MaintElement;
class PictureBox;

// One element being drawn and the surface it is drawn on.
//
// The quiz draws every element of a picture on the one quiz picture, at the
// centre and with the size unit its row gives. The editor draws each element
// into its own element box: the kind's routine first sizes the box and takes
// the centre from the size the box then reports; the fog and the channel
// spread their box over the canvas instead.
//
// Points are cx or cy plus a multiple of a unit, in twips of the surface;
// the vessels seen from the side are drawn bow to the right and mirrored
// about x = cx when portSide is set.
class ColDraw
{
public:
    // The quiz copy: the element centred at (cx, cy) with unit s.
    ColDraw(PictureBox &picture, long cx, long cy, long s);
    // The editor copy: the element box on a canvas of the given twips.
    ColDraw(MaintElement &box, double canvasWidth, double canvasHeight, long s);

    PictureBox &Surface() const { return surface; }
    bool IsEditor() const { return box != nullptr; }
    MaintElement *Box() const { return box; }
    double CanvasWidth() const { return canvasWidth; }
    double CanvasHeight() const { return canvasHeight; }
    // The surface's size in twips: the quiz picture as laid out, or the
    // element box as it reports itself.
    double Width() const;
    double Height() const;

    long cx = 0;
    long cy = 0;
    long s = 0;
    bool portSide = false;

    // Editor copy: sizes the element box and centres the element in it, at
    // the nearest twips to half its reported width and height. The quiz
    // copy keeps its centre.
    void SizeBox(double width, double height);

    // x of the point n units (or twips, with unit 1) towards the bow of a
    // vessel seen from the side; mirrored for the port side.
    double X(double n, long unit) const;
    // y of the point n units below the centre.
    double Y(double n, long unit) const;

    // A black line, and a box outlined in black and filled with the fill
    // colour, between two points given in units from the centre.
    void Line(double x1, double y1, double x2, double y2, long unit) const;
    void Box(double x1, double y1, double x2, double y2, long unit) const;

    // The platform's flood fill at the pixel nearest to (x, y) twips, with
    // the surface's current fill colour up to pixels of the border colour,
    // for the outline whose box has the corners (x1, y1) and (x2, y2) in
    // units: only an area within the box is painted, and a point that rounds
    // onto the outline takes the nearest pixel of the inside instead.
    void FloodFill(double x, double y, long border, double x1, double y1, double x2, double y2, long unit) const;
    // Every pixel inside the polygon of points in units, in the fill colour
    // but for those of the border colour.
    void FillPolygon(std::initializer_list<QPointF> corners, long unit, long border) const;

    // The vessels seen from the side draw in their own unit, 1.6 times the
    // element's rounded to the nearest twip, on a grey fill with a 2-pixel
    // pen; their element box is the given multiple of that unit.
    long StartSideView(double boxWidth, double boxHeight);

private:
    PictureBox &surface;
    MaintElement *box = nullptr;
    double canvasWidth = 0;
    double canvasHeight = 0;
};

// The error number of a place or size beyond the 32-bit twips range.
constexpr long ColOverflow = 6;

// Draws the element as its kind; a kind outside 0 to 18 draws nothing. Sets
// portSide for the vessels seen from the side. An element that would reach
// beyond the 32-bit twips range throws DbError ColOverflow before anything of
// it is drawn.
void DrawColKind(ColDraw &draw, long kind);
