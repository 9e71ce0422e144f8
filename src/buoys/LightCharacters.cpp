#include "buoys/LightCharacters.h"

#include "buoys/BuoySteps.h"

#include <algorithm>
#include <array>

using namespace Colours;

namespace {
// Each character repeats in exactly the period its chart name gives. Very
// quick flashes come 120 a minute (a tenth lit in every half second), quick
// ones 60 (two tenths in every second). A flash of a flashing light lasts
// half a second, shorter than the dark on either side of it, and the dark
// that closes a group is the longest; only a long flash (LFl) lasts two
// seconds.

// VQ
const LightCharacter NorthVeryQuick{White, {4}, {5}, 5};
// Q
const LightCharacter NorthQuick{White, {8}, {10}, 10};
// VQ(3) 5s
const LightCharacter EastVeryQuick{White, {1, 6, 11}, {2, 7, 12}, 50};
// Q(3) 10s
const LightCharacter EastQuick{White, {2, 12, 22}, {4, 14, 24}, 100};
// VQ(6)+LFl 10s
const LightCharacter SouthVeryQuick{White, {1, 6, 11, 16, 21, 26, 31}, {2, 7, 12, 17, 22, 27, 51}, 100};
// Q(6)+LFl 15s
const LightCharacter SouthQuick{White, {2, 12, 22, 32, 42, 52, 62}, {4, 14, 24, 34, 44, 54, 82}, 150};
// VQ(9) 10s
const LightCharacter WestVeryQuick{White, {1, 6, 11, 16, 21, 26, 31, 36, 41}, {2, 7, 12, 17, 22, 27, 32, 37, 42}, 100};
// Q(9) 15s
const LightCharacter WestQuick{White, {2, 12, 22, 32, 42, 52, 62, 72, 82}, {4, 14, 24, 34, 44, 54, 64, 74, 84}, 150};
// Fl(2) 10s
const LightCharacter IsolatedDanger{White, {1, 16}, {6, 21}, 100};
// Iso 4s
const LightCharacter SafeWaterIsophase{White, {1}, {21}, 40};
// Oc 5s
const LightCharacter SafeWaterOcculting{White, {1}, {41}, 50};
// LFl 10s
const LightCharacter SafeWaterLong{White, {1}, {21}, 100};
// Fl Y 5s
const LightCharacter Special{Yellow, {1}, {6}, 50};
// Fl R 8s
const LightCharacter RedFlash{Red, {1}, {6}, 80};
// Fl(2) R 10s
const LightCharacter RedTwo{Red, {1, 16}, {6, 21}, 100};
// Fl(4) R 15s
const LightCharacter RedFour{Red, {1, 16, 31, 46}, {6, 21, 36, 51}, 150};
// Fl(4) G 15s
const LightCharacter GreenFour{Green, {1, 16, 31, 46}, {6, 21, 36, 51}, 150};
// Fl G 8s
const LightCharacter GreenFlash{Green, {1}, {6}, 80};
// Fl(2) G 10s
const LightCharacter GreenTwo{Green, {1, 16}, {6, 21}, 100};
// Fl(2+1) every 10 s: a pair 0.6 s apart, the single flash 2.4 s later, then
// 6.4 s dark, so the single flash never runs into the next pair.
const LightCharacter RedComposite{Red, {2, 10, 36}, {4, 12, 38}, 100};
const LightCharacter GreenComposite{Green, {2, 10, 36}, {4, 12, 38}, 100};

// The characters of a light code in modes 0, 1 and 2.
using ModeCharacters = std::array<const LightCharacter *, 3>;

ModeCharacters CharactersOf(long lightCode)
{
    switch (lightCode) {
    case 1:
    case 2:
        return {&NorthVeryQuick, &NorthQuick, &NorthQuick};
    case 3:
    case 4:
        return {&EastVeryQuick, &EastQuick, &EastQuick};
    case 5:
    case 6:
        return {&SouthVeryQuick, &SouthQuick, &SouthQuick};
    case 7:
    case 8:
        return {&WestVeryQuick, &WestQuick, &WestQuick};
    case 9:
    case 10:
        return {&IsolatedDanger, &IsolatedDanger, &IsolatedDanger};
    case 11:
    case 12:
    case 13:
        return {&SafeWaterIsophase, &SafeWaterOcculting, &SafeWaterLong};
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
        return {&Special, &Special, &Special};
    case 19:
    case 20:
        // Port hand and starboard share their characters in another order.
        return {&RedFlash, &RedTwo, &RedFour};
    case 21:
    case 22:
        return {&GreenFour, &GreenFlash, &GreenTwo};
    case 23:
        return {&RedComposite, &RedComposite, &RedComposite};
    case 24:
        return {&GreenComposite, &GreenComposite, &GreenComposite};
    default:
        return {nullptr, nullptr, nullptr};
    }
}

bool Holds(const std::vector<int> &steps, long step)
{
    return std::find(steps.begin(), steps.end(), step) != steps.end();
}
} // namespace

LightStepAction ActionAtStep(const LightCharacter &character, long step)
{
    if (Holds(character.onSteps, step))
        return LightStepAction::On;
    if (Holds(character.offSteps, step))
        return LightStepAction::Off;
    return LightStepAction::None;
}

const LightCharacter *FindLightCharacter(long lightCode, long lightMode)
{
    const ModeCharacters characters = CharactersOf(lightCode);
    if (lightMode == 0)
        return characters[0];
    return lightMode == 1 ? characters[1] : characters[2];
}

long NextLightMode(long firstLightCode, long lightMode)
{
    switch (firstLightCode) {
    case 9:
    case 10:
    case 23:
    case 24:
        return lightMode;
    case 11:
    case 12:
    case 13:
    case 19:
    case 20:
    case 21:
    case 22:
        return lightMode == 0 || lightMode == 1 ? lightMode + 1 : 0;
    default:
        return lightMode == 0 ? 1 : 0;
    }
}

QString LightModeCaption(long lightMode)
{
    return QStringLiteral("&Light Mode ") + QString::number(lightMode + 1);
}
