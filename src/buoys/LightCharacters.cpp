#include "buoys/LightCharacters.h"

#include "buoys/BuoySteps.h"

#include <algorithm>
#include <array>

using namespace Colours;

namespace {
// Very quick (VQ) and quick (Q) flashes; long flashes of two seconds.
const LightCharacter NorthVeryQuick{White, {4}, {5}, 5};
const LightCharacter NorthQuick{White, {8}, {10}, 10};
const LightCharacter EastVeryQuick{White, {1, 5, 9}, {2, 6, 10}, 49};
const LightCharacter EastQuick{White, {2, 10, 18}, {4, 12, 20}, 99};
const LightCharacter SouthVeryQuick{White, {1, 5, 9, 13, 17, 21, 25}, {2, 6, 10, 14, 18, 22, 45}, 99};
const LightCharacter SouthQuick{White, {2, 10, 18, 26, 34, 42, 50}, {4, 12, 20, 28, 36, 44, 70}, 149};
const LightCharacter WestVeryQuick{White, {1, 5, 9, 13, 17, 21, 25, 29, 33}, {2, 6, 10, 14, 18, 22, 26, 30, 34}, 99};
const LightCharacter WestQuick{White, {2, 10, 18, 26, 34, 42, 50, 58, 66}, {4, 12, 20, 28, 36, 44, 52, 60, 68}, 149};
const LightCharacter IsolatedDanger{White, {1, 30}, {21, 51}, 99};
const LightCharacter SafeWaterIsophase{White, {1}, {21}, 42};
const LightCharacter SafeWaterOcculting{White, {1}, {41}, 50};
const LightCharacter SafeWaterLong{White, {1}, {21}, 99};
const LightCharacter Special{Yellow, {1}, {21}, 49};
const LightCharacter RedFlash{Red, {1}, {21}, 79};
const LightCharacter RedTwo{Red, {1, 30}, {21, 51}, 99};
const LightCharacter RedFour{Red, {1, 30, 60, 90}, {21, 51, 81, 111}, 149};
const LightCharacter GreenFour{Green, {1, 30, 60, 90}, {21, 51, 81, 111}, 149};
const LightCharacter GreenFlash{Green, {1}, {21}, 79};
const LightCharacter GreenTwo{Green, {1, 30}, {21, 51}, 99};
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

QString LightModeCaption(long lightMode) { return QStringLiteral("&Light Mode ") + QString::number(lightMode + 1); }
