#include "printing/GridPages.h"

#include "platform/values/Rounding.h"

namespace {
// Where a page's first ordinary row begins: under the header and the heading
// rows, added one at a time as they are printed.
float BodyTop(const GridPageMeasures &m, float top)
{
    float y = top + m.headerStep;
    for (int F = 0; F < m.fixedRows; ++F)
        y += m.rowSteps[static_cast<size_t>(F)];
    return y;
}
} // namespace

GridPages LayOutGridPages(const GridPageMeasures &m)
{
    const int rows = static_cast<int>(m.rowSteps.size());
    GridPages laid;
    float top = m.startY;
    const float firstStep = m.fixedRows < rows ? m.rowSteps[static_cast<size_t>(m.fixedRows)] : 0;
    if (top > 0 && BodyTop(m, top) + firstStep > m.foot) {
        laid.newPageFirst = true;
        top = 0;
    }
    laid.pages.push_back(GridPage{top, {}});
    float y = BodyTop(m, top);
    for (int R = m.fixedRows; R < rows; ++R) {
        const float step = m.rowSteps[static_cast<size_t>(R)];
        if (!laid.pages.back().rows.empty() && y + step > m.foot) {
            laid.pages.push_back(GridPage{0, {}});
            y = BodyTop(m, 0);
        }
        laid.pages.back().rows.emplace_back(R, y);
        y += step;
    }
    return laid;
}

std::vector<int> ScaledColumnWidths(const std::vector<int> &widths, float ratio)
{
    std::vector<int> scaled;
    for (const int width : widths)
        scaled.push_back(static_cast<int>(RoundHalfEven(width / ratio)));
    return scaled;
}
