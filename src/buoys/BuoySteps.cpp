#include "buoys/BuoySteps.h"

#include "platform/window/PictureBox.h"
#include "platform/graphics/Twips.h"

BuoySteps::BuoySteps(PictureBox &surface, long x, long y, double s) : surface(surface), x(x), y(y), s(s) {}

float BuoySteps::X(double u) const
{
    return static_cast<float>(x + u * s);
}
float BuoySteps::Y(double v) const
{
    return static_cast<float>(y + v * s);
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

void BuoySteps::Fill(double u, double v, long border)
{
    // A fill whose point lies on its border or off the surface paints nothing.
    surface.FloodFill(Twips::ToPixelsX(X(u)), Twips::ToPixelsY(Y(v)), border);
}
