#include "collisions/ColRows.h"

#include "collisions/ColDraw.h"
#include "collisions/ColKinds.h"
#include "data/Database.h"
#include "platform/values/Rounding.h"
#include "platform/window/PictureBox.h"

#include "data/Database.h"
#include <cmath>
#include <cstdint>

HintAndRule SplitHint(const QString &stored)
{
    const int tilde = stored.indexOf(QLatin1Char('~'));
    if (tilde < 0)
        return {stored, QString()};
    return {stored.left(tilde), stored.mid(tilde + 1)};
}

ColLine ReadColLine(const Recordset &row)
{
    return ColLine{row.DoubleValue(QStringLiteral("XPOS")), row.DoubleValue(QStringLiteral("YPOS")),
                   row.DoubleValue(QStringLiteral("SIZE")), row.DoubleValue(QStringLiteral("LISTPTR"))};
}

namespace {
// The nearest 32-bit whole number; beyond that range the value overflows.
long nearest32(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(INT32_MAX))
        throw DbError(ColOverflow, QStringLiteral("Overflow"));
    return RoundHalfEven(value);
}
} // namespace

ColPlacement PlaceColLine(const ColLine &line, float k)
{
    ColPlacement placement;
    // The place is single precision on both sides of the product.
    placement.cx = nearest32(static_cast<float>(line.x) * k);
    placement.cy = nearest32(static_cast<float>(line.y) * k);
    placement.s = nearest32(line.size * k);
    if (line.kind > -1 && line.kind < CollisionKindCount + 1)
        placement.kind = RoundHalfEven(line.kind);
    return placement;
}

void DrawCol(PictureBox &picture, const ColLine &line, float k)
{
    picture.SetFillColor(Colours::Black);
    const ColPlacement at = PlaceColLine(line, k);
    ColDraw draw(picture, at.cx, at.cy, at.s);
    DrawColKind(draw, at.kind);
}

void SetColHead(Recordset &head, const QString &hint, const QString &text, const QString &extra)
{
    head.SetValue(QStringLiteral("HINT"), hint);
    head.SetValue(QStringLiteral("TEXT"), text);
    head.SetValue(QStringLiteral("EXTRA"), extra);
}

void SetColLine(Recordset &line, float x, float y, double size, double kind)
{
    line.SetValue(QStringLiteral("COLOUR"), 0);
    line.SetValue(QStringLiteral("XPOS"), x);
    line.SetValue(QStringLiteral("YPOS"), y);
    line.SetValue(QStringLiteral("SIZE"), size);
    line.SetValue(QStringLiteral("LISTPTR"), kind);
}
