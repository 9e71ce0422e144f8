#include "printing/PrintEngine.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "platform/graphics/Colour.h"
#include "platform/graphics/Fonts.h"
#include "platform/window/GridModel.h"
#include "platform/graphics/MousePointer.h"
#include "platform/ask/MsgBox.h"
#include "platform/print/Printer.h"
#include "platform/values/Rounding.h"
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

short ToShort(float value)
{
    const float whole = std::trunc(value);
    return static_cast<short>(std::clamp(whole, 0.0f, static_cast<float>(std::numeric_limits<short>::max())));
}
} // namespace

// The working values of one PrintGrid call.
struct PrintEngine::Page {
    const GridModel &grid;
    std::vector<int> widths; // the columns' print widths, twips
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

namespace {
// Where a page's first ordinary row begins: under the header and the heading
// rows, added one at a time as they are printed.
float BodyTop(const GridPageMeasures &m, float top)
{
    float y = top + m.headerStep;
    for (int F = 0; F < m.fixedRows; ++F)
        y += m.rowStep;
    return y;
}
} // namespace

GridPages LayOutGridPages(const GridPageMeasures &m)
{
    GridPages laid;
    float top = m.startY;
    const float firstRow = top + m.headerStep + static_cast<float>(m.fixedRows) * m.rowStep;
    if (top > 0 && firstRow > m.bottom) {
        laid.newPageFirst = true;
        top = 0;
    }
    laid.pages.push_back(GridPage{top, {}});
    float y = BodyTop(m, top);
    for (int R = m.fixedRows; R < m.rows; ++R) {
        if (R > m.fixedRows && y > m.bottom) {
            laid.pages.push_back(GridPage{0, {}});
            y = BodyTop(m, 0);
        }
        laid.pages.back().rows.emplace_back(R, y);
        y += m.rowStep;
    }
    return laid;
}

std::vector<int> ScaledColumnWidths(const std::vector<int> &widths, float ratio)
{
    std::vector<int> scaled;
    for (const int width : widths)
        scaled.push_back(static_cast<int>(RoundHalfEven(width / ratio)));
    return scaled;
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

    GridPageMeasures measures;
    measures.startY = p.y;
    measures.headerStep = p.Has(PageHeader) ? (p.h > 0 ? p.h : 2 * p.t) : 0;
    measures.rowStep = p.RowStep();
    measures.bottom = p.b;
    measures.fixedRows = Pgrid.FixedRows();
    measures.rows = Pgrid.Rows();

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
                if (p.Has(RowFontFromCell))
                    RowFont(p, R);
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

void PrintEngine::StartPage(Page &p, float top)
{
    p.y = top;
    if (p.Has(PageHeader)) {
        PrintHeader(p);
        p.y += p.h > 0 ? p.h : 2 * p.t;
    }
    for (int F = 0; F < p.grid.FixedRows(); ++F) {
        if (p.Has(RowFontFromCell))
            RowFont(p, F);
        PrintRow(p, F);
    }
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
    const GridModel &grid = p.grid;
    float x = p.x0;
    int cols = 0;
    int fixedRows = 0;
    int fixedCols = 0;
    Handle(PrintFailure, [&] {
        cols = grid.Cols();
        fixedRows = grid.FixedRows();
        fixedCols = grid.FixedCols();
    });
    float pageWidth = 0;
    Handle(PrintFailure, [&] { pageWidth = static_cast<float>(printer.ScaleWidth()); });

    for (int k = 0; k < cols; ++k) {
        bool beyondPage = false;
        Handle(PrintFailure, [&] {
            const float w = static_cast<float>(p.widths[static_cast<size_t>(k)]) / TwipsPerMm;
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
            if (p.Has(CellColours))
                colour = grid.CellBackColor(R, k);
            const float left = x;
            // A colour printer shows the cell's colour behind its text.
            if (colour != 0 && !p.monochrome)
                printer.FilledBox(left, p.y, left + w, p.y + p.RowStep(), colour);
            if (shown > 1) {
                if (code == GridModel::AlignCentre)
                    PrintCentre(x, p.y, shown, text, p.h);
                else if (code == GridModel::AlignRight)
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
        Handle(PrintFailure, [&] { printer.Line(FrameLeft, p.y + p.RowStep(), pageWidth, p.y + p.RowStep(), Black); });
    p.y += p.RowStep();
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
    PrintAligned(Down, Across, ColWidth, Sentence, Rheight, GridModel::AlignLeft);
}

void PrintEngine::PrintCentre(float Across, float Down, float Wide, const QString &Sentence, float Ystep)
{
    float width = 0;
    IgnoreErrors([&] { width = static_cast<float>(printer.TextWidth(Sentence)); });
    // A text wrapped over several lines centres each line in the box.
    if (Ystep > 0 && width > Wide)
        PrintAligned(Down, Across, Wide, Sentence, Ystep, GridModel::AlignCentre);
    else
        PrintXy(Down, Across + (Wide - width) / 2, Sentence, Ystep, Wide);
}

void PrintEngine::PrintRight(float Down, float Wide, const QString &Sentence, float Ystep, float ColWidth)
{
    float width = 0;
    IgnoreErrors([&] { width = static_cast<float>(printer.TextWidth(Sentence)); });
    // A text wrapped over several lines ends each line at the right edge,
    // within its column.
    if (Ystep > 0 && width > ColWidth)
        PrintAligned(Down, Wide - ColWidth, ColWidth, Sentence, Ystep, GridModel::AlignRight);
    else
        PrintXy(Down, Wide - width, Sentence, Ystep, Wide);
}

void PrintEngine::PrintAligned(float Down, float Left, float Wide, const QString &Sentence, float Rheight, int code)
{
    if (Sentence.isEmpty())
        return;
    const TextMeasure measure = [this](const QString &text) { return printer.TextWidth(text); };
    short n = 0;
    IgnoreErrors([&] {
        const float m = static_cast<float>(printer.TextWidth(QStringLiteral("M")));
        n = PrintFormat(ToShort(Wide / m), Sentence, Wide, measure);
    });
    float lineHeight = 0;
    IgnoreErrors([&] { lineHeight = static_cast<float>(printer.TextHeight(QStringLiteral("A"))); });
    int L = 1;
    if (lineHeight > 0)
        L = std::max(1, static_cast<int>(Rheight / lineHeight));
    n = static_cast<short>(std::min<int>(n, L));
    float y = Down;
    for (int i = 0; i < n; ++i) {
        const QString line = PrintLines.value(i);
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

QString PrintEngine::Truncate(const QString &TextToWrap, float MaxTextWidth, float Theight)
{
    IgnoreErrors([&] { printer.SetScaleMode(Printer::UnitMillimetres); });
    float limit = MaxTextWidth;
    if (Theight != 0)
        IgnoreErrors([&] {
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
        IgnoreErrors([&] { fits = static_cast<float>(printer.TextWidth(result + printed)) <= limit; });
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
