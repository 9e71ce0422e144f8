#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The seven reference tables of the meteorology window, numbered as the
// window's TableNo: 0 Beaufort scale, 1 warnings, 2 times, 3 visibility,
// 4 pressure and tendency, 5 speed, 6 pressure changes. The texts are
// constants of the program.
constexpr int MeteorologyTableCount = 7;

// The answer texts of a table: data row (from 0) by answer column (from 0).
// Row 11 is never used.
using AnswerTexts = std::array<std::array<QString, 3>, 12>;

// How a table's grid is laid out: rows with the heading row, columns, and
// the heading row's texts from column 0.
struct TableLayout {
    int gridRows;
    int gridCols;
    QStringList headings;
};
TableLayout MeteorologyLayout(int tableNo);

// Data rows of a table (the grid's rows less its heading row).
int DataRowCount(int tableNo);

// Writes the texts of table tableNo into Answers, data row i into row i and
// its k-th answer into column k. The Beaufort scale's force numbers are not
// answers: its answers are description, sea state and knots. Entries the
// table does not use keep what an earlier table left there.
void LoadTableTexts(int tableNo, AnswerTexts &Answers);
