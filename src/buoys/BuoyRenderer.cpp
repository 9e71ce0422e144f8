#include "buoys/BuoyRenderer.h"

#include "buoys/BuoyKinds.h"
#include "buoys/BuoyPlacement.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/window/PictureBox.h"

#include <cmath>
#include <cstdint>

namespace {
constexpr long Overflow = 6;

// A BUOYLINE row as stored.
struct StoredBuoy {
    float xpos = 0;
    float ypos = 0;
    double size = 0;
    double listptr = 0;
    double topmark = 0;
};

// A Null or non-numeric place, size or kind throws the typed read's DbError;
// a Null topmark flag means no topmark.
StoredBuoy ReadBuoyLine(const Recordset &row)
{
    const bool noTopmark = row.Value(QStringLiteral("TOPMARK")).isNull();
    return StoredBuoy{static_cast<float>(row.DoubleValue(QStringLiteral("XPOS"))),
                      static_cast<float>(row.DoubleValue(QStringLiteral("YPOS"))),
                      row.DoubleValue(QStringLiteral("SIZE")), row.DoubleValue(QStringLiteral("LISTPTR")),
                      noTopmark ? 0.0 : row.DoubleValue(QStringLiteral("TOPMARK"))};
}

bool Whole32(double value)
{
    return std::isfinite(value) && std::fabs(value) <= static_cast<double>(INT32_MAX);
}

// The buoy on a picture at factor k. Every point a drawing reaches lies
// within 8 units of the centre; a buoy reaching beyond the 32-bit twips
// range, or a kind or flag beyond it, overflows.
PlacedBuoy PlaceBuoyLine(const StoredBuoy &b, float k)
{
    const float x = b.xpos * k;
    const float y = b.ypos * k;
    const double reach = 8.0 * std::fabs(static_cast<double>(BuoyUnit(b.size, k)));
    if (!Whole32(std::fabs(x) + reach) || !Whole32(std::fabs(y) + reach) || !Whole32(b.listptr) ||
        !Whole32(b.topmark))
        throw DbError(Overflow, QStringLiteral("Overflow"));
    return PlaceStoredBuoy(b.xpos, b.ypos, b.size, b.listptr, b.topmark, k);
}
} // namespace

void BuoyRenderer::Start(PictureBox &dayPicture, PictureBox &nightPicture, float k)
{
    day = &dayPicture;
    night = &nightPicture;
    scale = k;
    lights.Reset();
}

void BuoyRenderer::Clear()
{
    day->Cls();
    night->Cls();
}

void BuoyRenderer::DrawLine(const Recordset &row)
{
    StoredBuoy stored;
    if (!session.ReadLineRow([&] { stored = ReadBuoyLine(row); }))
        return;
    // A row that cannot be drawn is reported on its own; the rows after it
    // are drawn as usual.
    Trap(session.Location(QStringLiteral("ShowData")), [&] {
        const PlacedBuoy b = PlaceBuoyLine(stored, scale);
        lights.Record(b.kind, b.x, b.y, b.s);
        DrawBuoyKind(*day, b.kind, b.x, b.y, b.s, b.topmark, BuoyDrawingFor::Quiz);
    });
}
