#include "platform/window/PictureBox.h"

#include "platform/graphics/AreaFill.h"
#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Rounding.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double Pi = 3.14159265358979323846;

QPoint toPixels(double x, double y) { return QPoint(Twips::ToPixelsX(x), Twips::ToPixelsY(y)); }

// Qt takes arc angles in sixteenths of a degree.
int sixteenths(double radians) { return static_cast<int>(RoundHalfEven(radians * 180.0 / Pi * 16.0)); }

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    // The image covers every pixel, so nothing behind needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    ensureImage();
}

void PictureBox::ensureImage() const
{
    const QSize wanted = size();
    if (image.size() == wanted)
        return;
    QImage grown(wanted, QImage::Format_RGB32);
    grown.fill(BgrToRgb(backColor));
    if (!image.isNull() && !grown.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, image);
    }
    image = grown;
}

void PictureBox::SetBackColor(long colour)
{
    backColor = colour;
    Cls();
}

void PictureBox::SetDrawWidth(int pixels) { drawWidth = pixels < 1 ? 1 : pixels; }

template <class Draw>
void PictureBox::paint(long outline, Draw draw)
{
    ensureImage();
    if (image.isNull())
        return;
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(BgrToQColor(outline), drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        draw(p);
    }
    update();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, long colour)
{
    paint(colour, [&](QPainter &p) { p.drawLine(toPixels(x1, y1), toPixels(x2, y2)); });
    currentX = x2;
    currentY = y2;
}

void PictureBox::LineTo(double x, double y, long colour) { Line(currentX, currentY, x, y, colour); }

void PictureBox::drawBox(double x1, double y1, double x2, double y2, long colour, const QBrush &inside)
{
    const QPoint a = toPixels(x1, y1);
    const QPoint b = toPixels(x2, y2);
    paint(colour, [&](QPainter &p) {
        // A box with no width or no height is a line of the line width.
        if (a.x() == b.x() || a.y() == b.y()) {
            p.drawLine(a, b);
            return;
        }
        p.setBrush(inside);
        const int left = std::min(a.x(), b.x());
        const int top = std::min(a.y(), b.y());
        // Both corners are inside the outline.
        p.drawRect(left, top, std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    });
    currentX = x2;
    currentY = y2;
}

void PictureBox::Box(double x1, double y1, double x2, double y2, long colour)
{
    drawBox(x1, y1, x2, y2, colour, fillsShapes ? QBrush(BgrToQColor(fillColor)) : QBrush(Qt::NoBrush));
}

void PictureBox::FilledBox(double x1, double y1, double x2, double y2, long colour)
{
    drawBox(x1, y1, x2, y2, colour, QBrush(BgrToQColor(colour)));
}

void PictureBox::Circle(double cx, double cy, double radius, long colour) { Circle(cx, cy, radius, colour, 1.0); }

void PictureBox::Circle(double cx, double cy, double radius, long colour, double aspect)
{
    // The radius is measured on the x scale, whichever half-axis it gives.
    int rx = Twips::ToPixelsX(radius);
    int ry = rx;
    if (aspect < 1.0)
        ry = Twips::ToPixelsX(radius * aspect);
    else if (aspect > 1.0)
        rx = Twips::ToPixelsX(radius / aspect);
    const QPoint centre = toPixels(cx, cy);
    paint(colour, [&](QPainter &p) {
        if (fillsShapes)
            p.setBrush(BgrToQColor(fillColor));
        p.drawEllipse(centre, rx, ry);
    });
    currentX = cx;
    currentY = cy;
}

void PictureBox::Arc(double cx, double cy, double radius, long colour, double start, double end)
{
    const int r = Twips::ToPixelsX(radius);
    const QPoint centre = toPixels(cx, cy);
    // An end angle below the start runs on through angle 0.
    double span = end - start;
    if (span < 0)
        span += 2 * Pi;
    paint(colour, [&](QPainter &p) {
        p.drawArc(QRect(centre.x() - r, centre.y() - r, 2 * r, 2 * r), sixteenths(start), sixteenths(span));
    });
    currentX = cx;
    currentY = cy;
}

void PictureBox::PSet(double x, double y, long colour)
{
    paint(colour, [&](QPainter &p) { p.drawPoint(toPixels(x, y)); });
    currentX = x;
    currentY = y;
}

void PictureBox::Cls()
{
    ensureImage();
    image.fill(BgrToRgb(backColor));
    currentX = 0;
    currentY = 0;
    update();
}

bool PictureBox::FloodFill(int xPixel, int yPixel, long borderColour)
{
    // Within the whole surface no area runs out.
    ensureImage();
    return FloodFillWithin(xPixel, yPixel, borderColour, image.rect(), 0);
}

bool PictureBox::FloodFillWithin(int xPixel, int yPixel, long borderColour, const QRect &within, int reach)
{
    ensureImage();
    const QRgb border = BgrToRgb(borderColour) & 0xFFFFFF;
    // An area is looked at within the rectangle only: one that runs out of
    // it is not the shape's, wherever it goes after.
    const QRect limit = within.intersected(image.rect());
    SeenPixels seen(static_cast<size_t>(image.width()) * image.height(), 0);
    // Rings of growing distance around the seed, the seed itself first.
    for (int ring = 0; ring <= reach; ++ring) {
        for (int dy = -ring; dy <= ring; ++dy) {
            for (int dx = -ring; dx <= ring; ++dx) {
                if (std::max(std::abs(dx), std::abs(dy)) != ring || !limit.contains(xPixel + dx, yPixel + dy))
                    continue;
                const std::vector<PixelRun> area =
                    AreaAround(image, QPoint(xPixel + dx, yPixel + dy), border, seen, limit);
                if (area.empty())
                    continue;
                PaintArea(image, area, BgrToRgb(fillColor));
                update();
                return true;
            }
        }
    }
    return false;
}

void PictureBox::FillPath(const QPainterPath &twips, long borderColour)
{
    fillInside(twips, BgrToRgb(borderColour) & 0xFFFFFF);
}

void PictureBox::PaintPath(const QPainterPath &twips)
{
    fillInside(twips, std::nullopt);
}

QImage PictureBox::maskOf(const QPainterPath &twips, QRect &bounds) const
{
    // Pixel n is where a line at n is drawn; the painter fills a pixel whose
    // centre, half a pixel in from its corner, lies inside.
    QTransform toPixels;
    toPixels.translate(0.5, 0.5);
    toPixels.scale(1.0 / Twips::PerPixelX(), 1.0 / Twips::PerPixelY());
    const QPainterPath pixels = toPixels.map(twips);
    // The path's pixels, as a painter without smoothing fills them, with a
    // pixel around them outside.
    bounds = pixels.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1).intersected(image.rect());
    if (bounds.isEmpty())
        return {};
    QImage mask(bounds.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.translate(-bounds.topLeft());
    p.drawPath(pixels);
    return mask;
}

void PictureBox::fillInside(const QPainterPath &twips, std::optional<QRgb> kept)
{
    ensureImage();
    QRect bounds;
    const QImage mask = maskOf(twips, bounds);
    if (mask.isNull())
        return;
    const QRgb fill = BgrToRgb(fillColor);
    for (int row = 0; row < bounds.height(); ++row) {
        const uchar *inside = mask.constScanLine(row);
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(bounds.top() + row)) + bounds.left();
        for (int col = 0; col < bounds.width(); ++col)
            if (inside[col] && (!kept || (line[col] & 0xFFFFFF) != *kept))
                line[col] = fill;
    }
    update();
}

void PictureBox::EdgePath(const QPainterPath &twips, long colour)
{
    ensureImage();
    QRect bounds;
    const QImage mask = maskOf(twips, bounds);
    if (mask.isNull())
        return;
    const auto inside = [&](int col, int row) {
        return col >= 0 && row >= 0 && col < mask.width() && row < mask.height() && mask.constScanLine(row)[col];
    };
    const QRgb edge = BgrToRgb(colour);
    for (int row = 0; row < bounds.height(); ++row) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(bounds.top() + row)) + bounds.left();
        for (int col = 0; col < bounds.width(); ++col)
            if (inside(col, row) &&
                !(inside(col - 1, row) && inside(col + 1, row) && inside(col, row - 1) && inside(col, row + 1)))
                line[col] = edge;
    }
    update();
}

int PictureBox::ScaleWidth() const { return Twips::FromPixelsX(width()); }
int PictureBox::ScaleHeight() const { return Twips::FromPixelsY(height()); }

const QImage &PictureBox::Image() const
{
    ensureImage();
    return image;
}

long PictureBox::PixelColour(int xPixel, int yPixel) const
{
    ensureImage();
    if (!image.valid(xPixel, yPixel))
        return -1;
    return RgbToBgr(image.pixel(xPixel, yPixel));
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    ensureImage();
    QPainter p(this);
    p.drawImage(event->rect(), image, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    ensureImage();
    QWidget::resizeEvent(event);
}
