#pragma once

#include "lights/DrawLight.h"
#include "quiz/session/QuizSession.h"

#include <vector>

class PictureBox;

// Draws a lights picture on the display picture, keeps its flashing lights
// for the flash timer and reads the direction the picture slides in.
class LightRenderer : public PictureRenderer
{
public:
    explicit LightRenderer(QuizSession &session) : session(session) {}

    // The display the next show draws on, and its scale; the last picture's
    // flashing lights and direction are forgotten.
    void Start(PictureBox &shown, double k);

    const std::vector<DrawnLight> &FlashLights() const { return flashLights; }
    int Direction() const { return direction; }

    void ReadHeadFields(const Recordset &row) override;
    void Clear() override;
    void DrawLine(const Recordset &row) override;

private:
    QuizSession &session;
    PictureBox *display = nullptr;
    double scale = 1;
    std::vector<DrawnLight> flashLights;
    int direction = Still;
};
