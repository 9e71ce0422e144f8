#include "lights/LightForm.h"

#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/ChoiceList.h"
#include "quiz/session/PictureScale.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int FlashInterval = 500;
constexpr int MoveInterval = 100;
constexpr int MovementButton = 5;

QuizForm::Design LightDesign()
{
    using Role = QuizForm::ActionRole;
    using Column = QuizForm::Column;
    QuizForm::Design d;
    d.caption = QStringLiteral("Lights");
    d.helpContext = 1300;
    d.tables.topicCode = 1;
    d.tables.formName = QStringLiteral("LightForm");
    d.tables.loaderName = QStringLiteral("LoadLights");
    d.tables.headTable = QStringLiteral("LIGHTHEAD");
    d.tables.lineTable = QStringLiteral("LIGHTLINE");
    d.tables.furtherField = QStringLiteral("FOGSIGNAL");
    d.actions = {
        {0, QStringLiteral("<<  &First"), {120, 3960, 1215, 375}, Role::First, Column::BottomRow},
        {1, QStringLiteral("<  &Previous"), {1560, 3960, 1215, 375}, Role::Previous, Column::BottomRow},
        {2, QStringLiteral("&Next >"), {3480, 3960, 1215, 375}, Role::Next, Column::BottomRow},
        {3, QStringLiteral("&Last  >>"), {4920, 3960, 1215, 375}, Role::Last, Column::BottomRow},
        {4, QStringLiteral("&Hint"), {6240, 120, 1215, 375}, Role::Hint, Column::RightColumn},
        {5, QStringLiteral("&Movement"), {6240, 720, 1215, 375}, Role::Own, Column::RightColumn},
        {6, QStringLiteral("&Fog Signal"), {6240, 1320, 1215, 375}, Role::Further, Column::RightColumn},
        {7, QStringLiteral("?"), {2880, 3960, 495, 375}, Role::Text, Column::BottomRow},
    };
    d.cheat = {6240, 1920, 1215, 255};
    d.list = {6240, 2400, 1215, 1035};
    return d;
}
} // namespace

LightForm::LightForm() : QuizForm(LightDesign()) {}

void LightForm::CreateTopicControls(QWidget &client)
{
    Lpicture.Clear();
    auto *frame = new PictureBox(&client);
    frame->SetBackColor(0);
    PlaceControl(*frame, 120, 120, 6015, 3015);
    auto *display = new PictureBox(frame);
    display->SetBackColor(0);
    PlaceControl(*display, 0, 0, 6015, 3015);
    Lpicture.SetDesigned(1, frame);
    Lpicture.SetDesigned(0, display);

    for (int i = 0; i < 2; ++i) {
        Ltimer[i] = new QTimer(&client);
        Ltimer[i]->setInterval(i == 0 ? FlashInterval : MoveInterval);
        connect(Ltimer[i], &QTimer::timeout, this, [this, i] { Ltimer_Timer(i); });
    }
}

QRect LightForm::LayoutPictures(int scaleWidth, int scaleHeight)
{
    const QRect frame(120, 120, scaleWidth - 1590, scaleHeight - 1485);
    PlaceControl(*Lpicture[1], frame.x(), frame.y(), frame.width(), frame.height());
    place = {};
    PlaceControl(*Lpicture[0], 0, 0, frame.width(), frame.height());
    return frame;
}

void LightForm::PutPictureHome()
{
    place = {};
    MoveControl(*Lpicture[0], 0, 0);
}

void LightForm::BeforeShow()
{
    Ltimer[1]->stop();
    PutPictureHome();
    Llabel[0]->setText(QString());
    Clist->clear();
}

void LightForm::StartDrawing()
{
    PictureBox &display = *Lpicture[0];
    renderer.Start(display, PictureScale(ControlWidth(display), ControlHeight(display)));
}

void LightForm::HeadRead(bool) { Action[MovementButton]->setEnabled(Direction() != Still); }

void LightForm::Action_Own(int Index)
{
    if (Index == MovementButton)
        ShowMovement();
}

void LightForm::ShowMovement()
{
    if (Ltimer[1]->isActive())
        Ltimer[1]->stop();
    else
        Ltimer[1]->start();
}

void LightForm::MovePicture()
{
    const PictureBox &display = *Lpicture[0];
    place = MoveStep(Direction(), place, ControlWidth(display), ControlHeight(display));
    MoveControl(*Lpicture[0], place.left, place.top);
}

void LightForm::Ltimer_Timer(int Index)
{
    if (!Lpicture[0])
        return;
    IgnoreErrors([&] {
        if (Index == 0)
            FlashTick(*Lpicture[0], renderer.FlashLights(), flashOn);
        else
            MovePicture();
    });
}

void LightForm::Form_Activate()
{
    if (Ltimer[0])
        Ltimer[0]->start();
    QuizForm::Form_Activate();
}

void LightForm::Form_Deactivate()
{
    if (!Ltimer[0])
        return;
    Ltimer[0]->stop();
    Ltimer[1]->stop();
}

void LightForm::Form_Unload()
{
    Form_Deactivate();
    QuizForm::Form_Unload();
}
