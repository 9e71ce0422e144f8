#pragma once

#include "lights/DrawLight.h"

#include <QString>

class Recordset;

// The fields of a lights picture's rows, as the editor and the starter set
// write them: every field written, the texts exactly as given.
void SetLightHead(Recordset &head, const QString &hint, const QString &text, const QString &fogSignal,
                  int direction);
// A light as stored from the colour chosen for it: the flash marker becomes
// yellow with the flashing flag. Positions are single precision.
LightLine StoredLight(long chosenColour, float x, float y, double radius);

// A line row's fields besides HEADER.
void SetLightLine(Recordset &line, const LightLine &light);
