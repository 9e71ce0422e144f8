#pragma once

#include "buoys/BuoyRenderer.h"
#include "platform/window/ControlArray.h"
#include "quiz/QuizForm.h"

#include <QPointer>
#include <QTimer>

class PictureBox;
class QLabel;

// The buoyage quiz: every buoy picture twice, side by side at the same size:
// by day the buoys with their shapes, colours and topmarks on a blue sea, by
// night on black only their lights, flashing in the characters of their
// kinds, with the seconds they have run and a button that switches between
// the characters a kind may show.
class BuoyForm : public QuizForm
{
    Q_OBJECT

public:
    BuoyForm();

    // Lpicture(0) is the day picture, Lpicture(1) the night picture.
    ControlArray<PictureBox> Lpicture;
    // Blabel(0) shows the whole seconds of the light animation.
    ControlArray<QLabel> Blabel;
    // Steps the lights every 100 ms while the window is the active window.
    QPointer<QTimer> Ltimer;

    // One tick of the light timer.
    void Ltimer_Timer();
    // "&Light Mode": the next of the first buoy's light characters.
    void ChangeLightMode();

    const NightLights &Lights() const { return renderer.Lights(); }
    // Design twips to twips of the pictures, for the picture on show.
    float PictureScale() const { return renderer.Scale(); }

protected:
    void CreateTopicControls(QWidget &client) override;
    QRect LayoutPictures(int scaleWidth, int scaleHeight) override;
    void LayoutRightColumn(const QRect &pictures) override;
    void StartDrawing() override;
    PictureRenderer &Renderer() override { return renderer; }
    void Action_Own(int Index) override;

    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Unload() override;

private:
    BuoyRenderer renderer{session};
};
