#include "collisions/ColKinds.h"

#include "platform/values/Val.h"

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

ElementTag ParseColTag(const QString &tag)
{
    if (!tag.contains(QLatin1Char('\\')))
        return {0.0, Val(tag)};
    return ParseElementTag(tag);
}
