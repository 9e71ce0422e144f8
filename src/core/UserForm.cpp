#include "core/UserForm.h"

#include "core/LoadUser.h"
#include "core/WindowServices.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/graphics/MousePointer.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "platform/window/MenuBar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>


namespace {
// The client area as designed; with the title and menu bars the window is
// 3705 twips high.
constexpr int ClientWidth = 3975;
constexpr int ClientHeight = 3015;
} // namespace

const std::array<const char *, 5> UserForm::SoundModes = {
    "Use Sound Card", "Use Graphics", "Use Multimedia", "Sound Card And Graphics", "Multimedia And Graphics"};

UserForm::UserForm() : Form(QStringLiteral("User Options"), 1000, false)
{
    // A sizable frame, but without minimise and maximise buttons; the
    // controls keep their places, so a smaller window would hide some.
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    SetMinimumOuterSize(ClientWidth + FrameWidth, ClientHeight + FrameHeight);
}

void UserForm::CreateControls()
{
    auto *menuBar = CreateMenuBar(this);
    FileMenu = menuBar->addMenu(QStringLiteral("&File"));
    Fmenu[0] = FileMenu->addAction(QStringLiteral("&Save"));
    Fmenu[1] = FileMenu->addAction(QStringLiteral("&Quit"));
    for (int i = 0; i < 2; ++i)
        connect(Fmenu[i], &QAction::triggered, this, [this, i] { Fmenu_Click(i); });
    menuBar->setGeometry(0, 0, Twips::ToPixelsX(ClientWidth), menuBar->sizeHint().height());

    auto *client = new QWidget(this);
    client->setGeometry(0, menuBar->height(), Twips::ToPixelsX(ClientWidth), Twips::ToPixelsY(ClientHeight));

    Uframe = new QGroupBox(QStringLiteral("Sounds"), client);
    PlaceControl(*Uframe, 120, 120, 3735, 1215);
    Ulist = new QListWidget(Uframe);
    Ulist->setSelectionMode(QAbstractItemView::SingleSelection);
    Ulist->setStyleSheet(QStringLiteral("QListWidget { background: palette(button); }"));
    PlaceControl(*Ulist, 120, 240, 3495, 840);

    Ucheck[0] = new QCheckBox(QStringLiteral("Show Introductory Screen"), client);
    PlaceControl(*Ucheck[0], 120, 1440, 3735, 375);
    Ucheck[1] = new QCheckBox(QStringLiteral("Use Multichoice Test Mode"), client);
    PlaceControl(*Ucheck[1], 120, 1920, 3735, 375);

    Action[0] = new QPushButton(QStringLiteral("&Ok"), client);
    PlaceControl(*Action[0], 2640, 2520, 1215, 375);
    Action[1] = new QPushButton(QStringLiteral("&Cancel"), client);
    PlaceControl(*Action[1], 120, 2520, 1215, 375);
    for (int i = 0; i < 2; ++i)
        connect(Action[i], &QPushButton::clicked, this, [this, i] { Action_Click(i); });
    SetDefaultButton(Action[0]);
    SetCancelButton(Action[1]);

    setTabOrder(Ulist, Ucheck[0]);
    setTabOrder(Ucheck[0], Ucheck[1]);
    setTabOrder(Ucheck[1], Action[0]);
    setTabOrder(Action[0], Action[1]);
    Ulist->setFocus();

    resize(Twips::ToPixelsX(ClientWidth), menuBar->height() + Twips::ToPixelsY(ClientHeight));
}

void UserForm::Form_Load()
{
    IgnoreErrors([this] { CentreForm(*this); });
    IgnoreErrors([this] { FillSoundList(); });
    LoadData();
}

void UserForm::FillSoundList()
{
    Ulist->clear();
    for (const char *mode : SoundModes)
        Ulist->addItem(QString::fromLatin1(mode));
    Ulist->setCurrentRow(0);
}

void UserForm::LoadData()
{
    MousePointer::Set(MousePointer::Hourglass);
    const StoredOptions stored = ReadUserRecord(QStringLiteral("UserForm:LoadData"));
    if (!stored.option1.isNull())
        Ulist->setCurrentRow(SoundModeFrom(stored.option1));
    Ucheck[1]->setChecked(OptionOn(stored.option2));
    Ucheck[0]->setChecked(OptionOn(stored.option10));
    MousePointer::Set(MousePointer::Default);
}

void UserForm::SaveData()
{
    setCursor(Qt::WaitCursor);
    // Any state but unticked stores "Y".
    auto yesNo = [](const QCheckBox *box) {
        return box->checkState() != Qt::Unchecked ? QStringLiteral("Y") : QStringLiteral("N");
    };
    WithUserRecord(QStringLiteral("UserForm:SaveData"),
                   {[](Recordset &rs) { rs.Edit(); },
                    [&](Recordset &rs) { rs.SetValue(QStringLiteral("OPTION1"), QString::number(Ulist->currentRow())); },
                    [&](Recordset &rs) { rs.SetValue(QStringLiteral("OPTION10"), yesNo(Ucheck[0])); },
                    [&](Recordset &rs) { rs.SetValue(QStringLiteral("OPTION2"), yesNo(Ucheck[1])); },
                    [](Recordset &rs) { rs.Update(); }});
    unsetCursor();
}

void UserForm::Action_Click(int index)
{
    if (index == 0)
        SaveData();
    Unload();
}

void UserForm::Fmenu_Click(int index)
{
    if (index == 0)
        SaveData();
    else
        Unload();
}
