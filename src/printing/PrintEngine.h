#pragma once

#include <QString>

#include <functional>
#include <vector>

class GridModel;
class Printer;

// Where the rows of a grid fall on the pages it prints on, in millimetres.
struct GridPageMeasures {
    float startY = 0;     // where the grid starts on the first page
    float headerStep = 0; // the page header's height; 0 without a header
    float rowStep = 0;    // every row's height
    float bottom = 0;     // the lowest row top before a new page
    int fixedRows = 0;
    int rows = 0;
};
struct GridPage {
    float top = 0;                            // where the header, then the heading rows, begin
    std::vector<std::pair<int, float>> rows;  // the ordinary rows on it: row, top
};
struct GridPages {
    // The grid's headings and first row would not fit under startY: it
    // begins on a new page, at its top.
    bool newPageFirst = false;
    std::vector<GridPage> pages;
};
// Lays one copy of a grid out on pages: every page begins with the header and
// the heading rows, and a page breaks before a row that has no room left, so
// a grid never ends with its headings alone on a page.
GridPages LayOutGridPages(const GridPageMeasures &m);

// Column widths in twips narrowed by the ratio of the document's print width
// to the page's, each to the nearest twip (halves to even).
std::vector<int> ScaledColumnWidths(const std::vector<int> &widths, float ratio);

// Prints the cells of a grid's model on the printer, page by page, in
// millimetres: a page header, the heading rows at the top of every page, each
// cell's text aligned as in the grid and cut to its cell, and, when scaling
// is chosen, the columns narrowed to the page width. Grid measures are twips,
// turned into millimetres by dividing by 56.7. The cells and columns are
// only read.
class PrintEngine
{
public:
    // Options of PrintGrid, added together.
    enum Flag : long {
        PageHeader = 1,         // "Page n" at the right and the title at the left, on every page
        WindowFont = 2,         // millimetres, and the main window's font
        StartAtCurrentY = 4,    // else at the top of the page
        ColumnGaps = 8,         // 2 mm after every column
        EndJob = 16,            // send the job to the printer when done, unless stopped
        BoldHeadings = 32,      // heading rows in bold
        RowFontFromCell = 64,   // each row in the bold and italic of its first cell
        StartAtCurrentX = 512,  // rows begin at the current x, in whole millimetres
        ColumnLines = 2048,     // a line after every column but the last
        RowLines = 4096,        // a line under every row, across the page
        CellColours = 8192,     // cells' own background colours
    };

    explicit PrintEngine(Printer &printer);

    // Set by the dialog's "&Cancel" and by PrintGrid when it ends; cleared
    // when a grid's printing starts.
    bool PrintStop = true;
    // True when the last PrintGrid was stopped by PrintStop before its end.
    bool Stopped = false;
    // The document's print width in twips, as the print dialog measured it.
    float RequiredWidth = 0;
    // Where the columns the last PrintGrid printed end, in millimetres from
    // the left of the printable area.
    float RightEdge = 0;

    // Whether the grid is to be scaled to the page width (the dialog's
    // choice); lets the window's events run before every row.
    std::function<bool()> ScalingChosen;
    std::function<void()> DoEvents;

    // The model is not editable while it prints.
    void PrintGrid(GridModel &Pgrid, short Copies, const QString &ReportTitle, long Flags);

    // Prints a text from (Across, Down); with a row height (Rheight above 0)
    // wrapped to ColWidth over as many lines as the row holds, else on one
    // line.
    void PrintXy(float Down, float Across, const QString &Sentence, float Rheight, float ColWidth);
    // The text centred in the box from Across, Wide wide.
    void PrintCentre(float Across, float Down, float Wide, const QString &Sentence, float Ystep);
    // The text ending at the right edge Wide of a column ColWidth wide.
    void PrintRight(float Down, float Wide, const QString &Sentence, float Ystep, float ColWidth);
    // The longest beginning of the text that fits the cell on one line (or on
    // as many lines as a row of Theight holds), a line feed printed as a
    // blank and a carriage return ending it.
    QString Truncate(const QString &TextToWrap, float MaxTextWidth, float Theight);
    // Shrinks the printer's font until a text is FontRatio times narrower.
    void SetFontSize(float FontRatio);
    // The hatch a monochrome printer shows for a cell colour; 0 solid for a
    // colour not in the palette.
    static int GetPrintStyle(long Colour);

private:
    struct Page;
    // The header and the heading rows of a page, from its top.
    void StartPage(Page &p, float top);
    void PrintHeader(Page &p);
    void PrintRow(Page &p, int R);
    void RowFont(Page &p, int R);
    // Prints the wrapped lines of a text each aligned in its cell.
    void PrintAligned(float Down, float Left, float Wide, const QString &Sentence, float Rheight, int code);

    Printer &printer;
    // The page that carries its header: a grid that starts on it stays
    // under that header rather than printing another over it.
    long headedJob = 0;
    int headedPage = 0;
};
