#include "ProgramState.h"

#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/window/ControlArray.h"
#include "platform/window/Controls.h"
#include "platform/window/Grid.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

namespace {
constexpr long Red = 255;
constexpr long Yellow = 65535;

QString CellName(int r, int c)
{
    return QStringLiteral("%1,%2").arg(r).arg(c);
}

void FillNames(Grid &grid)
{
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c)
            grid.SetTextMatrix(r, c, CellName(r, c));
}

// The box around the dark pixels (text, not the light grid lines) of an image.
QRect InkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

class TestGrid : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        window = new QWidget;
        window->resize(800, 600);
        grid = new Grid(window);
    }
    void cleanup()
    {
        delete window;
        ResetProgramState();
    }

    void startsAsTwoByTwoWithOneHeadingRow()
    {
        QCOMPARE(grid->Rows(), 2);
        QCOMPARE(grid->Cols(), 2);
        QCOMPARE(grid->FixedRows(), 1);
        QCOMPARE(grid->FixedCols(), 0);
        QCOMPARE(grid->Row(), 1);
        QCOMPARE(grid->Col(), 0);
        QCOMPARE(grid->LeftCol(), 0);
        QVERIFY(grid->TextMatrix(1, 1).isEmpty());
    }

    // A 4 x 3 grid with every cell named, then reshaped: the cells inside both
    // shapes keep their names; growing back brings nothing dropped back.
    void countsKeepRemainingTexts_data()
    {
        QTest::addColumn<int>("fixedRows");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addRow("fewer-rows") << 1 << 2 << 3;
        QTest::addRow("fewer-columns") << 1 << 4 << 1;
        QTest::addRow("more-of-both") << 1 << 6 << 5;
        // Fixed rows to 0, then one row: only row 0 is left.
        QTest::addRow("one-ordinary-row") << 0 << 1 << 3;
    }
    void countsKeepRemainingTexts()
    {
        QFETCH(int, fixedRows);
        QFETCH(int, rows);
        QFETCH(int, cols);
        grid->SetRows(4);
        grid->SetCols(3);
        FillNames(*grid);
        grid->SetFixedRows(fixedRows);
        grid->SetRows(rows);
        grid->SetCols(cols);
        QCOMPARE(grid->Rows(), rows);
        QCOMPARE(grid->Cols(), cols);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                QCOMPARE(grid->TextMatrix(r, c), (r < 4 && c < 3) ? CellName(r, c) : QString());
        grid->SetRows(6);
        grid->SetCols(5);
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 5; ++c)
                QCOMPARE(grid->TextMatrix(r, c),
                         (r < std::min(rows, 4) && c < std::min(cols, 3)) ? CellName(r, c) : QString());
    }

    // Every bad value throws and leaves the grid as it was.
    void badValuesThrow_data()
    {
        QTest::addColumn<QString>("operation");
        for (const char *op : {"rows-0", "rows-below-fixed", "cols-0", "fixed-rows-above-rows", "fixed-rows-negative",
                               "fixed-cols-above-cols", "text-row-beyond", "text-col-negative", "col-width-negative",
                               "col-width-beyond", "row-height-beyond", "current-row-beyond", "current-col-negative",
                               "left-col-in-heading-column", "left-col-beyond", "alignment-beyond"})
            QTest::addRow("%s", op) << QString(op);
    }
    void badValuesThrow()
    {
        QFETCH(QString, operation);
        grid->SetRows(3);
        grid->SetCols(3);
        grid->SetFixedRows(2);
        grid->SetFixedCols(1);
        FillNames(*grid);
        const std::map<QString, std::function<void()>> operations{
            {"rows-0", [&] { grid->SetRows(0); }},
            {"rows-below-fixed", [&] { grid->SetRows(1); }},
            {"cols-0", [&] { grid->SetCols(0); }},
            {"fixed-rows-above-rows", [&] { grid->SetFixedRows(4); }},
            {"fixed-rows-negative", [&] { grid->SetFixedRows(-1); }},
            {"fixed-cols-above-cols", [&] { grid->SetFixedCols(4); }},
            {"text-row-beyond", [&] { grid->SetTextMatrix(3, 0, "x"); }},
            {"text-col-negative", [&] { grid->TextMatrix(0, -1); }},
            {"col-width-negative", [&] { grid->SetColWidth(0, -1); }},
            {"col-width-beyond", [&] { grid->SetColWidth(3, 100); }},
            {"row-height-beyond", [&] { grid->RowHeight(3); }},
            {"current-row-beyond", [&] { grid->SetRow(3); }},
            {"current-col-negative", [&] { grid->SetCol(-1); }},
            {"left-col-in-heading-column", [&] { grid->SetLeftCol(0); }},
            {"left-col-beyond", [&] { grid->SetLeftCol(3); }},
            {"alignment-beyond", [&] { grid->SetColAlignment(3, Grid::AlignRight); }},
        };
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, operations.at(operation)());
        QCOMPARE(grid->Rows(), 3);
        QCOMPARE(grid->Cols(), 3);
        QCOMPARE(grid->FixedRows(), 2);
        QCOMPARE(grid->FixedCols(), 1);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                QCOMPARE(grid->TextMatrix(r, c), CellName(r, c));
    }

    void sizesAndAlignmentsAreKeptPerColumnAndRow()
    {
        grid->SetRows(3);
        grid->SetCols(3);
        const int line = grid->RowHeight(0);
        QVERIFY(line > 0);
        QCOMPARE(grid->RowHeight(2), line);
        grid->SetRowHeight(2, 1234);
        grid->SetColWidth(1, 0);
        grid->SetColWidth(2, 4567);
        grid->SetColAlignment(1, Grid::AlignRight);
        grid->SetFixedAlignment(1, Grid::AlignCentre);
        QCOMPARE(grid->RowHeight(1), line);
        QCOMPARE(grid->RowHeight(2), 1234);
        QCOMPARE(grid->ColWidth(1), 0);
        QCOMPARE(grid->ColWidth(2), 4567);
        QCOMPARE(grid->ColAlignment(1), Grid::AlignRight);
        QCOMPARE(grid->FixedAlignment(1), Grid::AlignCentre);
        QCOMPARE(grid->ColAlignment(2), Grid::AlignLeft);
        QCOMPARE(grid->FixedAlignment(2), Grid::AlignLeft);
    }

    // A row keeps the height of one line of the font it shows.
    void unsetRowHeightFollowsTheFont()
    {
        QFont small = grid->font();
        small.setPixelSize(10);
        grid->setFont(small);
        const int smallLine = grid->RowHeight(0);
        QFont large = small;
        large.setPixelSize(30);
        grid->setFont(large);
        QVERIFY2(grid->RowHeight(0) >= smallLine + 15 * 15, qPrintable(QString::number(grid->RowHeight(0))));
    }

    void currentCellFollowsShrinkingGrid()
    {
        grid->SetRows(5);
        grid->SetCols(4);
        grid->SetRow(4);
        grid->SetCol(3);
        grid->SetText("last");
        QCOMPARE(grid->TextMatrix(4, 3), QString("last"));
        grid->SetRows(3);
        grid->SetCols(2);
        QCOMPARE(grid->Row(), 2);
        QCOMPARE(grid->Col(), 1);
        grid->SetText("now");
        QCOMPARE(grid->TextMatrix(2, 1), QString("now"));
    }

    void currentCellColourAndFont()
    {
        grid->SetRows(3);
        QFont font = grid->font();
        font.setBold(true);
        font.setItalic(false);
        grid->setFont(font);
        grid->SetRow(2);
        grid->SetCol(1);
        QCOMPARE(grid->CellBackColor(), 0L);
        QVERIFY(grid->CellFontBold());
        QVERIFY(!grid->CellFontItalic());
        grid->SetCellBackColor(Yellow);
        grid->SetCellFontBold(false);
        grid->SetCellFontItalic(true);
        QCOMPARE(grid->CellBackColor(), Yellow);
        QVERIFY(!grid->CellFontBold());
        QVERIFY(grid->CellFontItalic());
        grid->SetRow(1);
        QCOMPARE(grid->CellBackColor(), 0L);
        QVERIFY(grid->CellFontBold());
    }

    // One cell 200 x 40 px holding "WWW": code 1 starts it at the left, 4
    // centres it, 7 ends it at the right; any other code is drawn as 1.
    void alignmentIsDrawn_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<QString>("where");
        QTest::addRow("left") << 1 << false << "left";
        QTest::addRow("centre") << 4 << false << "centre";
        QTest::addRow("right") << 7 << false << "right";
        QTest::addRow("general") << 9 << false << "left";
        QTest::addRow("heading-centre") << 4 << true << "centre";
        QTest::addRow("heading-right") << 7 << true << "right";
    }
    void alignmentIsDrawn()
    {
        QFETCH(int, code);
        QFETCH(bool, heading);
        QFETCH(QString, where);
        grid->SetFixedRows(heading ? 1 : 0);
        grid->SetRows(1);
        grid->SetCols(1);
        grid->SetColWidth(0, 3000);
        grid->SetRowHeight(0, 600);
        PlaceControl(*grid, 0, 0, 4500, 1500);
        grid->SetTextMatrix(0, 0, "WWW");
        // The code of the other kind of cell must not matter.
        grid->SetColAlignment(0, heading ? Grid::AlignRight : code);
        grid->SetFixedAlignment(0, heading ? code : Grid::AlignRight);
        window->show();
        const QImage image = grid->viewport()->grab(QRect(0, 0, 200, 40)).toImage();
        const QRect ink = InkBox(image);
        QVERIFY(!ink.isEmpty());
        if (where == "left")
            QVERIFY2(ink.left() < 10, qPrintable(QString::number(ink.left())));
        else if (where == "right")
            QVERIFY2(ink.right() > 189, qPrintable(QString::number(ink.right())));
        else
            QVERIFY2(std::abs(ink.center().x() - 100) <= 3, qPrintable(QString::number(ink.center().x())));
        QVERIFY(std::abs(ink.center().y() - 20) <= 4);
    }

    // A text wider than its 200 px cell, in a row three lines high: wrapped it
    // takes more than one line, unwrapped exactly one.
    void wordWrapUsesFurtherLines_data()
    {
        QTest::addColumn<bool>("wrap");
        QTest::addRow("wrapped") << true;
        QTest::addRow("one-line") << false;
    }
    void wordWrapUsesFurtherLines()
    {
        QFETCH(bool, wrap);
        grid->SetFixedRows(0);
        grid->SetRows(1);
        grid->SetCols(1);
        grid->SetColWidth(0, 3000);
        const int line = grid->RowHeight(0);
        grid->SetRowHeight(0, 3 * line);
        PlaceControl(*grid, 0, 0, 4500, 3000);
        grid->SetWordWrap(wrap);
        grid->SetTextMatrix(0, 0, "Alpha Bravo Charlie Delta Echo Foxtrot Golf Hotel");
        window->show();
        const QRect ink = InkBox(grid->viewport()->grab(QRect(0, 0, 200, 3 * line / 15)).toImage());
        const int linePixels = line / 15;
        if (wrap)
            QVERIFY2(ink.height() > linePixels, qPrintable(QString::number(ink.height())));
        else
            QVERIFY2(ink.height() < linePixels, qPrintable(QString::number(ink.height())));
    }

    // Ordinary cells show their own colour, or the grid's where they have none.
    void cellColoursAreDrawn()
    {
        grid->SetRows(3);
        grid->SetCols(1);
        grid->SetColWidth(0, 1500);
        for (int r = 0; r < 3; ++r)
            grid->SetRowHeight(r, 450);
        PlaceControl(*grid, 0, 0, 3000, 3000);
        grid->SetBackColor(Yellow);
        grid->SetRow(2);
        grid->SetCellBackColor(Red);
        window->show();
        const QImage image = grid->viewport()->grab().toImage();
        QCOMPARE(RgbToBgr(image.pixel(50, 45)), Yellow);
        QCOMPARE(RgbToBgr(image.pixel(50, 75)), Red);
        QCOMPARE(RgbToBgr(image.pixel(50, 15)), QColorToBgr(grid->palette().color(QPalette::Button)));
    }

    // 3 x 3 cells of 100 x 30 px, heading row 0: a press and release on a cell
    // makes it current and clicks once; outside the cells nothing is current
    // and there is no click, but the release is reported.
    void clickMakesTheCellCurrent_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addRow("ordinary-cell") << QPoint(150, 45) << 1 << 1 << 1;
        QTest::addRow("last-cell") << QPoint(250, 75) << 1 << 2 << 2;
        QTest::addRow("heading-cell") << QPoint(50, 15) << 1 << 0 << 0;
        QTest::addRow("right-of-the-cells") << QPoint(350, 45) << 0 << 1 << 0;
        QTest::addRow("below-the-cells") << QPoint(150, 120) << 0 << 1 << 0;
    }
    void clickMakesTheCellCurrent()
    {
        QFETCH(QPoint, point);
        QFETCH(int, clicks);
        QFETCH(int, row);
        QFETCH(int, col);
        grid->SetRows(3);
        grid->SetCols(3);
        for (int i = 0; i < 3; ++i) {
            grid->SetColWidth(i, 1500);
            grid->SetRowHeight(i, 450);
        }
        PlaceControl(*grid, 0, 0, 6000, 2700);
        window->show();
        QSignalSpy clicked(grid, &Grid::Click);
        QSignalSpy released(grid, &Grid::MouseUp);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, point);
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.first().at(0).toInt(), 1);
        QCOMPARE(released.first().at(1).toInt(), 1);
        QCOMPARE(grid->Row(), row);
        QCOMPARE(grid->Col(), col);
    }

    // Four columns of 100 px in a grid 200 px wide: scrolling reaches column 3
    // at the most; a click then lands in the column shown.
    void leftColumnScrollsSideways_data()
    {
        QTest::addColumn<int>("fixedCols");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("clickedCol");
        QTest::addRow("first") << 0 << 0 << 0 << 0;
        QTest::addRow("second") << 0 << 2 << 2 << 2;
        QTest::addRow("as-far-as-it-goes") << 0 << 3 << 3 << 3;
        QTest::addRow("after-a-heading-column") << 1 << 2 << 2 << 0;
    }
    void leftColumnScrollsSideways()
    {
        QFETCH(int, fixedCols);
        QFETCH(int, asked);
        QFETCH(int, shown);
        QFETCH(int, clickedCol);
        grid->SetRows(2);
        grid->SetCols(4);
        grid->SetFixedCols(fixedCols);
        for (int i = 0; i < 4; ++i)
            grid->SetColWidth(i, 1500);
        PlaceControl(*grid, 0, 0, 3000, 1500);
        window->show();
        QVERIFY(grid->horizontalScrollBar()->isVisible());
        if (asked >= fixedCols)
            grid->SetLeftCol(asked);
        QCOMPARE(grid->LeftCol(), shown);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(50, grid->RowHeight(0) / 15 + 3));
        QCOMPARE(grid->Col(), clickedCol);
        grid->SetLeftCol(fixedCols);
        QCOMPARE(grid->LeftCol(), fixedCols);
    }

    // Rows scrolled up pass under the heading row, which stays in view.
    void headingRowStaysWhenScrolledDown()
    {
        grid->SetRows(10);
        grid->SetCols(1);
        grid->SetColWidth(0, 1500);
        for (int r = 0; r < 10; ++r) {
            grid->SetRowHeight(r, 450);
            grid->SetTextMatrix(r, 0, CellName(r, 0));
        }
        PlaceControl(*grid, 0, 0, 3000, 2250);
        window->show();
        QVERIFY(grid->verticalScrollBar()->isVisible());
        grid->verticalScrollBar()->setValue(4);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(50, 15));
        QCOMPARE(grid->Row(), 0);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(50, 45));
        QCOMPARE(grid->Row(), 5);
    }

    // A further element takes element 0's shape, font and colours, with empty
    // cells, and starts hidden.
    void loadedElementCopiesElementZero()
    {
        ControlArray<Grid> grids;
        grids.SetDesigned(0, grid);
        PlaceControl(*grid, 120, 120, 6000, 1335);
        grid->SetRows(4);
        grid->SetCols(3);
        grid->SetFixedRows(2);
        grid->SetColWidth(2, 777);
        grid->SetRowHeight(3, 555);
        grid->SetColAlignment(1, Grid::AlignRight);
        grid->SetFixedAlignment(1, Grid::AlignCentre);
        grid->SetBackColor(Yellow);
        grid->SetWordWrap(true);
        QFont font = grid->font();
        font.setItalic(true);
        grid->setFont(font);
        FillNames(*grid);
        window->show();

        Grid *copy = grids.Load(1);
        QVERIFY(copy);
        QVERIFY(copy->isHidden());
        QCOMPARE(QRect(ControlLeft(*copy), ControlTop(*copy), ControlWidth(*copy), ControlHeight(*copy)),
                 QRect(120, 120, 6000, 1335));
        QCOMPARE(copy->Rows(), 4);
        QCOMPARE(copy->Cols(), 3);
        QCOMPARE(copy->FixedRows(), 2);
        QCOMPARE(copy->ColWidth(2), 777);
        QCOMPARE(copy->RowHeight(3), 555);
        QCOMPARE(copy->ColAlignment(1), Grid::AlignRight);
        QCOMPARE(copy->FixedAlignment(1), Grid::AlignCentre);
        QCOMPARE(copy->BackColor(), Yellow);
        QVERIFY(copy->WordWrap());
        QVERIFY(copy->font().italic());
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                QVERIFY(copy->TextMatrix(r, c).isEmpty());
        grids.Unload(1);
        QVERIFY(!grids.Exists(1));
        QCOMPARE(grid->TextMatrix(3, 2), CellName(3, 2));
    }

private:
    QWidget *window = nullptr;
    Grid *grid = nullptr;
};

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
