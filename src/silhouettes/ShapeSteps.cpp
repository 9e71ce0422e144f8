#include "silhouettes/ShapeSteps.h"

#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRect>

#include <algorithm>

namespace ShapeSteps {

void Line(PictureBox &surface, Pt from, Pt to, long colour) { surface.Line(from.x, from.y, to.x, to.y, colour); }

void Polyline(PictureBox &surface, std::initializer_list<Pt> points, long colour)
{
    const Pt *previous = nullptr;
    for (const Pt &point : points) {
        if (previous)
            Line(surface, *previous, point, colour);
        previous = &point;
    }
}

void Box(PictureBox &surface, Pt a, Pt b, long colour) { surface.Box(a.x, a.y, b.x, b.y, colour); }

void FilledBox(PictureBox &surface, Pt a, Pt b, long colour) { surface.FilledBox(a.x, a.y, b.x, b.y, colour); }

void Point(PictureBox &surface, Pt at, long colour) { surface.PSet(at.x, at.y, colour); }

void Fill(PictureBox &surface, Pt at, long border, Pt a, Pt b)
{
    const int x = Twips::ToPixelsX(at.x);
    const int y = Twips::ToPixelsY(at.y);
    // The outline's pixels, widened by its lines.
    const int w = surface.DrawWidth();
    const QRect box = QRect(QPoint(Twips::ToPixelsX(std::min(a.x, b.x)), Twips::ToPixelsY(std::min(a.y, b.y))),
                            QPoint(Twips::ToPixelsX(std::max(a.x, b.x)), Twips::ToPixelsY(std::max(a.y, b.y))))
                          .adjusted(-w, -w, w, w);
    // A point that rounds onto a line lies within a line's width of the inside.
    surface.FloodFillWithin(x, y, border, box, 2 * w);
}

void FillPolygon(PictureBox &surface, std::initializer_list<Pt> corners, long border)
{
    QPolygonF polygon;
    for (const Pt &corner : corners)
        polygon << QPointF(corner.x, corner.y);
    QPainterPath path;
    path.addPolygon(polygon);
    surface.FillPath(path, border);
}

} // namespace ShapeSteps
