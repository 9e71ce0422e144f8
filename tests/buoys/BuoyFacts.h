#pragma once

// What each buoy kind's drawing fixes: colours in the middle of its parts
// and how high its body and topmark reach, in size units from the centre.

#include "buoys/BuoyKinds.h"
#include "platform/graphics/Colour.h"

#include <QRectF>
#include <QString>

#include <vector>

namespace BuoyFacts {

using namespace Colours;

// Where every kind reaches, its topmark included, in units from its centre;
// its lines may stand a few pixels beyond.
inline const QRectF Reach(QPointF(-3.2, -6.2), QPointF(3.2, 3.1));

// A kind's name as a test row names it: "north-cardinal-stick" for kind 1.
inline QString RowName(long kind)
{
    return BuoyKindText(kind).toLower().replace(' ', '-');
}

// A colour expected at (x + u s, y + v s); a topmark probe finds the
// background when the buoy is drawn without its topmark.
struct Probe {
    double u;
    double v;
    long colour;
    bool topmark = false;
};
using Probes = std::vector<Probe>;

// What each kind's drawing fixes: colours in the middle of its parts, the top
// of its body and the top of its topmark, in units above the centre.
struct KindFacts {
    Probes probes;
    double bodyTop;
    double topmarkTop;
};

inline Probes cones()
{
    return {{0, -3, Black, true}, {0, -4.5, Black, true}};
}

inline Probes join(Probes a, const Probes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Kinds 13 to 17 carry the X, yellow where its strokes cross.
inline const Probe Cross{0, -4.75, Yellow, true};

inline KindFacts facts(long kind)
{
    switch (kind) {
    case 0: // black over yellow, yellow base plate
        return {join({{0, 0.5, Yellow}, {0, -1, Black}, {-2.5, 1.5, Yellow}, {2.5, 1.5, Yellow}}, cones()), -2, -5};
    case 1:
        return {join({{0, 1, Yellow}, {0, -1, Black}, {0.8, 0, Blue}}, cones()), -2, -5};
    case 2: // black, yellow, black; black base plate
        return {join({{0, 0.5, Black}, {0, -0.5, Yellow}, {0, -1.5, Black}, {2.5, 1.5, Black}}, cones()), -2, -5};
    case 3:
        return {join({{0, 1, Black}, {0, -0.5, Yellow}, {0, -1.5, Black}}, cones()), -2, -5};
    case 4: // yellow over black, black base plate
        return {join({{0, 0.5, Black}, {0, -1, Yellow}, {-2.5, 1.5, Black}}, cones()), -2, -5};
    case 5:
        return {join({{0, 1, Black}, {0, -1, Yellow}}, cones()), -2, -5};
    case 6: // yellow, black, yellow; yellow base plate
        return {join({{0, 0.5, Yellow}, {0, -0.5, Black}, {0, -1.5, Yellow}, {2.5, 1.5, Yellow}}, cones()), -2, -5};
    case 7:
        return {join({{0, 1, Yellow}, {0, -0.5, Black}, {0, -1.5, Yellow}}, cones()), -2, -5};
    case 8: // black, red, black; two balls, the upper one's top at -6.1
        return {{{0, 0.5, Black},
                 {0, -0.8, Red},
                 {0, -2.3, Black},
                 {2.5, 1.5, Black},
                 {0, -4, Black, true},
                 {0, -5.5, Black, true}},
                -3,
                -6.1};
    case 9: // five boxes, black at both ends
        return {{{0, -1.5, Black},
                 {0, -0.5, Red},
                 {0, 0.5, Black},
                 {0, 1.5, Red},
                 {0, 2.5, Black},
                 {0, -3, Black, true},
                 {0, -4.5, Black, true}},
                -2,
                -5.1};
    case 10: // red inner lens and sides, white band between
        return {{{0, 0, Red},
                 {-1, 0, White},
                 {1, 0, White},
                 {-1.85, 0, Red},
                 {1.85, 0, Red},
                 {0, 1.5, Blue},
                 {0, -4, Red, true}},
                -2.8,
                -4.6};
    case 11: // white body and plate with a red stripe and red plate parts
        return {{{0, 0, Red},
                 {0, -2, Red},
                 {-1.2, 0, White},
                 {1.2, 0, White},
                 {0, 1.5, Red},
                 {-2.5, 1.5, Red},
                 {2.5, 1.5, Red},
                 {-1.4, 1.5, White},
                 {1.4, 1.5, White},
                 {0, -4.5, Red, true}},
                -3,
                -5.1};
    case 12:
        return {{{0, 0, Red}, {0, -2, Red}, {-0.4, 0, White}, {0.4, 0, White}, {0, -4.5, Red, true}}, -3, -5.1};
    case 13:
        return {{{0, 0, Yellow}, {-1.85, 0, Yellow}, {1.85, 0, Yellow}, Cross}, -2.8, -5.5};
    case 14:
        return {{{0, 0, Yellow}, {-2, 0.5, Yellow}, {2, 0.5, Yellow}, Cross}, -2, -5.5};
    case 15:
        return {{{0, 0, Yellow}, {0, -1.8, Yellow}, {-1.5, 0.5, Yellow}, Cross}, -2.29, -5.5};
    case 16:
        return {{{0, 0, Yellow}, {0, -1.5, Yellow}, {-2.5, 1.5, Yellow}, {2.5, 1.5, Yellow}, Cross}, -2, -5.5};
    case 17:
        return {{{0, 0, Yellow}, {0, -2.5, Yellow}, {0, 1.5, Yellow}, Cross}, -3, -5.5};
    case 18: // red can, red can topmark 4 units up
        return {{{0, 0, Red}, {0, -1.5, Red}, {-2, 0.5, Red}, {2, 0.5, Red}, {0, -3.5, Red, true}}, -2, -4};
    case 19:
        return {{{0, 0, Red}, {0, 1.5, Red}, {0, -2.5, Red}, {0, -4, Red, true}}, -3, -4.5};
    case 20: // green cone, green cone topmark
        return {{{0, 0, Green}, {0, -1.8, Green}, {-1.5, 0.5, Green}, {0, -3.5, Green, true}}, -2.29, -4.39};
    case 21:
        return {{{0, 0, Green}, {0, 1.5, Green}, {0, -4.5, Green, true}}, -3, -5.39};
    case 22: // red can, green band from 0 to -1
        return {{{0, 0.5, Red},
                 {0, -0.5, Green},
                 {0, -1.5, Red},
                 {-1.9, -0.5, Green},
                 {1.9, -0.5, Green},
                 {-2.1, 0.5, Red},
                 {0, -3.5, Red, true}},
                -2,
                -4};
    case 23: // green cone, red band from 0 to -1
        return {{{0, 0.5, Green},
                 {0, -0.5, Red},
                 {0, -1.5, Green},
                 {-1.1, -0.5, Red},
                 {1.1, -0.5, Red},
                 {0, -3.5, Green, true}},
                -2.29,
                -4.39};
    default:
        return {};
    }
}

} // namespace BuoyFacts
