#pragma once

#include "platform/window/ControlArray.h"
#include "quiz/QuizForm.h"
#include "sounds/plan/SignalPlan.h"
#include "sounds/plan/SignalRows.h"

#include <QPointer>

class MMControl;
class PictureBox;
class QTimer;

// The sound-signals quiz: each signal shows its vessels beside a row of
// coloured bars, is played through the sound card or the multimedia device
// as the user's sound option says, and starts again after its cycle when it
// has one.
class SoundForm : public QuizForm
{
    Q_OBJECT

public:
    SoundForm();

    ControlArray<PictureBox> Lpicture;
    // The top-level menu item whose caption shows the signal as text in
    // multiple-choice mode; choosing it does nothing.
    QPointer<QAction> SoundMenu;
    // The cycle timer, started as the signal starts: the signal is
    // presented again at its tenth tick.
    QPointer<QTimer> Stimer;
    // The multimedia device.
    QPointer<MMControl> Smm;

    // Window-level variables.
    bool Loading = false;
    bool Busy = false;
    long TickCount = 0;

    const QString &ExtraText() const { return FurtherText(); }
    const QString &SignalText() const { return signalText; }

    // One tick of the cycle timer.
    void Stimer_Timer();
    void done(int result) override;

protected:
    void CreateTopicControls(QWidget &client) override;
    QRect LayoutPictures(int scaleWidth, int scaleHeight) override;
    PictureRenderer &Renderer() override { return signalRows; }
    void Action_Own(int Index) override;

    void Form_Load() override;
    void Form_Unload() override;

    // The show step: draws the signal, plays it and arms its cycle.
    void ShowData(ShowCause cause = ShowCause::Refresh) override;

private:
    // What follows a presentation once the window is no longer busy.
    enum class Then { Nothing, Restart, ShowMoved, ShowResized };
    // Draws, plays and arms the signal on show, busy throughout.
    Then PresentSignal(ShowCause cause);
    // Reads the signal's texts and rows.
    std::vector<SoundRow> ReadSignal(double scale);
    // Runs the steps; false when the window was closed during a wait.
    bool Present(const SignalPlan &plan);
    bool Wait(double seconds);
    void StartCycle(long interval);
    // The File menu and the four navigation buttons, off while a signal plays.
    void SetCommandsEnabled(bool on);
    // Ends every sound of either device at once.
    void Silence();
    // Closing the window ends the presentation, its waits and its sounds.
    void StopPresenting();

    SignalRows signalRows{session};
    QString signalText;
    // The focus before the commands went off, and where that sent it.
    QPointer<QWidget> focusBefore;
    QPointer<QWidget> focusMoved;
    bool closing = false;
};
