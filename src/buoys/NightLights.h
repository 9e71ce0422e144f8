#pragma once

#include <QString>

#include <optional>
#include <vector>

class PictureBox;

// One lit buoy of the night picture: its light code (the buoy kind + 1, 0 for
// an empty row), the centre of its light in twips of the picture, and the
// ticks since its current cycle began.
struct BuoyLight {
    long LightCode = 0;
    long LightX = 0;
    long LightY = 0;
    long LightStep = 0;
};

// The buoy quiz's night animation: every buoy of the picture on show as a
// light flashing in its character, stepped once a tick, and the seconds the
// animation has run.
class NightLights
{
public:
    // A picture starts with room for ten buoys; more rows are added as a
    // picture needs them.
    static constexpr int TableRows = 10;
    // Radius of a light's disc in twips of the picture, whatever its scale.
    static constexpr int DiscRadius = 100;

    NightLights();

    // Before a picture is drawn: every row empty, mode and seconds back to 0.
    // The mode the last tick saw is kept, so a picture shown after a mode
    // change starts with a restart tick.
    void Reset();
    // Records the next buoy drawn: its light stands one unit s above the
    // buoy's centre (x, y). Every buoy takes a row, whatever its kind.
    void Record(long kind, long x, long y, double s);

    // One tick: steps every row and draws the lights whose step turns them on
    // or off on the night picture. Returns the seconds display's new text, or
    // nothing when it stays as it is.
    std::optional<QString> Tick(PictureBox &night);
    // A press of the light-mode button; the next tick restarts every light.
    void ChangeLightMode();

    const std::vector<BuoyLight> &Rows() const { return rows; }
    long LightCount() const { return lightCount; }
    long LightMode() const { return lightMode; }
    long ElapsedTicks() const { return elapsedTicks; }

private:
    std::vector<BuoyLight> rows;
    long lightCount = 0;
    long lightMode = 0;
    long lastMode = 0;
    long elapsedTicks = 0;
};

// A light's disc on the night picture, lit in the colour or dark (black),
// with a thin black rim.
void DrawNightLight(PictureBox &night, long x, long y, long colour);
