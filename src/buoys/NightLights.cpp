#include "buoys/NightLights.h"

#include "buoys/BuoySteps.h"
#include "buoys/LightCharacters.h"
#include "platform/values/Rounding.h"
#include "platform/window/PictureBox.h"

NightLights::NightLights() : rows(TableRows) {}

void NightLights::Reset()
{
    rows.assign(TableRows, BuoyLight{});
    lightCount = 0;
    lightMode = 0;
    elapsedTicks = 0;
}

void NightLights::Record(long kind, long x, long y, double s)
{
    if (lightCount >= static_cast<long>(rows.size()))
        rows.resize(static_cast<size_t>(lightCount) + 1);
    BuoyLight &row = rows[static_cast<size_t>(lightCount)];
    row.LightCode = kind + 1;
    row.LightX = x;
    row.LightY = RoundHalfEven(static_cast<double>(y) - s);
    ++lightCount;
}

std::optional<QString> NightLights::Tick(PictureBox &night)
{
    const bool restart = lastMode != lightMode;
    if (restart)
        elapsedTicks = 0;
    // Rows in order: where discs overlap, the later row's disc lies on top.
    for (BuoyLight &row : rows) {
        row.LightStep = restart ? 0 : row.LightStep + 1;
        const LightCharacter *character = FindLightCharacter(row.LightCode, lightMode);
        if (!character)
            continue;
        switch (ActionAtStep(*character, row.LightStep)) {
        case LightStepAction::On:
            DrawNightLight(night, row.LightX, row.LightY, character->colour);
            break;
        case LightStepAction::Off:
            DrawNightLight(night, row.LightX, row.LightY, Colours::Black);
            break;
        case LightStepAction::None:
            break;
        }
        if (row.LightStep == character->restartStep)
            row.LightStep = 0;
    }
    ++elapsedTicks;
    lastMode = lightMode;
    if (elapsedTicks == 1)
        return QStringLiteral("0");
    if (elapsedTicks % 10 == 0)
        return QString::number(elapsedTicks / 10);
    return std::nullopt;
}

void NightLights::ChangeLightMode() { lightMode = NextLightMode(rows.front().LightCode, lightMode); }

void DrawNightLight(PictureBox &night, long x, long y, long colour)
{
    night.SetFillColor(colour);
    night.Circle(static_cast<float>(x), static_cast<float>(y), NightLights::DiscRadius, Colours::Black);
}
