#pragma once

#include "platform/graphics/Colour.h"

#include <vector>

class PictureBox;
class Recordset;

// One light of a lights picture as stored: a disc of one colour at a place of
// the 6000 x 3000 design space, steady or flashing.
struct LightLine {
    long colour = 0;
    bool flash = false;
    double x = 0;
    double y = 0;
    double size = 0;
};

// Reads the current LIGHTLINE row. A Null FLASH is a steady light; a Null or
// non-numeric colour, position or size throws the typed read's DbError.
LightLine ReadLightLine(const Recordset &row);

// A light as drawn on the display picture, in its twips after scaling; the
// flash timer redraws the flashing ones from these.
struct DrawnLight {
    long colour = 0;
    long x = 0;
    long y = 0;
    long radius = 0;
};

// Flashing lights are drawn in the marker colour; the flash timer makes every
// light of that colour blink yellow and black.
constexpr long FlashMarker = Colours::LightGrey;
constexpr long FlashYellow = Colours::Yellow;
constexpr long FlashBlack = Colours::Black;

// Draws the light as a disc filled and outlined in its colour at factor k and
// records it in flashLights, which holds every light of the picture.
void DrawLight(PictureBox &picture, const LightLine &light, double k, std::vector<DrawnLight> &flashLights);

// One flash tick: inverts the phase and redraws every light of the marker
// colour black (phase on) or yellow (phase off). Other lights are untouched.
void FlashTick(PictureBox &picture, const std::vector<DrawnLight> &flashLights, bool &flashOn);

// Where the lights quiz slides its picture: 0 "Still", 1 "Up", 2 "Right",
// 3 "Down", 4 "Left".
enum LightDirection { Still = 0, Up = 1, Right = 2, Down = 3, Left = 4 };

struct PicturePlace {
    int left = 0;
    int top = 0;
};

// One movement step of a picture width x height inside its frame of the same
// size: 10 twips in the direction, or, once it has left the frame, a jump to
// just outside the opposite side. Any other direction leaves it in place.
PicturePlace MoveStep(int direction, PicturePlace place, int width, int height);
