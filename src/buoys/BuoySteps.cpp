#include "buoys/BuoySteps.h"

#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"

#include <QPolygonF>

BuoySteps::BuoySteps(PictureBox &surface, long x, long y, double s) : surface(surface), x(x), y(y), s(s) {}

float BuoySteps::X(double u) const
{
    return static_cast<float>(x + u * s);
}
float BuoySteps::Y(double v) const
{
    return static_cast<float>(y + v * s);
}

QPointF BuoySteps::Drawn(double u, double v) const
{
    return QPointF(Twips::ToPixelsX(X(u)) * double(Twips::PerPixelX()),
                   Twips::ToPixelsY(Y(v)) * double(Twips::PerPixelY()));
}

void BuoySteps::Width(int pixels)
{
    surface.SetDrawWidth(pixels);
}

void BuoySteps::FillColour(long colour)
{
    surface.SetFillColor(colour);
}

void BuoySteps::Line(double u1, double v1, double u2, double v2, long colour)
{
    surface.Line(X(u1), Y(v1), X(u2), Y(v2), colour);
}

void BuoySteps::Box(double u1, double v1, double u2, double v2, long colour)
{
    surface.Box(X(u1), Y(v1), X(u2), Y(v2), colour);
}

void BuoySteps::Circle(double u, double v, double radius, long colour)
{
    surface.Circle(X(u), Y(v), static_cast<float>(radius * s), colour);
}

void BuoySteps::Arc(double u, double v, double radius, float start, float end, long colour)
{
    surface.Arc(X(u), Y(v), static_cast<float>(radius * s), colour, start, end);
}

QPainterPath BuoySteps::Polygon(std::initializer_list<QPointF> places) const
{
    QPolygonF corners;
    for (const QPointF &place : places)
        corners << Drawn(place.x(), place.y());
    QPainterPath shape;
    shape.addPolygon(corners);
    shape.closeSubpath();
    return shape;
}

QPainterPath BuoySteps::Disc(double u, double v, double radius) const
{
    // A hair inside the circle: its four outermost points would lie exactly
    // on a pixel's centre, and that pixel alone would be taken in, a bump
    // on the disc's edge.
    constexpr double Hair = 1.0 / 64;
    const double r = (Twips::ToPixelsX(static_cast<float>(radius * s)) - Hair) * double(Twips::PerPixelX());
    QPainterPath disc;
    disc.addEllipse(Drawn(u, v), r, r);
    return disc;
}

QPainterPath BuoySteps::Band(double v1, double v2) const
{
    // Across every place a buoy reaches.
    QPainterPath band;
    band.addRect(QRectF(Drawn(-10, v1), Drawn(10, v2)).normalized());
    return band;
}

void BuoySteps::Paint(const QPainterPath &shape)
{
    surface.PaintPath(shape);
}

void BuoySteps::Edge(const QPainterPath &shape)
{
    surface.EdgePath(shape, Colours::Black);
}
