#include "collisions/ColKinds.h"

#include "platform/Val.h"

const std::array<const char *, CollisionKindCount> CollisionKindTexts = {
    "Mast",
    "Ball",
    "Cone Up",
    "Cone Down",
    "Diamond",
    "Cylinder",
    "Vertical",
    "Horizontal",
    "Head On Vessel",
    "Side Vessel Starboard",
    "Side Vessel Port",
    "Head On Barge",
    "Side Barge",
    "Fishing Vessel Startboard",
    "Fishing Vessel Port",
    "Sailing Vessel Startboard",
    "Sailing Vessel Port",
    "Fog",
    "Channel",
};

const std::array<ColSizeChoice, 4> ColSizeChoices = {{
    {"Large", 150},
    {"Medium", 120},
    {"Small", 80},
    {"Very Small", 40},
}};

QString ColTag(long size, long kind) { return QString::number(size) + QLatin1Char('\\') + QString::number(kind); }

ColTagValues ParseColTag(const QString &tag)
{
    const int slash = tag.indexOf(QLatin1Char('\\'));
    ColTagValues values;
    values.size = Val(slash < 0 ? QString() : tag.left(slash));
    values.kind = Val(tag.mid(slash + 1));
    return values;
}
