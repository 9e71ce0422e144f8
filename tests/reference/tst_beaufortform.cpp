#include "ProgramState.h"

#include "core/state/Global.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "platform/window/Grid.h"
#include "reference/BeaufortForm.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include <cmath>
#include <set>

namespace {
const QString Hidden = QStringLiteral("?");

// Every cell's text, row by row.
QList<QStringList> GridTexts(const Grid &grid)
{
    QList<QStringList> texts;
    for (int r = 0; r < grid.Rows(); ++r) {
        QStringList row;
        for (int c = 0; c < grid.Cols(); ++c)
            row << grid.TextMatrix(r, c);
        texts << row;
    }
    return texts;
}

// Columns of a data row that show "?".
std::set<int> HiddenCols(const Grid &grid, int row)
{
    std::set<int> hidden;
    for (int c = 0; c < grid.Cols(); ++c)
        if (grid.TextMatrix(row, c) == Hidden)
            hidden.insert(c);
    return hidden;
}
} // namespace

Q_DECLARE_METATYPE(std::set<int>)

class TestBeaufortForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        Twips::SetScreenSize(19200, 14400);
        draw = [](long) { return 0L; };
        SetShuffleRandom([this](long upper) { return draw(upper); });
        boxes.clear();
        SetMsgBoxHandler([this](const MsgBoxCall &call) {
            boxes << call;
            return MsgBoxAnswer::Ok;
        });
    }
    void cleanup() { ResetProgramState(); }

    void captionAndMenus()
    {
        BeaufortForm &form = Open();
        QCOMPARE(form.windowTitle(), QString("Meteorology"));
        QStringList titles;
        for (QAction *item : form.findChild<QMenuBar *>()->actions())
            titles << item->text();
        QCOMPARE(titles, QStringList({"&File", "&Beaufort Scale", "&Terms Used In Forecasts", "&Symbols",
                                      "&Pressure Changes", "&Wind Chill"}));
        QCOMPARE(Texts(form.FileMenu), QStringList({"&Shuffle", "&Cheat", "&Quit"}));
        QCOMPARE(Texts(form.TermMenu),
                 QStringList({"&Warnings", "&Times", "&Visibility", "&Pressure And Tendency", "&Speed"}));
        QVERIFY(form.Fmenu[1]->isCheckable());
        QVERIFY(!form.Fmenu[1]->isChecked());
    }

    // Outer height 6630 less the frame gives an inner area of 7365 x 5940;
    // the grid fills it but for 120 at the left and top, 150 at the right
    // and 120 at the bottom. Table 0 shares the width W beside the upright
    // scroll bar: u = W / 7, columns u, 1.5u, 3.5u and u.
    void openingLayout()
    {
        BeaufortForm &form = Open();
        Grid &grid = *form.Bgrid;
        QCOMPARE(form.ScaleWidth(), 7365);
        QCOMPARE(form.ScaleHeight(), 5940);
        QCOMPARE(QRect(ControlLeft(grid), ControlTop(grid), ControlWidth(grid), ControlHeight(grid)),
                 QRect(120, 120, 7095, 5700));
        QCOMPARE(grid.Rows(), 12);
        QCOMPARE(grid.Cols(), 4);
        QCOMPARE(grid.FixedRows(), 1);
        QCOMPARE(grid.FixedCols(), 0);
        QCOMPARE(ColWidths(grid), Shared(grid, {1, 1.5, 3.5, 1}));
        QCOMPARE(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        const int heading = grid.RowHeight(0);
        for (int r = 1; r < 12; ++r)
            QCOMPARE(grid.RowHeight(r), 5 * heading);
        QCOMPARE(GridTexts(grid).first(), QStringList({"Number", "Description", "Sea State", "Knots"}));
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(grid.ColAlignment(c), Grid::AlignLeft);
            QCOMPARE(grid.FixedAlignment(c), Grid::AlignLeft);
        }
        QVERIFY(grid.WordWrap());
        QVERIFY(grid.font().bold());
        QCOMPARE(grid.BackColor(), QColorToBgr(form.palette().color(QPalette::Button)));
        QCOMPARE(form.TableNo, 0);
        QCOMPARE(form.LastTable, 0);
    }

    // Column widths for other window widths, shares of the width beside the
    // upright scroll bar: the Beaufort scale in sevenths, the others in halves.
    void resizeSetsWidthsKeepsTexts_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("innerWidth");
        QTest::addColumn<QList<double>>("shares");
        const QList<double> sevenths{1, 1.5, 3.5, 1};
        const QList<double> halves{3.5, 3.5};
        QTest::addRow("beaufort-wider") << 0 << 9000 << sevenths;
        QTest::addRow("beaufort-half-down") << 0 << 7395 << sevenths;
        QTest::addRow("beaufort-wide") << 0 << 12795 << sevenths;
        QTest::addRow("beaufort-narrowest") << 0 << 7365 << sevenths;
        QTest::addRow("terms-half-up") << 3 << 7365 << halves;
        QTest::addRow("terms-half-down") << 3 << 7395 << halves;
        QTest::addRow("changes-wider") << 6 << 9000 << halves;
    }
    void resizeSetsWidthsKeepsTexts()
    {
        QFETCH(int, table);
        QFETCH(int, innerWidth);
        QFETCH(QList<double>, shares);
        BeaufortForm &form = Open();
        Choose(form, table);
        Grid &grid = *form.Bgrid;
        const QList<QStringList> before = GridTexts(grid);
        const int heading = grid.RowHeight(0);
        form.resize(Twips::ToPixelsX(innerWidth), form.height() + 20);
        QCOMPARE(ControlWidth(grid), innerWidth - 270);
        QCOMPARE(ControlHeight(grid), form.ScaleHeight() - 240);
        QCOMPARE(ColWidths(grid), Shared(grid, shares));
        QCOMPARE(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(grid.RowHeight(grid.Rows() - 1), 5 * heading);
        QCOMPARE(GridTexts(grid), before);
    }

    // The window cannot be made smaller than it opens (7365 twips inside,
    // 6630 outside): the grid keeps the size it opened with.
    void smallestWindowKeepsGridSize()
    {
        BeaufortForm &form = Open();
        Grid &grid = *form.Bgrid;
        const int height = ControlHeight(grid);
        form.resize(Twips::ToPixelsX(200), form.findChild<QMenuBar *>()->height() + Twips::ToPixelsY(150));
        QCOMPARE(form.ScaleWidth(), 7365);
        QCOMPARE(form.ScaleHeight(), 6630 - Form::FrameHeight);
        QCOMPARE(ControlWidth(grid), 7095);
        QCOMPARE(ControlHeight(grid), height);
        QCOMPARE(ColWidths(grid), Shared(grid, {1, 1.5, 3.5, 1}));
        QCOMPARE(GridTexts(grid).first(), QStringList({"Number", "Description", "Sea State", "Knots"}));
    }

    // Each table through its menu item: its shape and heading row, every
    // answer written, and exactly one "?" per data row where the draw puts it
    // (the same draw four times over for the Beaufort scale).
    void tableLoads_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<long>("drawn");
        QTest::addColumn<int>("hiddenCol");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("headings");
        const QStringList terms{"Term", "Meaning"};
        for (long d = 0; d <= 2; ++d)
            QTest::addRow("beaufort-draw-%ld", d)
                << 0 << d << int(d + 1) << 12 << QStringList{"Number", "Description", "Sea State", "Knots"};
        QTest::addRow("warnings-term") << 1 << 0L << 0 << 4 << terms;
        QTest::addRow("warnings-meaning") << 1 << 1L << 1 << 4 << terms;
        QTest::addRow("times") << 2 << 1L << 1 << 4 << terms;
        QTest::addRow("visibility") << 3 << 0L << 0 << 5 << terms;
        QTest::addRow("pressure-tendency") << 4 << 1L << 1 << 7 << terms;
        QTest::addRow("speed") << 5 << 0L << 0 << 6 << terms;
        QTest::addRow("pressure-changes") << 6 << 1L << 1 << 5 << QStringList{"Change", "Meaning"};
    }
    void tableLoads()
    {
        QFETCH(int, table);
        QFETCH(long, drawn);
        QFETCH(int, hiddenCol);
        QFETCH(int, rows);
        QFETCH(QStringList, headings);
        BeaufortForm &form = Open();
        if (table == 0)
            Choose(form, 3);
        draw = [drawn](long) { return drawn; };
        Choose(form, table);
        const Grid &grid = *form.Bgrid;
        QCOMPARE(form.TableNo, table);
        QCOMPARE(form.LastTable, table);
        QCOMPARE(grid.Rows(), rows);
        QCOMPARE(grid.Cols(), headings.size());
        const QList<QStringList> texts = GridTexts(grid);
        QCOMPARE(texts.first(), headings);
        const int firstAnswer = table == 0 ? 1 : 0;
        for (int r = 1; r < rows; ++r) {
            QCOMPARE(HiddenCols(grid, r), std::set<int>{hiddenCol});
            if (table == 0)
                QCOMPARE(texts[r][0], QString::number(r - 1));
            for (int c = firstAnswer; c < grid.Cols(); ++c)
                if (c != hiddenCol)
                    QCOMPARE(texts[r][c], form.Answers[r - 1][c - firstAnswer]);
        }
    }

    // Four passes of one draw per row, in row order: rows 1, 4, 7, 10 draw
    // 0 each pass, rows 2, 5, 8, 11 draw 0 and 1 by turns, rows 3, 6, 9 draw
    // 0, 1, 2, 0; column 1 + draw is hidden, so one, two or three "?".
    void beaufortHidesUpToThreePerRow()
    {
        auto drawn = [](int pass, int row) {
            const int kind = (row - 1) % 3;
            return kind == 0 ? 0 : kind == 1 ? pass % 2 : pass % 3;
        };
        int n = 0;
        draw = [&](long) {
            const int call = n++;
            return long(drawn(call / 11, call % 11 + 1));
        };
        BeaufortForm &form = Open();
        QCOMPARE(n, 44);
        for (int r = 1; r <= 11; ++r) {
            std::set<int> expected;
            for (int p = 0; p < 4; ++p)
                expected.insert(1 + drawn(p, r));
            QCOMPARE(HiddenCols(*form.Bgrid, r), expected);
            QCOMPARE(expected.size(), size_t((r - 1) % 3 + 1));
            QCOMPARE(form.Bgrid->TextMatrix(r, 0), QString::number(r - 1));
        }
    }

    // With the program's own generator: every Beaufort row hides one to three
    // answers and never its force number; other tables hide exactly one.
    void realDrawsStayWithinTheRules()
    {
        SetShuffleRandom({});
        BeaufortForm &form = Open();
        for (int round = 0; round < 20; ++round) {
            form.BeaufortMenu_Click();
            for (int r = 1; r <= 11; ++r) {
                const std::set<int> hidden = HiddenCols(*form.Bgrid, r);
                QVERIFY(!hidden.empty() && hidden.size() <= 3);
                QVERIFY(!hidden.count(0));
            }
            form.Tmenu_Click(round % 5);
            for (int r = 1; r < form.Bgrid->Rows(); ++r)
                QCOMPARE(HiddenCols(*form.Bgrid, r).size(), 1u);
        }
    }

    // "&Shuffle" hides one more cell per row and reveals nothing.
    void shuffleOnlyHides_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<long>("first");
        QTest::addColumn<long>("second");
        QTest::addColumn<std::set<int>>("hidden");
        QTest::addRow("terms-other-column") << 2 << 0L << 1L << std::set<int>{0, 1};
        QTest::addRow("terms-same-column") << 2 << 1L << 1L << std::set<int>{1};
        QTest::addRow("beaufort-other-column") << 0 << 0L << 2L << std::set<int>{1, 3};
    }
    void shuffleOnlyHides()
    {
        QFETCH(int, table);
        QFETCH(long, first);
        QFETCH(long, second);
        QFETCH(std::set<int>, hidden);
        BeaufortForm &form = Open();
        if (table == 0)
            Choose(form, 1);
        draw = [first](long) { return first; };
        Choose(form, table);
        draw = [second](long) { return second; };
        form.Fmenu[0]->trigger();
        for (int r = 1; r < form.Bgrid->Rows(); ++r)
            QCOMPARE(HiddenCols(*form.Bgrid, r), hidden);
    }

    // Checking "&Cheat" shows every answer; unchecking it hides one cell per
    // row once, also on the Beaufort scale, and leaves the rest revealed.
    void cheatShowsAllThenHidesOnce_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<bool>("throughMenu");
        QTest::addRow("beaufort-menu") << 0 << true;
        QTest::addRow("beaufort-handler") << 0 << false;
        QTest::addRow("visibility-menu") << 3 << true;
    }
    void cheatShowsAllThenHidesOnce()
    {
        QFETCH(int, table);
        QFETCH(bool, throughMenu);
        long next = 0;
        draw = [&next](long upper) { return next++ % (upper + 1); };
        BeaufortForm &form = Open();
        Choose(form, table);
        auto cheat = [&] {
            if (throughMenu)
                form.Fmenu[1]->trigger();
            else
                form.Fmenu_Click(1);
        };
        cheat();
        QVERIFY(form.Fmenu[1]->isChecked());
        const Grid &grid = *form.Bgrid;
        const int firstAnswer = table == 0 ? 1 : 0;
        for (int r = 1; r < grid.Rows(); ++r)
            for (int c = firstAnswer; c < grid.Cols(); ++c)
                QCOMPARE(grid.TextMatrix(r, c), form.Answers[r - 1][c - firstAnswer]);

        draw = [](long upper) { return upper; };
        cheat();
        QVERIFY(!form.Fmenu[1]->isChecked());
        for (int r = 1; r < grid.Rows(); ++r)
            QCOMPARE(HiddenCols(grid, r), std::set<int>{grid.Cols() - 1});
    }

    // With "&Cheat" checked a table comes complete; choosing the table shown
    // writes its texts again.
    void cheatCheckedTablesComeComplete()
    {
        BeaufortForm &form = Open();
        form.Fmenu_Click(1);
        form.Tmenu[3]->trigger();
        QCOMPARE(form.TableNo, 4);
        for (int r = 1; r < form.Bgrid->Rows(); ++r)
            QVERIFY(HiddenCols(*form.Bgrid, r).empty());
        form.Bgrid->SetTextMatrix(2, 1, Hidden);
        form.Tmenu[3]->trigger();
        QCOMPARE(form.Bgrid->TextMatrix(2, 1), QString("Change 0.1 To 1.5mb In Last 3 Hours"));
    }

    // Choosing the table shown again writes it again and hides anew.
    void sameTableReloads()
    {
        draw = [](long) { return 1L; };
        BeaufortForm &form = Open();
        form.Tmenu_Click(4);
        form.Bgrid->SetTextMatrix(1, 0, "typed");
        draw = [](long) { return 0L; };
        form.Tmenu_Click(4);
        for (int r = 1; r < form.Bgrid->Rows(); ++r) {
            QCOMPARE(HiddenCols(*form.Bgrid, r), std::set<int>{0});
            QCOMPARE(form.Bgrid->TextMatrix(r, 1), form.Answers[r - 1][1]);
        }
    }

    // A click turns the current cell over between "?" and its answer; the
    // heading row, and the Beaufort scale's force numbers, never change.
    // Draws of 2 (Beaufort) and 0 (visibility) hide the knots and the terms.
    void clickTurnsCellOver_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addRow("force-number") << 0 << 1 << 0 << "0"
                                      << "0";
        QTest::addRow("beaufort-heading") << 0 << 0 << 2 << "Sea State"
                                          << "Sea State";
        QTest::addRow("beaufort-reveal") << 0 << 1 << 3 << "?"
                                         << "<1";
        QTest::addRow("beaufort-reveal-last") << 0 << 11 << 3 << "?"
                                              << "48-55";
        QTest::addRow("beaufort-hide") << 0 << 9 << 1 << "Gale"
                                       << "?";
        QTest::addRow("terms-heading") << 3 << 0 << 0 << "Term"
                                       << "Term";
        QTest::addRow("terms-reveal-term") << 3 << 4 << 0 << "?"
                                           << "Fog";
        QTest::addRow("terms-hide-meaning") << 3 << 1 << 1 << "More Than 5 Miles (>5nM)"
                                            << "?";
    }
    void clickTurnsCellOver()
    {
        QFETCH(int, table);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, before);
        QFETCH(QString, after);
        draw = [](long upper) { return upper == 2 ? 2L : 0L; };
        BeaufortForm &form = Open();
        Choose(form, table);
        Grid &grid = *form.Bgrid;
        grid.SetRow(row);
        grid.SetCol(col);
        QCOMPARE(grid.Text(), before);
        form.Bgrid_Click();
        QCOMPARE(grid.Text(), after);
        form.Bgrid_Click();
        QCOMPARE(grid.Text(), before);
    }

    // A real click reaches the window: row 1 of the Beaufort scale, its
    // description, is hidden; every column fits beside the scroll bar, so
    // the grid never scrolls sideways and stays at column 0.
    void mouseClickTurnsOverInPlace()
    {
        draw = [](long) { return 2L; };
        BeaufortForm &form = Open();
        Grid &grid = *form.Bgrid;
        QVERIFY(!grid.horizontalScrollBar()->isVisible());
        const QPoint cell(Twips::ToPixelsX(grid.ColWidth(0)) + 10, Twips::ToPixelsY(grid.RowHeight(0)) + 10);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(grid.LeftCol(), 0);
        QCOMPARE(grid.Row(), 1);
        QCOMPARE(grid.Col(), 1);
        QCOMPARE(grid.TextMatrix(1, 1), Hidden);
    }

    // Closed on table 4 with "&Cheat" checked, the window reopens on table 4,
    // hidden afresh and with "&Cheat" unchecked.
    void reopensOnTheLastTable()
    {
        BeaufortForm &form = Open();
        form.Tmenu_Click(3);
        form.Fmenu_Click(1);
        form.Fmenu[2]->trigger();
        QVERIFY(!form.IsLoaded());
        BeaufortForm &again = Open();
        QCOMPARE(&again, &form);
        QCOMPARE(again.TableNo, 4);
        QVERIFY(!again.Fmenu[1]->isChecked());
        QCOMPARE(again.Bgrid->Rows(), 7);
        QCOMPARE(again.Bgrid->Cols(), 2);
        QCOMPARE(GridTexts(*again.Bgrid).first(), QStringList({"Term", "Meaning"}));
        QCOMPARE(ColWidths(*again.Bgrid), Shared(*again.Bgrid, {3.5, 3.5}));
        for (int r = 1; r < 7; ++r) {
            QCOMPARE(HiddenCols(*again.Bgrid, r), std::set<int>{0});
            QCOMPARE(again.Bgrid->TextMatrix(r, 1), again.Answers[r - 1][1]);
        }
    }

    // After the Beaufort scale the warnings leave its other answers in
    // Answers, and the grid shows none of them.
    void earlierAnswersStayUnshown()
    {
        BeaufortForm &form = Open();
        form.Fmenu_Click(1);
        form.Tmenu_Click(0);
        QCOMPARE(form.Answers[3][0], QString("Gentle Breeze"));
        QCOMPARE(form.Answers[0][2], QString("<1"));
        QCOMPARE(GridTexts(*form.Bgrid), QList<QStringList>({{"Term", "Meaning"},
                                                             {"Gale", form.Answers[0][1]},
                                                             {"Severe Gale", form.Answers[1][1]},
                                                             {"Storm", form.Answers[2][1]}}));
    }

    void windowStateFollowsWindowMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("maximised");
        QTest::addRow("normal") << 0 << false;
        QTest::addRow("maximised") << 2 << true;
    }
    void windowStateFollowsWindowMode()
    {
        QFETCH(int, mode);
        QFETCH(bool, maximised);
        WindowMode = mode;
        BeaufortForm &form = Open();
        QTRY_COMPARE(bool(form.windowState() & Qt::WindowMaximized), maximised);
        QCOMPARE(WindowMode, mode);
        form.setWindowState(Qt::WindowNoState);
        form.resize(Twips::ToPixelsX(9000), form.height());
        QTRY_COMPARE(WindowMode, 0);
        QCOMPARE(ControlWidth(*form.Bgrid), form.ScaleWidth() - 270);
    }

    // The symbols chart and the calculator open modally; the window is as it
    // was when they close.
    void symbolsAndWindChillOpenModally_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addRow("symbols") << "&Symbols"
                                 << "Symbols";
        QTest::addRow("wind-chill") << "&Wind Chill"
                                    << "Calculate Wind Chill";
    }
    void symbolsAndWindChillOpenModally()
    {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        BeaufortForm &form = Open();
        const QList<QStringList> before = GridTexts(*form.Bgrid);
        QStringList opened;
        Form::SetModalHook([&](Form &shown) {
            opened << shown.windowTitle();
            shown.Unload();
        });
        for (QAction *item : form.findChild<QMenuBar *>()->actions())
            if (item->text() == menu)
                item->trigger();
        QCOMPARE(opened, QStringList{caption});
        QVERIFY(form.IsLoaded());
        QCOMPARE(GridTexts(*form.Bgrid), before);
    }

    // A failing step of the load is reported with the window's location and
    // skipped; the steps after it still run.
    void loadFailureIsReportedAndSkipped()
    {
        BeaufortForm &form = Open();
        QVERIFY(boxes.isEmpty());
        form.Bgrid->SetTextMatrix(1, 1, "kept");
        form.TableNo = MeteorologyTableCount;
        form.LoadData();
        QVERIFY(!boxes.isEmpty());
        for (const MsgBoxCall &box : boxes) {
            QVERIFY2(box.prompt.startsWith("Unexpected Error In - BeaufortForm:LoadData, Error Number"),
                     qPrintable(box.prompt));
            QCOMPARE(box.title, QString("Help"));
        }
        QCOMPARE(form.LastTable, MeteorologyTableCount);
        QVERIFY(form.IsLoaded());
        // No texts were written; the last step, hiding, ran over the grid as
        // it stands (a draw of 0 hides column 0 outside the Beaufort scale).
        QCOMPARE(form.Bgrid->Rows(), 12);
        QCOMPARE(form.Bgrid->TextMatrix(1, 1), QString("kept"));
        QCOMPARE(form.Bgrid->TextMatrix(1, 0), Hidden);
    }

private:
    BeaufortForm &Open()
    {
        BeaufortForm &form = FormInstance<BeaufortForm>();
        form.Load();
        form.show();
        QCoreApplication::processEvents();
        return form;
    }

    // The menu item of a table.
    static void Choose(BeaufortForm &form, int table)
    {
        if (table == 0)
            form.BeaufortMenu->trigger();
        else if (table == 6)
            form.PressureMenu->trigger();
        else
            form.Tmenu[table - 1]->trigger();
    }

    static QStringList Texts(const QMenu *menu)
    {
        QStringList texts;
        for (QAction *item : menu->actions())
            texts << item->text();
        return texts;
    }

    static QList<int> ColWidths(const Grid &grid)
    {
        QList<int> widths;
        for (int c = 0; c < grid.Cols(); ++c)
            widths << grid.ColWidth(c);
        return widths;
    }

    // Shares of sevenths of the width the columns can take side by side: the
    // grid's inner width less its upright scroll bar and a pixel per column
    // (each rounds to whole pixels on its own), in single precision, halves
    // to even.
    static QList<int> Shared(const Grid &grid, const QList<double> &shares)
    {
        const int bar = grid.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn
                            ? grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid)
                            : 0;
        const float width =
            static_cast<float>(Twips::FromPixelsX(grid.contentsRect().width() - bar - grid.Cols()));
        QList<int> widths;
        for (double share : shares)
            widths << static_cast<int>(std::nearbyint(static_cast<float>(share) * (width / 7)));
        return widths;
    }

    std::function<long(long)> draw;
    QList<MsgBoxCall> boxes;
};

QTEST_MAIN(TestBeaufortForm)
#include "tst_beaufortform.moc"
