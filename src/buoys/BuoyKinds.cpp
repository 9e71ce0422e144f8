#include "buoys/BuoyKinds.h"

#include "buoys/CardinalMarks.h"
#include "buoys/IsolatedDangerMarks.h"
#include "buoys/LateralMarks.h"
#include "buoys/PreferredChannelMarks.h"
#include "buoys/SafeWaterMarks.h"
#include "buoys/YellowMarks.h"

namespace {
struct KindEntry {
    const char *text;
    const char *light;
    BuoyRoutine draw;
};

const char *const NorthLight = "Continuous Flashing Or Quick Flashing (White)";
const char *const EastLight = "Quick Three In 10 Seconds Or Very Quick Three In 5 Seconds (White)";
const char *const SouthLight = "Quick Six Plus Long In 15 Seconds Or Very Quick Six Plus Long In 10 Seconds (White)";
const char *const WestLight = "Quick Nine In 15 Seconds Or Very Quick Nine In 10 Seconds (White)";
const char *const DangerLight = "Group Flash Two (White)";
const char *const SafeWaterLight = "Isophase, Occulting Or Long Every 10 Seconds (White)";
const char *const SpecialLight = "A Light Pattern Not Used By Other Buoys (Yellow)";

const std::array<KindEntry, BuoyKindCount> Kinds{{
    {"North Cardinal Buoy", NorthLight, DrawNorthCardinalBuoy},
    {"North Cardinal Stick", NorthLight, DrawNorthCardinalStick},
    {"East Cardinal Buoy", EastLight, DrawEastCardinalBuoy},
    {"East Cardinal Stick", EastLight, DrawEastCardinalStick},
    {"South Cardinal Buoy", SouthLight, DrawSouthCardinalBuoy},
    {"South Cardinal Stick", SouthLight, DrawSouthCardinalStick},
    {"West Cardinal Buoy", WestLight, DrawWestCardinalBuoy},
    {"West Cardinal Stick", WestLight, DrawWestCardinalStick},
    {"Isolated Danger Buoy", DangerLight, DrawIsolatedDangerBuoy},
    {"Isolated Danger Stick", DangerLight, DrawIsolatedDangerStick},
    {"Safe Water Round", SafeWaterLight, DrawSafeWaterRound},
    {"Safe Water Cone", SafeWaterLight, DrawSafeWaterCone},
    {"Safe Water Stick", SafeWaterLight, DrawSafeWaterStick},
    {"Special Mark Round", SpecialLight, DrawSpecialMarkRound},
    {"Special Mark Can", SpecialLight, DrawSpecialMarkCan},
    {"Special Mark Cone", SpecialLight, DrawSpecialMarkCone},
    {"Special Mark Buoy", SpecialLight, DrawSpecialMarkBuoy},
    {"Special Mark Stick", SpecialLight, DrawSpecialMarkStick},
    {"Port Hand Can", "Flash Or Group Flash (Red)", DrawPortHandCan},
    {"Port Hand Stick", "Flash Or Group Flash (Red)", DrawPortHandStick},
    {"Starboard Cone", "Flash Or Group Flash (Green)", DrawStarboardCone},
    {"Starboard Stick", "Flash Or Group Flash (Green)", DrawStarboardStick},
    {"Preferred To Starboard", "Composite Group Flash (Red)", DrawPreferredToStarboard},
    {"Preferred To Port", "Composite Group Flash (Green)", DrawPreferredToPort},
}};

const KindEntry *entry(long kind)
{
    if (kind < 0 || kind >= BuoyKindCount)
        return nullptr;
    return &Kinds[static_cast<size_t>(kind)];
}
} // namespace

QString BuoyKindText(long kind)
{
    const KindEntry *e = entry(kind);
    return e ? QString::fromLatin1(e->text) : QString();
}

QString BuoyLightDescription(long kind)
{
    const KindEntry *e = entry(kind);
    return e ? QString::fromLatin1(e->light) : QString();
}

void DrawBuoyKind(PictureBox &Pic, long kind, long x, long y, double s, long topmark, BuoyDrawingFor form)
{
    // A stored row of a foreign writer may name a kind that does not exist.
    if (const KindEntry *e = entry(kind))
        e->draw(Pic, x, y, s, topmark, form);
}
