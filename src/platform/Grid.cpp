#include "platform/Grid.h"

#include "platform/Colour.h"
#include "platform/ControlArray.h"
#include "platform/Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <stdexcept>

namespace {
constexpr int DefaultColWidth = 960;
// Room between a cell's edge and its text, in pixels.
constexpr int TextMargin = 2;

int MouseButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int ShiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

Qt::Alignment TextAlignment(int code)
{
    switch (code) {
    case Grid::AlignCentre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Grid::AlignRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

Grid::Grid(QWidget *parent)
    : QAbstractScrollArea(parent), cells(static_cast<size_t>(rows) * cols), rowHeights(static_cast<size_t>(rows), -1),
      columns(static_cast<size_t>(cols))
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    UpdateScrollBars();
}

// --- Shape ----------------------------------------------------------------

void Grid::Reshape(int newRows, int newCols)
{
    std::vector<Cell> reshaped(static_cast<size_t>(newRows) * static_cast<size_t>(newCols));
    for (int r = 0; r < std::min(rows, newRows); ++r)
        for (int c = 0; c < std::min(cols, newCols); ++c)
            reshaped[static_cast<size_t>(r) * newCols + c] = std::move(cells[static_cast<size_t>(r) * cols + c]);
    cells = std::move(reshaped);
    rows = newRows;
    cols = newCols;
    rowHeights.resize(static_cast<size_t>(rows), -1);
    columns.resize(static_cast<size_t>(cols));
    currentRow = std::min(currentRow, rows - 1);
    currentCol = std::min(currentCol, cols - 1);
    UpdateScrollBars();
    Changed();
}

void Grid::SetRows(int count)
{
    if (count < 1 || count < fixedRows)
        throw std::out_of_range("Invalid number of rows");
    Reshape(count, cols);
}

void Grid::SetCols(int count)
{
    if (count < 1 || count < fixedCols)
        throw std::out_of_range("Invalid number of columns");
    Reshape(rows, count);
}

void Grid::SetFixedRows(int count)
{
    if (count < 0 || count > rows)
        throw std::out_of_range("Invalid number of fixed rows");
    fixedRows = count;
    // Shown again from the first row below the headings, so that no row
    // stays scrolled out of sight after the headings change.
    topRow = fixedRows;
    UpdateScrollBars();
    Changed();
}

void Grid::SetFixedCols(int count)
{
    if (count < 0 || count > cols)
        throw std::out_of_range("Invalid number of fixed columns");
    fixedCols = count;
    UpdateScrollBars();
    Changed();
}

void Grid::CheckRow(int row) const
{
    if (row < 0 || row >= rows)
        throw std::out_of_range("Invalid row value");
}

void Grid::CheckCol(int col) const
{
    if (col < 0 || col >= cols)
        throw std::out_of_range("Invalid column value");
}

Grid::Cell &Grid::At(int row, int col)
{
    CheckRow(row);
    CheckCol(col);
    return cells[static_cast<size_t>(row) * cols + col];
}

const Grid::Cell &Grid::At(int row, int col) const
{
    CheckRow(row);
    CheckCol(col);
    return cells[static_cast<size_t>(row) * cols + col];
}

// --- Sizes and alignment --------------------------------------------------

int Grid::ColWidth(int col) const
{
    CheckCol(col);
    const int width = columns[static_cast<size_t>(col)].width;
    return width < 0 ? DefaultColWidth : width;
}

void Grid::SetColWidth(int col, int twips)
{
    CheckCol(col);
    if (twips < 0)
        throw std::out_of_range("Invalid column width");
    columns[static_cast<size_t>(col)].width = twips;
    UpdateScrollBars();
    Changed();
}

int Grid::RowHeight(int row) const
{
    CheckRow(row);
    const int height = rowHeights[static_cast<size_t>(row)];
    // One line of the font with a little room, as a grid's rows start.
    return height < 0 ? Twips::FromPixelsY(fontMetrics().height() + 3) : height;
}

void Grid::SetRowHeight(int row, int twips)
{
    CheckRow(row);
    if (twips < 0)
        throw std::out_of_range("Invalid row height");
    rowHeights[static_cast<size_t>(row)] = twips;
    UpdateScrollBars();
    Changed();
}

int Grid::ColAlignment(int col) const
{
    CheckCol(col);
    return columns[static_cast<size_t>(col)].alignment;
}

void Grid::SetColAlignment(int col, int code)
{
    CheckCol(col);
    columns[static_cast<size_t>(col)].alignment = code;
    Changed();
}

int Grid::FixedAlignment(int col) const
{
    CheckCol(col);
    return columns[static_cast<size_t>(col)].fixedAlignment;
}

void Grid::SetFixedAlignment(int col, int code)
{
    CheckCol(col);
    columns[static_cast<size_t>(col)].fixedAlignment = code;
    Changed();
}

int Grid::RowPixels(int row) const
{
    return Twips::ToPixelsY(RowHeight(row));
}
int Grid::ColPixels(int col) const
{
    return Twips::ToPixelsX(ColWidth(col));
}

int Grid::ShareableWidth() const
{
    int fullHeight = 0;
    for (int r = 0; r < rows; ++r)
        fullHeight += RowPixels(r);
    const QRect area = contentsRect();
    const int bar = fullHeight > area.height() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
    return Twips::FromPixelsX(area.width() - bar - cols);
}

// --- Cells ----------------------------------------------------------------

QString Grid::TextMatrix(int row, int col) const
{
    return At(row, col).text;
}

void Grid::SetTextMatrix(int row, int col, const QString &text)
{
    At(row, col).text = text;
    Changed();
}

void Grid::SetRow(int row)
{
    CheckRow(row);
    currentRow = row;
    Changed();
}

void Grid::SetCol(int col)
{
    CheckCol(col);
    currentCol = col;
    Changed();
}

QString Grid::Text() const
{
    return TextMatrix(currentRow, currentCol);
}
void Grid::SetText(const QString &text)
{
    SetTextMatrix(currentRow, currentCol, text);
}

long Grid::CellBackColor() const
{
    return At(currentRow, currentCol).backColor;
}

void Grid::SetCellBackColor(long colour)
{
    At(currentRow, currentCol).backColor = colour;
    Changed();
}

bool Grid::CellFontBold() const
{
    return At(currentRow, currentCol).bold.value_or(font().bold());
}

void Grid::SetCellFontBold(bool on)
{
    At(currentRow, currentCol).bold = on;
    Changed();
}

bool Grid::CellFontItalic() const
{
    return At(currentRow, currentCol).italic.value_or(font().italic());
}

void Grid::SetCellFontItalic(bool on)
{
    At(currentRow, currentCol).italic = on;
    Changed();
}

void Grid::SetBackColor(long colour)
{
    backColor = colour;
    Changed();
}

void Grid::SetWordWrap(bool on)
{
    wordWrap = on;
    Changed();
}

void Grid::SetRedraw(bool on)
{
    redraw = on;
    Changed();
}

void Grid::Refresh()
{
    if (redraw)
        viewport()->repaint();
}

void Grid::Changed()
{
    if (redraw)
        viewport()->update();
}

// --- Scrolling ------------------------------------------------------------

void Grid::SetLeftCol(int col)
{
    if (col < fixedCols || col >= cols)
        throw std::out_of_range("Invalid column value");
    leftCol = col;
    UpdateScrollBars();
    Changed();
}

void Grid::UpdateScrollBars()
{
    if (updatingBars)
        return;
    updatingBars = true;

    int fullWidth = 0;
    for (int c = 0; c < cols; ++c)
        fullWidth += ColPixels(c);
    int fullHeight = 0;
    for (int r = 0; r < rows; ++r)
        fullHeight += RowPixels(r);

    // Worked out from the grid's own size, so it holds before the grid is shown.
    const QSize area = contentsRect().size();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool needH = fullWidth > area.width();
    bool needV = fullHeight > area.height() - (needH ? extent : 0);
    needH = fullWidth > area.width() - (needV ? extent : 0);
    needV = fullHeight > area.height() - (needH ? extent : 0);
    const int viewWidth = area.width() - (needV ? extent : 0);
    const int viewHeight = area.height() - (needH ? extent : 0);

    // The furthest scroll shows the last row (column) whole where it fits.
    int fixedHeight = 0;
    for (int r = 0; r < fixedRows; ++r)
        fixedHeight += RowPixels(r);
    int maxTop = fixedRows;
    if (rows > fixedRows) {
        maxTop = rows - 1;
        for (int used = RowPixels(maxTop);
             maxTop - 1 >= fixedRows && used + RowPixels(maxTop - 1) <= viewHeight - fixedHeight;)
            used += RowPixels(--maxTop);
    }
    int fixedWidth = 0;
    for (int c = 0; c < fixedCols; ++c)
        fixedWidth += ColPixels(c);
    int maxLeft = fixedCols;
    if (cols > fixedCols) {
        maxLeft = cols - 1;
        for (int used = ColPixels(maxLeft);
             maxLeft - 1 >= fixedCols && used + ColPixels(maxLeft - 1) <= viewWidth - fixedWidth;)
            used += ColPixels(--maxLeft);
    }
    if (!needV)
        maxTop = fixedRows;
    if (!needH)
        maxLeft = fixedCols;

    topRow = std::clamp(topRow, fixedRows, maxTop);
    leftCol = std::clamp(leftCol, fixedCols, maxLeft);

    setVerticalScrollBarPolicy(needV ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(needH ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setRange(0, maxTop - fixedRows);
    verticalScrollBar()->setPageStep(1);
    verticalScrollBar()->setValue(topRow - fixedRows);
    horizontalScrollBar()->setRange(0, maxLeft - fixedCols);
    horizontalScrollBar()->setPageStep(1);
    horizontalScrollBar()->setValue(leftCol - fixedCols);

    updatingBars = false;
}

void Grid::scrollContentsBy(int, int)
{
    if (updatingBars)
        return;
    topRow = fixedRows + verticalScrollBar()->value();
    leftCol = fixedCols + horizontalScrollBar()->value();
    Changed();
}

void Grid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void Grid::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        UpdateScrollBars();
}

// --- Drawing and the mouse ------------------------------------------------

std::vector<int> Grid::Shown(int count, int fixed, int first, int room, int (Grid::*pixels)(int) const) const
{
    std::vector<int> shown;
    int edge = 0;
    for (int i = 0; i < fixed && edge < room; ++i) {
        shown.push_back(i);
        edge += (this->*pixels)(i);
    }
    for (int i = std::max(first, fixed); i < count && edge < room; ++i) {
        shown.push_back(i);
        edge += (this->*pixels)(i);
    }
    return shown;
}

bool Grid::CellAt(const QPoint &point, int &row, int &col) const
{
    const QSize room = viewport()->size();
    if (point.x() < 0 || point.y() < 0 || point.x() >= room.width() || point.y() >= room.height())
        return false;
    row = -1;
    int y = 0;
    for (int r : Shown(rows, fixedRows, topRow, room.height(), &Grid::RowPixels)) {
        y += RowPixels(r);
        if (point.y() < y) {
            row = r;
            break;
        }
    }
    col = -1;
    int x = 0;
    for (int c : Shown(cols, fixedCols, leftCol, room.width(), &Grid::ColPixels)) {
        x += ColPixels(c);
        if (point.x() < x) {
            col = c;
            break;
        }
    }
    return row >= 0 && col >= 0;
}

void Grid::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    painter.fillRect(area, palette().color(QPalette::Mid));

    const std::vector<int> shownRows = Shown(rows, fixedRows, topRow, area.height(), &Grid::RowPixels);
    const std::vector<int> shownCols = Shown(cols, fixedCols, leftCol, area.width(), &Grid::ColPixels);

    const QColor heading = palette().color(QPalette::Button);
    const QColor headingLine = palette().color(QPalette::Dark);
    const QColor line = QColor(192, 192, 192);
    const QColor ink = palette().color(QPalette::WindowText);
    int y = 0;
    for (int r : shownRows) {
        const int height = RowPixels(r);
        int x = 0;
        for (int c : shownCols) {
            const int width = ColPixels(c);
            const QRect cellRect(x, y, width, height);
            const Cell &cell = cells[static_cast<size_t>(r) * cols + c];
            const bool fixed = r < fixedRows || c < fixedCols;
            QColor background = fixed ? heading : BgrToQColor(backColor);
            if (!fixed && cell.backColor != 0)
                background = BgrToQColor(cell.backColor);
            painter.fillRect(cellRect, background);
            painter.setPen(fixed ? headingLine : line);
            painter.drawLine(cellRect.topRight(), cellRect.bottomRight());
            painter.drawLine(cellRect.bottomLeft(), cellRect.bottomRight());
            if (!cell.text.isEmpty()) {
                QFont cellFont = font();
                cellFont.setBold(cell.bold.value_or(cellFont.bold()));
                cellFont.setItalic(cell.italic.value_or(cellFont.italic()));
                painter.setFont(cellFont);
                painter.setPen(ink);
                const QRect textRect = cellRect.adjusted(TextMargin, 0, -TextMargin - 1, -1);
                const int code =
                    fixed ? columns[static_cast<size_t>(c)].fixedAlignment : columns[static_cast<size_t>(c)].alignment;
                painter.save();
                painter.setClipRect(textRect);
                painter.drawText(textRect, static_cast<int>(TextAlignment(code)) | (wordWrap ? Qt::TextWordWrap : 0),
                                 cell.text);
                painter.restore();
            }
            if (hasFocus() && r == currentRow && c == currentCol) {
                QPen focus(ink);
                focus.setStyle(Qt::DotLine);
                painter.setPen(focus);
                painter.drawRect(cellRect.adjusted(1, 1, -2, -2));
            }
            x += width;
        }
        y += height;
    }
}

void Grid::mousePressEvent(QMouseEvent *event)
{
    pressedOnCell = false;
    int row = 0;
    int col = 0;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), row, col)) {
        currentRow = row;
        currentCol = col;
        pressedOnCell = true;
        Changed();
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void Grid::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint() + viewport()->pos();
    const bool click = pressedOnCell && event->button() == Qt::LeftButton;
    pressedOnCell = false;
    // A handler may close the window and so destroy the grid.
    QPointer<Grid> alive(this);
    emit MouseUp(MouseButtonCode(event->button()), ShiftCode(event->modifiers()),
                 static_cast<float>(Twips::FromPixelsX(point.x())), static_cast<float>(Twips::FromPixelsY(point.y())));
    if (alive && click)
        emit Click();
}

// --- Loaded elements ------------------------------------------------------

void CopyControlProperties(const Grid &from, Grid &to)
{
    CopyControlProperties(static_cast<const QWidget &>(from), static_cast<QWidget &>(to));
    to.rows = from.rows;
    to.cols = from.cols;
    to.fixedRows = from.fixedRows;
    to.fixedCols = from.fixedCols;
    to.cells.assign(from.cells.size(), Grid::Cell{});
    to.rowHeights = from.rowHeights;
    to.columns = from.columns;
    to.backColor = from.backColor;
    to.wordWrap = from.wordWrap;
    to.redraw = from.redraw;
    to.currentRow = std::min(from.fixedRows, from.rows - 1);
    to.currentCol = std::min(from.fixedCols, from.cols - 1);
    to.topRow = to.fixedRows;
    to.leftCol = to.fixedCols;
    to.UpdateScrollBars();
    to.Changed();
}
