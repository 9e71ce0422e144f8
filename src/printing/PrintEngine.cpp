#include "printing/PrintEngine.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Colour.h"
#include "platform/graphics/Fonts.h"
#include "platform/graphics/MousePointer.h"
#include "platform/print/Printer.h"
#include "platform/values/Rounding.h"
#include "platform/window/GridModel.h"
#include "printing/GridPages.h"
#include "printing/PrintFormat.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {
constexpr float TwipsPerMm = 56.7f;
// The page frame and the lines under the rows begin 1 mm in; rows begin a
// millimetre inside them, as every later column begins a millimetre past the
// line before it, so no line runs through a character.
constexpr float FrameLeft = 1;
constexpr float RowStart = FrameLeft + 1;
// The last column printed ends a millimetre inside the page edge.
constexpr float Clearance = 1;
using Colours::Black;
const QString Location = QStringLiteral("CopyForm:PrintGrid");

// A failing step of a grid's printing is reported and passed over; a font
// the printer cannot take is said in its own words, and a printer that
// cannot show the dialog (482) is passed over without a word.
bool PrintFailure(const StepError &e)
{
    if (e.number == 380)
        MsgBox(QStringLiteral("Unable To Set Chosen Printer Font, Print Quality Or Alignment May Be Poor"),
               MsgBoxStyle::Information, QStringLiteral("Help"));
    else if (e.number != 482)
        // The answer never repeats the step.
        ReportError(Location, e.number, e.description);
    return false;
}
} // namespace

struct PrintEngine::Column {
    int k;
    float left;
    float width;
};

// The working values of one PrintGrid call.
struct PrintEngine::Page {
    const GridModel &grid;
    std::vector<int> widths; // the columns' print widths, twips
    QString title;
    long flags = 0;
    float h = 0;  // row height; 0 when every row is one text line
    float t = 0;  // height of a text line
    float b = 0;  // the lowest top of a row one line high before a new page
    float y = 0;  // top of the row being printed
    float x0 = 0; // where every row begins
    float g = 0;  // gap after every column
    bool monochrome = false;
    bool headerBold = false; // the font the header takes on every page
    std::vector<Column> columns = {};
    std::vector<float> steps = {}; // every row's height

    bool Has(long flag) const { return (flags & flag) != 0; }
    // How far a row of one text line (or of the grid's row height) reaches.
    float RowStep() const { return h > 0 ? h : t; }
};

PrintEngine::PrintEngine(Printer &printer)
    : DoEvents([] { QCoreApplication::processEvents(); }), printer(printer)
{
}

void PrintEngine::PrintGrid(GridModel &Pgrid, short Copies, const QString &ReportTitle, long Flags)
{
    Page p{Pgrid, {}, ReportTitle, Flags};

    MousePointer::Set(MousePointer::Hourglass);
    Pgrid.SetEditable(false);
    PrintStop = false;
    Stopped = false;

    if (p.Has(WindowFont)) {
        const QFont font = PrintFont();
        Handle(PrintFailure, [&] { printer.SetScaleMode(Printer::UnitMillimetres); });
        Handle(PrintFailure, [&] { printer.SetFontName(font.family()); });
        Handle(PrintFailure, [&] { printer.SetFontSize(font.pointSizeF()); });
        Handle(PrintFailure, [&] { printer.SetFontBold(font.bold()); });
        Handle(PrintFailure, [&] { printer.SetFontItalic(font.italic()); });
    }

    Handle(PrintFailure, [&] { p.y = p.Has(StartAtCurrentY) ? static_cast<float>(printer.CurrentY()) : 0; });
    Handle(PrintFailure, [&] { p.x0 = p.Has(StartAtCurrentX) ? static_cast<float>(RoundHalfEven(printer.CurrentX())) : RowStart; });
    p.g = p.Has(ColumnGaps) ? 2 : 0;
    Handle(PrintFailure, [&] { p.headerBold = printer.FontBold(); });

    const bool scaling = ScalingChosen && ScalingChosen();

    if (p.Has(CellColours))
        Handle(PrintFailure, [&] {
            printer.SetColorMode(2);
            p.monochrome = printer.ColorMode() != 2;
        });

    // A grid without a third row has its rows printed one text line high.
    Handle(PrintFailure, [&] { p.h = Pgrid.Rows() > 2 ? static_cast<float>(Pgrid.RowHeight(2)) / TwipsPerMm : 0; });
    Handle(PrintFailure, [&] { printer.SetScaleMode(Printer::UnitMillimetres); });
    Handle(PrintFailure, [&] { p.t = static_cast<float>(printer.TextHeight(QStringLiteral("X"))); });
    Handle(PrintFailure, [&] { p.b = static_cast<float>(printer.ScaleHeight()) - 2 * p.t; });
    if (2 * p.t >= p.h)
        p.h = 0;

    for (int c = 0; c < Pgrid.Cols(); ++c)
        p.widths.push_back(Pgrid.ColWidth(c));
    if (scaling) {
        Handle(PrintFailure, [&] {
            const float r = (RequiredWidth / TwipsPerMm) / static_cast<float>(printer.ScaleWidth());
            if (!(r > 0))
                return;
            p.widths = ScaledColumnWidths(p.widths, r);
            SetFontSize(r);
        });
    }

    p.columns = PrintedColumns(p);
    RightEdge = p.columns.empty() ? p.x0 : p.columns.back().left + p.columns.back().width;
    // Rows are measured in the fonts they print in before any is laid out.
    for (int R = 0; R < Pgrid.Rows(); ++R)
        p.steps.push_back(RowStep(p, R));

    GridPageMeasures measures;
    measures.startY = p.y;
    measures.headerStep = p.Has(PageHeader) ? (p.h > 0 ? p.h : 2 * p.t) : 0;
    measures.rowSteps = p.steps;
    // A row of one line may begin as low as b.
    measures.foot = p.b + p.RowStep();
    measures.fixedRows = Pgrid.FixedRows();

    for (int copy = 1;; ++copy) {
        const GridPages laid = LayOutGridPages(measures);
        if (laid.newPageFirst)
            Handle(PrintFailure, [&] { printer.NewPage(); });
        for (size_t n = 0; n < laid.pages.size() && !Stopped; ++n) {
            const GridPage &page = laid.pages[n];
            if (n == 0)
                StartPage(p, page.top);
            for (size_t i = 0; i < page.rows.size(); ++i) {
                if (DoEvents)
                    DoEvents();
                if (PrintStop) {
                    Stopped = true;
                    break;
                }
                if (n > 0 && i == 0) {
                    Handle(PrintFailure, [&] { printer.NewPage(); });
                    StartPage(p, page.top);
                }
                const auto [R, top] = page.rows[i];
                p.y = top;
                PrintRow(p, R);
            }
        }
        if (Stopped || copy >= Copies)
            break;
        Handle(PrintFailure, [&] { printer.NewPage(); });
        measures.startY = 0;
    }

    if (PrintStop)
        Handle(PrintFailure, [&] { printer.KillDoc(); });
    else if (p.Has(EndJob))
        Handle(PrintFailure, [&] { printer.EndDoc(); });
    Pgrid.SetEditable(true);
    PrintStop = true;
    MousePointer::Set(MousePointer::Default);
}

void PrintEngine::RowFont(Page &p, int R)
{
    Handle(PrintFailure, [&] {
        printer.SetFontBold(p.grid.CellFontBold(R, 0));
        printer.SetFontItalic(p.grid.CellFontItalic(R, 0));
    });
}

void PrintEngine::UseRowFont(Page &p, int R)
{
    if (p.Has(RowFontFromCell))
        RowFont(p, R);
    else
        Handle(PrintFailure, [&] { printer.SetFontBold(false); });
    if (R < p.grid.FixedRows() && p.Has(BoldHeadings))
        Handle(PrintFailure, [&] { printer.SetFontBold(true); });
}

std::vector<PrintEngine::Column> PrintEngine::PrintedColumns(const Page &p)
{
    float pageWidth = 0;
    Handle(PrintFailure, [&] { pageWidth = static_cast<float>(printer.ScaleWidth()); });
    std::vector<Column> columns;
    float x = p.x0;
    for (int k = 0; k < static_cast<int>(p.widths.size()); ++k) {
        const float w = static_cast<float>(p.widths[static_cast<size_t>(k)]) / TwipsPerMm;
        // A column the page edge would cut is left out, and every one after it.
        if (x + w > pageWidth - Clearance)
            break;
        columns.push_back(Column{k, x, w});
        x += w + p.g;
    }
    return columns;
}

float PrintEngine::RowStep(Page &p, int R)
{
    UseRowFont(p, R);
    int lines = 1;
    for (const Column &column : p.columns)
        if (column.width > 1)
            Handle(PrintFailure, [&] {
                const QString text = PrintedText(p.grid.TextMatrix(R, column.k));
                lines = std::max(lines, static_cast<int>(CellLines(text, column.width).size()));
            });
    return std::max(p.RowStep(), static_cast<float>(lines) * LineHeight());
}

void PrintEngine::StartPage(Page &p, float top)
{
    p.y = top;
    if (p.Has(PageHeader)) {
        PrintHeader(p);
        p.y += p.h > 0 ? p.h : 2 * p.t;
    }
    for (int F = 0; F < p.grid.FixedRows(); ++F)
        PrintRow(p, F);
    Handle(PrintFailure, [&] { printer.SetFontBold(false); });
}

void PrintEngine::PrintHeader(Page &p)
{
    if (printer.JobOpen() && printer.JobNumber() == headedJob && printer.Page() == headedPage)
        return;
    // Every page's header in the same font, whatever the rows before it left.
    if (p.Has(RowFontFromCell))
        RowFont(p, 0);
    else
        Handle(PrintFailure, [&] { printer.SetFontBold(p.headerBold); });
    Handle(PrintFailure, [&] {
        const float width = static_cast<float>(printer.ScaleWidth());
        PrintRight(0, width, QStringLiteral("Page %1").arg(printer.Page()), p.h, width);
        PrintXy(0, 0, p.title, p.h, width);
    });
    headedJob = printer.JobNumber();
    headedPage = printer.Page();
}

void PrintEngine::PrintRow(Page &p, int R)
{
    UseRowFont(p, R);
    float pageWidth = 0;
    Handle(PrintFailure, [&] { pageWidth = static_cast<float>(printer.ScaleWidth()); });
    for (const Column &column : p.columns)
        PrintCell(p, R, column, pageWidth);
    const float step = p.steps[static_cast<size_t>(R)];
    if (p.Has(RowLines))
        Handle(PrintFailure, [&] { printer.Line(FrameLeft, p.y + step, pageWidth, p.y + step, Black); });
    p.y += step;
}

void PrintEngine::PrintCell(Page &p, int R, const Column &column, float pageWidth)
{
    const GridModel &grid = p.grid;
    const int k = column.k;
    const float left = column.left;
    const float w = column.width;
    const float step = p.steps[static_cast<size_t>(R)];
    Handle(PrintFailure, [&] {
        const int code = R < grid.FixedRows() || k < grid.FixedCols() ? grid.FixedAlignment(k) : grid.ColAlignment(k);
        const long colour = p.Has(CellColours) ? grid.CellBackColor(R, k) : 0;
        // A colour printer shows the cell's colour behind its text.
        if (colour != 0 && !p.monochrome)
            printer.FilledBox(left, p.y, left + w, p.y + step, colour);
        if (w > 1)
            PrintAligned(p.y, left, w, CellLines(PrintedText(grid.TextMatrix(R, k)), w), code);
        const float line = left + w + p.g / 2;
        if (p.Has(ColumnLines) && k != grid.Cols() - 1 && line <= pageWidth)
            printer.Line(line, p.y, line, p.y + step, Black);
        if (colour != 0 && p.monochrome) {
            const int style = printer.FillStyle();
            printer.SetFillStyle(GetPrintStyle(colour));
            printer.Box(left + p.g, p.y, left + w + 2 * p.g, p.y + step - 1, Black);
            printer.SetFillStyle(style);
        }
    });
}

void PrintEngine::PrintXy(float Down, float Across, const QString &Sentence, float Rheight, float ColWidth)
{
    if (Sentence.isEmpty())
        return;
    if (Rheight == 0) {
        IgnoreErrors([&] { printer.SetCurrentX(Across); });
        IgnoreErrors([&] { printer.SetCurrentY(Down); });
        IgnoreErrors([&] { printer.Print(Sentence); });
        return;
    }
    PrintAligned(Down, Across, ColWidth, LinesInRow(Sentence, ColWidth, Rheight), GridModel::AlignLeft);
}

void PrintEngine::PrintRight(float Down, float Wide, const QString &Sentence, float Ystep, float ColWidth)
{
    float width = 0;
    IgnoreErrors([&] { width = static_cast<float>(printer.TextWidth(Sentence)); });
    // A text wrapped over several lines ends each line at the right edge,
    // within its column.
    if (Ystep > 0 && width > ColWidth)
        PrintAligned(Down, Wide - ColWidth, ColWidth, LinesInRow(Sentence, ColWidth, Ystep), GridModel::AlignRight);
    else
        PrintXy(Down, Wide - width, Sentence, Ystep, Wide);
}

float PrintEngine::LineHeight()
{
    float height = 0;
    IgnoreErrors([&] { height = static_cast<float>(printer.TextHeight(QStringLiteral("A"))); });
    return height;
}

QStringList PrintEngine::CellLines(const QString &Sentence, float ColWidth)
{
    QStringList lines;
    IgnoreErrors([&] {
        lines = FittedLines(Sentence, ColWidth, [this](const QString &text) { return printer.TextWidth(text); });
    });
    return lines;
}

QStringList PrintEngine::LinesInRow(const QString &Sentence, float ColWidth, float Rheight)
{
    const float lineHeight = LineHeight();
    const int L = lineHeight > 0 ? std::max(1, static_cast<int>(Rheight / lineHeight)) : 1;
    return CellLines(Sentence, ColWidth).mid(0, L);
}

void PrintEngine::PrintAligned(float Down, float Left, float Wide, const QStringList &lines, int code)
{
    const float lineHeight = LineHeight();
    float y = Down;
    for (const QString &line : lines) {
        IgnoreErrors([&] {
            float x = Left;
            if (code == GridModel::AlignCentre)
                x = Left + (Wide - static_cast<float>(printer.TextWidth(line))) / 2;
            else if (code == GridModel::AlignRight)
                x = Left + Wide - static_cast<float>(printer.TextWidth(line));
            printer.SetCurrentX(x);
            printer.SetCurrentY(y);
            printer.Print(line);
        });
        y += lineHeight;
    }
}

QString PrintEngine::PrintedText(const QString &CellText)
{
    QString printed;
    for (const QChar ch : CellText) {
        if (ch.unicode() == 0)
            continue;
        printed += ch.unicode() == 10 || ch.unicode() == 13 ? QChar(32) : ch;
    }
    return printed;
}

void PrintEngine::SetFontSize(float FontRatio)
{
    const QString sample = QStringLiteral("Hello World");
    float target = 0;
    IgnoreErrors([&] { target = static_cast<float>(printer.TextWidth(sample)) / FontRatio; });
    for (int i = 0; i < 1001; ++i) {
        bool narrowEnough = true;
        IgnoreErrors([&] { narrowEnough = static_cast<float>(printer.TextWidth(sample)) <= target; });
        if (narrowEnough)
            return;
        IgnoreErrors([&] { printer.SetFontSize(printer.FontSize() - 0.1); });
    }
}

int PrintEngine::GetPrintStyle(long Colour)
{
    switch (Colour) {
    case 0x800000:
    case 0xFF0000:
        return 4; // blue: upward diagonal
    case 0x008000:
    case 0x00FF00:
        return 3; // green: vertical lines
    case 0x808000:
    case 0xFFFF00:
        return 5; // cyan: downward diagonal
    case 0x000080:
    case 0x0000FF:
        return 2; // red: horizontal lines
    case 0x800080:
    case 0xFF00FF:
        return 6; // magenta: cross
    case 0x008080:
    case 0x00FFFF:
        return 7; // yellow and brown: diagonal cross
    default:
        return 0;
    }
}
