#pragma once

// One drawing of the sweep: a surface just large enough for one element
// and a margin, the element's centre and unit, and the checks every drawing
// must pass, told in units of the element from its centre.

#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"

#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <cmath>
#include <initializer_list>
#include <memory>
#include <vector>

// A part of a drawing: a polygon (or, with radius set, a circle about its
// first point) in units, and the colours a pixel well inside it may have.
struct SweepPart {
    QPolygonF shape;
    std::vector<long> colours;
    double radius = 0;
    const char *name = "";
};

inline SweepPart Part(const char *name, std::initializer_list<QPointF> points, std::vector<long> colours)
{
    return {QPolygonF(points), std::move(colours), 0, name};
}

inline SweepPart Box(const char *name, double u1, double v1, double u2, double v2, std::vector<long> colours)
{
    return Part(name, {{u1, v1}, {u2, v1}, {u2, v2}, {u1, v2}}, std::move(colours));
}

inline SweepPart Disc(const char *name, double radius, std::vector<long> colours)
{
    return {QPolygonF({QPointF(0, 0)}), std::move(colours), radius, name};
}

// The units a quiz window gives a stored element at a screen density: the
// smallest size in the smallest window the quiz keeps, to the largest size
// in a window maximised on a screen of 3840 x 2160 pixels. The picture is
// the client area less the margins the quiz's layout keeps around it.
struct UnitRange {
    double first;
    double last;
};

inline UnitRange QuizUnits(int twipsPerPixel, double smallest, double largest, double designWidth,
                           double designHeight, int pictures, int heightMargin)
{
    // The smallest window, 7710 x 5175 twips, less its frame of 120 x 690.
    auto scale = [&](double clientWidth, double clientHeight) {
        const double width = (clientWidth - 1590) / pictures;
        const double height = clientHeight - heightMargin;
        return std::min(width / designWidth, height / designHeight);
    };
    const double small = scale(7590, 4485);
    const double large = scale(3840.0 * twipsPerPixel - 120, 2160.0 * twipsPerPixel - 690);
    return {std::floor(smallest * small), std::ceil(largest * large)};
}

class SweepSheet
{
public:
    // A background surface for an element reaching over the rectangle of
    // units (left, top)-(right, bottom) at unit s, with 8 pixels around it;
    // the centre lies off the pixel grid by an amount that follows s.
    SweepSheet(PictureBox &surface, long background, const QRectF &reach, double s)
        : surface(surface), background(background), reach(reach), s(s)
    {
        const int tx = Twips::PerPixelX();
        const int ty = Twips::PerPixelY();
        const double margin = 8.0 * tx;
        x = std::lround(margin - reach.left() * s) + static_cast<long>(s * 7) % tx;
        y = std::lround(margin - reach.top() * s) + static_cast<long>(s * 3) % ty;
        surface.resize(Twips::ToPixelsX(x + reach.right() * s + margin) + 1,
                       Twips::ToPixelsY(y + reach.bottom() * s + margin) + 1);
        surface.SetBackColor(background);
        surface.SetDrawWidth(1);
        surface.SetFillColor(Colours::Black);
    }

    // A surface already drawn on, its element centred at (x, y).
    SweepSheet(PictureBox &surface, long background, const QRectF &reach, double s, long x, long y)
        : surface(surface), background(background), reach(reach), s(s), x(x), y(y)
    {
    }

    long X() const { return x; }
    long Y() const { return y; }

    // Pixels drawn more than 3 pixels outside the reach: a fill run out of
    // its outline paints the background up to the surface's edges. Returns
    // a description of the first, empty when there is none.
    QString Strays() const
    {
        const QImage &image = surface.Image();
        const QRect allowed = pixelRect(reach).adjusted(-3, -3, 3, 3);
        const QRgb back = BgrToRgb(background) & 0xFFFFFF;
        const int width = image.width();
        // The first column from .. to (not included) off the background, or -1.
        auto firstDrawn = [&](const QRgb *line, int from, int to) {
            for (int col = std::max(from, 0); col < std::min(to, width); ++col) {
                if ((line[col] & 0xFFFFFF) != back)
                    return col;
            }
            return -1;
        };
        for (int row = 0; row < image.height(); ++row) {
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(row));
            const bool inside = row >= allowed.top() && row <= allowed.bottom();
            int col = firstDrawn(line, 0, inside ? allowed.left() : width);
            if (col < 0 && inside)
                col = firstDrawn(line, allowed.right() + 1, width);
            if (col >= 0)
                return QString("drawn outside the element at pixel (%1, %2)").arg(col).arg(row);
        }
        return {};
    }

    // The pixels whose centres lie at least 1.5 pixels inside the part have
    // one of the part's colours. Returns a description of the first pixel
    // that has not, empty when there is none.
    QString Check(const SweepPart &part) const
    {
        const QImage &image = surface.Image();
        const QRectF twips = part.radius > 0 ? QRectF(-part.radius, -part.radius, 2 * part.radius, 2 * part.radius)
                                             : part.shape.boundingRect();
        const QRect pixels = pixelRect(twips).intersected(image.rect());
        const QPolygonF shape = toPixels(part.shape);
        // A grid of about 32 points each way: a part left unfilled, or
        // filled on one side of a line only, shows at many of them.
        const int step = std::max(1, std::min(pixels.width(), pixels.height()) / 32);
        for (int row = pixels.top(); row <= pixels.bottom(); row += step) {
            for (int col = pixels.left(); col <= pixels.right(); col += step) {
                if (!wellInside(part, shape, QPointF(col, row)))
                    continue;
                const long colour = RgbToBgr(image.pixel(col, row));
                if (std::find(part.colours.begin(), part.colours.end(), colour) == part.colours.end())
                    return QString("%1: colour %2 at pixel (%3, %4)").arg(part.name).arg(colour).arg(col).arg(row);
            }
        }
        return {};
    }

    QString CheckAll(const std::vector<SweepPart> &parts) const
    {
        QString fault = Strays();
        for (auto part = parts.begin(); fault.isEmpty() && part != parts.end(); ++part)
            fault = Check(*part);
        return fault;
    }

private:
    // A place in units to a place in pixels, not rounded.
    QPointF toPixel(const QPointF &unit) const
    {
        return QPointF((x + unit.x() * s) / Twips::PerPixelX(), (y + unit.y() * s) / Twips::PerPixelY());
    }
    QPolygonF toPixels(const QPolygonF &units) const
    {
        QPolygonF pixels;
        for (const QPointF &p : units)
            pixels << toPixel(p);
        return pixels;
    }
    QRect pixelRect(const QRectF &units) const
    {
        const QPointF a = toPixel(units.topLeft());
        const QPointF b = toPixel(units.bottomRight());
        return QRect(QPoint(int(std::floor(std::min(a.x(), b.x()))), int(std::floor(std::min(a.y(), b.y())))),
                     QPoint(int(std::ceil(std::max(a.x(), b.x()))), int(std::ceil(std::max(a.y(), b.y())))));
    }

    // A pixel's centre is where the drawing rounds its coordinates to.
    bool wellInside(const SweepPart &part, const QPolygonF &shape, const QPointF &p) const
    {
        constexpr double Margin = 1.5;
        if (part.radius > 0) {
            const QPointF c = toPixel(part.shape.front());
            const double r = part.radius * s / Twips::PerPixelX();
            const QPointF d = p - c;
            return r >= Margin && QPointF::dotProduct(d, d) <= (r - Margin) * (r - Margin);
        }
        if (!shape.containsPoint(p, Qt::OddEvenFill))
            return false;
        for (int i = 0; i < shape.size(); ++i) {
            const QPointF a = shape[i];
            const QPointF b = shape[(i + 1) % shape.size()];
            const QPointF ab = b - a;
            const double length2 = QPointF::dotProduct(ab, ab);
            const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
            const QPointF nearest = a + t * ab;
            const QPointF d = p - nearest;
            if (QPointF::dotProduct(d, d) < Margin * Margin)
                return false;
        }
        return true;
    }

    PictureBox &surface;
    long background;
    QRectF reach;
    double s;
    long x = 0;
    long y = 0;
};

// Whether the sweep runs every unit or a sample (the default, to keep the
// sanitizer build quick): NORVANTA_FULL_SWEEP set to 1 runs every unit.
inline bool FullSweep() { return qEnvironmentVariableIntValue("NORVANTA_FULL_SWEEP") == 1; }

// The screen densities in twips per pixel: all four, or only the one that
// NORVANTA_SWEEP_DENSITY names, so parts of the full sweep run side by side.
inline std::vector<int> SweepDensities()
{
    const int only = qEnvironmentVariableIntValue("NORVANTA_SWEEP_DENSITY");
    if (only > 0)
        return {only};
    return {10, 12, 15, 20};
}

// The rows of a long sweep are dealt out to several runs that go side by
// side: NORVANTA_SWEEP_SHARE "k/n" keeps the k-th of every n rows (k from 1).
// Without it every row is kept.
class SweepShare
{
public:
    SweepShare()
    {
        const QStringList part = qEnvironmentVariable("NORVANTA_SWEEP_SHARE").split(QLatin1Char('/'));
        if (part.size() == 2 && part[0].toInt() >= 1 && part[0].toInt() <= part[1].toInt()) {
            index = part[0].toInt() - 1;
            count = part[1].toInt();
        }
    }

    // Asked once for every row, in order: true when this run draws it.
    bool Takes() { return row++ % count == index; }

private:
    int index = 0;
    int count = 1;
    int row = 0;
};
