#include "quiz/QuizForm.h"

#include "core/WindowMode.h"
#include "core/WindowServices.h"
#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/MousePointer.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "platform/window/MenuBar.h"
#include "quiz/ChoiceList.h"
#include "quiz/ListForm.h"
#include "quiz/LoadChoices.h"
#include "quiz/StatForm.h"
#include "quiz/session/LinkServices.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {
const QString EndOfSeriesQuestion =
    QStringLiteral("This Is The Last Picture In This Series, Do You Want To Shuffle And Restart");

bool IsNavigation(QuizForm::ActionRole role)
{
    using Role = QuizForm::ActionRole;
    return role == Role::First || role == Role::Previous || role == Role::Next || role == Role::Last;
}
} // namespace

QuizForm::QuizForm(Design design)
    : Form(design.caption, design.helpContext, false), design(std::move(design)),
      session(this->design.tables)
{
    SetMinimumOuterSize(this->design.minimumWidth, this->design.minimumHeight);
}

// --- Geometry -------------------------------------------------------------

int QuizForm::MenuBarHeight() const { return menuBar ? menuBar->height() : 0; }

int QuizForm::ScaleWidth() const { return Twips::FromPixelsX(width()); }
int QuizForm::ScaleHeight() const { return Twips::FromPixelsY(height() - MenuBarHeight()); }
int QuizForm::OuterWidth() const { return ScaleWidth() + FrameWidth; }
int QuizForm::OuterHeight() const { return ScaleHeight() + FrameHeight; }

void QuizForm::SetOuterSize(int width, int height)
{
    resize(Twips::ToPixelsX(width - FrameWidth), Twips::ToPixelsY(height - FrameHeight) + MenuBarHeight());
}

void QuizForm::PlaceClient()
{
    const int bar = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width(), bar);
    client->setGeometry(0, bar, width(), height() - bar);
}

// --- Controls -------------------------------------------------------------

void QuizForm::CreateControls()
{
    Action.Clear();
    Llabel.Clear();
    Lcheck.Clear();

    menuBar = CreateMenuBar(this);
    FileMenu = menuBar->addMenu(QStringLiteral("&File"));
    const QStringList fileItems{QStringLiteral("&Shuffle"), QStringLiteral("&List"), QStringLiteral("&Statistics"),
                                QStringLiteral("&Quit")};
    for (int i = 0; i < 4; ++i) {
        Fmenu[i] = FileMenu->addAction(fileItems[i]);
        connect(Fmenu[i], &QAction::triggered, this, [this, i] { Fmenu_Click(i); });
    }
    LinkMenu = menuBar->addMenu(QStringLiteral("&Links"));
    const QStringList linkItems{QStringLiteral("&Light"), QStringLiteral("&Shape"), QStringLiteral("&Buoy"),
                                QStringLiteral("&Sound"), QStringLiteral("&Collision")};
    for (int i = 0; i < 5; ++i) {
        Lmenu[i] = LinkMenu->addAction(linkItems[i]);
        connect(Lmenu[i], &QAction::triggered, this, [this, i] { Lmenu_Click(i); });
    }
    menuBar->setGeometry(0, 0, Twips::ToPixelsX(design.clientWidth), menuBar->sizeHint().height());

    client = new QWidget(this);
    resize(Twips::ToPixelsX(design.clientWidth), Twips::ToPixelsY(design.clientHeight) + MenuBarHeight());
    PlaceClient();

    CreateTopicControls(*client);

    auto *text = new QLabel(client);
    // Stored texts are shown as typed, never read as markup.
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setFrameShape(QFrame::Box);
    PlaceControl(*text, design.textLine.x(), design.textLine.y(), design.textLine.width(),
                 design.textLine.height());
    Llabel.SetDesigned(0, text);

    QWidget *previous = nullptr;
    auto chain = [&](QWidget *next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (const ActionDesign &a : design.actions) {
        auto *button = new QPushButton(a.caption, client);
        PlaceControl(*button, a.place.x(), a.place.y(), a.place.width(), a.place.height());
        button->setVisible(!a.hidden);
        const int index = a.index;
        connect(button, &QPushButton::clicked, this, [this, index] { Action_Click(index); });
        Action.SetDesigned(index, button);
        if (a.role == ActionRole::Next)
            SetDefaultButton(button);
        chain(button);
    }

    auto *cheat = new QCheckBox(QStringLiteral("Cheat"), client);
    PlaceControl(*cheat, design.cheat.x(), design.cheat.y(), design.cheat.width(), design.cheat.height());
    connect(cheat, &QCheckBox::toggled, this, [this] { Lcheck_Click(0); });
    Lcheck.SetDesigned(0, cheat);
    chain(cheat);

    Clist = new ChoiceList(client);
    PlaceControl(*Clist, design.list.x(), design.list.y(), design.list.width(), design.list.height());
    Clist->hide();
    connect(Clist, &ChoiceList::Click, this, [this] { Clist_Click(*Clist, [this] { ShowNext(); }); });
    chain(Clist);
}

// --- Window events --------------------------------------------------------

void QuizForm::Form_Load()
{
    IgnoreErrors([&] { SetOuterSize(OuterWidth(), design.openingHeight); });
    IgnoreErrors([&] { CentreForm(*this); });
    LoadSeries();
    TakeWindowMode(*this);
    if (MultiChoice)
        Lcheck[0]->setChecked(true);
    else
        Fmenu[2]->setEnabled(false);
}

void QuizForm::Form_Activate()
{
    if (!Fmenu[0])
        return;
    Fmenu[0]->setEnabled(!LinkMode);
    Fmenu[1]->setEnabled(!LinkMode);
    Fmenu[2]->setEnabled(!LinkMode && (MultiChoice || !design.statisticsOnlyInMultiChoice));
    LinkMenu->setEnabled(!LinkMode);
    LinkMenu->menuAction()->setEnabled(!LinkMode);
}

void QuizForm::Form_Unload() { LinkMode = false; }

void QuizForm::changeEvent(QEvent *event)
{
    Form::changeEvent(event);
    KeepWindowModeOnMinimise(*this, *event);
}

void QuizForm::Form_Resize()
{
    if (!client || (windowState() & Qt::WindowMinimized))
        return;
    PlaceClient();

    const QRect pictures = LayoutPictures(ScaleWidth(), ScaleHeight());
    LayoutTextLines(pictures);
    QLabel &text = *Llabel[0];
    const int rowTop = ControlTop(text) + ControlHeight(text) + 120;
    for (const ActionDesign &a : design.actions)
        if (a.column == Column::BottomRow)
            MoveControl(*Action[a.index], a.place.x(), rowTop);
    LayoutRightColumn(pictures);

    if (MultiChoice) {
        int listWidth = ControlWidth(text);
        if ((windowState() & Qt::WindowMaximized) && Twips::ScreenWidth() < 10000)
            listWidth = ScaleWidth() - 375;
        PlaceControl(*Clist, ControlLeft(text), ControlTop(text), listWidth, 800);
        Clist->show();
    }

    ShowData(ShowCause::Refresh);
    KeepWindowMode(*this);
}

void QuizForm::LayoutTextLines(const QRect &pictures)
{
    QLabel &text = *Llabel[0];
    PlaceControl(text, ControlLeft(text), pictures.y() + pictures.height() + 120, pictures.width(),
                 ControlHeight(text));
}

void QuizForm::LayoutRightColumn(const QRect &pictures)
{
    const int left = pictures.x() + pictures.width() + 120;
    for (const ActionDesign &a : design.actions)
        if (a.column == Column::RightColumn)
            MoveControl(*Action[a.index], left, a.place.y());
    MoveControl(*Lcheck[0], left, ControlTop(*Lcheck[0]));
}

// --- Handlers -------------------------------------------------------------

void QuizForm::Action_Click(int Index)
{
    for (const ActionDesign &a : design.actions) {
        if (a.index != Index)
            continue;
        switch (a.role) {
        case ActionRole::First:
            ShowFirst();
            break;
        case ActionRole::Previous:
            ShowPrevious();
            break;
        case ActionRole::Next:
            ShowNext();
            break;
        case ActionRole::Last:
            ShowLast();
            break;
        case ActionRole::Hint:
            ShowHint();
            break;
        case ActionRole::Further:
            ShowFurther();
            break;
        case ActionRole::Text:
            ShowText();
            break;
        case ActionRole::Own:
            Action_Own(Index);
            break;
        }
        return;
    }
}

void QuizForm::Fmenu_Click(int Index)
{
    switch (Index) {
    case 0:
        Shuffle();
        break;
    case 1:
        ShowList();
        break;
    case 2:
        if (LinkMode)
            break;
        FormInstance<StatForm>().ShowModal();
        if (Response == 6)
            Shuffle();
        break;
    default:
        Unload();
        break;
    }
}

void QuizForm::Lmenu_Click(int Index) { ShowLink(Index + 1, design.tables.topicCode, RecordNo()); }

void QuizForm::Lcheck_Click(int) { ShowData(ShowCause::Refresh); }

// --- The series -----------------------------------------------------------

void QuizForm::LoadSeries()
{
    MousePointer::Set(MousePointer::Hourglass);
    session.LoadSeries();
    Shuffle();
    MousePointer::Set(MousePointer::Default);
}

void QuizForm::Shuffle()
{
    setCursor(Qt::WaitCursor);
    session.Shuffle();
    ShowData(ShowCause::Restart);
    unsetCursor();
}

void QuizForm::ShowFirst()
{
    session.ShowFirst();
    ShowData(ShowCause::Navigation);
}

void QuizForm::ShowPrevious()
{
    session.ShowPrevious();
    ShowData(ShowCause::Navigation);
}

void QuizForm::ShowNext()
{
    session.ShowNext();
    ShowData(ShowCause::Navigation);
}

void QuizForm::ShowLast()
{
    session.ShowLast();
    ShowData(ShowCause::Navigation);
}

void QuizForm::ShowList()
{
    ListType = design.tables.topicCode - 1;
    ListEdit = false;
    FormInstance<ListForm>().ShowModal();
    // A picture not in the series, or no choice, changes nothing.
    if (ListRecord != 0 && session.JumpTo(ListRecord))
        ShowData(ShowCause::Navigation);
}

// --- The text line --------------------------------------------------------

void QuizForm::ToggleText(const QString &text)
{
    if (Llabel[0]->text() == text) {
        ShowData(ShowCause::Refresh);
        return;
    }
    Clist->hide();
    Llabel[0]->setText(text);
}

void QuizForm::ShowHint() { ToggleText(HintText()); }

void QuizForm::ShowFurther() { ToggleText(FurtherText()); }

void QuizForm::ShowText()
{
    Llabel[0]->setText(AnswerText());
    if (MultiChoice)
        LoadChoices(*Clist, [this] { return session.Choices(); });
}

// --- Showing a picture ----------------------------------------------------

bool QuizForm::EndOfSeries(ShowCause cause)
{
    if (!AskRestart(cause))
        return false;
    Shuffle();
    return true;
}

bool QuizForm::AskRestart(ShowCause cause)
{
    if (!session.EndReached(cause))
        return false;
    int reply = MsgBoxAnswer::No;
    if (LinkMode) {
        reply = MsgBoxAnswer::No;
    } else if (MultiChoice) {
        FormInstance<StatForm>().ShowModal();
        reply = Response;
    } else {
        reply = MsgBox(EndOfSeriesQuestion, MsgBoxStyle::YesNo + MsgBoxStyle::Question, QStringLiteral("Help"));
    }
    return reply == MsgBoxAnswer::Yes;
}

void QuizForm::SetNavigationEnabled(bool on)
{
    for (const ActionDesign &a : design.actions)
        if (IsNavigation(a.role))
            Action[a.index]->setEnabled(on);
}

void QuizForm::ShowData(ShowCause cause)
{
    if (!client)
        return;
    BeforeShow();
    if (EndOfSeries(cause))
        return;
    Llabel[0]->setText(QString());
    Clist->clear();
    SetNavigationEnabled(session.CanNavigate());

    StartDrawing();
    session.ReadPicture(Renderer(), [this](bool found) { HeadRead(found); });

    session.MarkShown();
    if (Lcheck[0]->isChecked())
        ShowText();
    WhatLink(QList<QAction *>(Lmenu.begin(), Lmenu.end()), session.LinkedTopics());
}
