#include "printing/PrintEngine.h"

#include "core/Global.h"
#include "core/ReportError.h"
#include "platform/Colour.h"
#include "platform/Fonts.h"
#include "platform/Grid.h"
#include "platform/MousePointer.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "platform/Rounding.h"
#include "printing/PrintErrors.h"
#include "printing/PrintFormat.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <vector>

namespace {
constexpr float TwipsPerMm = 56.7f;
// The page frame and the lines under the rows begin 1 mm in; rows begin a
// millimetre inside them, as every later column begins a millimetre past the
// line before it, so no line runs through a character.
constexpr float FrameLeft = 1;
constexpr float RowStart = FrameLeft + 1;
constexpr float Clearance = 1;
using Colours::Black;
const QString Location = QStringLiteral("CopyForm:PrintGrid");

// Steps of the placing procedures that fail are passed over.
template <class Step>
void Skip(Step &&step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

short ToShort(float value)
{
    const float whole = std::trunc(value);
    return static_cast<short>(std::clamp(whole, 0.0f, static_cast<float>(std::numeric_limits<short>::max())));
}
} // namespace

// The working values of one PrintGrid call.
struct PrintEngine::Page {
    Grid &grid;
    QString title;
    long flags = 0;
    float h = 0;  // row height; 0 when every row is one text line
    float t = 0;  // height of a text line
    float b = 0;  // the lowest row top before a new page
    float y = 0;  // top of the row being printed
    float x0 = 0; // where every row begins
    float g = 0;  // gap after every column
    bool monochrome = false;
    bool headerBold = false; // the font the header takes on every page

    bool Has(long flag) const { return (flags & flag) != 0; }
    // How far a row reaches down.
    float RowStep() const { return h > 0 ? h : t; }
};

PrintEngine::PrintEngine(Printer &printer)
    : DoEvents([] { QCoreApplication::processEvents(); }), printer(printer)
{
}

void PrintEngine::Guard(const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::exception &e) {
        const long number = PrintErrorNumber(e);
        if (number == 380)
            MsgBox(QStringLiteral("Unable To Set Chosen Printer Font, Print Quality Or Alignment May Be Poor"),
                   MsgBoxStyle::Information, QStringLiteral("Help"));
        else if (number != 482)
            // The answer never repeats the step.
            ErrorResume = ReportError(Location, number, QString::fromUtf8(e.what()));
    }
}

void PrintEngine::PrintGrid(Grid &Pgrid, short Copies, const QString &ReportTitle, long Flags)
{
    Page p{Pgrid, ReportTitle, Flags};

    MousePointer::Set(MousePointer::Hourglass);
    Guard([&] {
        Pgrid.setEnabled(false);
        Pgrid.Refresh();
        Pgrid.SetRedraw(false);
    });
    PrintStop = false;
    Stopped = false;

    if (p.Has(WindowFont)) {
        const QFont font = PrintFont();
        Guard([&] { printer.SetScaleMode(Printer::UnitMillimetres); });
        Guard([&] { printer.SetFontName(font.family()); });
        Guard([&] { printer.SetFontSize(font.pointSizeF()); });
        Guard([&] { printer.SetFontBold(font.bold()); });
        Guard([&] { printer.SetFontItalic(font.italic()); });
    }

    Guard([&] { p.y = p.Has(StartAtCurrentY) ? static_cast<float>(printer.CurrentY()) : 0; });
    Guard([&] { p.x0 = p.Has(StartAtCurrentX) ? static_cast<float>(RoundHalfEven(printer.CurrentX())) : RowStart; });
    p.g = p.Has(ColumnGaps) ? 2 : 0;
    Guard([&] { p.headerBold = printer.FontBold(); });

    const bool scaling = ScalingChosen && ScalingChosen();

    if (p.Has(CellColours))
        Guard([&] {
            printer.SetColorMode(2);
            p.monochrome = printer.ColorMode() != 2;
        });

    // A grid without a third row has its rows printed one text line high.
    Guard([&] { p.h = Pgrid.Rows() > 2 ? static_cast<float>(Pgrid.RowHeight(2)) / TwipsPerMm : 0; });
    Guard([&] { printer.SetScaleMode(Printer::UnitMillimetres); });
    Guard([&] { p.t = static_cast<float>(printer.TextHeight(QStringLiteral("X"))); });
    Guard([&] { p.b = static_cast<float>(printer.ScaleHeight()) - 2 * p.t; });
    if (2 * p.t >= p.h)
        p.h = 0;

    // The grid's own widths come back exactly once it is printed.
    std::vector<int> widths;
    if (scaling) {
        Guard([&] {
            const float r = (RequiredWidth / TwipsPerMm) / static_cast<float>(printer.ScaleWidth());
            if (!(r > 0))
                return;
            for (int c = 0; c < Pgrid.Cols(); ++c)
                widths.push_back(Pgrid.ColWidth(c));
            for (int c = 0; c < Pgrid.Cols(); ++c)
                Pgrid.SetColWidth(c, static_cast<int>(RoundHalfEven(widths[static_cast<size_t>(c)] / r)));
            SetFontSize(r);
        });
    }

    KeepHeadingsWithRows(p);
    for (int copy = 1;; ++copy) {
        StartPage(p);
        int rows = 0;
        Guard([&] { rows = Pgrid.Rows(); });
        int first = rows;
        Guard([&] { first = Pgrid.FixedRows(); });
        for (int R = first; R < rows; ++R) {
            if (DoEvents)
                DoEvents();
            if (PrintStop) {
                Stopped = true;
                break;
            }
            // The page breaks before a row that has no room left, so a grid
            // never ends with its headings alone on a page.
            if (R > first && p.y > p.b) {
                Guard([&] { printer.NewPage(); });
                p.y = 0;
                StartPage(p);
            }
            if (p.Has(RowFontFromCell))
                RowFont(p, R);
            PrintRow(p, R);
        }
        if (Stopped || copy >= Copies)
            break;
        Guard([&] { printer.NewPage(); });
        p.y = 0;
    }

    if (PrintStop)
        Guard([&] { printer.KillDoc(); });
    else if (p.Has(EndJob))
        Guard([&] { printer.EndDoc(); });
    for (size_t c = 0; c < widths.size(); ++c)
        Guard([&] { Pgrid.SetColWidth(static_cast<int>(c), widths[c]); });
    Guard([&] {
        Pgrid.setEnabled(true);
        Pgrid.SetRedraw(true);
    });
    PrintStop = true;
    MousePointer::Set(MousePointer::Default);
}

void PrintEngine::RowFont(Page &p, int R)
{
    Guard([&] {
        p.grid.SetRow(R);
        p.grid.SetCol(0);
        printer.SetFontBold(p.grid.CellFontBold());
        printer.SetFontItalic(p.grid.CellFontItalic());
    });
}

void PrintEngine::KeepHeadingsWithRows(Page &p)
{
    Guard([&] {
        const float header = p.Has(PageHeader) ? (p.h > 0 ? p.h : 2 * p.t) : 0;
        const float firstRow = p.y + header + static_cast<float>(p.grid.FixedRows()) * p.RowStep();
        if (p.y > 0 && firstRow > p.b) {
            printer.NewPage();
            p.y = 0;
        }
    });
}

void PrintEngine::StartPage(Page &p)
{
    if (p.Has(PageHeader)) {
        PrintHeader(p);
        p.y += p.h > 0 ? p.h : 2 * p.t;
    }
    int fixedRows = 0;
    Guard([&] { fixedRows = p.grid.FixedRows(); });
    for (int F = 0; F < fixedRows; ++F) {
        if (p.Has(RowFontFromCell))
            RowFont(p, F);
        PrintRow(p, F);
    }
    Guard([&] { printer.SetFontBold(false); });
}

void PrintEngine::PrintHeader(Page &p)
{
    if (printer.JobOpen() && printer.JobNumber() == headedJob && printer.Page() == headedPage)
        return;
    // Every page's header in the same font, whatever the rows before it left.
    if (p.Has(RowFontFromCell))
        RowFont(p, 0);
    else
        Guard([&] { printer.SetFontBold(p.headerBold); });
    Guard([&] {
        const float width = static_cast<float>(printer.ScaleWidth());
        PrintRight(0, width, QStringLiteral("Page %1").arg(printer.Page()), p.h, width);
        PrintXy(0, 0, p.title, p.h, width);
    });
    headedJob = printer.JobNumber();
    headedPage = printer.Page();
}

void PrintEngine::PrintRow(Page &p, int R)
{
    Grid &grid = p.grid;
    float x = p.x0;
    int cols = 0;
    int fixedRows = 0;
    int fixedCols = 0;
    Guard([&] {
        cols = grid.Cols();
        fixedRows = grid.FixedRows();
        fixedCols = grid.FixedCols();
    });
    float pageWidth = 0;
    Guard([&] { pageWidth = static_cast<float>(printer.ScaleWidth()); });

    for (int k = 0; k < cols; ++k) {
        bool beyondPage = false;
        Guard([&] {
            const float w = static_cast<float>(grid.ColWidth(k)) / TwipsPerMm;
            // A column the page edge cuts shows only what fits inside it.
            const float shown = std::min(w, pageWidth - Clearance - x);
            const QString text = Truncate(grid.TextMatrix(R, k), shown, p.h);
            int code = 0;
            if (R < fixedRows) {
                code = grid.FixedAlignment(k);
                if (p.Has(BoldHeadings))
                    printer.SetFontBold(true);
            } else if (k < fixedCols) {
                code = grid.FixedAlignment(k);
            } else {
                code = grid.ColAlignment(k);
            }
            long colour = 0;
            if (p.Has(CellColours)) {
                grid.SetRow(R);
                grid.SetCol(k);
                colour = grid.CellBackColor();
            }
            const float left = x;
            // A colour printer shows the cell's colour behind its text.
            if (colour != 0 && !p.monochrome)
                printer.FilledBox(left, p.y, left + w, p.y + p.RowStep(), colour);
            if (shown > 1) {
                if (code == Grid::AlignCentre)
                    PrintCentre(x, p.y, shown, text, p.h);
                else if (code == Grid::AlignRight)
                    PrintRight(p.y, x + shown, text, p.h, shown);
                else
                    PrintXy(p.y, x, text, p.h, shown);
            }
            x += w + p.g;
            if (p.Has(ColumnLines) && k != cols - 1 && x - p.g / 2 <= pageWidth)
                printer.Line(x - p.g / 2, p.y, x - p.g / 2, p.y + p.RowStep(), Black);
            if (x > pageWidth) {
                beyondPage = true;
                return;
            }
            if (colour != 0 && p.monochrome) {
                const int style = printer.FillStyle();
                printer.SetFillStyle(GetPrintStyle(colour));
                printer.Box(left + p.g, p.y, left + w + 2 * p.g, p.y + p.RowStep() - 1, Black);
                printer.SetFillStyle(style);
            }
        });
        if (beyondPage)
            break;
    }
    if (p.Has(RowLines))
        Guard([&] { printer.Line(FrameLeft, p.y + p.RowStep(), pageWidth, p.y + p.RowStep(), Black); });
    p.y += p.RowStep();
}

void PrintEngine::PrintXy(float Down, float Across, const QString &Sentence, float Rheight, float ColWidth)
{
    if (Sentence.isEmpty())
        return;
    if (Rheight == 0) {
        Skip([&] { printer.SetCurrentX(Across); });
        Skip([&] { printer.SetCurrentY(Down); });
        Skip([&] { printer.Print(Sentence); });
        return;
    }
    PrintAligned(Down, Across, ColWidth, Sentence, Rheight, Grid::AlignLeft);
}

void PrintEngine::PrintCentre(float Across, float Down, float Wide, const QString &Sentence, float Ystep)
{
    float width = 0;
    Skip([&] { width = static_cast<float>(printer.TextWidth(Sentence)); });
    // A text wrapped over several lines centres each line in the box.
    if (Ystep > 0 && width > Wide)
        PrintAligned(Down, Across, Wide, Sentence, Ystep, Grid::AlignCentre);
    else
        PrintXy(Down, Across + (Wide - width) / 2, Sentence, Ystep, Wide);
}

void PrintEngine::PrintRight(float Down, float Wide, const QString &Sentence, float Ystep, float ColWidth)
{
    float width = 0;
    Skip([&] { width = static_cast<float>(printer.TextWidth(Sentence)); });
    // A text wrapped over several lines ends each line at the right edge,
    // within its column.
    if (Ystep > 0 && width > ColWidth)
        PrintAligned(Down, Wide - ColWidth, ColWidth, Sentence, Ystep, Grid::AlignRight);
    else
        PrintXy(Down, Wide - width, Sentence, Ystep, Wide);
}

void PrintEngine::PrintAligned(float Down, float Left, float Wide, const QString &Sentence, float Rheight, int code)
{
    if (Sentence.isEmpty())
        return;
    const TextMeasure measure = [this](const QString &text) { return printer.TextWidth(text); };
    short n = 0;
    Skip([&] {
        const float m = static_cast<float>(printer.TextWidth(QStringLiteral("M")));
        n = PrintFormat(ToShort(Wide / m), Sentence, Wide, measure);
    });
    float lineHeight = 0;
    Skip([&] { lineHeight = static_cast<float>(printer.TextHeight(QStringLiteral("A"))); });
    int L = 1;
    if (lineHeight > 0)
        L = std::max(1, static_cast<int>(Rheight / lineHeight));
    n = static_cast<short>(std::min<int>(n, L));
    float y = Down;
    for (int i = 0; i < n; ++i) {
        const QString line = PrintLines.value(i);
        Skip([&] {
            float x = Left;
            if (code == Grid::AlignCentre)
                x = Left + (Wide - static_cast<float>(printer.TextWidth(line))) / 2;
            else if (code == Grid::AlignRight)
                x = Left + Wide - static_cast<float>(printer.TextWidth(line));
            printer.SetCurrentX(x);
            printer.SetCurrentY(y);
            printer.Print(line);
        });
        y += lineHeight;
    }
}

QString PrintEngine::Truncate(const QString &TextToWrap, float MaxTextWidth, float Theight)
{
    Skip([&] { printer.SetScaleMode(Printer::UnitMillimetres); });
    float limit = MaxTextWidth;
    if (Theight != 0)
        Skip([&] {
            const float lineHeight = static_cast<float>(printer.TextHeight(QStringLiteral("A")));
            const int lines = lineHeight > 0 ? std::max(1, static_cast<int>(Theight / lineHeight)) : 1;
            limit = MaxTextWidth * static_cast<float>(lines);
        });
    QString result;
    for (const QChar ch : TextToWrap) {
        if (ch.unicode() == 0)
            continue;
        const bool end = ch.unicode() == 13;
        const QChar printed = (ch.unicode() == 10 || end) ? QChar(32) : ch;
        bool fits = false;
        Skip([&] { fits = static_cast<float>(printer.TextWidth(result + printed)) <= limit; });
        if (!fits)
            break;
        result += printed;
        if (end)
            break;
    }
    return result;
}

void PrintEngine::SetFontSize(float FontRatio)
{
    const QString sample = QStringLiteral("Hello World");
    float target = 0;
    Skip([&] { target = static_cast<float>(printer.TextWidth(sample)) / FontRatio; });
    for (int i = 0; i < 1001; ++i) {
        bool narrowEnough = true;
        Skip([&] { narrowEnough = static_cast<float>(printer.TextWidth(sample)) <= target; });
        if (narrowEnough)
            return;
        Skip([&] { printer.SetFontSize(printer.FontSize() - 0.1); });
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
