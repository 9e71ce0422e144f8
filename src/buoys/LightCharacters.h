#pragma once

#include <QString>

#include <vector>

// The light characters of the buoy quiz's night picture. A light is stepped
// every tick (a tenth of a second): its step counter names the moments at
// which the light goes on or off, and the step at which its cycle starts
// again.
struct LightCharacter {
    long colour = 0; // blue-green-red
    std::vector<int> onSteps;
    std::vector<int> offSteps;
    int restartStep = 0;
};

// What a step of a character does to its light.
enum class LightStepAction { None, On, Off };
LightStepAction ActionAtStep(const LightCharacter &character, long step);

// The character a buoy's light shows in a light mode (0, 1 or 2). The light
// code is the buoy kind + 1; a code outside 1 to 24 has no light (nullptr).
const LightCharacter *FindLightCharacter(long lightCode, long lightMode);

// The light mode after a press of the light-mode button, decided by the light
// code of the picture's first buoy: isolated danger and preferred-channel
// marks keep their one character, safe-water and lateral marks cycle through
// three, every other code (cardinal and special marks, no buoy) toggles
// between two.
long NextLightMode(long firstLightCode, long lightMode);

// The button's caption for a light mode: "&Light Mode 1" for mode 0.
QString LightModeCaption(long lightMode);
