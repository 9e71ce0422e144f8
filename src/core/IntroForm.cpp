#include "core/IntroForm.h"

#include "core/LoadUser.h"
#include "core/WindowServices.h"
#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "platform/window/MenuBar.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>


namespace {
// The client area as designed; with the title and menu bars the window is
// 4530 twips high.
constexpr int ClientWidth = 5550;
constexpr int ClientHeight = 3840;
} // namespace

IntroForm::IntroForm() : Form(QStringLiteral("Introduction"), 10000, true) {}

QString IntroForm::Paragraph(int index, int windowMode)
{
    switch (index) {
    case 0:
        return QStringLiteral("This is the fourth full release version of Norvanta. A program to help yachtsmen and "
                              "other seagoers learn lights, buoys, shapes and sound signals.");
    case 1:
        return QStringLiteral("Getting Started : Choose File then Lights, or just click on the lights icon. You will "
                              "be shown the first light configuration") +
               (windowMode == 2 ? QStringLiteral(" Try and work out what the lights represent.")
                                : QStringLiteral(" (you may want to maximise the screen). Try and work out what the "
                                                 "lights represent."));
    default:
        return QStringLiteral("For some lights you can click") +
               QStringLiteral(" Movement to see the approximate direction in which the lights would be expected "
                              "to move, and for all lights you can") +
               QStringLiteral(" click Hint to receive a (sometimes cryptic) clue. Click on ? to check your answer "
                              "or to display possible answers if running in multichoice mode.") +
               QStringLiteral(" If you are only just starting the learning process, you may find it useful to "
                              "click on the Cheat option.");
    }
}

void IntroForm::CreateControls()
{
    auto *menuBar = CreateMenuBar(this);
    FileMenu = menuBar->addMenu(QStringLiteral("&File"));
    Fmenu[0] = FileMenu->addAction(QStringLiteral("&Quit"));
    connect(Fmenu[0], &QAction::triggered, this, [this] { Fmenu_Click(0); });
    menuBar->setGeometry(0, 0, Twips::ToPixelsX(ClientWidth), menuBar->sizeHint().height());

    auto *client = new QWidget(this);
    client->setGeometry(0, menuBar->height(), Twips::ToPixelsX(ClientWidth), Twips::ToPixelsY(ClientHeight));

    const int tops[3] = {120, 840, 1800};
    const int heights[3] = {615, 855, 1455};
    // The paragraphs were measured for a narrower face than ours: set a
    // little closer, the longest still fits its label.
    QFont paragraphFont = font();
    paragraphFont.setLetterSpacing(QFont::PercentageSpacing, 94);
    for (int i = 0; i < 3; ++i) {
        Ilabel[i] = new QLabel(client);
        Ilabel[i]->setFont(paragraphFont);
        Ilabel[i]->setWordWrap(true);
        Ilabel[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        PlaceControl(*Ilabel[i], 120, tops[i], 5295, heights[i]);
    }

    Icheck[0] = new QCheckBox(QStringLiteral("Don't Show This Introductory Screen In Future"), client);
    PlaceControl(*Icheck[0], 240, 3360, 5055, 375);
    connect(Icheck[0], &QCheckBox::toggled, this, [this] { Icheck_Click(0); });
    Icheck[0]->setFocus();

    resize(Twips::ToPixelsX(ClientWidth), menuBar->height() + Twips::ToPixelsY(ClientHeight));
    setFixedSize(size());
}

void IntroForm::Form_Load()
{
    IgnoreErrors([this] { CentreForm(*this); });
    IgnoreErrors([this] { FillText(); });
}

void IntroForm::FillText()
{
    for (int i = 0; i < 3; ++i)
        Ilabel[i]->setText(Paragraph(i, WindowMode));
}

void IntroForm::Icheck_Click(int index)
{
    if (index == 0)
        WriteUser();
}

void IntroForm::WriteUser()
{
    setCursor(Qt::WaitCursor);
    const QString value = Icheck[0]->isChecked() ? QStringLiteral("N") : QStringLiteral("Y");
    WithUserRecord(QStringLiteral("IntroForm:WriteUser"),
                   {[](Recordset &rs) { rs.Edit(); },
                    [&](Recordset &rs) { rs.SetValue(QStringLiteral("OPTION10"), value); },
                    [](Recordset &rs) { rs.Update(); }});
    unsetCursor();
}

void IntroForm::Fmenu_Click(int index)
{
    if (index == 0)
        Unload();
}
