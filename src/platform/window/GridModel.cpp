#include "platform/window/GridModel.h"

#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"

#include <QBrush>
#include <QFontMetrics>

#include <algorithm>
#include <stdexcept>

namespace {
constexpr int DefaultColWidth = 960;
} // namespace

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent), cells(static_cast<size_t>(rows) * cols), rowHeights(static_cast<size_t>(rows), -1),
      columns(static_cast<size_t>(cols))
{
}

// --- Shape ----------------------------------------------------------------

void GridModel::Reshape(int newRows, int newCols)
{
    beginResetModel();
    std::vector<Cell> reshaped(static_cast<size_t>(newRows) * static_cast<size_t>(newCols));
    for (int r = 0; r < std::min(rows, newRows); ++r)
        for (int c = 0; c < std::min(cols, newCols); ++c)
            reshaped[static_cast<size_t>(r) * newCols + c] = std::move(cells[static_cast<size_t>(r) * cols + c]);
    cells = std::move(reshaped);
    rows = newRows;
    cols = newCols;
    rowHeights.resize(static_cast<size_t>(rows), -1);
    columns.resize(static_cast<size_t>(cols));
    endResetModel();
    emit ShapeChanged();
}

void GridModel::SetRows(int count)
{
    if (count < 1 || count < fixedRows)
        throw std::out_of_range("Invalid number of rows");
    Reshape(count, cols);
}

void GridModel::SetCols(int count)
{
    if (count < 1 || count < fixedCols)
        throw std::out_of_range("Invalid number of columns");
    Reshape(rows, count);
}

void GridModel::SetFixedRows(int count)
{
    if (count < 0 || count > rows)
        throw std::out_of_range("Invalid number of fixed rows");
    fixedRows = count;
    emit ShapeChanged();
}

void GridModel::SetFixedCols(int count)
{
    if (count < 0 || count > cols)
        throw std::out_of_range("Invalid number of fixed columns");
    fixedCols = count;
    emit ShapeChanged();
}

void GridModel::SetEditable(bool on)
{
    editable = on;
    emit EditableChanged(on);
}

void GridModel::CopyShape(const GridModel &from)
{
    beginResetModel();
    rows = from.rows;
    cols = from.cols;
    fixedRows = from.fixedRows;
    fixedCols = from.fixedCols;
    cells.assign(from.cells.size(), Cell{});
    rowHeights = from.rowHeights;
    columns = from.columns;
    font = from.font;
    endResetModel();
    emit ShapeChanged();
}

void GridModel::CheckRow(int row) const
{
    if (row < 0 || row >= rows)
        throw std::out_of_range("Invalid row value");
}

void GridModel::CheckCol(int col) const
{
    if (col < 0 || col >= cols)
        throw std::out_of_range("Invalid column value");
}

GridModel::Cell &GridModel::At(int row, int col)
{
    CheckRow(row);
    CheckCol(col);
    return cells[static_cast<size_t>(row) * cols + col];
}

const GridModel::Cell &GridModel::At(int row, int col) const
{
    CheckRow(row);
    CheckCol(col);
    return cells[static_cast<size_t>(row) * cols + col];
}

// --- Sizes and alignment --------------------------------------------------

int GridModel::ColWidth(int col) const
{
    CheckCol(col);
    const int width = columns[static_cast<size_t>(col)].width;
    return width < 0 ? DefaultColWidth : width;
}

void GridModel::SetColWidth(int col, int twips)
{
    CheckCol(col);
    if (twips < 0)
        throw std::out_of_range("Invalid column width");
    columns[static_cast<size_t>(col)].width = twips;
    emit ShapeChanged();
}

int GridModel::RowHeight(int row) const
{
    CheckRow(row);
    const int height = rowHeights[static_cast<size_t>(row)];
    // One line of the font with a little room, as a grid's rows start.
    return height < 0 ? Twips::FromPixelsY(QFontMetrics(font).height() + 3) : height;
}

void GridModel::SetRowHeight(int row, int twips)
{
    CheckRow(row);
    if (twips < 0)
        throw std::out_of_range("Invalid row height");
    rowHeights[static_cast<size_t>(row)] = twips;
    emit ShapeChanged();
}

int GridModel::ColAlignment(int col) const
{
    CheckCol(col);
    return columns[static_cast<size_t>(col)].alignment;
}

void GridModel::SetColAlignment(int col, int code)
{
    CheckCol(col);
    columns[static_cast<size_t>(col)].alignment = code;
    emit dataChanged(index(0, col), index(rows - 1, col), {Qt::TextAlignmentRole});
}

int GridModel::FixedAlignment(int col) const
{
    CheckCol(col);
    return columns[static_cast<size_t>(col)].fixedAlignment;
}

void GridModel::SetFixedAlignment(int col, int code)
{
    CheckCol(col);
    columns[static_cast<size_t>(col)].fixedAlignment = code;
    emit dataChanged(index(0, col), index(rows - 1, col), {Qt::TextAlignmentRole});
}

void GridModel::SetFont(const QFont &newFont)
{
    if (font == newFont)
        return;
    font = newFont;
    emit ShapeChanged();
}

// --- Cells ----------------------------------------------------------------

void GridModel::CellChanged(int row, int col) { emit dataChanged(index(row, col), index(row, col)); }

QString GridModel::TextMatrix(int row, int col) const { return At(row, col).text; }

void GridModel::SetTextMatrix(int row, int col, const QString &text)
{
    At(row, col).text = text;
    CellChanged(row, col);
}

long GridModel::CellBackColor(int row, int col) const { return At(row, col).backColor; }

void GridModel::SetCellBackColor(int row, int col, long colour)
{
    At(row, col).backColor = colour;
    CellChanged(row, col);
}

bool GridModel::CellFontBold(int row, int col) const { return At(row, col).bold.value_or(font.bold()); }

void GridModel::SetCellFontBold(int row, int col, bool on)
{
    At(row, col).bold = on;
    CellChanged(row, col);
}

bool GridModel::CellFontItalic(int row, int col) const { return At(row, col).italic.value_or(font.italic()); }

void GridModel::SetCellFontItalic(int row, int col, bool on)
{
    At(row, col).italic = on;
    CellChanged(row, col);
}

// --- The item model -------------------------------------------------------

int GridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : rows; }

int GridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : cols; }

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows || index.column() >= cols)
        return {};
    const Cell &cell = At(index.row(), index.column());
    const bool fixed = index.row() < fixedRows || index.column() < fixedCols;
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::TextAlignmentRole: {
        const Column &column = columns[static_cast<size_t>(index.column())];
        const int code = fixed ? column.fixedAlignment : column.alignment;
        const Qt::Alignment h = code == AlignCentre ? Qt::AlignHCenter : code == AlignRight ? Qt::AlignRight : Qt::AlignLeft;
        return static_cast<int>(h | Qt::AlignVCenter);
    }
    case Qt::BackgroundRole:
        return cell.backColor != 0 ? QVariant(QBrush(BgrToQColor(cell.backColor))) : QVariant();
    case Qt::FontRole: {
        QFont cellFont = font;
        cellFont.setBold(cell.bold.value_or(font.bold()));
        cellFont.setItalic(cell.italic.value_or(font.italic()));
        return cellFont;
    }
    default:
        return {};
    }
}
