#include "reference/SymbolForm.h"

#include "core/WindowServices.h"
#include "core/state/ReportError.h"
#include "platform/window/Controls.h"
#include "platform/window/MenuClient.h"
#include "reference/ReferencePictures.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {
constexpr int ClientWidth = 6630;
constexpr int ClientHeight = 5820;
} // namespace

SymbolForm::SymbolForm() : Form(QStringLiteral("Symbols"), 1400, true) {}

void SymbolForm::CreateControls()
{
    const MenuClient parts = CreateMenuClient(*this, {QStringLiteral("&File")}, ClientWidth, ClientHeight);
    client = parts.client;
    FileMenu = parts.menus.front();
    Fmenu[0] = FileMenu->addAction(QStringLiteral("&Quit"));
    connect(Fmenu[0], &QAction::triggered, this, [this] { Fmenu_Click(0); });

    Simage = new QLabel(client);
    const QPixmap chart = ReferencePicture(QStringLiteral("symbols"), 425, 364);
    Simage->setPixmap(chart);
    MoveControl(*Simage, 120, 120);
    Simage->resize(chart.size());
}

void SymbolForm::Form_Load()
{
    IgnoreErrors([this] { CentreForm(*this); });
}

void SymbolForm::Form_Resize()
{
    if (!client || !Simage)
        return;
    IgnoreErrors([this] {
        const double top = (ControlHeight(*client) - ControlHeight(*Simage)) / 2.0;
        const double left = (ControlWidth(*client) - ControlWidth(*Simage)) / 2.0;
        MoveControl(*Simage, left, top);
    });
}

void SymbolForm::Fmenu_Click(int)
{
    Unload();
}
