#pragma once

#include "platform/graphics/Colour.h"

#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

class PictureBox;

// The drawing steps of one buoy on a surface. Places are given in size units
// s from the buoy's centre (x, y), y growing downwards: (-3, 1) is the point
// (x - 3s, y + s). Each place is worked out in double precision and reaches
// the surface in single precision, unrounded.
//
// Every part of a buoy (body, band, topmark) is painted as its own shape,
// over whatever lies beneath, before its outline is drawn: a buoy drawn over
// another is whole, and no part depends on what a fill finds at one point.
// The shapes are taken where the surface draws their outlines, so that no
// paint shows outside them.
class BuoySteps
{
public:
    BuoySteps(PictureBox &surface, long x, long y, double s);

    double Unit() const { return s; }

    void Width(int pixels);
    void FillColour(long colour);
    void Line(double u1, double v1, double u2, double v2, long colour = Colours::Black);
    // Outline in the colour, inside in the fill colour.
    void Box(double u1, double v1, double u2, double v2, long colour = Colours::Black);
    // Whole circle, outline in the colour, inside in the fill colour.
    void Circle(double u, double v, double radius, long colour);
    // Open arc from start to end, radians counter-clockwise from the x axis;
    // an end below the start runs on through angle 0.
    void Arc(double u, double v, double radius, float start, float end, long colour = Colours::Black);

    // The polygon through the places, as the surface draws lines between them.
    QPainterPath Polygon(std::initializer_list<QPointF> places) const;
    // The disc of a circle or arc about (u, v), as the surface draws it.
    QPainterPath Disc(double u, double v, double radius) const;
    // What lies between the rows the surface draws lines at v1 and v2.
    QPainterPath Band(double v1, double v2) const;
    // Paints the shape (twips) in the fill colour over whatever lies there.
    void Paint(const QPainterPath &shape);
    // The shape's edge as Paint paints it, one pixel wide, black.
    void Edge(const QPainterPath &shape);

private:
    float X(double u) const;
    float Y(double v) const;
    // Where the surface draws the place: at its pixel, in twips.
    QPointF Drawn(double u, double v) const;

    PictureBox &surface;
    long x;
    long y;
    double s;
};
