#pragma once

#include "quiz/session/ElementTag.h"

#include <QString>

#include <array>

// The element kinds a collision picture is drawn from, numbered as the
// editor's kind list orders them and as COLLINE.LISTPTR stores them.
enum CollisionKind {
    Mast = 0,
    Ball = 1,
    ConeUp = 2,
    ConeDown = 3,
    Diamond = 4,
    Cylinder = 5,
    Vertical = 6,
    Horizontal = 7,
    HeadOnVessel = 8,
    SideVesselStarboard = 9,
    SideVesselPort = 10,
    HeadOnBarge = 11,
    SideBarge = 12,
    FishingVesselStarboard = 13,
    FishingVesselPort = 14,
    SailingVesselStarboard = 15,
    SailingVesselPort = 16,
    Fog = 17,
    Channel = 18,
};
constexpr int CollisionKindCount = 19;

// The kind list's texts, by kind ("Startboard" is how the list spells two of them).
extern const std::array<const char *, CollisionKindCount> CollisionKindTexts;

// The editor's sizes: the list's text and the size unit in twips it stands for.
struct ColSizeChoice {
    const char *text;
    long unit;
};
extern const std::array<ColSizeChoice, 4> ColSizeChoices;

// An element's size and kind while a picture is composed, kept in its tag
// (FormatElementTag: "150\17"), read back as ParseElementTag reads it but
// for a tag without a backslash, which is read whole as the kind.
ElementTag ParseColTag(const QString &tag);
