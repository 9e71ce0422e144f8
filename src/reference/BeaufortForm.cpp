#include "reference/BeaufortForm.h"

#include "core/WindowMode.h"
#include "core/WindowServices.h"
#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "platform/graphics/Colour.h"
#include "platform/graphics/Fonts.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Rounding.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "platform/window/Grid.h"
#include "platform/window/MenuBar.h"
#include "reference/ChillForm.h"
#include "reference/SymbolForm.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace {
constexpr int ClientWidth = 7365;
constexpr int OpeningHeight = 6630;
const QString Hidden = QStringLiteral("?");
const QString LoadLocation = QStringLiteral("BeaufortForm:LoadData");
} // namespace

// Never smaller than it opens: the menu bar on one row and the table's
// headings and first rows in view.
BeaufortForm::BeaufortForm() : Form(QStringLiteral("Meteorology"), 1400, false)
{
    SetMinimumOuterSize(ClientWidth + FrameWidth, OpeningHeight);
}

int BeaufortForm::ScaleWidth() const
{
    return Twips::FromPixelsX(width());
}

int BeaufortForm::ScaleHeight() const
{
    return Twips::FromPixelsY(height() - (menuBar ? menuBar->height() : 0));
}

void BeaufortForm::PlaceClient()
{
    const int bar = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width(), bar);
    client->setGeometry(0, bar, width(), height() - bar);
}

void BeaufortForm::CreateControls()
{
    Bgrid = nullptr;
    menuBar = CreateMenuBar(this);
    FileMenu = menuBar->addMenu(QStringLiteral("&File"));
    const QStringList fileItems{QStringLiteral("&Shuffle"), QStringLiteral("&Cheat"), QStringLiteral("&Quit")};
    for (int i = 0; i < 3; ++i)
        Fmenu[i] = FileMenu->addAction(fileItems[i]);
    Fmenu[1]->setCheckable(true);
    connect(Fmenu[0], &QAction::triggered, this, [this] { Fmenu_Click(0); });
    // The menu has already reversed the check mark.
    connect(Fmenu[1], &QAction::triggered, this, [this] { CheatChanged(); });
    connect(Fmenu[2], &QAction::triggered, this, [this] { Fmenu_Click(2); });

    BeaufortMenu = menuBar->addAction(QStringLiteral("&Beaufort Scale"));
    connect(BeaufortMenu, &QAction::triggered, this, [this] { BeaufortMenu_Click(); });
    TermMenu = menuBar->addMenu(QStringLiteral("&Terms Used In Forecasts"));
    const QStringList termItems{QStringLiteral("&Warnings"), QStringLiteral("&Times"), QStringLiteral("&Visibility"),
                                QStringLiteral("&Pressure And Tendency"), QStringLiteral("&Speed")};
    for (int i = 0; i < 5; ++i) {
        Tmenu[i] = TermMenu->addAction(termItems[i]);
        connect(Tmenu[i], &QAction::triggered, this, [this, i] { Tmenu_Click(i); });
    }
    SymbolMenu = menuBar->addAction(QStringLiteral("&Symbols"));
    connect(SymbolMenu, &QAction::triggered, this, [this] { SymbolMenu_Click(); });
    PressureMenu = menuBar->addAction(QStringLiteral("&Pressure Changes"));
    connect(PressureMenu, &QAction::triggered, this, [this] { PressureMenu_Click(); });
    WindMenu = menuBar->addAction(QStringLiteral("&Wind Chill"));
    connect(WindMenu, &QAction::triggered, this, [this] { WindMenu_Click(); });

    client = new QWidget(this);
    const int bar = menuBar->sizeHint().height();
    resize(Twips::ToPixelsX(ClientWidth), bar + Twips::ToPixelsY(OpeningHeight - Form::FrameHeight));
    PlaceClient();

    // As designed: the Beaufort scale's shape without its headings.
    Bgrid = new Grid(client);
    MoveControl(*Bgrid, 120, 120);
    Bgrid->SetRows(12);
    Bgrid->SetCols(4);
    Bgrid->SetFixedRows(1);
    Bgrid->SetFixedCols(0);
    Bgrid->SetBackColor(QColorToBgr(palette().color(QPalette::Button)));
    Bgrid->SetWordWrap(true);
    Bgrid->setFont(FormFont(true));
    connect(Bgrid, &Grid::Click, this, [this] { Bgrid_Click(); });
    connect(Bgrid, &Grid::MouseUp, this, [this] { Bgrid_MouseUp(); });
}

void BeaufortForm::Form_Load()
{
    IgnoreErrors(
        [this] { resize(width(), Twips::ToPixelsY(OpeningHeight - Form::FrameHeight) + menuBar->height()); });
    IgnoreErrors([this] { CentreForm(*this); });
    LoadData();
    TakeWindowMode(*this);
}

void BeaufortForm::Form_Resize()
{
    if (!client || !Bgrid)
        return;
    IgnoreErrors([this] { PlaceClient(); });
    SetGrid();
    KeepWindowMode(*this);
}

void BeaufortForm::changeEvent(QEvent *event)
{
    Form::changeEvent(event);
    KeepWindowModeOnMinimise(*this, *event);
}

// --- Menus ----------------------------------------------------------------

void BeaufortForm::BeaufortMenu_Click()
{
    TableNo = 0;
    LoadData();
}

void BeaufortForm::Tmenu_Click(int Index)
{
    TableNo = Index + 1;
    LoadData();
}

void BeaufortForm::PressureMenu_Click()
{
    TableNo = 6;
    LoadData();
}

void BeaufortForm::SymbolMenu_Click()
{
    FormInstance<SymbolForm>().ShowModal();
}
void BeaufortForm::WindMenu_Click()
{
    FormInstance<ChillForm>().ShowModal();
}

void BeaufortForm::Fmenu_Click(int Index)
{
    switch (Index) {
    case 0:
        HideCells();
        break;
    case 1:
        Fmenu[1]->setChecked(!Fmenu[1]->isChecked());
        CheatChanged();
        break;
    default:
        Unload();
        break;
    }
}

void BeaufortForm::CheatChanged()
{
    if (Fmenu[1]->isChecked())
        FillGrid();
    else
        HideCells();
}

// --- The grid -------------------------------------------------------------

void BeaufortForm::Bgrid_Click()
{
    IgnoreErrors([this] {
        const int row = Bgrid->Row();
        const int col = Bgrid->Col();
        if (row == 0 || (TableNo == 0 && col == 0))
            return;
        const int answer = TableNo == 0 ? col - 1 : col;
        if (Bgrid->Text() == Hidden)
            Bgrid->SetText(Answers.at(static_cast<size_t>(row - 1)).at(static_cast<size_t>(answer)));
        else
            Bgrid->SetText(Hidden);
    });
}

void BeaufortForm::Bgrid_MouseUp()
{
    IgnoreErrors([this] {
        if (Bgrid->LeftCol() != 0)
            Bgrid->SetLeftCol(0);
    });
}

void BeaufortForm::LoadData()
{
    if (TableNo != LastTable) {
        Trap(LoadLocation, [this] { SetGrid(); });
        Trap(LoadLocation, [] { QCoreApplication::processEvents(); });
        LastTable = TableNo;
    }
    Trap(LoadLocation, [this] { LoadTableTexts(TableNo, Answers); });
    Trap(LoadLocation, [this] {
        const int rows = DataRowCount(TableNo);
        for (int i = 0; i < rows; ++i) {
            const auto &answers = Answers[static_cast<size_t>(i)];
            if (TableNo == 0) {
                Bgrid->SetTextMatrix(i + 1, 0, QString::number(i));
                for (int k = 0; k < 3; ++k)
                    Bgrid->SetTextMatrix(i + 1, k + 1, answers[static_cast<size_t>(k)]);
            } else {
                Bgrid->SetTextMatrix(i + 1, 0, answers[0]);
                Bgrid->SetTextMatrix(i + 1, 1, answers[1]);
            }
        }
    });
    if (!Fmenu[1]->isChecked()) {
        const int passes = TableNo == 0 ? 4 : 1;
        for (int pass = 0; pass < passes; ++pass)
            Trap(LoadLocation, [this] { HideCells(); });
    }
}

void BeaufortForm::SetGrid()
{
    // A size that would be negative (a window minimised or made very small)
    // is not set: the grid keeps the size it has.
    IgnoreErrors([this] {
        const int width = ScaleWidth() - 270;
        if (width >= 0)
            ResizeControl(*Bgrid, width, ControlHeight(*Bgrid));
    });
    IgnoreErrors([this] {
        const int height = ScaleHeight() - 240;
        if (height >= 0)
            ResizeControl(*Bgrid, ControlWidth(*Bgrid), height);
    });

    TableLayout layout{};
    IgnoreErrors([&] { layout = MeteorologyLayout(TableNo); });
    IgnoreErrors([&] { Bgrid->SetRows(layout.gridRows); });
    IgnoreErrors([&] { Bgrid->SetCols(layout.gridCols); });

    IgnoreErrors([&] {
        const float heading = static_cast<float>(Bgrid->RowHeight(0));
        const int height = static_cast<int>(RoundHalfEven(5 * heading));
        for (int r = 1; r < Bgrid->Rows(); ++r)
            IgnoreErrors([&] { Bgrid->SetRowHeight(r, height); });
    });

    IgnoreErrors([&] {
        // The columns share the width beside the upright scroll bar, so none
        // hides behind it.
        const float whole = static_cast<float>(Bgrid->ShareableWidth());
        if (TableNo == 0) {
            const float unit = whole / 7;
            const float shares[] = {1.0f, 1.5f, 3.5f, 1.0f};
            for (int c = 0; c < 4; ++c)
                IgnoreErrors([&] { Bgrid->SetColWidth(c, static_cast<int>(RoundHalfEven(shares[c] * unit))); });
        } else {
            const float unit = whole / 2;
            for (int c = 0; c < 2; ++c)
                IgnoreErrors([&] { Bgrid->SetColWidth(c, static_cast<int>(RoundHalfEven(unit))); });
        }
    });

    for (int c = 0; c < layout.headings.size(); ++c)
        IgnoreErrors([&] { Bgrid->SetTextMatrix(0, c, layout.headings[c]); });
    for (int c = 0; c < Bgrid->Cols(); ++c) {
        IgnoreErrors([&] { Bgrid->SetColAlignment(c, Grid::AlignLeft); });
        IgnoreErrors([&] { Bgrid->SetFixedAlignment(c, Grid::AlignLeft); });
    }
}

void BeaufortForm::FillGrid()
{
    const int firstCol = TableNo == 0 ? 1 : 0;
    for (int r = 1; r < Bgrid->Rows(); ++r)
        for (int c = firstCol; c < Bgrid->Cols(); ++c)
            IgnoreErrors([&] {
                Bgrid->SetTextMatrix(r, c,
                                     Answers.at(static_cast<size_t>(r - 1)).at(static_cast<size_t>(c - firstCol)));
            });
}

void BeaufortForm::HideCells()
{
    // Table 0 hides among description, sea state and knots; the others among
    // both columns, the term as well as its meaning.
    for (int r = 1; r < Bgrid->Rows(); ++r)
        IgnoreErrors([&] {
            const int col =
                TableNo == 0 ? 1 + static_cast<int>(DrawRandomIndex(2)) : static_cast<int>(DrawRandomIndex(1));
            Bgrid->SetTextMatrix(r, col, Hidden);
        });
}
