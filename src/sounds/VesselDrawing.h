#pragma once

#include "sounds/plan/SoundRows.h"

#include <QString>

class MaintElement;
class PictureBox;

// The vessels of a sound signal, drawn by the day-shapes silhouettes: vessel
// kind 1 "Head On Vessel" to 6 "Sailing Vessel". Any other kind draws nothing.
constexpr long VesselKindCount = 6;
// "Head On Vessel" .. "Sailing Vessel" for kinds 1 to 6.
QString VesselName(long kind);

// The quiz: the silhouette of a picture row centred at its scaled place.
void DrawVessel(PictureBox &picture, const SoundRow &row);
// The editor: the silhouette on a new element picture, which it sizes first.
void DrawVesselElement(MaintElement &element, long kind, long size);
