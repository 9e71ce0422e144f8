#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QString>

#include <optional>
#include <vector>

// The cells of a grid and their shape: what a Grid shows and what the print
// engine prints, with no window needed. Measures are twips, rows and columns
// count from 0, colours are blue-green-red values. An index or count out of
// range throws std::out_of_range, which the callers' error handling catches.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Alignment codes of a column's cells, each vertically centred. Any other
    // code shows the text from the left.
    static constexpr int AlignLeft = 1;
    static constexpr int AlignCentre = 4;
    static constexpr int AlignRight = 7;

    // 2 rows by 2 columns, one heading row, no heading column.
    explicit GridModel(QObject *parent = nullptr);

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

    // A row not given a height is as high as one line of the font.
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);

    int ColAlignment(int col) const;
    void SetColAlignment(int col, int code);
    int FixedAlignment(int col) const;
    void SetFixedAlignment(int col, int code);

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString &text);
    // A cell's own background, 0 when it has none; its bold and italic, the
    // font's unless set.
    long CellBackColor(int row, int col) const;
    void SetCellBackColor(int row, int col, long colour);
    bool CellFontBold(int row, int col) const;
    void SetCellFontBold(int row, int col, bool on);
    bool CellFontItalic(int row, int col) const;
    void SetCellFontItalic(int row, int col, bool on);

    // The font the cells are shown in: a Grid showing the model keeps it to
    // its own.
    const QFont &Font() const { return font; }
    void SetFont(const QFont &font);

    // Cells being printed are not edited meanwhile: a Grid showing the model
    // is disabled until it is editable again.
    bool Editable() const { return editable; }
    void SetEditable(bool on);

    // Takes another model's shape (counts, widths, heights, alignments) and
    // font, with every cell empty.
    void CopyShape(const GridModel &from);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

signals:
    // The counts, sizes or font changed: a view lays itself out again.
    void ShapeChanged();
    void EditableChanged(bool on);

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

    void Reshape(int newRows, int newCols);
    Cell &At(int row, int col);
    const Cell &At(int row, int col) const;
    void CheckRow(int row) const;
    void CheckCol(int col) const;
    void CellChanged(int row, int col);

    int rows = 2;
    int cols = 2;
    int fixedRows = 1;
    int fixedCols = 0;
    std::vector<Cell> cells;
    std::vector<int> rowHeights; // twips; -1 the font's line
    std::vector<Column> columns;
    QFont font;
    bool editable = true;
};
