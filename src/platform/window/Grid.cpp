#include "platform/window/Grid.h"

#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/window/ControlArray.h"

#include <QBrush>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <stdexcept>

namespace {
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

} // namespace

Grid::Grid(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    SetModel(nullptr);
}

// --- The model ------------------------------------------------------------

void Grid::SetModel(GridModel *shown)
{
    disconnect(modelShape);
    disconnect(modelData);
    disconnect(modelGone);
    disconnect(modelEditable);
    model = shown ? shown : &own;
    model->SetFont(font());
    setEnabled(model->Editable());
    modelEditable = connect(model, &GridModel::EditableChanged, this, [this](bool on) { setEnabled(on); });
    modelShape = connect(model, &GridModel::ShapeChanged, this, [this] { ShapeChanged(); });
    modelData = connect(model, &QAbstractItemModel::dataChanged, this, [this] { Changed(); });
    if (model != &own)
        modelGone = connect(model, &QObject::destroyed, this, [this] { SetModel(nullptr); });
    ShapeChanged();
}

void Grid::ShapeChanged()
{
    currentRow = std::min(currentRow, model->Rows() - 1);
    currentCol = std::min(currentCol, model->Cols() - 1);
    UpdateScrollBars();
    Changed();
}

void Grid::SetFixedRows(int count)
{
    model->SetFixedRows(count);
    // Shown again from the first row below the headings, so that no row
    // stays scrolled out of sight after the headings change.
    topRow = count;
    UpdateScrollBars();
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
    const int rows = Rows();
    const int cols = Cols();
    int fullHeight = 0;
    for (int r = 0; r < rows; ++r)
        fullHeight += RowPixels(r);
    const QRect area = contentsRect();
    const int bar = fullHeight > area.height() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
    return Twips::FromPixelsX(area.width() - bar - cols);
}

// --- Cells ----------------------------------------------------------------

void Grid::SetRow(int row)
{
    if (row < 0 || row >= Rows())
        throw std::out_of_range("Invalid row value");
    currentRow = row;
    Changed();
}

void Grid::SetCol(int col)
{
    if (col < 0 || col >= Cols())
        throw std::out_of_range("Invalid column value");
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

long Grid::CellBackColor() const { return model->CellBackColor(currentRow, currentCol); }

void Grid::SetCellBackColor(long colour) { model->SetCellBackColor(currentRow, currentCol, colour); }

bool Grid::CellFontBold() const { return model->CellFontBold(currentRow, currentCol); }

void Grid::SetCellFontBold(bool on) { model->SetCellFontBold(currentRow, currentCol, on); }

bool Grid::CellFontItalic() const { return model->CellFontItalic(currentRow, currentCol); }

void Grid::SetCellFontItalic(bool on) { model->SetCellFontItalic(currentRow, currentCol, on); }

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

void Grid::Changed() { viewport()->update(); }

// --- Scrolling ------------------------------------------------------------

void Grid::SetLeftCol(int col)
{
    if (col < FixedCols() || col >= Cols())
        throw std::out_of_range("Invalid column value");
    leftCol = col;
    UpdateScrollBars();
    Changed();
}

void Grid::UpdateScrollBars()
{
    const int rows = Rows();
    const int cols = Cols();
    const int fixedRows = FixedRows();
    const int fixedCols = FixedCols();
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
    topRow = FixedRows() + verticalScrollBar()->value();
    leftCol = FixedCols() + horizontalScrollBar()->value();
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
    if (event->type() == QEvent::FontChange)
        model->SetFont(font());
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
    const int rows = Rows();
    const int cols = Cols();
    const int fixedRows = FixedRows();
    const int fixedCols = FixedCols();
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
    const int rows = Rows();
    const int cols = Cols();
    const int fixedRows = FixedRows();
    const int fixedCols = FixedCols();
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
            const QModelIndex cell = model->index(r, c);
            const QString text = cell.data().toString();
            const QVariant cellColour = cell.data(Qt::BackgroundRole);
            const bool fixed = r < fixedRows || c < fixedCols;
            QColor background = fixed ? heading : BgrToQColor(backColor);
            if (!fixed && cellColour.isValid())
                background = cellColour.value<QBrush>().color();
            painter.fillRect(cellRect, background);
            painter.setPen(fixed ? headingLine : line);
            painter.drawLine(cellRect.topRight(), cellRect.bottomRight());
            painter.drawLine(cellRect.bottomLeft(), cellRect.bottomRight());
            if (!text.isEmpty()) {
                painter.setFont(cell.data(Qt::FontRole).value<QFont>());
                painter.setPen(ink);
                const QRect textRect = cellRect.adjusted(TextMargin, 0, -TextMargin - 1, -1);
                const int alignment = cell.data(Qt::TextAlignmentRole).toInt();
                painter.save();
                painter.setClipRect(textRect);
                painter.drawText(textRect, alignment | (wordWrap ? Qt::TextWordWrap : 0), text);
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
    to.SetModel(nullptr);
    CopyControlProperties(static_cast<const QWidget &>(from), static_cast<QWidget &>(to));
    to.own.CopyShape(*from.model);
    to.backColor = from.backColor;
    to.wordWrap = from.wordWrap;
    to.currentRow = std::min(from.FixedRows(), from.Rows() - 1);
    to.currentCol = std::min(from.FixedCols(), from.Cols() - 1);
    to.topRow = to.FixedRows();
    to.leftCol = to.FixedCols();
    to.UpdateScrollBars();
    to.Changed();
}
