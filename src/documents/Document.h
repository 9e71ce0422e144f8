#pragma once

#include "platform/window/GridModel.h"

#include <memory>
#include <vector>

// The cells of the navigation document on show, one model per grid, laid
// out from its design. The window shows the models and the print dialog
// prints them; nothing is kept from one document to the next.
class Document
{
public:
    // The document last laid out (1 passage planning, 2 passage log, 4
    // navigation sheet), 0 before the first.
    long Type() const { return type; }

    // Lays the document Sflag out afresh: its grids' shapes, alignments and
    // headings, every other cell empty. An unknown type keeps only the first
    // grid, as it is.
    void LayOut(long Sflag);
    // Shares a grid's width in twips among its columns as the document is
    // designed: equally, but for the passage log's notes, whose text column
    // takes eight ninths.
    void FitColumns(int index, int width);

    int GridCount() const { return static_cast<int>(grids.size()); }
    GridModel &Model(int index) { return *grids.at(static_cast<size_t>(index)); }
    const GridModel &Model(int index) const { return *grids.at(static_cast<size_t>(index)); }
    // The grids in print order.
    std::vector<GridModel *> Models();

private:
    long type = 0;
    std::vector<std::unique_ptr<GridModel>> grids;
};
