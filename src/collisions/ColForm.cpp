#include "collisions/ColForm.h"

#include "collisions/ColDraw.h"
#include "collisions/ColRows.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/ChoiceList.h"
#include "quiz/session/PictureScale.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr int RuleButton = 7;

QuizForm::Design ColDesign()
{
    using Role = QuizForm::ActionRole;
    using Column = QuizForm::Column;
    QuizForm::Design d;
    d.caption = QStringLiteral("Collision");
    d.helpContext = 1200;
    d.tables.topicCode = 5;
    d.tables.formName = QStringLiteral("ColForm");
    d.tables.loaderName = QStringLiteral("LoadCols");
    d.tables.headTable = QStringLiteral("COLHEAD");
    d.tables.lineTable = QStringLiteral("COLLINE");
    d.tables.furtherField = QStringLiteral("EXTRA");
    d.clientWidth = 7590;
    d.clientHeight = 4875;
    d.openingHeight = 5565;
    d.actions = {
        {0, QStringLiteral("<< &First"), {120, 4320, 1215, 375}, Role::First, Column::BottomRow},
        {1, QStringLiteral("< &Previous"), {1560, 4320, 1215, 375}, Role::Previous, Column::BottomRow},
        {2, QStringLiteral("&Next >"), {3480, 4320, 1215, 375}, Role::Next, Column::BottomRow},
        {3, QStringLiteral("&Last >>"), {4920, 4320, 1215, 375}, Role::Last, Column::BottomRow},
        {4, QStringLiteral("&Hint"), {6240, 120, 1215, 375}, Role::Hint, Column::RightColumn},
        {5, QStringLiteral("&Reveal"), {6240, 720, 1215, 375}, Role::Text, Column::RightColumn, true},
        {6, QStringLiteral("?"), {2880, 4320, 495, 375}, Role::Text, Column::BottomRow},
        {RuleButton, QStringLiteral("&IRPCS"), {6240, 3600, 1215, 375}, Role::Own, Column::RightColumn},
    };
    d.textLine = {120, 3600, 6015, 615};
    d.cheat = {6240, 1320, 1215, 255};
    d.list = {6240, 2280, 1215, 1035};
    d.statisticsOnlyInMultiChoice = false;
    return d;
}
} // namespace

ColForm::ColForm() : QuizForm(ColDesign()), renderer(session, ReadColLine, DrawCol) {}

void ColForm::CreateControls()
{
    QuizForm::CreateControls();
    // "Cheat" comes between "?" and "&IRPCS" in the tab order.
    setTabOrder(Action[6], Lcheck[0]);
    setTabOrder(Lcheck[0], Action[RuleButton]);
    setTabOrder(Action[RuleButton], Clist);
}

void ColForm::CreateTopicControls(QWidget &client)
{
    Lpicture.Clear();
    auto *picture = new PictureBox(&client);
    picture->SetBackColor(Colours::White);
    PlaceControl(*picture, 120, 120, 6000, 3000);
    Lpicture.SetDesigned(0, picture);

    auto *caption = new QLabel(&client);
    caption->setTextFormat(Qt::PlainText);
    caption->setAlignment(Qt::AlignCenter);
    caption->setWordWrap(true);
    PlaceControl(*caption, 120, 3240, 6015, CaptionLine);
    Llabel.SetDesigned(1, caption);
}

// A caption longer than its line takes the lines it needs from the
// picture above it, so it shows whole and the text line stays in place.
int ColForm::CaptionHeight(int width) const
{
    const QLabel &caption = *Llabel[1];
    const int needed = Twips::FromPixelsY(caption.heightForWidth(Twips::ToPixelsX(width)));
    return std::max(CaptionLine, needed);
}

QRect ColForm::LayoutPictures(int scaleWidth, int scaleHeight)
{
    const int width = scaleWidth - 1590;
    const QRect picture(120, 120, width, scaleHeight - 1875 - (CaptionHeight(width) - CaptionLine));
    PlaceControl(*Lpicture[0], picture.x(), picture.y(), picture.width(), picture.height());
    return picture;
}

void ColForm::LayoutTextLines(const QRect &pictures)
{
    // The caption right under the picture, the text line under the caption.
    QLabel &caption = *Llabel[1];
    PlaceControl(caption, ControlLeft(caption), pictures.y() + pictures.height() + 120, pictures.width(),
                 CaptionHeight(pictures.width()));
    QLabel &text = *Llabel[0];
    PlaceControl(text, ControlLeft(text), ControlTop(caption) + ControlHeight(caption) + 120, pictures.width(),
                 ControlHeight(text));
}

void ColForm::LayoutRightColumn(const QRect &pictures)
{
    QuizForm::LayoutRightColumn(pictures);
    // "&IRPCS" stands level with the text line.
    QPushButton &rule = *Action[RuleButton];
    MoveControl(rule, ControlLeft(rule), ControlTop(*Llabel[0]));
}

void ColForm::StartDrawing()
{
    PictureBox &picture = *Lpicture[0];
    renderer.Start(picture, static_cast<float>(PictureScale(ControlWidth(picture), ControlHeight(picture))));
}

void ColForm::HeadRead(bool)
{
    const HintAndRule parts = SplitHint(HintText());
    session.SetHintText(parts.hint);
    ruleText = parts.rule;
    Action[RuleButton]->setEnabled(!ruleText.isEmpty());
    Llabel[1]->setText(FurtherText());
    if (ControlHeight(*Llabel[1]) != CaptionHeight(ControlWidth(*Llabel[1])))
        LayoutTextLines(LayoutPictures(ScaleWidth(), ScaleHeight()));
}

void ColForm::Action_Own(int Index)
{
    if (Index == RuleButton)
        ShowRule();
}

void ColForm::ShowRule() { ToggleText(ruleText); }
