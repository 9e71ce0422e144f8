#include "collisions/ColDraw.h"

#include "collisions/ColKinds.h"
#include "collisions/ColRoutines.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Rounding.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/MaintForm.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRect>

#include "data/Database.h"
#include <cmath>
#include <cstdint>

ColDraw::ColDraw(PictureBox &picture, long centreX, long centreY, long unit)
    : cx(centreX), cy(centreY), s(unit), surface(picture)
{
}

ColDraw::ColDraw(MaintElement &element, double canvasW, double canvasH, long unit)
    : s(unit), surface(element), box(&element), canvasWidth(canvasW), canvasHeight(canvasH)
{
    // Until a routine sizes the box, the element sits in the template's box.
    cx = RoundHalfEven(element.Width() / 2.0);
    cy = RoundHalfEven(element.Height() / 2.0);
}

double ColDraw::Width() const { return box ? box->Width() : ControlWidth(surface); }
double ColDraw::Height() const { return box ? box->Height() : ControlHeight(surface); }

void ColDraw::SizeBox(double width, double height)
{
    if (!box)
        return;
    box->SetSize(static_cast<float>(width), static_cast<float>(height));
    cx = RoundHalfEven(box->Width() / 2.0);
    cy = RoundHalfEven(box->Height() / 2.0);
}

double ColDraw::X(double n, long unit) const
{
    const double offset = n * static_cast<double>(unit);
    return static_cast<double>(cx) + (portSide ? -offset : offset);
}

double ColDraw::Y(double n, long unit) const { return static_cast<double>(cy) + n * static_cast<double>(unit); }

void ColDraw::Line(double x1, double y1, double x2, double y2, long unit) const
{
    surface.Line(X(x1, unit), Y(y1, unit), X(x2, unit), Y(y2, unit), Colours::Black);
}

void ColDraw::Box(double x1, double y1, double x2, double y2, long unit) const
{
    surface.Box(X(x1, unit), Y(y1, unit), X(x2, unit), Y(y2, unit), Colours::Black);
}

void ColDraw::FloodFill(double x, double y, long border, double x1, double y1, double x2, double y2, long unit) const
{
    const int w = surface.DrawWidth();
    const QRect box = QRect(QPoint(Twips::ToPixelsX(X(x1, unit)), Twips::ToPixelsY(Y(y1, unit))),
                            QPoint(Twips::ToPixelsX(X(x2, unit)), Twips::ToPixelsY(Y(y2, unit))))
                          .normalized()
                          .adjusted(-w, -w, w, w);
    // A point that rounds onto a line lies within a line's width of the inside.
    surface.FloodFillWithin(Twips::ToPixelsX(x), Twips::ToPixelsY(y), border, box, 2 * w);
}

void ColDraw::FillPolygon(std::initializer_list<QPointF> corners, long unit, long border) const
{
    QPolygonF polygon;
    for (const QPointF &corner : corners)
        polygon << QPointF(X(corner.x(), unit), Y(corner.y(), unit));
    QPainterPath path;
    path.addPolygon(polygon);
    surface.FillPath(path, border);
}

long ColDraw::StartSideView(double boxWidth, double boxHeight)
{
    s = RoundHalfEven(1.6 * static_cast<double>(s));
    surface.SetFillColor(Colours::LightGrey);
    surface.SetDrawWidth(2);
    SizeBox(boxWidth * s, boxHeight * s);
    return s;
}

namespace {
// The farthest any routine reaches from the centre, in size units: the side
// vessel's box of 24 x 1.6 units, with room to spare.
constexpr double Reach = 40;

void checkRange(const ColDraw &d)
{
    const double limit = static_cast<double>(INT32_MAX);
    const double reach = Reach * std::fabs(static_cast<double>(d.s));
    if (std::fabs(static_cast<double>(d.cx)) + reach > limit || std::fabs(static_cast<double>(d.cy)) + reach > limit)
        throw DbError(ColOverflow, QStringLiteral("Overflow"));
}
} // namespace

void DrawColKind(ColDraw &d, long kind)
{
    if (kind < 0 || kind >= CollisionKindCount)
        return;
    checkRange(d);
    switch (kind) {
    case Mast:
        DrawMast(d);
        break;
    case Ball:
        DrawBall(d);
        break;
    case ConeUp:
        DrawConeUp(d);
        break;
    case ConeDown:
        DrawConeDown(d);
        break;
    case Diamond:
        DrawDiamond(d);
        break;
    case Cylinder:
        DrawCylinder(d);
        break;
    case Vertical:
        DrawVertical(d);
        break;
    case Horizontal:
        DrawHorizontal(d);
        break;
    case HeadOnVessel:
        DrawHeadOnVessel(d);
        break;
    case SideVesselStarboard:
    case SideVesselPort:
        d.portSide = kind == SideVesselPort;
        DrawSideVessel(d);
        break;
    case HeadOnBarge:
        DrawHeadOnBarge(d);
        break;
    case SideBarge:
        DrawSideBarge(d);
        break;
    case FishingVesselStarboard:
    case FishingVesselPort:
        d.portSide = kind == FishingVesselPort;
        DrawFishingVessel(d);
        break;
    case SailingVesselStarboard:
    case SailingVesselPort:
        d.portSide = kind == SailingVesselPort;
        DrawSailingVessel(d);
        break;
    case Fog:
        DrawFog(d);
        break;
    case Channel:
        DrawChannel(d);
        break;
    default:
        break;
    }
}
