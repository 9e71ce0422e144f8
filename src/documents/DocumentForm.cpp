#include "documents/DocumentForm.h"

#include "core/WindowServices.h"
#include "core/state/ReportError.h"
#include "documents/DocumentLayouts.h"
#include "platform/graphics/Fonts.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "platform/window/InputBox.h"
#include "platform/window/MenuClient.h"
#include "printing/CopyForm.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
constexpr int OuterWidth = 9750;
constexpr int ClientWidth = OuterWidth - Form::FrameWidth;
// Between the last grid's bottom edge and the window's outer bottom edge.
constexpr int BelowGrids = 240 + 600;
constexpr int Gap = 120;
} // namespace

DocumentForm::DocumentForm() : Form(QStringLiteral("Documents"), 0, true) {}

void DocumentForm::CreateControls()
{
    Dgrid.Clear();
    const MenuClient parts = CreateMenuClient(*this, {QStringLiteral("&File"), QStringLiteral("&Document")},
                                              ClientWidth, 8115 - Form::FrameHeight);
    menuBar = parts.menuBar;
    client = parts.client;

    FileMenu = parts.menus[0];
    Fmenu[0] = FileMenu->addAction(QStringLiteral("&Print"));
    Fmenu[1] = FileMenu->addAction(QStringLiteral("&Quit"));
    for (int i = 0; i < 2; ++i)
        connect(Fmenu[i], &QAction::triggered, this, [this, i] { Fmenu_Click(i); });

    DocumentMenu = parts.menus[1];
    const QStringList documents{QStringLiteral("&Passage Planning"), QStringLiteral("Passage &Log"),
                                QStringLiteral("&Navigation")};
    for (int i = 0; i < 3; ++i) {
        Dmenu[i] = DocumentMenu->addAction(documents[i]);
        Dmenu[i]->setCheckable(true);
        connect(Dmenu[i], &QAction::triggered, this, [this, i] { Dmenu_Click(i); });
    }

    // As designed: 2 rows and 2 columns, one heading row, no heading column.
    auto *grid = new Grid(client);
    PlaceControl(*grid, 120, 120, 9375, 1335);
    grid->setFont(FormFont(false));
    grid->SetRows(2);
    grid->SetCols(2);
    grid->SetFixedRows(1);
    grid->SetFixedCols(0);
    Dgrid.SetDesigned(0, grid);
    ConnectGrid(0);
}

void DocumentForm::ConnectGrid(int index)
{
    connect(Dgrid[index], &Grid::Click, this, [this, index] { Dgrid_Click(index); });
}

int DocumentForm::ScaleWidth() const { return client ? ControlWidth(*client) : 0; }

int DocumentForm::OuterHeight() const
{
    return client ? ControlHeight(*client) + Form::FrameHeight : 0;
}

void DocumentForm::SetOuterHeight(int height)
{
    const int clientHeight = Twips::ToPixelsY(height - Form::FrameHeight);
    const int bar = menuBar->height();
    client->resize(client->width(), clientHeight);
    setFixedSize(width(), bar + clientHeight);
    // A hidden window hears of its new size only when shown.
    Form_Resize();
}

void DocumentForm::Form_Load()
{
    // The window is built at its width; grid 0 follows it before the first
    // document is laid out.
    Form_Resize();
    Dmenu_Click(0);
}

void DocumentForm::Form_Resize()
{
    IgnoreErrors([this] {
        if (Grid *grid = Dgrid[0])
            ResizeControl(*grid, ScaleWidth() - 240, ControlHeight(*grid));
    });
}

void DocumentForm::Dmenu_Click(int Index)
{
    for (int i = 0; i < 3; ++i)
        IgnoreErrors([&] { Dmenu[i]->setChecked(i == Index); });
    static constexpr long Sflags[] = {DocumentTypes::PassagePlanning, DocumentTypes::PassageLog,
                                      DocumentTypes::NavigationSheet};
    if (Index >= 0 && Index < 3)
        BuildScreen(Sflags[Index]);
}

void DocumentForm::Fmenu_Click(int Index)
{
    if (Index == 0)
        PrintMe();
    else
        Unload();
}

void DocumentForm::Dgrid_Click(int Index) { EditGrid(Index); }

void DocumentForm::BuildScreen(long Sflag)
{
    while (Dgrid.UBound() > 0)
        Dgrid.Unload(Dgrid.UBound());
    Doc.LayOut(Sflag);

    const int grids = static_cast<int>(DocumentLayout(Sflag).size());
    for (int i = 1; i < grids; ++i) {
        IgnoreErrors([&] {
            Grid *grid = Dgrid.Load(i);
            const Grid *above = Dgrid[i - 1];
            if (!grid || !above)
                return;
            MoveControl(*grid, ControlLeft(*grid), ControlTop(*above) + ControlHeight(*above) + Gap);
            grid->show();
            ConnectGrid(i);
        });
    }
    for (int i = 0; i < grids; ++i)
        LayOutGrid(i, Sflag);

    IgnoreErrors([this] {
        if (const Grid *last = Dgrid[Dgrid.UBound()])
            SetOuterHeight(ControlTop(*last) + ControlHeight(*last) + BelowGrids);
    });
    IgnoreErrors([this] { CentreForm(*this); });
}

void DocumentForm::LayOutGrid(int index, long Sflag)
{
    Grid *grid = Dgrid[index];
    if (!grid)
        return;
    // The navigation sheet sets grids 2 and 4 in the left half and grid 3
    // beside them; each is narrowed before its columns are set.
    if (Sflag == DocumentTypes::NavigationSheet && index >= 2) {
        const int W = ControlWidth(*grid);
        const int H = ControlHeight(*grid);
        IgnoreErrors([&] {
            if (index == 3)
                ResizeControl(*grid, ControlWidth(*grid), 2 * H + 240);
            ResizeControl(*grid, W / 2.0, ControlHeight(*grid));
            ResizeControl(*grid, ControlWidth(*grid) - 120, ControlHeight(*grid));
            if (index == 3) {
                const Grid &left = *Dgrid[2];
                MoveControl(*grid, ControlLeft(left) + ControlWidth(left) + 240, ControlTop(left));
            } else if (index == 4) {
                MoveControl(*grid, ControlLeft(*grid), ControlTop(*grid) - H - 120);
            }
        });
    }

    grid->SetModel(&Doc.Model(index));
    // Grid 0 lives on from the last document, whose layout started again from
    // its heading row alone: its current cell stays in row 0.
    if (index == 0)
        IgnoreErrors([&] { grid->SetRow(0); });
    // The columns share the width beside the upright scroll bar, so none
    // hides behind it and no sideways scroll bar is needed.
    IgnoreErrors([&] { Doc.FitColumns(index, grid->ShareableWidth()); });
}

void DocumentForm::EditGrid(long Gindex)
{
    Grid *grid = Dgrid[static_cast<int>(Gindex)];
    if (!grid)
        return;
    QString text;
    QString title;
    IgnoreErrors([&] { text = grid->Text(); });
    IgnoreErrors([&] { title = grid->TextMatrix(0, grid->Col()); });
    const QString answer = InputBox(QStringLiteral("Enter New Value"), title, text);
    if (!answer.isEmpty())
        IgnoreErrors([&] { grid->SetText(answer); });
}

void DocumentForm::PrintMe()
{
    long mode = 0;
    switch (Doc.Type()) {
    case DocumentTypes::PassagePlanning:
        mode = 2;
        break;
    case DocumentTypes::PassageLog:
        mode = 3;
        break;
    case DocumentTypes::NavigationSheet:
        mode = 4;
        break;
    default:
        return;
    }
    FormInstance<CopyForm>().ShowCopy(mode, Doc.Models());
}
