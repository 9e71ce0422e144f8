#include "buoys/BuoyForm.h"

#include "buoys/BuoyPlacement.h"
#include "buoys/LightCharacters.h"
#include "core/state/ReportError.h"
#include "platform/graphics/Colour.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <optional>

namespace {
constexpr int LightModeButton = 7;
constexpr int TickInterval = 100;

QuizForm::Design BuoyDesign()
{
    using Role = QuizForm::ActionRole;
    using Column = QuizForm::Column;
    QuizForm::Design d;
    d.caption = QStringLiteral("Buoys");
    d.helpContext = 1100;
    d.tables.topicCode = 3;
    d.tables.formName = QStringLiteral("BuoyForm");
    d.tables.loaderName = QStringLiteral("LoadBuoys");
    d.tables.headTable = QStringLiteral("BuoyHEAD");
    d.tables.lineTable = QStringLiteral("BuoyLINE");
    d.tables.furtherField = QStringLiteral("LIGHT");
    d.actions = {
        {0, QStringLiteral("<<  &First"), {120, 3960, 1215, 375}, Role::First, Column::BottomRow},
        {1, QStringLiteral("<  &Previous"), {1560, 3960, 1215, 375}, Role::Previous, Column::BottomRow},
        {8, QStringLiteral("?"), {2880, 3960, 495, 375}, Role::Text, Column::BottomRow},
        {2, QStringLiteral("&Next >"), {3480, 3960, 1215, 375}, Role::Next, Column::BottomRow},
        {3, QStringLiteral("&Last  >>"), {4920, 3960, 1215, 375}, Role::Last, Column::BottomRow},
        {4, QStringLiteral("&Hint"), {6240, 120, 1335, 375}, Role::Hint, Column::RightColumn},
        {6, QStringLiteral("&Light Info"), {6240, 720, 1335, 375}, Role::Further, Column::RightColumn},
        {5, QStringLiteral("&Reveal"), {6240, 1320, 1335, 375}, Role::Text, Column::RightColumn, true},
        {LightModeButton, LightModeCaption(0), {6240, 2640, 1335, 375}, Role::Own, Column::RightColumn},
    };
    d.cheat = {6240, 1920, 1335, 255};
    d.list = {6240, 3120, 1335, 255};
    d.statisticsOnlyInMultiChoice = false;
    return d;
}

} // namespace

BuoyForm::BuoyForm() : QuizForm(BuoyDesign()) {}

void BuoyForm::CreateTopicControls(QWidget &client)
{
    Lpicture.Clear();
    Blabel.Clear();
    auto *day = new PictureBox(&client);
    day->SetBackColor(Colours::Blue);
    PlaceControl(*day, 120, 120, 3015, 3000);
    Lpicture.SetDesigned(0, day);
    auto *night = new PictureBox(&client);
    night->SetBackColor(Colours::Black);
    PlaceControl(*night, 3120, 120, 3015, 3000);
    Lpicture.SetDesigned(1, night);

    auto *seconds = new QLabel(&client);
    PlaceControl(*seconds, 6240, 2280, 1335, 255);
    Blabel.SetDesigned(0, seconds);

    Ltimer = new QTimer(&client);
    Ltimer->setInterval(TickInterval);
    connect(Ltimer, &QTimer::timeout, this, [this] { Ltimer_Timer(); });
}

QRect BuoyForm::LayoutPictures(int scaleWidth, int scaleHeight)
{
    // Two pictures of the same size that touch; together as wide as the text line.
    const double w = (scaleWidth - 1590) / 2.0;
    const int h = scaleHeight - 1485;
    PlaceControl(*Lpicture[0], 120, 120, w, h);
    PlaceControl(*Lpicture[1], 120 + w, 120, w, h);
    return QRect(120, 120, scaleWidth - 1590, h);
}

void BuoyForm::LayoutRightColumn(const QRect &)
{
    const PictureBox &night = *Lpicture[1];
    const int left = ControlLeft(night) + ControlWidth(night) + 80;
    for (const ActionDesign &a : design.actions)
        if (a.column == Column::RightColumn)
            MoveControl(*Action[a.index], left, a.place.y());
    MoveControl(*Blabel[0], left, ControlTop(*Blabel[0]));
    MoveControl(*Lcheck[0], left + 40, ControlTop(*Lcheck[0]));
}

void BuoyForm::StartDrawing()
{
    PictureBox &day = *Lpicture[0];
    renderer.Start(day, *Lpicture[1], BuoyPictureScale(ControlWidth(day), ControlHeight(day)));
    Action[LightModeButton]->setText(LightModeCaption(Lights().LightMode()));
}

void BuoyForm::Action_Own(int Index)
{
    if (Index == LightModeButton)
        ChangeLightMode();
}

void BuoyForm::ChangeLightMode()
{
    IgnoreErrors([&] {
        renderer.Lights().ChangeLightMode();
        if (QPushButton *button = Action[LightModeButton])
            button->setText(LightModeCaption(Lights().LightMode()));
    });
}

void BuoyForm::Ltimer_Timer()
{
    if (!Lpicture[1] || !Blabel[0])
        return;
    IgnoreErrors([&] {
        if (const std::optional<QString> seconds = renderer.Lights().Tick(*Lpicture[1]))
            Blabel[0]->setText(*seconds);
    });
}

void BuoyForm::Form_Activate()
{
    if (Ltimer)
        Ltimer->start();
    QuizForm::Form_Activate();
}

void BuoyForm::Form_Deactivate()
{
    if (Ltimer)
        Ltimer->stop();
}

void BuoyForm::Form_Unload()
{
    Form_Deactivate();
    QuizForm::Form_Unload();
}
