#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class GridModel;
class Printer;

// Prints the cells of a grid's model on the printer, page by page, in
// millimetres: a page header, the heading rows at the top of every page, each
// cell's text whole, aligned as in the grid and wrapped within its column
// over as many lines as it needs (its row grows to hold them), and, when
// scaling is chosen, the columns narrowed to the page width. The page edge
// cuts whole columns, never a text. Grid measures are twips, turned into
// millimetres by dividing by 56.7. The cells and columns are only read.
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
    // The text ending at the right edge Wide of a column ColWidth wide.
    void PrintRight(float Down, float Wide, const QString &Sentence, float Ystep, float ColWidth);
    // A cell's text as it prints: a character 0 is dropped, a line feed or a
    // carriage return prints as a blank.
    static QString PrintedText(const QString &CellText);
    // The lines of a text within a column's width in the printer's font.
    QStringList CellLines(const QString &Sentence, float ColWidth);
    // Shrinks the printer's font until a text is FontRatio times narrower.
    void SetFontSize(float FontRatio);
    // The hatch a monochrome printer shows for a cell colour; 0 solid for a
    // colour not in the palette.
    static int GetPrintStyle(long Colour);

private:
    struct Page;
    struct Column;
    // The columns that print whole inside the page, where each begins.
    std::vector<Column> PrintedColumns(const Page &p);
    // A row's height: one text line (or the grid's row height), or as many
    // lines as its longest text needs.
    float RowStep(Page &p, int R);
    // The header and the heading rows of a page, from its top.
    void StartPage(Page &p, float top);
    void PrintHeader(Page &p);
    void PrintRow(Page &p, int R);
    void PrintCell(Page &p, int R, const Column &column, float pageWidth);
    // The font a row prints in: its first cell's with flag 64, else plain;
    // bold for a heading row with flag 32.
    void UseRowFont(Page &p, int R);
    void RowFont(Page &p, int R);
    // As many of the lines as a row of Rheight holds.
    QStringList LinesInRow(const QString &Sentence, float ColWidth, float Rheight);
    // Prints lines one under the other, each aligned within Left to Left + Wide.
    void PrintAligned(float Down, float Left, float Wide, const QStringList &lines, int code);
    // The height of a printed line in the printer's font.
    float LineHeight();

    Printer &printer;
    // The page that carries its header: a grid that starts on it stays
    // under that header rather than printing another over it.
    long headedJob = 0;
    int headedPage = 0;
};
