#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include <optional>
#include <vector>

// A grid of text cells. Heading rows at the top and heading columns at the
// left are fixed and drawn in the heading style; the other cells scroll by
// whole rows and columns. Measures are twips, rows and columns count from 0,
// colours are blue-green-red values. An index or count out of range throws
// std::out_of_range, which the callers' error handling catches.
class Grid : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // Alignment codes of a column's cells, each vertically centred. Any other
    // code shows the text from the left.
    static constexpr int AlignLeft = 1;
    static constexpr int AlignCentre = 4;
    static constexpr int AlignRight = 7;

    // 2 rows by 2 columns, one heading row, no heading column.
    explicit Grid(QWidget *parent = nullptr);

    // Changing a count keeps the texts of the cells that remain and drops the
    // others. There is always at least one row and one column; the heading
    // rows (columns) are never more than the rows (columns).
    int Rows() const { return rows; }
    void SetRows(int count);
    int Cols() const { return cols; }
    void SetCols(int count);
    int FixedRows() const { return fixedRows; }
    void SetFixedRows(int count);
    int FixedCols() const { return fixedCols; }
    void SetFixedCols(int count);

    // A row not given a height is as high as one line of the grid's font.
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);

    // The width in twips that the columns can share without scrolling
    // sideways: the inner width less the upright scroll bar its rows need,
    // and a pixel for each column, as each rounds to whole pixels on its own.
    int ShareableWidth() const;

    // Alignment of a column's ordinary cells and of its heading cells.
    int ColAlignment(int col) const;
    void SetColAlignment(int col, int code);
    int FixedAlignment(int col) const;
    void SetFixedAlignment(int col, int code);

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString &text);

    // The current cell: made current by a click or by the program.
    int Row() const { return currentRow; }
    void SetRow(int row);
    int Col() const { return currentCol; }
    void SetCol(int col);
    QString Text() const;
    void SetText(const QString &text);
    // The current cell's own background, 0 when it has none and shows the
    // grid's; its bold and italic, the grid font's unless set.
    long CellBackColor() const;
    void SetCellBackColor(long colour);
    bool CellFontBold() const;
    void SetCellFontBold(bool on);
    bool CellFontItalic() const;
    void SetCellFontItalic(bool on);

    // The first column shown after the heading columns. Asking for a column
    // further right than scrolling reaches stops at the last reachable one.
    int LeftCol() const { return leftCol; }
    void SetLeftCol(int col);

    // Background of the ordinary cells (white unless set).
    long BackColor() const { return backColor; }
    void SetBackColor(long colour);

    // Texts longer than their cell go on over further lines of the cell.
    bool WordWrap() const { return wordWrap; }
    void SetWordWrap(bool on);

    // With redrawing off, changes are not shown until it is on again.
    bool Redraw() const { return redraw; }
    void SetRedraw(bool on);
    void Refresh();

signals:
    // A cell was clicked with the left button; it is now the current cell.
    void Click();
    // Any button released over the grid: button 1 left, 2 right, 4 middle;
    // shift 1 Shift, 2 Ctrl, 4 Alt; the point in twips of the grid.
    void MouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct Cell {
        QString text;
        long backColor = 0;
        std::optional<bool> bold;
        std::optional<bool> italic;
    };
    struct Column {
        int width = -1; // twips; -1 the default width
        int alignment = AlignLeft;
        int fixedAlignment = AlignLeft;
    };

    friend void CopyControlProperties(const Grid &from, Grid &to);

    void Reshape(int newRows, int newCols);
    Cell &At(int row, int col);
    const Cell &At(int row, int col) const;
    void CheckRow(int row) const;
    void CheckCol(int col) const;
    int RowPixels(int row) const;
    int ColPixels(int col) const;
    // Scroll bars as the sizes need them; the scroll positions kept in range.
    void UpdateScrollBars();
    // The rows (columns) that a room of so many pixels shows: the fixed ones,
    // then the scrolled ones from the first shown.
    std::vector<int> Shown(int count, int fixed, int first, int room, int (Grid::*pixels)(int) const) const;
    // The cell under a point of the viewport; false outside every cell.
    bool CellAt(const QPoint &point, int &row, int &col) const;
    void Changed();

    int rows = 2;
    int cols = 2;
    int fixedRows = 1;
    int fixedCols = 0;
    std::vector<Cell> cells;
    std::vector<int> rowHeights; // twips; -1 the font's line
    std::vector<Column> columns;
    int currentRow = 1;
    int currentCol = 0;
    int topRow = 1;
    int leftCol = 0;
    long backColor = 0xFFFFFF;
    bool wordWrap = false;
    bool redraw = true;
    bool pressedOnCell = false;
    bool updatingBars = false;
};

// A grid loaded as a further element of an indexed set takes element 0's
// shape (counts, widths, heights, alignments), font and colours, with every
// cell empty.
void CopyControlProperties(const Grid &from, Grid &to);
