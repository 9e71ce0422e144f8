#pragma once

#include "lights/DrawLight.h"
#include "lights/LightRenderer.h"
#include "platform/window/ControlArray.h"
#include "quiz/QuizForm.h"

#include <QPointer>
#include <QTimer>

#include <array>
#include <vector>

class PictureBox;

// The lights quiz: night pictures of vessels' lights, flashing lights blinking
// yellow and black, and a picture that can slide through its frame in the
// direction stored with it.
class LightForm : public QuizForm
{
    Q_OBJECT

public:
    LightForm();

    // Lpicture(1) is the frame, Lpicture(0) the display picture inside it.
    ControlArray<PictureBox> Lpicture;
    // Ltimer(0) flashes every 500 ms while the window is active; Ltimer(1)
    // moves the picture every 100 ms after "&Movement".
    std::array<QPointer<QTimer>, 2> Ltimer{};

    // One tick of a timer: 0 flash, 1 movement.
    void Ltimer_Timer(int Index);

    const std::vector<DrawnLight> &FlashLights() const { return renderer.FlashLights(); }
    bool FlashOn() const { return flashOn; }
    int Direction() const { return renderer.Direction(); }
    PicturePlace PicturePosition() const { return place; }

protected:
    void CreateTopicControls(QWidget &client) override;
    QRect LayoutPictures(int scaleWidth, int scaleHeight) override;
    void BeforeShow() override;
    void StartDrawing() override;
    PictureRenderer &Renderer() override { return renderer; }
    void HeadRead(bool found) override;
    void Action_Own(int Index) override;

    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Unload() override;

private:
    void ShowMovement();
    void MovePicture();
    void PutPictureHome();

    LightRenderer renderer{session};
    bool flashOn = false;
    PicturePlace place;
};
