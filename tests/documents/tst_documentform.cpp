#include "ProgramState.h"

#include "documents/DocumentForm.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "platform/window/Grid.h"
#include "platform/window/InputBox.h"
#include "printing/CopyForm.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {
struct Place {
    int left;
    int top;
    int width;
    int height;
};

QList<Place> Places(const DocumentForm &form)
{
    QList<Place> places;
    for (int i = 0; i <= form.Dgrid.UBound(); ++i) {
        const Grid &g = *form.Dgrid[i];
        places << Place{ControlLeft(g), ControlTop(g), ControlWidth(g), ControlHeight(g)};
    }
    return places;
}

QList<int> Widths(const Grid &grid)
{
    QList<int> widths;
    for (int c = 0; c < grid.Cols(); ++c)
        widths << grid.ColWidth(c);
    return widths;
}

// The point of a grid's cell, in pixels of the grid's viewport.
QPoint CellCentre(const Grid &grid, int row, int col)
{
    int x = 0;
    for (int c = 0; c < col; ++c)
        x += Twips::ToPixelsX(grid.ColWidth(c));
    int y = 0;
    for (int r = 0; r < row; ++r)
        y += Twips::ToPixelsY(grid.RowHeight(r));
    return QPoint(x + Twips::ToPixelsX(grid.ColWidth(col)) / 2, y + Twips::ToPixelsY(grid.RowHeight(row)) / 2);
}
} // namespace

Q_DECLARE_METATYPE(QList<Place>)

class TestDocumentForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        Twips::SetScreenSize(19200, 14400);
        boxes.clear();
        answer.clear();
        SetInputBoxHandler([this](const InputBoxCall &call) {
            boxes << call;
            return answer;
        });
        printed.clear();
    }
    void cleanup() { ResetProgramState(); }

    void opensWithPassagePlanningChecked()
    {
        DocumentForm &form = Open();
        QCOMPARE(form.windowTitle(), QString("Documents"));
        QCOMPARE(form.Doc.Type(), 1L);
        QCOMPARE(form.FileMenu->title(), QString("&File"));
        QCOMPARE(form.Fmenu[0]->text(), QString("&Print"));
        QCOMPARE(form.Fmenu[1]->text(), QString("&Quit"));
        QCOMPARE(form.DocumentMenu->title(), QString("&Document"));
        QCOMPARE(form.Dmenu[0]->text(), QString("&Passage Planning"));
        QCOMPARE(form.Dmenu[1]->text(), QString("Passage &Log"));
        QCOMPARE(form.Dmenu[2]->text(), QString("&Navigation"));
        QVERIFY(form.Dmenu[0]->isChecked());
        QVERIFY(!form.Dmenu[1]->isChecked());
        QVERIFY(!form.Dmenu[2]->isChecked());
        // Fixed size: 9750 twips outside, grid 0 with 120 twips either side.
        QCOMPARE(form.ScaleWidth() + 120, 9750);
        QCOMPARE(ControlWidth(*form.Dgrid[0]), 9390);
        QCOMPARE(form.minimumSize(), form.maximumSize());
    }

    // Grid places and window heights from the design of grid 0 (top 120,
    // height 1335, 9390 wide in the window) and 120 twips between grids.
    void gridPlaces_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QList<Place>>("places");
        QTest::addColumn<int>("outerHeight");
        QTest::addRow("passage-planning")
            << 0
            << QList<Place>{{120, 120, 9390, 1335}, {120, 1575, 9390, 1335}, {120, 3030, 9390, 1335},
                            {120, 4485, 9390, 1335}, {120, 5940, 9390, 1335}}
            << 8115;
        QTest::addRow("passage-log") << 1
                                     << QList<Place>{{120, 120, 9390, 1335}, {120, 1575, 9390, 1335},
                                                     {120, 3030, 9390, 1335}}
                                     << 5205;
        // Grids 2 and 4 in the left half, grid 3 beside them two grids high.
        QTest::addRow("navigation-sheet")
            << 2
            << QList<Place>{{120, 120, 9390, 1335}, {120, 1575, 9390, 1335}, {120, 3030, 4575, 1335},
                            {4935, 3030, 4575, 2910}, {120, 4485, 4575, 1335}}
            << 6660;
    }
    void gridPlaces()
    {
        QFETCH(int, item);
        QFETCH(QList<Place>, places);
        QFETCH(int, outerHeight);
        DocumentForm &form = Open();
        form.Dmenu[item]->trigger();
        const QList<Place> actual = Places(form);
        QCOMPARE(actual.size(), places.size());
        for (int i = 0; i < places.size(); ++i) {
            QCOMPARE(actual[i].left, places[i].left);
            QCOMPARE(actual[i].top, places[i].top);
            QCOMPARE(actual[i].width, places[i].width);
            QCOMPARE(actual[i].height, places[i].height);
            QVERIFY(form.Dgrid[i]->isVisibleTo(&form));
            // Every grid shows its first ordinary row under its headings.
            QCOMPARE(form.Dgrid[i]->verticalScrollBar()->value(), 0);
        }
        QCOMPARE(form.OuterHeight(), outerHeight);
        // Centred on the 19200 x 14400 screen with its new height.
        QCOMPARE(form.TopTwips(), Twips::FromPixelsY(Twips::ToPixelsY((14400 - form.HeightTwips()) / 2.0)));
    }

    // Shapes and column widths: the width beside the upright scroll bar
    // over the columns, rounded half to even. A grid 9390 twips wide is 624
    // pixels inside its frame; a grid whose rows need the 14-pixel scroll
    // bar leaves it out, and each column gives up a pixel for its rounding:
    // 624 - 14 - 11 = 599 pixels, 8985 twips, 816.8 a column. The log's
    // notes grid in ninths (1013.3 and 8106.7); the navigation sheet's
    // halved grids are 4575 twips, 303 pixels inside.
    void gridShapes_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("fixedRows");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QList<int>>("widths");
        QTest::addRow("planning-0") << 0 << 0 << 15 << 2 << 7 << QList<int>(11, 817);
        QTest::addRow("planning-1") << 0 << 1 << 15 << 1 << 4 << QList<int>(9, 1002);
        // 2272.5 to the even neighbour.
        QTest::addRow("planning-2") << 0 << 2 << 15 << 1 << 4 << QList<int>(4, 2272);
        QTest::addRow("planning-3") << 0 << 3 << 10 << 2 << 4 << QList<int>(5, 1815);
        QTest::addRow("planning-4") << 0 << 4 << 10 << 1 << 4 << QList<int>(4, 2272);
        QTest::addRow("log-0") << 1 << 0 << 25 << 1 << 1 << QList<int>(10, 900);
        QTest::addRow("log-1-ninths") << 1 << 1 << 25 << 1 << 1 << QList<int>{1013, 8107};
        // Three rows need no scroll bar: 624 - 8 pixels.
        QTest::addRow("log-2") << 1 << 2 << 3 << 1 << 7 << QList<int>(8, 1155);
        QTest::addRow("sheet-0") << 2 << 0 << 4 << 1 << 4 << QList<int>(4, 2325);
        QTest::addRow("sheet-1") << 2 << 1 << 5 << 1 << 4 << QList<int>(4, 2325);
        QTest::addRow("sheet-2") << 2 << 2 << 6 << 1 << 4 << QList<int>(3, 1430);
        QTest::addRow("sheet-3") << 2 << 3 << 14 << 1 << 4 << QList<int>(2, 2152);
        QTest::addRow("sheet-4") << 2 << 4 << 20 << 1 << 4 << QList<int>(2, 2152);
    }
    void gridShapes()
    {
        QFETCH(int, item);
        QFETCH(int, grid);
        QFETCH(int, rows);
        QFETCH(int, fixedRows);
        QFETCH(int, alignment);
        QFETCH(QList<int>, widths);
        DocumentForm &form = Open();
        form.Dmenu[item]->trigger();
        const Grid &g = *form.Dgrid[grid];
        QCOMPARE(g.Cols(), static_cast<int>(widths.size()));
        QCOMPARE(g.Rows(), rows);
        QCOMPARE(g.FixedRows(), fixedRows);
        QCOMPARE(g.FixedCols(), 0);
        QCOMPARE(Widths(g), widths);
        for (int c = 0; c < g.Cols(); ++c) {
            QCOMPARE(g.ColAlignment(c), alignment);
            QCOMPARE(g.FixedAlignment(c), alignment);
        }
    }

    // Every heading of the three documents, word for word; "" an emptied
    // cell. Each row gives texts along a row from column 0, or down a column
    // from a row.
    void headings_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("grid");
        QTest::addColumn<bool>("alongRow");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QStringList>("texts");
        QTest::addRow("planning-0-row-0") << 0 << 0 << true << 0 << 0
                                          << QStringList{"ETD", "Time", "", "AM", "", "AM", "", "PM", "", "PM", ""};
        QTest::addRow("planning-0-row-1") << 0 << 0 << true << 1 << 0
                                          << QStringList{"ETA", "UTC", "Action", "HW", "Height", "LW", "Height",
                                                         "HW", "Height", "LW", "Height"};
        QTest::addRow("planning-1") << 0 << 1 << true << 0 << 0
                                    << QStringList{"Waypoint", "Lat", "Long", "Waypoint", "Lat", "Long", "Waypoint",
                                                   "Lat", "Long"};
        QTest::addRow("planning-2") << 0 << 2 << true << 0 << 0 << QStringList{"Time", "Area", "Wind", "Weather"};
        QTest::addRow("planning-3-row-0") << 0 << 3 << true << 0 << 0
                                          << QStringList{"Forecast", "VHF", "Local", "Area", ""};
        QTest::addRow("planning-3-row-1") << 0 << 3 << true << 1 << 0
                                          << QStringList{"Centre", "Channels", "Time", "Time", "MMSI"};
        QTest::addRow("planning-4") << 0 << 4 << true << 0 << 0 << QStringList{"Date", "Skipper", "Crew", "Charts"};
        QTest::addRow("log-0") << 1 << 0 << true << 0 << 0
                               << QStringList{"Time", "Engine", "Log", "Depth", "Baro", "Wind", "Weather", "Lat",
                                              "Long", "Course"};
        QTest::addRow("log-1") << 1 << 1 << true << 0 << 0 << QStringList{"Time", "Notes"};
        QTest::addRow("log-2") << 1 << 2 << true << 0 << 0
                               << QStringList{"Total", "Sailing Hours", "Distance", "Engine Hours", "Distance", "Speed",
                                              "Fuel", "Water"};
        QTest::addRow("log-2-column-0") << 1 << 2 << false << 1 << 0 << QStringList{"Today", "Cumulative"};
        QTest::addRow("sheet-0") << 2 << 0 << true << 0 << 0
                                 << QStringList{"ETD UTC", "Wind Direction", "Leeway", "Tidal Diamond"};
        QTest::addRow("sheet-1") << 2 << 1 << true << 0 << 0 << QStringList{"Tide", "State", "Time UTC", "Height"};
        QTest::addRow("sheet-1-column-0") << 2 << 1 << false << 1 << 0 << QStringList{"Previous", "", "Next", ""};
        QTest::addRow("sheet-1-column-1") << 2 << 1 << false << 1 << 1 << QStringList{"LW", "HW", "LW", "HW"};
        QTest::addRow("sheet-2") << 2 << 2 << true << 0 << 0 << QStringList{"", "", "Degrees"};
        QTest::addRow("sheet-2-column-0") << 2 << 2 << false << 1 << 0 << QStringList{"C", "A", "D", "E", "T"};
        QTest::addRow("sheet-2-column-1") << 2 << 2 << false << 1 << 1 << QStringList{"C", "D", "M", "V", "T"};
        QTest::addRow("sheet-3") << 2 << 3 << true << 0 << 0 << QStringList{"Time UTC", "Tide"};
        QTest::addRow("sheet-3-column-1") << 2 << 3 << false << 1 << 1
                                          << QStringList{"-6", "-5", "-4", "-3", "-2", "-1", "HW", "+1", "+2", "+3",
                                                         "+4", "+5", "+6"};
        QTest::addRow("sheet-4") << 2 << 4 << true << 0 << 0 << QStringList{"Method", "Result"};
    }
    void headings()
    {
        QFETCH(int, item);
        QFETCH(int, grid);
        QFETCH(bool, alongRow);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QStringList, texts);
        DocumentForm &form = Open();
        // From another document first, so that nothing is left over.
        form.Dmenu[(item + 1) % 3]->trigger();
        FillEveryCell(form);
        form.Dmenu[item]->trigger();
        const Grid &g = *form.Dgrid[grid];
        QStringList actual;
        for (int i = 0; i < texts.size(); ++i)
            actual << (alongRow ? g.TextMatrix(row, col + i) : g.TextMatrix(row + i, col));
        QCOMPARE(actual, texts);
    }

    // Cells that no heading names are empty in every grid of every document,
    // whatever the document before held.
    void otherCellsBlank_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("item");
        for (int before = 0; before < 3; ++before)
            for (int item = 0; item < 3; ++item)
                QTest::addRow("%d-then-%d", before, item) << before << item;
    }
    void otherCellsBlank()
    {
        QFETCH(int, before);
        QFETCH(int, item);
        // The document laid out on a window that never held anything.
        QList<QStringList> expected;
        {
            DocumentForm &blank = Open();
            blank.Dmenu[item]->trigger();
            expected = Texts(blank);
            Forms::DestroyAll();
        }
        DocumentForm &form = Open();
        form.Dmenu[before]->trigger();
        FillEveryCell(form);
        form.Dmenu[item]->trigger();
        QCOMPARE(Texts(form), expected);
        for (const QStringList &grid : expected)
            QVERIFY(!grid.contains(QStringLiteral("entry")));
    }

    void choosingADocumentMovesTheCheckMark()
    {
        DocumentForm &form = Open();
        form.Dmenu[1]->trigger();
        QVERIFY(!form.Dmenu[0]->isChecked());
        QVERIFY(form.Dmenu[1]->isChecked());
        QVERIFY(!form.Dmenu[2]->isChecked());
        QCOMPARE(form.Doc.Type(), 2L);
        // The item already checked keeps its mark when chosen again.
        form.Dmenu[1]->trigger();
        QVERIFY(form.Dmenu[1]->isChecked());
        form.Dmenu[2]->trigger();
        QCOMPARE(form.Doc.Type(), 4L);
        QVERIFY(form.Dmenu[2]->isChecked());
        QVERIFY(!form.Dmenu[1]->isChecked());
    }

    // Rows 2 to 24 of the log filled, then the planning sheet: its first
    // grid has its two heading rows and 13 empty rows.
    void logEntriesGoneAfterPlanningSheet()
    {
        DocumentForm &form = Open();
        form.Dmenu[1]->trigger();
        Grid &log = *form.Dgrid[0];
        for (int r = 2; r < 25; ++r)
            for (int c = 0; c < 10; ++c)
                log.SetTextMatrix(r, c, QStringLiteral("x"));
        form.Dmenu[0]->trigger();
        Grid &first = *form.Dgrid[0];
        QCOMPARE(&first, &log);
        QCOMPARE(first.Rows(), 15);
        QCOMPARE(first.TextMatrix(1, 0), QString("ETA"));
        for (int r = 2; r < 15; ++r)
            for (int c = 0; c < 11; ++c)
                QVERIFY2(first.TextMatrix(r, c).isEmpty(), qPrintable(QString("%1,%2").arg(r).arg(c)));
    }

    void sameDocumentAgainIsBlank()
    {
        DocumentForm &form = Open();
        form.Dmenu[2]->trigger();
        form.Dgrid[3]->SetTextMatrix(1, 0, QStringLiteral("0600"));
        form.Dgrid[0]->SetTextMatrix(2, 1, QStringLiteral("SW 4"));
        form.Dmenu[2]->trigger();
        QVERIFY(form.Dgrid[3]->TextMatrix(1, 0).isEmpty());
        QVERIFY(form.Dgrid[0]->TextMatrix(2, 1).isEmpty());
        QCOMPARE(form.Dgrid[3]->TextMatrix(1, 1), QString("-6"));
    }

    // After the navigation sheet's narrowed and moved grids, every grid of
    // the next document but grid 0 is new and at full width.
    void afterNavigationSheetGridsAreFullWidth()
    {
        DocumentForm &form = Open();
        form.Dmenu[2]->trigger();
        form.Dmenu[0]->trigger();
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(ControlLeft(*form.Dgrid[i]), 120);
            QCOMPARE(ControlWidth(*form.Dgrid[i]), 9390);
            QCOMPARE(ControlHeight(*form.Dgrid[i]), 1335);
        }
        QCOMPARE(ControlTop(*form.Dgrid[4]), 5940);
    }

    // A type the program never passes: grid 0 alone, as it was.
    void unknownTypeKeepsGridZero()
    {
        DocumentForm &form = Open();
        form.Dgrid[0]->SetTextMatrix(5, 2, QStringLiteral("kept"));
        form.BuildScreen(3);
        QCOMPARE(form.Doc.Type(), 3L);
        QCOMPARE(form.Dgrid.UBound(), 0);
        QCOMPARE(form.Dgrid[0]->Rows(), 15);
        QCOMPARE(form.Dgrid[0]->TextMatrix(5, 2), QString("kept"));
        QCOMPARE(form.OuterHeight(), 120 + 1335 + 840);
    }

    // The input box: prompt, the column's row-0 heading as title, the
    // cell's text offered; what comes back.
    void editGrid_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::addRow("log-time") << 1 << 0 << 3 << 0 << "Time"
                                  << "" << "0830" << "0830";
        // The upper of two heading rows titles the box.
        QTest::addRow("planning-upper-heading") << 0 << 0 << 4 << 3 << "AM"
                                                << "" << "0412" << "0412";
        QTest::addRow("planning-empty-heading") << 0 << 0 << 4 << 2 << ""
                                                << "" << "Depart" << "Depart";
        QTest::addRow("sheet-tide-column") << 2 << 3 << 4 << 1 << "Tide"
                                           << "-3" << "-3" << "-3";
        QTest::addRow("sheet-time-column") << 2 << 3 << 4 << 0 << "Time UTC"
                                           << "" << "1015" << "1015";
        // A label in an ordinary row can be overwritten.
        QTest::addRow("log-label-overwritten") << 1 << 2 << 1 << 0 << "Total"
                                               << "Today" << "Day 1" << "Day 1";
        QTest::addRow("single-blank-replaces") << 1 << 2 << 2 << 0 << "Total"
                                               << "Cumulative" << " " << " ";
        // Cancelling, or an empty answer, leaves the cell alone.
        QTest::addRow("empty-answer-keeps") << 2 << 1 << 1 << 1 << "State"
                                            << "LW" << "" << "LW";
    }
    void editGrid()
    {
        QFETCH(int, item);
        QFETCH(int, grid);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, title);
        QFETCH(QString, offered);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        DocumentForm &form = Open();
        form.Dmenu[item]->trigger();
        Grid &g = *form.Dgrid[grid];
        g.SetRow(row);
        g.SetCol(col);
        answer = typed;
        form.EditGrid(grid);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].prompt, QString("Enter New Value"));
        QCOMPARE(boxes[0].title, title);
        QCOMPARE(boxes[0].defaultText, offered);
        QCOMPARE(g.TextMatrix(row, col), result);
    }

    // A click on a cell of a grid other than grid 0 opens the box for that
    // grid's cell.
    void clickOnCellEdits()
    {
        DocumentForm &form = Open();
        form.Dmenu[2]->trigger();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Grid &g = *form.Dgrid[3];
        answer = QStringLiteral("1142");
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, CellCentre(g, 2, 0));
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("Time UTC"));
        QCOMPARE(g.TextMatrix(2, 0), QString("1142"));
        QVERIFY(form.Dgrid[4]->TextMatrix(2, 0).isEmpty());
        // Typing into the grid edits nothing.
        g.setFocus();
        QTest::keyClicks(&g, "99");
        QCOMPARE(g.TextMatrix(2, 0), QString("1142"));
        QCOMPARE(boxes.size(), 1);
    }

    void printMe_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<long>("mode");
        QTest::addRow("passage-planning") << 0 << 2L;
        QTest::addRow("passage-log") << 1 << 3L;
        QTest::addRow("navigation-sheet") << 2 << 4L;
    }
    void printMe()
    {
        QFETCH(int, item);
        QFETCH(long, mode);
        DocumentForm &form = Open();
        form.Dmenu[item]->trigger();
        form.Dgrid[0]->SetTextMatrix(3, 1, QStringLiteral("kept"));
        CloseThePrintDialog(form);
        form.Fmenu[0]->trigger();
        QCOMPARE(printed, QList<long>{mode});
        QCOMPARE(form.Dgrid[0]->TextMatrix(3, 1), QString("kept"));
    }

    void printMeWithUnknownTypeOpensNothing()
    {
        DocumentForm &form = Open();
        form.BuildScreen(3);
        CloseThePrintDialog(form);
        form.PrintMe();
        QCoreApplication::processEvents();
        QVERIFY(printed.isEmpty());
    }

    void quitAndReopenIsBlankPlanningSheet()
    {
        DocumentForm &form = Open();
        form.Dmenu[1]->trigger();
        form.Dgrid[1]->SetTextMatrix(4, 1, QStringLiteral("Reefed"));
        form.Fmenu[1]->trigger();
        QVERIFY(!form.IsLoaded());
        form.Load();
        QCOMPARE(form.Doc.Type(), 1L);
        QVERIFY(form.Dmenu[0]->isChecked());
        QVERIFY(!form.Dmenu[1]->isChecked());
        QCOMPARE(form.Dgrid.UBound(), 4);
        QCOMPARE(form.Dgrid[1]->TextMatrix(0, 0), QString("Waypoint"));
        QVERIFY(form.Dgrid[1]->TextMatrix(4, 1).isEmpty());
    }

private:
    DocumentForm &Open()
    {
        DocumentForm &form = FormInstance<DocumentForm>();
        form.Load();
        return form;
    }

    static void FillEveryCell(DocumentForm &form)
    {
        for (int i = 0; i <= form.Dgrid.UBound(); ++i) {
            Grid &g = *form.Dgrid[i];
            for (int r = 0; r < g.Rows(); ++r)
                for (int c = 0; c < g.Cols(); ++c)
                    g.SetTextMatrix(r, c, QStringLiteral("entry"));
        }
    }

    static QList<QStringList> Texts(const DocumentForm &form)
    {
        QList<QStringList> texts;
        for (int i = 0; i <= form.Dgrid.UBound(); ++i) {
            const Grid &g = *form.Dgrid[i];
            QStringList cells;
            for (int r = 0; r < g.Rows(); ++r)
                for (int c = 0; c < g.Cols(); ++c)
                    cells << g.TextMatrix(r, c);
            texts << cells;
        }
        return texts;
    }

    QList<InputBoxCall> boxes;
    QString answer;
    // The documents the print dialog was opened for, each closed at once.
    QList<long> printed;
    void CloseThePrintDialog(DocumentForm &form)
    {
        QTimer::singleShot(0, &form, [this] {
            CopyForm &copy = FormInstance<CopyForm>();
            if (!copy.isVisible())
                return;
            printed << copy.PrintMode;
            copy.hide();
        });
    }
};

QTEST_MAIN(TestDocumentForm)
#include "tst_documentform.moc"
