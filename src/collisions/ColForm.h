#pragma once

#include "collisions/ColRows.h"
#include "platform/window/ControlArray.h"
#include "quiz/OnePictureRenderer.h"
#include "quiz/QuizForm.h"

class PictureBox;

// The collision quiz: pictures of situations at sea drawn from their
// elements, with the caption under the picture, the hint, the rule that
// governs the situation ("&IRPCS") and the answer.
class ColForm : public QuizForm
{
    Q_OBJECT

public:
    ColForm();

    // Lpicture(0) is the quiz picture.
    ControlArray<PictureBox> Lpicture;

    const QString &RuleText() const { return ruleText; }
    const QString &ExtraText() const { return FurtherText(); }

protected:
    void CreateControls() override;
    void CreateTopicControls(QWidget &client) override;
    QRect LayoutPictures(int scaleWidth, int scaleHeight) override;
    void LayoutTextLines(const QRect &pictures) override;
    void LayoutRightColumn(const QRect &pictures) override;
    void StartDrawing() override;
    PictureRenderer &Renderer() override { return renderer; }
    void HeadRead(bool found) override;
    void Action_Own(int Index) override;

private:
    static constexpr int CaptionLine = 255; // one line of caption, in twips

    void ShowRule();
    int CaptionHeight(int width) const;

    QString ruleText;
    OnePictureRenderer<ColLine> renderer;
};
