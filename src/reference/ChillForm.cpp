#include "reference/ChillForm.h"

#include "core/WindowServices.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Val.h"
#include "platform/window/Controls.h"
#include "reference/FitCaption.h"
#include "reference/WindChill.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int ClientWidth = 3630;
constexpr int ClientHeight = 1815;
} // namespace

ChillForm::ChillForm() : Form(QStringLiteral("Calculate Wind Chill"), 1400, true) {}

void ChillForm::CreateControls()
{
    const char *const captions[] = {"Ambient Temperature °C", "Wind Speed In Knots", "Result °C"};
    for (int i = 0; i < 3; ++i) {
        Clabel[i] = new QLabel(QString::fromUtf8(captions[i]), this);
        PlaceControl(*Clabel[i], 120, 120 + 360 * i, 1935, 255);
        FitCaption(*Clabel[i]);
    }
    for (int i = 0; i < 3; ++i) {
        Ctext[i] = new QLineEdit(this);
        PlaceControl(*Ctext[i], 2280, 120 + 360 * i, 1215, 285);
        Ctext[i]->installEventFilter(this);
    }
    // The program never reads the result back.
    Ctext[2]->setReadOnly(true);

    Action[0] = new QPushButton(QStringLiteral("&Calculate"), this);
    PlaceControl(*Action[0], 2280, 1320, 1215, 375);
    Action[1] = new QPushButton(QStringLiteral("&Quit"), this);
    PlaceControl(*Action[1], 120, 1320, 1215, 375);
    for (int i = 0; i < 2; ++i)
        connect(Action[i], &QPushButton::clicked, this, [this, i] { Action_Click(i); });
    SetDefaultButton(Action[0]);
    SetCancelButton(Action[1]);

    setTabOrder(Ctext[0], Ctext[1]);
    setTabOrder(Ctext[1], Ctext[2]);
    setTabOrder(Ctext[2], Action[0]);
    setTabOrder(Action[0], Action[1]);
    Ctext[0]->setFocus();

    setFixedSize(Twips::ToPixelsX(ClientWidth), Twips::ToPixelsY(ClientHeight));
}

void ChillForm::Form_Load()
{
    CentreForm(*this);
}

bool ChillForm::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < 3; ++i) {
        if (watched != Ctext[i])
            continue;
        if (event->type() == QEvent::FocusIn) {
            Ctext_GotFocus(i);
        } else if (event->type() == QEvent::FocusOut) {
            // Another window or a menu taking the focus is no leaving of the box.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && IsLoaded())
                Ctext_LostFocus(i);
        }
        break;
    }
    return Form::eventFilter(watched, event);
}

void ChillForm::Action_Click(int Index)
{
    if (Index == 0)
        GetWc();
    else
        Unload();
}

void ChillForm::Ctext_GotFocus(int Index)
{
    SelectText(Ctext[Index]);
}

void ChillForm::Ctext_LostFocus(int Index)
{
    if (Index == 0 || Index == 1)
        Ctext[Index]->setText(LimitedInput(Index, Ctext[Index]->text()));
}

void ChillForm::GetWc()
{
    // No result is shown rather than a made-up or wrong one.
    const auto noResult = [this](const QString &why) {
        Ctext[2]->clear();
        MsgBox(why, MsgBoxStyle::Information, QStringLiteral("Help"));
    };
    if (!GivesValue(Ctext[0]->text()))
        return noResult(QStringLiteral("The Temperature Must Be A Number"));
    if (!GivesValue(Ctext[1]->text()))
        return noResult(QStringLiteral("The Wind Speed Must Be A Number"));
    const double temperature = Val(Ctext[0]->text());
    const double wind = Val(Ctext[1]->text());
    const std::optional<double> chill = WindChill(temperature, wind);
    if (chill)
        Ctext[2]->setText(ChillText(*chill));
    else if (wind < 0)
        noResult(QStringLiteral("The Wind Speed Cannot Be Negative"));
    else
        noResult(QStringLiteral("The Temperature Or Wind Speed Is Too Large To Calculate"));
}
