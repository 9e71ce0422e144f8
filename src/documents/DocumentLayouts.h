#pragma once

#include <QString>

#include <vector>

// A heading written into a grid when a document is laid out; an empty text
// empties the cell.
struct HeadingCell {
    int row;
    int col;
    QString text;
};

// One grid of a navigation document: its shape, the alignment code of all
// its columns (ordinary and heading cells alike) and its headings.
struct GridLayout {
    int cols;
    int rows;
    int fixedRows;
    int alignment;
    std::vector<HeadingCell> headings;
};

// Document types.
namespace DocumentTypes {
constexpr long PassagePlanning = 1;
constexpr long PassageLog = 2;
constexpr long NavigationSheet = 4;
} // namespace DocumentTypes

// The grids of a document in index order; none for an unknown type.
const std::vector<GridLayout> &DocumentLayout(long Sflag);
