#include "quiz/AnswerForm.h"

#include "core/WindowServices.h"
#include "core/state/Global.h"
#include "platform/graphics/Colour.h"
#include "platform/window/Controls.h"
#include "platform/window/MenuClient.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

AnswerForm::AnswerForm() : Form(QStringLiteral("Answer"), 10000, true) {}

void AnswerForm::CreateControls()
{
    setWindowTitle(QStringLiteral("Answer"));
    const MenuClient parts = CreateMenuClient(*this, {QStringLiteral("&File")}, 5775, 2430);

    Alabel[0] = new QLabel(QStringLiteral("Answer"), parts.client);
    Alabel[0]->setTextFormat(Qt::PlainText);
    Alabel[0]->setWordWrap(true);
    Alabel[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceControl(*Alabel[0], 120, 120, 5535, 1575);

    Action[0] = new QPushButton(QStringLiteral("&Next Question"), parts.client);
    PlaceControl(*Action[0], 4080, 1920, 1575, 375);
    Action[1] = new QPushButton(QStringLiteral("&Try Again"), parts.client);
    PlaceControl(*Action[1], 120, 1920, 1575, 375);
    setTabOrder(Action[0], Action[1]);
    SetDefaultButton(Action[0]);
    SetCancelButton(Action[1]);
    for (int i = 0; i < 2; ++i)
        connect(Action[i], &QPushButton::clicked, this, [this, i] { Action_Click(i); });

    Fmenu[0] = parts.menus[0]->addAction(QStringLiteral("&Quit"));
    connect(Fmenu[0], &QAction::triggered, this, [this] { Fmenu_Click(0); });
}

void AnswerForm::Form_Load()
{
    CentreForm(*this);
    ShowResult();
}

void AnswerForm::ShowResult()
{
    ++TryCount;
    Alabel[0]->setText(ChosenAnswer);
    QPalette palette = Alabel[0]->palette();
    if (Response != 0) {
        setWindowTitle(QStringLiteral("Well Done"));
        palette.setColor(QPalette::WindowText, BgrToQColor(Colours::Blue));
        Action[1]->setEnabled(false);
        ++CorrectCount;
    } else {
        setWindowTitle(QStringLiteral("Bad Luck"));
        palette.setColor(QPalette::WindowText, BgrToQColor(Colours::Red));
        Action[0]->setEnabled(false);
    }
    Alabel[0]->setPalette(palette);
    Response = 0;
}

void AnswerForm::Form_Activate()
{
    if (!IsLoaded())
        return;
    Action[0]->setText(LinkMode ? QStringLiteral("&Ok") : QStringLiteral("&Next Question"));
}

void AnswerForm::Action_Click(int Index)
{
    if (Index == 0)
        Response = -1;
    Unload();
}

void AnswerForm::Fmenu_Click(int Index)
{
    if (Index == 0)
        Unload();
}
