#pragma once

#include <QObject>
#include <QPointer>

class PictureBox;
class QLabel;
class Recordset;
class QTimer;

// The controls of the main window that the night scene draws on and drives.
// The vessel picture is a child of the scene picture; the cover picture is a
// sibling in front of it with the same left, top and width.
struct SceneControls {
    PictureBox *Scene = nullptr;  // Mpicture(0), the night scene
    PictureBox *Cover = nullptr;  // Mpicture(1), the daylight cover picture
    PictureBox *Vessel = nullptr; // Mpicture(2), the picture that crosses the scene
    QLabel *Caption = nullptr;    // Mlabel(0), the line under the scene
    QTimer *Mtimer = nullptr;     // step timer, 100 ms
    QTimer *Ltimer = nullptr;     // light timer, 100 ms
};

// The main window's animated scene: a step machine run one step per tick of
// the step timer, and a table of flashing lights redrawn by the light timer.
// The main window owns one for its whole life, hands it its controls after
// building them, starts the step timer on activation and rewinds the scene
// (SceneStep = 0) on resize, deactivation and its menu and icon clicks.
class NightScene : public QObject
{
    Q_OBJECT

public:
    static constexpr int LightRows = 10;
    // Columns of a SceneLights row.
    enum LightColumn { Kind = 0, LightX = 1, LightY = 2, Phase = 3, Radius = 4 };

    explicit NightScene(QObject *parent = nullptr);

    // Takes the window's controls (again after they are rebuilt) and connects
    // the two timers' ticks to Mtimer_Timer and Ltimer_Timer. The window itself
    // connects nothing to the timers.
    void Attach(const SceneControls &controls);

    // The step timer's tick: runs one step. A tick that arrives while a step
    // is still running (its error message open) is dropped.
    void Mtimer_Timer();
    // The light timer's tick: advances every light's phase and switches the
    // lights whose phase calls for it. Dropped while a step is running.
    void Ltimer_Timer();

    // Runs the step numbered SceneStep and advances SceneStep.
    void DoHolyHead();

    // The step the next tick runs; the window sets it to 0 to start the scene
    // again from the daylight picture.
    int SceneStep = 0;
    // Twips of the cover picture per unit of the scene's 7845 x 4710 design space.
    float SceneScale = 0;
    // Twips the vessel picture moves in one step of its crossing.
    float SceneStepX = 0;
    // The flashing lights: kind (0 none, 1 two flashes, 2 one flash per
    // cycle), centre X and Y in twips of the scene picture, phase, radius.
    int SceneLights[LightRows][5] = {};
    // The stored lights picture whose lights the vessel picture carries.
    int VesselRecord = 0;

private:
    void SetSceneScale();
    void InitScene();
    void DrawVessel();
    void DrawVesselLight(Recordset &rs);
    void Wipe();
    void MoveVessel(int direction);
    void PlaceLight(int row, int kind, float x, float y, float radius);
    void DrawLight(int row, bool on);

    QPointer<PictureBox> scene;
    QPointer<PictureBox> cover;
    QPointer<PictureBox> vessel;
    QPointer<QLabel> caption;
    QPointer<QTimer> mtimer;
    QPointer<QTimer> ltimer;

    // The crossing: the vessel's Left at step 110 and the moves made since,
    // so that going out and back returns it exactly to where it started.
    double vesselStartLeft = 0;
    int vesselMoves = 0;
    bool running = false;
};
