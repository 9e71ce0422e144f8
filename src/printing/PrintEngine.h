#pragma once

#include <QString>

#include <functional>

class Grid;
class Printer;

// Prints the cells of a grid on the printer, page by page, in millimetres:
// a page header, the grid's heading rows at the top of every page, each
// cell's text aligned as in the grid and cut to its cell, and, when scaling
// is chosen, the grid narrowed to the page width. Grid measures are twips,
// turned into millimetres by dividing by 56.7.
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
    long ErrorResume = 0;

    // Whether the grid is to be scaled to the page width (the dialog's
    // choice); lets the window's events run before every row.
    std::function<bool()> ScalingChosen;
    std::function<void()> DoEvents;

    void PrintGrid(Grid &Pgrid, short Copies, const QString &ReportTitle, long Flags);

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
    void Guard(const std::function<void()> &step);
    void StartPage(Page &p);
    void PrintHeader(Page &p);
    // Starts the grid on a new page when its headings and first row would
    // not fit above the page bottom.
    void KeepHeadingsWithRows(Page &p);
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
