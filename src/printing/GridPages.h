#pragma once

#include <utility>
#include <vector>

// Where the rows of a grid fall on the pages it prints on, in millimetres.
struct GridPageMeasures {
    float startY = 0;            // where the grid starts on the first page
    float headerStep = 0;        // the page header's height; 0 without a header
    std::vector<float> rowSteps; // every row's height, the heading rows' first
    float foot = 0;              // the lowest a row may reach before a new page
    int fixedRows = 0;
};
struct GridPage {
    float top = 0;                            // where the header, then the heading rows, begin
    std::vector<std::pair<int, float>> rows;  // the ordinary rows on it: row, top
};
struct GridPages {
    // The grid's headings and first row would not fit under startY: it
    // begins on a new page, at its top.
    bool newPageFirst = false;
    std::vector<GridPage> pages;
};
// Lays one copy of a grid out on pages: every page begins with the header and
// the heading rows, and a row that would reach below the foot begins the next
// page, so no row is split and a grid never ends with its headings alone on a
// page. A row taller than a page stands alone on its page.
GridPages LayOutGridPages(const GridPageMeasures &m);

// Column widths in twips narrowed by the ratio of the document's print width
// to the page's, each to the nearest twip (halves to even).
std::vector<int> ScaledColumnWidths(const std::vector<int> &widths, float ratio);
