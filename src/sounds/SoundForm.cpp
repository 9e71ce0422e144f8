#include "sounds/SoundForm.h"

#include "core/WindowMode.h"
#include "core/WindowServices.h"
#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"
#include "platform/sound/Sound.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/ChoiceList.h"
#include "quiz/session/LinkServices.h"
#include "quiz/session/PictureRecords.h"
#include "quiz/session/PictureScale.h"
#include "sounds/SignalWait.h"
#include "sounds/VesselDrawing.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSize>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {
constexpr int PlayButton = 7;

QuizForm::Design SoundDesign()
{
    using Role = QuizForm::ActionRole;
    using Column = QuizForm::Column;
    QuizForm::Design d;
    d.caption = QStringLiteral("Sounds");
    d.helpContext = 1700;
    d.tables.topicCode = 4;
    d.tables.formName = QStringLiteral("SoundForm");
    d.tables.loaderName = QStringLiteral("LoadSounds");
    d.tables.headTable = QStringLiteral("SoundHEAD");
    d.tables.lineTable = QStringLiteral("SoundLINE");
    d.tables.furtherField = QStringLiteral("EXTRA");
    d.actions = {
        {0, QStringLiteral("<< &First"), {120, 3960, 1215, 375}, Role::First, Column::BottomRow},
        {1, QStringLiteral("< &Previous"), {1560, 3960, 1215, 375}, Role::Previous, Column::BottomRow},
        {2, QStringLiteral("&Next >"), {3480, 3960, 1215, 375}, Role::Next, Column::BottomRow},
        {3, QStringLiteral("&Last >>"), {4920, 3960, 1215, 375}, Role::Last, Column::BottomRow},
        {4, QStringLiteral("&Hint"), {6240, 120, 1215, 375}, Role::Hint, Column::RightColumn},
        {5, QStringLiteral("&Reveal"), {6240, 1320, 1215, 375}, Role::Text, Column::RightColumn, true},
        {6, QStringLiteral("&Info"), {6240, 1920, 1215, 375}, Role::Further, Column::RightColumn, true},
        {PlayButton, QStringLiteral("&Play"), {6240, 720, 1215, 375}, Role::Own, Column::RightColumn},
        {8, QStringLiteral("?"), {2880, 3960, 495, 375}, Role::Text, Column::BottomRow},
    };
    d.cheat = {6240, 2520, 1215, 255};
    d.list = {6240, 2880, 1215, 645};
    d.statisticsOnlyInMultiChoice = false;
    return d;
}
} // namespace

SoundForm::SoundForm() : QuizForm(SoundDesign()) {}

void SoundForm::CreateTopicControls(QWidget &client)
{
    Lpicture.Clear();
    auto *picture = new PictureBox(&client);
    picture->SetBackColor(Colours::White);
    PlaceControl(*picture, 120, 120, 6000, 3000);
    Lpicture.SetDesigned(0, picture);

    SoundMenu = menuBar->addAction(QStringLiteral(" "));

    Stimer = new QTimer(&client);
    Stimer->setInterval(60000);
    // The signal is given again at the tenth tick: ticks that came late
    // would add up to a longer interval than the rules allow.
    Stimer->setTimerType(Qt::PreciseTimer);
    connect(Stimer, &QTimer::timeout, this, [this] { Stimer_Timer(); });

    Smm = new MMControl(&client);
}

QRect SoundForm::LayoutPictures(int scaleWidth, int scaleHeight)
{
    const QRect picture(120, 120, scaleWidth - 1590, scaleHeight - 1485);
    PlaceControl(*Lpicture[0], picture.x(), picture.y(), picture.width(), picture.height());
    return picture;
}

void SoundForm::Action_Own(int Index)
{
    // "&Play": the signal again from the start.
    if (Index == PlayButton)
        ShowData(ShowCause::Refresh);
}

// --- Opening and closing ----------------------------------------------------

void SoundForm::Form_Load()
{
    closing = false;
    Loading = true;
    IgnoreErrors([&] { SetOuterSize(OuterWidth(), design.openingHeight); });
    IgnoreErrors([&] { CentreForm(*this); });
    // On screen before the series loads. Its openers always ask for it
    // modally, so it is modal from the start.
    IgnoreErrors([&] {
        setWindowModality(Qt::ApplicationModal);
        show();
    });
    QApplication::processEvents();
    LoadSeries();
    // The sound files are read and the speakers opened before the first
    // signal is asked for, so that it sounds on time; what cannot be heard
    // is told before the first signal goes unheard.
    if (SoundMode != SoundModes::Graphics) {
        QStringList files;
        for (const QString &name : SoundFileNames())
            files << AppPath + name;
        const QStringList unheard = PrepareSounds(files);
        if (!unheard.isEmpty())
            MsgBox(unheard.join(QStringLiteral("\r\n")), MsgBoxStyle::Exclamation, QStringLiteral("Help"));
    }
    QApplication::processEvents();
    Loading = false;
    TakeWindowMode(*this);
    // The first signal is shown and heard at once in either mode; ticking
    // "Cheat" shows it in multiple-choice mode.
    if (MultiChoice) {
        Lcheck[0]->setChecked(true);
    } else {
        Fmenu[2]->setEnabled(false);
        ShowData(ShowCause::Refresh);
    }
}

void SoundForm::Silence()
{
    SoundCard::Stop();
    if (Smm)
        Smm->Command(QStringLiteral("Stop"));
}

void SoundForm::StopPresenting()
{
    closing = true;
    if (Stimer)
        Stimer->stop();
    Silence();
    if (Smm)
        Smm->Command(QStringLiteral("Close"));
}

void SoundForm::done(int result)
{
    // A modal window closes here before its unload step runs.
    StopPresenting();
    QuizForm::done(result);
}

void SoundForm::Form_Unload()
{
    StopPresenting();
    Loading = false;
    QuizForm::Form_Unload();
}

// --- The cycle ----------------------------------------------------------------

void SoundForm::Stimer_Timer()
{
    IgnoreErrors([&] {
        ++TickCount;
        if (TickCount >= TicksPerCycle)
            ShowData(ShowCause::Refresh);
    });
}

void SoundForm::StartCycle(long interval)
{
    // An interval of 0 never ticks.
    if (interval <= 0)
        return;
    Stimer->setInterval(static_cast<int>(std::min<long>(interval, std::numeric_limits<int>::max())));
    Stimer->start();
}

// --- Presenting a signal --------------------------------------------------------

void SoundForm::SetCommandsEnabled(bool on)
{
    if (!on)
        focusBefore = QApplication::focusWidget();
    FileMenu->setEnabled(on);
    FileMenu->menuAction()->setEnabled(on);
    // An empty series offers nothing to move to.
    SetNavigationEnabled(on && session.CanNavigate());
    // A button turned off passes the focus on, and Enter with it; unless the
    // user moved it meanwhile, the focus goes back where it was.
    if (!on) {
        focusMoved = QApplication::focusWidget();
    } else if (focusBefore && focusBefore->isEnabled() && QApplication::focusWidget() == focusMoved) {
        focusBefore->setFocus();
    }
}

bool SoundForm::Wait(double seconds)
{
    return SignalWait(seconds, [this] { return closing || !IsLoaded(); });
}

namespace {
// The window is busy presenting for as long as this lives.
class BusyGuard
{
public:
    explicit BusyGuard(bool &busy) : busy(busy) { busy = true; }
    ~BusyGuard() { busy = false; }
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;

private:
    bool &busy;
};
} // namespace

std::vector<SoundRow> SoundForm::ReadSignal(double scale)
{
    signalRows.Start(scale);
    session.ReadPicture(signalRows);
    return signalRows.Rows();
}

bool SoundForm::Present(const SignalPlan &plan)
{
    PictureBox &picture = *Lpicture[0];
    for (const SignalStep &step : plan.steps) {
        switch (step.kind) {
        case SignalStep::Kind::Vessel:
            // Turning white clears the picture: only before the first vessel.
            if (picture.BackColor() != Colours::White)
                picture.SetBackColor(Colours::White);
            // The silhouettes expect black as the fill colour on entry.
            picture.SetFillColor(0);
            Trap(Location(QStringLiteral("ShowData")), [&] { DrawVessel(picture, step.row); });
            break;
        case SignalStep::Kind::Bar:
            picture.FilledBox(step.x1, step.y1, step.x2, step.y2, step.colour);
            break;
        case SignalStep::Kind::Play:
            if (step.multimedia) {
                Smm->Command(QStringLiteral("Close"));
                Smm->SetFileName(step.file);
                Smm->Command(QStringLiteral("Open"));
                Smm->Command(QStringLiteral("Play"));
            } else {
                SoundCard::Play(step.file);
            }
            break;
        case SignalStep::Kind::Wait:
            if (!Wait(step.seconds))
                return false;
            break;
        case SignalStep::Kind::Cycle:
            StartCycle(step.interval);
            break;
        }
    }
    return true;
}

void SoundForm::ShowData(ShowCause cause)
{
    // A presentation still running ignores every further request.
    if (Loading || !IsLoaded() || !Lpicture[0] || Busy)
        return;
    switch (PresentSignal(cause)) {
    case Then::Restart:
        Shuffle();
        break;
    case Then::ShowMoved:
        ShowData(ShowCause::Navigation);
        break;
    case Then::ShowResized:
        ShowData(ShowCause::Refresh);
        break;
    case Then::Nothing:
        break;
    }
}

SoundForm::Then SoundForm::PresentSignal(ShowCause cause)
{
    const BusyGuard busy(Busy);
    if (AskRestart(cause))
        return Then::Restart;
    if (closing)
        return Then::Nothing;

    // No sound of the signal before is heard under this one.
    Silence();
    const long presented = Series().Position();
    Clist->clear();
    SetCommandsEnabled(false);
    Stimer->stop();
    TickCount = 0;

    PictureBox &picture = *Lpicture[0];
    picture.SetBackColor(Colours::LightGrey);
    const QSize drawnAt(ControlWidth(picture), ControlHeight(picture));
    const double scale = PictureScale(drawnAt.width(), drawnAt.height());
    const double unit = picture.ScaleWidth() / 50.0;

    Llabel[0]->setText(QString());
    const std::vector<SoundRow> rows = ReadSignal(scale);

    signalText.clear();
    SoundMenu->setText(QString());
    picture.Cls();
    // The answer stands under the picture while the signal is drawn and heard.
    const bool cheat = Lcheck[0]->isChecked();
    if (cheat)
        ShowText();

    const SignalPlan plan = PlanSignal(rows, SoundMode, scale, unit, AppPath);
    signalText = plan.signalText;
    if (!Present(plan))
        return Then::Nothing;
    if (!cheat && SoundMode == SoundModes::Graphics)
        Llabel[0]->setText(signalText);
    if (MultiChoice)
        SoundMenu->setText(signalText);

    if (SoundMode != SoundModes::Graphics) {
        if (!Wait(plan.endPause))
            return Then::Nothing;
        QApplication::processEvents();
        if (closing || !IsLoaded())
            return Then::Nothing;
    }

    SetCommandsEnabled(true);
    // A right answer chosen while the signal played has moved the series on;
    // the signal now in its place is shown, so none is skipped unheard.
    if (Series().Position() != presented)
        return Then::ShowMoved;
    session.MarkShown();
    WhatLink(QList<QAction *>(Lmenu.begin(), Lmenu.end()), session.LinkedTopics());
    // A resize while the signal played was ignored; it is shown again as a
    // resize shows it, so the drawing fits the picture it is in.
    if (QSize(ControlWidth(picture), ControlHeight(picture)) != drawnAt)
        return Then::ShowResized;
    // A signal longer than its cycle starts again as soon as it has ended.
    if (TickCount >= TicksPerCycle)
        Stimer->start(0);
    return Then::Nothing;
}
