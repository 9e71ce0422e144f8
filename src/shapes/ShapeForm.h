#pragma once

#include "platform/window/ControlArray.h"
#include "quiz/OnePictureRenderer.h"
#include "quiz/QuizForm.h"
#include "silhouettes/DrawShape.h"

class PictureBox;

// The day-shapes quiz: each picture of the series shows the signal shapes and
// vessels stored for it on one white picture, with its hint, fog signal and
// answer on request.
class ShapeForm : public QuizForm
{
    Q_OBJECT

public:
    ShapeForm();

    // Lpicture(0), the quiz picture.
    ControlArray<PictureBox> Lpicture;

    // The factor the picture on show was drawn at.
    float Scale() const { return renderer.Scale(); }

protected:
    void CreateTopicControls(QWidget &client) override;
    QRect LayoutPictures(int scaleWidth, int scaleHeight) override;
    void StartDrawing() override;
    PictureRenderer &Renderer() override { return renderer; }

private:
    OnePictureRenderer<ShapeLine> renderer;
};
