#include "documents/DocumentLayouts.h"

#include "platform/window/Grid.h"

#include <QStringList>

namespace {
// Texts along a row from column 0.
void AlongRow(std::vector<HeadingCell> &cells, int row, const QStringList &texts)
{
    for (int c = 0; c < texts.size(); ++c)
        cells.push_back(HeadingCell{row, c, texts[c]});
}

// Texts down a column from a row.
void DownColumn(std::vector<HeadingCell> &cells, int col, int firstRow, const QStringList &texts)
{
    for (int r = 0; r < texts.size(); ++r)
        cells.push_back(HeadingCell{firstRow + r, col, texts[r]});
}

GridLayout Make(int cols, int rows, int fixedRows, int alignment,
                const std::vector<std::pair<int, QStringList>> &headingRows)
{
    GridLayout layout{cols, rows, fixedRows, alignment, {}};
    for (const auto &[row, texts] : headingRows)
        AlongRow(layout.headings, row, texts);
    return layout;
}

std::vector<GridLayout> PassagePlanning()
{
    using A = Grid;
    return {
        Make(11, 15, 2, A::AlignRight,
             {{0, {"ETD", "Time", "", "AM", "", "AM", "", "PM", "", "PM", ""}},
              {1, {"ETA", "UTC", "Action", "HW", "Height", "LW", "Height", "HW", "Height", "LW", "Height"}}}),
        Make(9, 15, 1, A::AlignCentre, {{0, {"Waypoint", "Lat", "Long", "Waypoint", "Lat", "Long", "Waypoint", "Lat", "Long"}}}),
        Make(4, 15, 1, A::AlignCentre, {{0, {"Time", "Area", "Wind", "Weather"}}}),
        Make(5, 10, 2, A::AlignCentre,
             {{0, {"Forecast", "VHF", "Local", "Area", ""}}, {1, {"Centre", "Channels", "Time", "Time", "MMSI"}}}),
        Make(4, 10, 1, A::AlignCentre, {{0, {"Date", "Skipper", "Crew", "Charts"}}}),
    };
}

std::vector<GridLayout> PassageLog()
{
    std::vector<GridLayout> grids{
        Make(10, 25, 1, Grid::AlignLeft,
             {{0, {"Time", "Engine", "Log", "Depth", "Baro", "Wind", "Weather", "Lat", "Long", "Course"}}}),
        Make(2, 25, 1, Grid::AlignLeft, {{0, {"Time", "Notes"}}}),
        Make(8, 3, 1, Grid::AlignRight,
             {{0, {"Total", "Sailing Hours", "Distance", "Engine Hours", "Distance", "Speed", "Fuel", "Water"}}}),
    };
    DownColumn(grids[2].headings, 0, 1, {"Today", "Cumulative"});
    return grids;
}

std::vector<GridLayout> NavigationSheet()
{
    std::vector<GridLayout> grids{
        Make(4, 4, 1, Grid::AlignCentre, {{0, {"ETD UTC", "Wind Direction", "Leeway", "Tidal Diamond"}}}),
        Make(4, 5, 1, Grid::AlignCentre, {{0, {"Tide", "State", "Time UTC", "Height"}}}),
        Make(3, 6, 1, Grid::AlignCentre, {{0, {"", "", "Degrees"}}}),
        Make(2, 14, 1, Grid::AlignCentre, {{0, {"Time UTC", "Tide"}}}),
        Make(2, 20, 1, Grid::AlignCentre, {{0, {"Method", "Result"}}}),
    };
    DownColumn(grids[1].headings, 0, 1, {"Previous", "", "Next", ""});
    DownColumn(grids[1].headings, 1, 1, {"LW", "HW", "LW", "HW"});
    DownColumn(grids[2].headings, 0, 1, {"C", "A", "D", "E", "T"});
    DownColumn(grids[2].headings, 1, 1, {"C", "D", "M", "V", "T"});
    DownColumn(grids[3].headings, 1, 1,
               {"-6", "-5", "-4", "-3", "-2", "-1", "HW", "+1", "+2", "+3", "+4", "+5", "+6"});
    return grids;
}
} // namespace

const std::vector<GridLayout> &DocumentLayout(long Sflag)
{
    static const std::vector<GridLayout> planning = PassagePlanning();
    static const std::vector<GridLayout> log = PassageLog();
    static const std::vector<GridLayout> sheet = NavigationSheet();
    static const std::vector<GridLayout> none;
    switch (Sflag) {
    case DocumentTypes::PassagePlanning:
        return planning;
    case DocumentTypes::PassageLog:
        return log;
    case DocumentTypes::NavigationSheet:
        return sheet;
    default:
        return none;
    }
}
