#include "shapes/ShapeForm.h"

#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/session/PictureScale.h"
#include "shapes/ShapeRows.h"
#include "silhouettes/DrawShape.h"

namespace {
QuizForm::Design ShapeDesign()
{
    using Role = QuizForm::ActionRole;
    using Column = QuizForm::Column;
    QuizForm::Design d;
    d.caption = QStringLiteral("Shapes");
    d.helpContext = 1600;
    d.tables.topicCode = 2;
    d.tables.formName = QStringLiteral("ShapeForm");
    d.tables.loaderName = QStringLiteral("LoadShapes");
    d.tables.headTable = QStringLiteral("ShapeHEAD");
    d.tables.lineTable = QStringLiteral("ShapeLINE");
    d.tables.furtherField = QStringLiteral("FOGSIGNAL");
    d.actions = {
        {0, QStringLiteral("<< &First"), {120, 3960, 1215, 375}, Role::First, Column::BottomRow},
        {1, QStringLiteral("< &Previous"), {1560, 3960, 1215, 375}, Role::Previous, Column::BottomRow},
        {2, QStringLiteral("&Next >"), {3480, 3960, 1215, 375}, Role::Next, Column::BottomRow},
        {3, QStringLiteral("&Last >>"), {4920, 3960, 1215, 375}, Role::Last, Column::BottomRow},
        {4, QStringLiteral("&Hint"), {6240, 120, 1215, 375}, Role::Hint, Column::RightColumn},
        {5, QStringLiteral("&Reveal"), {6240, 1080, 1215, 375}, Role::Text, Column::RightColumn, true},
        {6, QStringLiteral("&Fog Signal"), {6240, 600, 1215, 375}, Role::Further, Column::RightColumn},
        {7, QStringLiteral("?"), {2880, 3960, 495, 375}, Role::Text, Column::BottomRow},
    };
    d.cheat = {6240, 1680, 1215, 255};
    d.list = {6240, 2160, 1215, 1035};
    // Activation offers "&Statistics" outside link mode, choices or not.
    d.statisticsOnlyInMultiChoice = false;
    return d;
}
} // namespace

ShapeForm::ShapeForm() : QuizForm(ShapeDesign()), renderer(session, ReadShapeLine, DrawShape) {}

void ShapeForm::CreateTopicControls(QWidget &client)
{
    Lpicture.Clear();
    auto *picture = new PictureBox(&client);
    picture->SetBackColor(16777215);
    PlaceControl(*picture, 120, 120, 6000, 3000);
    Lpicture.SetDesigned(0, picture);
}

QRect ShapeForm::LayoutPictures(int scaleWidth, int scaleHeight)
{
    const QRect place(120, 120, scaleWidth - 1590, scaleHeight - 1485);
    PlaceControl(*Lpicture[0], place.x(), place.y(), place.width(), place.height());
    return place;
}

void ShapeForm::StartDrawing()
{
    PictureBox &picture = *Lpicture[0];
    renderer.Start(picture, static_cast<float>(PictureScale(ControlWidth(picture), ControlHeight(picture))));
}
