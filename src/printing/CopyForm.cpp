#include "printing/CopyForm.h"

#include "core/WindowServices.h"
#include "core/state/ReportError.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/print/Printer.h"
#include "platform/values/Rounding.h"
#include "platform/values/Val.h"
#include "platform/window/Controls.h"
#include "platform/window/GridModel.h"
#include "printing/FormatDate.h"

#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include <algorithm>

namespace {
constexpr int ClientWidth = 5895;
constexpr int OuterHeight = 2475;
// The title bar and borders of a dialog without a menu bar.
constexpr int DialogFrameHeight = 420;
// Page header, the main window's font in millimetres, a start at the current
// y, column gaps, bold headings, lines between the columns and under the rows.
constexpr long DocumentFlags = PrintEngine::PageHeader | PrintEngine::WindowFont | PrintEngine::StartAtCurrentY
                               | PrintEngine::ColumnGaps | PrintEngine::BoldHeadings | PrintEngine::ColumnLines
                               | PrintEngine::RowLines;
static_assert(DocumentFlags == 6191);
// The scale line stands 25 mm in from the right edge of the printable area,
// and never nearer the grids than a column line stands to its column.
constexpr double ScaleLineInset = 25;
constexpr double LineClearance = 1;

// The scale line, from the frame's top to the page's foot, clear of the
// grids: where their columns reach past its place it stands just after them,
// and where that leaves no room inside the frame it is left out.
void DrawScaleLine(Printer &printer, float gridsEnd)
{
    const double width = printer.ScaleWidth();
    const double x = std::max(width - ScaleLineInset, gridsEnd + LineClearance);
    if (x > width - LineClearance)
        return;
    printer.SetDrawWidth(2);
    printer.Line(x, 10, x, printer.ScaleHeight(), Colours::Black);
}

} // namespace

CopyForm::CopyForm() : Form(QStringLiteral("Durvanel - Print Report"), 17000, true), Engine(PrinterInUse())
{
    Engine.ScalingChosen = [this] {
        return IsLoaded() && Coption[0]->isEnabled() && Coption[1]->isChecked();
    };
}

void CopyForm::CreateControls()
{
    Plist = new QListWidget(this);
    PlaceControl(*Plist, 120, 120, 3735, 840);
    connect(Plist, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            Plist_Click(0);
    });

    Cframe = new QGroupBox(this);
    PlaceControl(*Cframe, 3960, 0, 1815, 1335);
    CopyLabel = new QLabel(QStringLiteral("Copies"), Cframe);
    PlaceControl(*CopyLabel, 120, 240, 975, 255);
    CopyText = new QLineEdit(QStringLiteral("1"), Cframe);
    PlaceControl(*CopyText, 1320, 240, 375, 285);
    CopyText->installEventFilter(this);
    Coption[0] = new QRadioButton(QStringLiteral("&Truncate"), Cframe);
    PlaceControl(*Coption[0], 120, 600, 1455, 255);
    Coption[1] = new QRadioButton(QStringLiteral("&Scale"), Cframe);
    PlaceControl(*Coption[1], 120, 960, 1455, 255);
    Coption[1]->setChecked(true);

    Action[1] = new QPushButton(QStringLiteral("&Cancel"), this);
    PlaceControl(*Action[1], 120, 1560, 1815, 375);
    Action[2] = new QPushButton(QStringLiteral("&Setup"), this);
    PlaceControl(*Action[2], 2040, 1560, 1815, 375);
    Action[0] = new QPushButton(QStringLiteral("&Print"), this);
    PlaceControl(*Action[0], 3960, 1560, 1815, 375);
    for (int i = 0; i < 3; ++i)
        connect(Action[i], &QPushButton::clicked, this, [this, i] { Action_Click(i); });
    SetDefaultButton(Action[0]);
    SetCancelButton(Action[1]);

    setFixedSize(Twips::ToPixelsX(ClientWidth), Twips::ToPixelsY(OuterHeight - DialogFrameHeight));
}

void CopyForm::ShowCopy(long ModeFlag, std::vector<GridModel *> grids)
{
    Load();
    PrintMode = ModeFlag;
    documentGrids = std::move(grids);
    IgnoreErrors([this] { setFixedSize(width(), Twips::ToPixelsY(OuterHeight - DialogFrameHeight)); });
    setWindowModality(Qt::ApplicationModal);
    exec();
    setWindowModality(Qt::NonModal);
    documentGrids.clear();
}

void CopyForm::Form_Load()
{
    IgnoreErrors([this] { CentreForm(*this); });
    BuildList();
}

bool CopyForm::event(QEvent *e)
{
    // The dialog measures when it is shown, not again each time a message
    // box or the setup dialog over it closes.
    if (e->type() == QEvent::WindowActivate)
        return QDialog::event(e);
    return Form::event(e);
}

void CopyForm::showEvent(QShowEvent *e)
{
    Form::showEvent(e);
    if (!e->spontaneous() && IsLoaded())
        Form_Activate();
}

void CopyForm::Form_Activate()
{
    IgnoreErrors([this] { Action[0]->setEnabled(true); });
    Engine.RequiredWidth = CheckTruncate();
}

bool CopyForm::Form_QueryUnload()
{
    Action_Click(1);
    return true;
}

bool CopyForm::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == CopyText && e->type() == QEvent::FocusIn)
        CopyText_GotFocus();
    return Form::eventFilter(watched, e);
}

void CopyForm::CopyText_GotFocus() { SelectText(CopyText); }

void CopyForm::BuildList()
{
    IgnoreErrors([this] {
        Plist->clear();
        Plist->addItem(QStringLiteral("Default system printer"));
        for (const PrinterInfo &printer : Printers())
            Plist->addItem(printer.DriverName + QLatin1Char('/') + printer.DeviceName + QLatin1Char('/') + printer.Port);
        Plist->setCurrentRow(0);
    });
}

void CopyForm::Plist_Click(int Index)
{
    if (Index == 0)
        Engine.RequiredWidth = CheckTruncate();
}

void CopyForm::UseSelectedPrinter()
{
    const int entry = Plist->currentRow();
    if (entry == 0) {
        PrinterInUse().Use(DefaultPrinter());
    } else if (entry > 0) {
        const std::vector<PrinterInfo> printers = Printers();
        if (entry - 1 < static_cast<int>(printers.size()))
            PrinterInUse().Use(printers[static_cast<size_t>(entry - 1)]);
    }
}

float CopyForm::CheckTruncate()
{
    IgnoreErrors([this] {
        Coption[1]->setChecked(true);
        Coption[0]->setEnabled(false);
        Coption[1]->setEnabled(false);
    });
    IgnoreErrors([this] { UseSelectedPrinter(); });
    Printer &printer = PrinterInUse();
    const int unit = printer.ScaleMode();
    IgnoreErrors([&] { printer.SetScaleMode(Printer::UnitTwips); });

    float W = 0;
    if (PrintMode >= 2 && PrintMode <= 4) {
        IgnoreErrors([&] {
            if (documentGrids.empty())
                return;
            const GridModel *grid = documentGrids.front();
            for (int c = 0; c < grid->Cols(); ++c)
                if (grid->ColWidth(c) > 1)
                    W += static_cast<float>(grid->ColWidth(c)) + 128.4f;
        });
    }
    if (W != 0) {
        W *= 1.15f;
        if (W > static_cast<float>(printer.Width()))
            IgnoreErrors([this] {
                Coption[0]->setEnabled(true);
                Coption[1]->setEnabled(true);
            });
    }
    IgnoreErrors([&] { printer.SetScaleMode(unit); });
    return W;
}

void CopyForm::PrinterSetup()
{
    // A failure ends the setup quietly.
    IgnoreErrors([this] {
        UseSelectedPrinter();
        ShowPrintSetup(PrinterInUse(), this);
        Engine.RequiredWidth = CheckTruncate();
    });
}

void CopyForm::Action_Click(int Index)
{
    switch (Index) {
    case 0:
        PrintThis();
        break;
    case 1:
        Engine.PrintStop = true;
        hide();
        break;
    case 2:
        PrinterSetup();
        break;
    default:
        break;
    }
}

QString CopyForm::ReportTitle(long Mode)
{
    QString name;
    switch (Mode) {
    case 2:
        name = QStringLiteral("Passage Planning");
        break;
    case 3:
        name = QStringLiteral("Passage Log");
        break;
    case 4:
        name = QStringLiteral("Navigation Sheet");
        break;
    default:
        break;
    }
    return name + QStringLiteral(" [Printed On ") + FormatDate(QStringLiteral("T"), 0) + QStringLiteral("]");
}

void CopyForm::PrintThis()
{
    const double v = Val(CopyText->text());
    // A number that rounds to no copy, or to 100, is as far out of range.
    const long copies = RoundHalfEven(v);
    if (!(v > 0) || !(v < 100) || copies < 1 || copies > 99) {
        MsgBox(QStringLiteral("Copies Must Be In The Range 1 to 99"), MsgBoxStyle::Information, QStringLiteral("Help"));
        return;
    }
    IgnoreErrors([this] { UseSelectedPrinter(); });

    Printer &printer = PrinterInUse();
    IgnoreErrors([&] { printer.SetScaleMode(Printer::UnitMillimetres); });
    IgnoreErrors([&] { printer.SetDrawWidth(2); });
    IgnoreErrors([&] { printer.Box(1, 10, printer.ScaleWidth(), printer.ScaleHeight(), Colours::Black); });
    IgnoreErrors([&] { printer.SetCurrentY(20); });

    if (PrintMode >= 2 && PrintMode <= 4) {
        const QString title = ReportTitle(PrintMode);
        IgnoreErrors([this] { Action[0]->setEnabled(false); });
        bool cancelled = false;
        float gridsEnd = 0;
        for (size_t i = 0; i < documentGrids.size() && !cancelled; ++i) {
            // PrintGrid returns once the grid is printed or stopped.
            Engine.PrintGrid(*documentGrids[i], static_cast<short>(copies), title, DocumentFlags);
            cancelled = Engine.Stopped;
            gridsEnd = std::max(gridsEnd, Engine.RightEdge);
        }
        if (!cancelled && Coption[1]->isChecked())
            IgnoreErrors([&] { DrawScaleLine(printer, gridsEnd); });
        IgnoreErrors([this] { Action[0]->setEnabled(true); });
    }
    // A print that fails says why and leaves the dialog open to try again.
    const bool sent = Handle(
        [](const StepError &e) {
            MsgBox(QStringLiteral("The Document Could Not Be Printed\r\n") + e.description, MsgBoxStyle::Exclamation,
                   QStringLiteral("Help"));
            return false;
        },
        [&] { printer.EndDoc(); });
    if (!sent)
        return;
    hide();
    if (!printer.WrittenFile().isEmpty())
        MsgBox(QStringLiteral("The Document Was Written To ") + QDir::toNativeSeparators(printer.WrittenFile()),
               MsgBoxStyle::Information, QStringLiteral("Help"));
}
