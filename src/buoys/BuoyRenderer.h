#pragma once

#include "buoys/NightLights.h"
#include "quiz/session/QuizSession.h"

class PictureBox;

// Draws a buoy picture twice: the buoys on the day picture, and their places
// kept as the lights the night picture shows.
class BuoyRenderer : public PictureRenderer
{
public:
    explicit BuoyRenderer(QuizSession &session) : session(session) {}

    // The pictures the next show draws on and the factor from design twips to
    // theirs; the last picture's lights are forgotten.
    void Start(PictureBox &dayPicture, PictureBox &nightPicture, float k);

    NightLights &Lights() { return lights; }
    const NightLights &Lights() const { return lights; }
    float Scale() const { return scale; }

    void Clear() override;
    void DrawLine(const Recordset &row) override;

private:
    QuizSession &session;
    PictureBox *day = nullptr;
    PictureBox *night = nullptr;
    float scale = 1;
    NightLights lights;
};
