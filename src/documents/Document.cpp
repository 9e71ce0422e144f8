#include "documents/Document.h"

#include "documents/DocumentLayouts.h"
#include "platform/values/Rounding.h"

void Document::LayOut(long Sflag)
{
    type = Sflag;
    const std::vector<GridLayout> &layout = DocumentLayout(Sflag);
    // A type the program never passes leaves the first grid as it is.
    if (layout.empty()) {
        grids.resize(std::min<size_t>(grids.size(), 1));
        return;
    }
    grids.clear();
    for (const GridLayout &design : layout) {
        auto model = std::make_unique<GridModel>();
        model->SetCols(design.cols);
        model->SetRows(design.rows);
        model->SetFixedRows(design.fixedRows);
        for (int c = 0; c < design.cols; ++c) {
            model->SetColAlignment(c, design.alignment);
            model->SetFixedAlignment(c, design.alignment);
        }
        for (const HeadingCell &cell : design.headings)
            model->SetTextMatrix(cell.row, cell.col, cell.text);
        grids.push_back(std::move(model));
    }
}

void Document::FitColumns(int index, int width)
{
    GridModel &model = Model(index);
    const int cols = model.Cols();
    const bool ninths = type == DocumentTypes::PassageLog && index == 1;
    const float unit = ninths ? static_cast<float>(width) / 9 : static_cast<float>(width) / static_cast<float>(cols);
    for (int c = 0; c < cols; ++c) {
        const float columnWidth = (ninths && c > 0) ? 8 * unit : unit;
        model.SetColWidth(c, static_cast<int>(RoundHalfEven(columnWidth)));
    }
}

std::vector<GridModel *> Document::Models()
{
    std::vector<GridModel *> models;
    for (const auto &grid : grids)
        models.push_back(grid.get());
    return models;
}
