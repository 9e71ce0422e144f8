#include "mainwindow/NightScene.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "mainwindow/CoverPicture.h"
#include "platform/graphics/Colour.h"
#include "platform/values/Rounding.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"

#include <QLabel>
#include <QTimer>

namespace {

using Colours::Black;
using Colours::White;

const QString Location = QStringLiteral("MenuForm:DoHolyHead");

const QString CourseAndFirstPosition =
    QStringLiteral("Course - 110\u00B0(T), Position - 53\u00B029'.5N, 04\u00B050'.3E");
const QString CourseAndSecondPosition =
    QStringLiteral("Course - 110\u00B0(T), Position - 53\u00B027'.0N, 04\u00B046'.0E");
const QString CourseOnly = QStringLiteral("Course - 110\u00B0(T)");

// The two stored lights pictures the vessel picture carries out and back.
constexpr int OutwardRecord = 16;
constexpr int HomewardRecord = 22;

int Rounded(float twips) { return static_cast<int>(RoundHalfEven(twips)); }

} // namespace

NightScene::NightScene(QObject *parent) : QObject(parent) {}

void NightScene::Attach(const SceneControls &controls)
{
    if (mtimer)
        mtimer->disconnect(this);
    if (ltimer)
        ltimer->disconnect(this);
    scene = controls.Scene;
    cover = controls.Cover;
    vessel = controls.Vessel;
    caption = controls.Caption;
    mtimer = controls.Mtimer;
    ltimer = controls.Ltimer;
    if (mtimer)
        connect(mtimer, &QTimer::timeout, this, &NightScene::Mtimer_Timer);
    if (ltimer)
        connect(ltimer, &QTimer::timeout, this, &NightScene::Ltimer_Timer);
}

void NightScene::Mtimer_Timer()
{
    // A step's error message runs its own event loop; ticks meanwhile must
    // not start another step in the middle of this one.
    if (running)
        return;
    running = true;
    IgnoreErrors([this] { DoHolyHead(); });
    running = false;
}

void NightScene::Ltimer_Timer()
{
    if (running)
        return;
    for (int row = 0; row < LightRows; ++row) {
        int *light = SceneLights[row];
        const int phase = ++light[Phase];
        const int kind = light[Kind];
        if (kind == 1) {
            if (phase == 1 || phase == 30)
                DrawLight(row, true);
            else if (phase == 21 || phase == 51)
                DrawLight(row, false);
            else if (phase == 99)
                light[Phase] = 0;
        } else if (kind == 2) {
            if (phase == 1)
                DrawLight(row, true);
            else if (phase == 21)
                DrawLight(row, false);
            else if (phase == 99)
                light[Phase] = 0;
        }
    }
}

void NightScene::DrawLight(int row, bool on)
{
    if (!scene)
        return;
    const int *light = SceneLights[row];
    scene->SetFillColor(on ? White : Black);
    scene->Circle(light[LightX], light[LightY], light[Radius], Black);
}

void NightScene::PlaceLight(int row, int kind, float x, float y, float radius)
{
    SceneLights[row][Kind] = kind;
    SceneLights[row][LightX] = Rounded(x);
    SceneLights[row][LightY] = Rounded(y);
    SceneLights[row][Radius] = Rounded(radius);
}

void NightScene::DoHolyHead()
{
    // Nothing to draw on before the window has handed over its controls.
    if (!scene || !cover || !vessel || !caption || !ltimer)
        return;
    const int step = SceneStep;
    int next = step + 1;
    const float s = SceneScale;

    if (step == 0) {
        ResizeControl(*cover, ControlWidth(*cover), ControlHeight(*scene));
        cover->show();
        scene->Cls();
        caption->hide();
        vessel->Cls();
        vessel->hide();
        InitScene();
    } else if (step == 100) {
        Wipe();
        scene->SetBackColor(Black);
        scene->Cls();
        PlaceLight(1, 1, 2500 * s, 200 * s, 30 * s);
        ltimer->start();
    } else if (step == 110) {
        scene->SetBackColor(Black);
        VesselRecord = OutwardRecord;
        DrawVessel();
        scene->Cls();
        // Just outside the scene picture's left edge: the crossing starts here.
        vesselStartLeft = -ControlWidth(*vessel);
        vesselMoves = 0;
        MoveControl(*vessel, vesselStartLeft, ControlTop(*vessel));
    } else if (step == 120) {
        caption->setText(CourseAndFirstPosition);
        caption->show();
        vessel->show();
    } else if (step >= 130 && step <= 730) {
        MoveVessel(+1);
    } else if (step == 731) {
        caption->setText(CourseOnly);
        scene->Cls();
        PlaceLight(1, 1, 1500 * s, 300 * s, 40 * s);
    } else if (step == 800) {
        VesselRecord = HomewardRecord;
        DrawVessel();
        caption->setText(CourseAndSecondPosition);
    } else if (step >= 830 && step <= 1430) {
        MoveVessel(-1);
    } else if (step == 1500) {
        caption->setText(CourseOnly);
    } else if (step == 1510) {
        scene->Cls();
        SceneLights[1][Radius] = Rounded(60 * s);
    } else if (step == 1530 || step == 1580 || step == 1640 || step == 1690 || step == 1730
               || step == 1760) {
        scene->Cls();
        SceneLights[1][LightY] = Rounded(SceneLights[1][LightY] + 200 * s);
        SceneLights[1][LightX] = Rounded(SceneLights[1][LightX] - 50 * s);
    } else if (step == 1600) {
        PlaceLight(2, 2, 6000 * s, 200 * s, 40 * s);
        SceneLights[2][Phase] = 0;
    } else if (step == 1800) {
        next = 0;
    }

    // A rewind that came while the step ran (the window deactivated behind a
    // step's error message) stands: the next tick runs step 0.
    if (SceneStep == step)
        SceneStep = next;
}

void NightScene::SetSceneScale() { SceneScale = CoverSceneScale(*cover); }

void NightScene::InitScene()
{
    SetSceneScale();
    DrawCoverPicture(*cover, SceneScale);
}

void NightScene::Wipe()
{
    QWidget *window = cover->parentWidget();
    for (;;) {
        const int before = ControlHeight(*cover);
        const QRect shown = cover->geometry();
        // The surface keeps whole pixels, so one twip less may leave the
        // height as it was: go on down to the next height it can take.
        int target = before - 1;
        ResizeControl(*cover, ControlWidth(*cover), target);
        while (ControlHeight(*cover) >= before && target > 0) {
            --target;
            ResizeControl(*cover, ControlWidth(*cover), target);
        }
        const int height = ControlHeight(*cover);
        if (height < 100 || height >= before) {
            cover->hide();
            break;
        }
        // The whole wipe runs inside one tick: show each pixel row as it goes.
        if (window && window->isVisible())
            window->repaint(shown);
    }
}

void NightScene::MoveVessel(int direction)
{
    // The position is kept as the moves made since step 110, not as the last
    // whole-pixel Left, so the crossing out and back ends where it began.
    vesselMoves += direction;
    MoveControl(*vessel, vesselStartLeft + vesselMoves * double(SceneStepX), ControlTop(*vessel));
}

void NightScene::DrawVessel()
{
    SceneStepX = static_cast<float>(ControlWidth(*vessel) + ControlWidth(*scene)) / 600;
    vessel->Cls();
    vessel->show();
    MoveControl(*vessel, ControlLeft(*vessel),
                static_cast<float>(ControlHeight(*scene) - ControlHeight(*vessel)) / 3);

    // Each statement is reported on its own, and after a failure the next
    // one runs; but a statement on what a failed one never opened is passed
    // over, so one missing file is one message, not a cascade of others.
    std::unique_ptr<Database> db;
    Recordset rs;
    bool haveRecordset = false;
    Trap(Location, [&] { db = Database::OpenDatabase(AppPath + "CALVOREN.MDB"); });
    if (db) {
        Trap(Location, [&] {
            rs = db->OpenRecordset(QStringLiteral("LIGHTLINE"));
            haveRecordset = true;
        });
    }
    auto onRecordset = [&](auto &&statement) { return haveRecordset && Trap(Location, statement); };
    onRecordset([&] { rs.Index(QStringLiteral("ALTERNATE")); });
    onRecordset([&] { rs.Seek(QStringLiteral("="), VesselRecord); });

    bool noMatch = true;
    if (onRecordset([&] { noMatch = rs.NoMatch(); }) && !noMatch) {
        for (;;) {
            // A failing test leaves the loop, as its condition's branch would.
            bool otherPicture = true;
            onRecordset([&] { otherPicture = rs.LongValue(QStringLiteral("HEADER")) != VesselRecord; });
            if (otherPicture)
                break;
            onRecordset([&] { DrawVesselLight(rs); });
            onRecordset([&] { rs.MoveNext(); });
            bool atEnd = true;
            onRecordset([&] { atEnd = rs.Eof(); });
            if (atEnd)
                break;
        }
    }

    onRecordset([&] { rs.Close(); });
    if (db)
        Trap(Location, [&] { db->Close(); });
}

void NightScene::DrawVesselLight(Recordset &rs)
{
    // The stored picture's design twips at half the scene's scale. FLASH is
    // not read: a flashing light shows steady in its stored colour.
    const long colour = rs.LongValue(QStringLiteral("COLOUR"));
    const float s = SceneScale;
    const float x = static_cast<float>(rs.DoubleValue(QStringLiteral("XPOS"))) * s / 2;
    const float y = static_cast<float>(rs.DoubleValue(QStringLiteral("YPOS"))) * s / 2;
    const float radius = static_cast<float>(rs.DoubleValue(QStringLiteral("SIZE"))) * s / 2;
    vessel->SetFillColor(colour);
    vessel->Circle(x, y, radius, colour);
}
