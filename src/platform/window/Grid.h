#pragma once

#include "platform/window/GridModel.h"

#include <QAbstractScrollArea>
#include <QString>

#include <vector>

// A grid of text cells, showing a GridModel: its own unless given another.
// Heading rows at the top and heading columns at the left are fixed and drawn
// in the heading style; the other cells scroll by whole rows and columns.
// The shape and cell calls below go to the model shown.
class Grid : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr int AlignLeft = GridModel::AlignLeft;
    static constexpr int AlignCentre = GridModel::AlignCentre;
    static constexpr int AlignRight = GridModel::AlignRight;

    // Shows its own model: 2 rows by 2 columns, one heading row, no heading
    // column.
    explicit Grid(QWidget *parent = nullptr);

    // Shows another model, which must outlive the grid or be replaced first;
    // the grid's font becomes the model's. Null shows the grid's own again.
    void SetModel(GridModel *model);
    GridModel &Model() { return *model; }
    const GridModel &Model() const { return *model; }

    // Changing a count keeps the texts of the cells that remain and drops the
    // others. There is always at least one row and one column; the heading
    // rows (columns) are never more than the rows (columns).
    int Rows() const { return model->Rows(); }
    void SetRows(int count) { model->SetRows(count); }
    int Cols() const { return model->Cols(); }
    void SetCols(int count) { model->SetCols(count); }
    int FixedRows() const { return model->FixedRows(); }
    void SetFixedRows(int count);
    int FixedCols() const { return model->FixedCols(); }
    void SetFixedCols(int count) { model->SetFixedCols(count); }

    // A row not given a height is as high as one line of the grid's font.
    int ColWidth(int col) const { return model->ColWidth(col); }
    void SetColWidth(int col, int twips) { model->SetColWidth(col, twips); }
    int RowHeight(int row) const { return model->RowHeight(row); }
    void SetRowHeight(int row, int twips) { model->SetRowHeight(row, twips); }

    // The width in twips that the columns can share without scrolling
    // sideways: the inner width less the upright scroll bar its rows need,
    // and a pixel for each column, as each rounds to whole pixels on its own.
    int ShareableWidth() const;

    // Alignment of a column's ordinary cells and of its heading cells.
    int ColAlignment(int col) const { return model->ColAlignment(col); }
    void SetColAlignment(int col, int code) { model->SetColAlignment(col, code); }
    int FixedAlignment(int col) const { return model->FixedAlignment(col); }
    void SetFixedAlignment(int col, int code) { model->SetFixedAlignment(col, code); }

    QString TextMatrix(int row, int col) const { return model->TextMatrix(row, col); }
    void SetTextMatrix(int row, int col, const QString &text) { model->SetTextMatrix(row, col, text); }

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
    friend void CopyControlProperties(const Grid &from, Grid &to);

    // The model's shape changed: the current cell and the scroll positions
    // are kept inside it.
    void ShapeChanged();
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

    GridModel own;
    GridModel *model = &own;
    QMetaObject::Connection modelShape;
    QMetaObject::Connection modelData;
    QMetaObject::Connection modelGone;
    QMetaObject::Connection modelEditable;
    int currentRow = 1;
    int currentCol = 0;
    int topRow = 1;
    int leftCol = 0;
    long backColor = 0xFFFFFF;
    bool wordWrap = false;
    bool pressedOnCell = false;
    bool updatingBars = false;
};

// A grid loaded as a further element of an indexed set takes element 0's
// shape (counts, widths, heights, alignments), font and colours into its own
// model, with every cell empty.
void CopyControlProperties(const Grid &from, Grid &to);
