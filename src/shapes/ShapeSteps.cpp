#include "shapes/ShapeSteps.h"

#include "platform/Colour.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QImage>
#include <QRect>

#include <algorithm>
#include <vector>

namespace ShapeSteps {

namespace {
// Whether the 4-connected area of pixels not of the border colour around
// (x, y) lies within the box; stops at the first pixel outside it. A seed off
// the image or on the border has no area.
bool AreaWithin(const QImage &image, int x, int y, long borderColour, const QRect &box)
{
    if (!image.valid(x, y))
        return true;
    const QRgb border = BgrToRgb(borderColour) & 0xFFFFFF;
    auto isBorder = [&](int px, int py) { return (image.pixel(px, py) & 0xFFFFFF) == border; };
    if (isBorder(x, y))
        return true;
    const int w = image.width();
    std::vector<bool> seen(static_cast<size_t>(w) * image.height(), false);
    std::vector<QPoint> pending{QPoint(x, y)};
    seen[static_cast<size_t>(y) * w + x] = true;
    while (!pending.empty()) {
        const QPoint pt = pending.back();
        pending.pop_back();
        if (!box.contains(pt))
            return false;
        const QPoint next[4] = {pt + QPoint(1, 0), pt - QPoint(1, 0), pt + QPoint(0, 1), pt - QPoint(0, 1)};
        for (const QPoint &n : next) {
            if (!image.valid(n))
                continue;
            const size_t at = static_cast<size_t>(n.y()) * w + n.x();
            if (seen[at] || isBorder(n.x(), n.y()))
                continue;
            seen[at] = true;
            pending.push_back(n);
        }
    }
    return true;
}
} // namespace

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
    if (!AreaWithin(surface.Image(), x, y, border, box))
        return;
    surface.FloodFill(x, y, border);
}

} // namespace ShapeSteps
