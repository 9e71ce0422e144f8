#pragma once

// Bodies and topmarks that several families of marks share. Places are in
// size units from the buoy's centre (see BuoySteps); every outline is black.
// A body's shape is painted first, with any bands over it, and its outline
// drawn after.

#include <QPainterPath>

class BuoySteps;

namespace BuoyBody {

// Pillar buoy: the body, its sides from (-2, 1) and (2, 1) up to (-1, top)
// and (1, top), closed by a line at top.
QPainterPath PillarShape(const BuoySteps &steps, double top);
// Its base plate (-3, 1)-(3, 2), painted in the fill colour set before, and
// the body's outline.
void Pillar(BuoySteps &steps, double top);

// A band line across a pillar body of that top, at height v, as wide as
// halfWidth each side of the centre line.
void PillarBandLine(BuoySteps &steps, double top, double v, double halfWidth);

// Can: a trapezoid with its foot from -2.5 to 2.5 on 1 and its top from -1.9
// to 1.9 on -2.
QPainterPath CanShape(const BuoySteps &steps);
void Can(BuoySteps &steps);

// A band line across the can at height v.
void CanBandLine(BuoySteps &steps, double v, double halfWidth);

// Cone: two arcs of radius 3.8 about the ends of the base line (-1.9, 1) to
// (1.9, 1), the right-hand one from angle 0 to rightEnd, the left-hand one
// from 2.1 to leftEnd, then the base line.
QPainterPath ConeShape(const BuoySteps &steps);
void Cone(BuoySteps &steps, float rightEnd, float leftEnd);

// Round body: a circle of radius 2.3 about (0, -0.5), open below between the
// angles 3.9 and 5.6, on a base line (-1.9, 1) to (1.9, 1).
QPainterPath RoundShape(const BuoySteps &steps);
void RoundArcs(BuoySteps &steps);
// The base line, at the line width then set.
void RoundBase(BuoySteps &steps);

// Stick: the box (-0.6, 2)-(0.6, -3), outlined black, painted in the colour.
void Stick(BuoySteps &steps, long colour);

// Can topmark, base from -0.8 to 0.8 on base, top from -0.7 to 0.7 one unit
// higher, painted red.
void CanTopmark(BuoySteps &steps, double base);

// Cone topmark: the cone's construction at radius 1.6 on base, painted green.
void ConeTopmark(BuoySteps &steps, double base);

} // namespace BuoyBody
