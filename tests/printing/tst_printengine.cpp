#include "ProgramState.h"
#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/print/Printer.h"
#include "platform/window/Grid.h"
#include "printing/GridPages.h"
#include "printing/PrintEngine.h"

#include <QTest>

#include <memory>

namespace {
constexpr long DialogFlags = 6191;
constexpr float TwipsPerMm = 56.7f;
constexpr long Red = 0x0000FF;
// Rows begin a millimetre inside the line at 1 mm where the frame and the
// lines under the rows begin.
constexpr double RowStart = 2;

// A page 150 mm wide and 100 mm high, all of it printable.
PrinterInfo TestPrinter(bool colour = true, double width = 150, double height = 100)
{
    return PrinterInfo{QStringLiteral("Test driver"), QStringLiteral("Test printer"), QStringLiteral("LPT1:"),
                       QPageLayout(QPageSize(QSizeF(width, height), QPageSize::Millimeter), QPageLayout::Portrait,
                                   QMarginsF(), QPageLayout::Millimeter),
                       colour};
}

struct Text {
    int page;
    QString text;
    double x;
    double y;
    bool bold;
};

std::vector<Text> Texts(const PrintJob &job)
{
    std::vector<Text> texts;
    for (size_t p = 0; p < job.pages.size(); ++p)
        for (const PrintItem &item : job.pages[p])
            if (item.kind == PrintItem::Text)
                texts.push_back(Text{static_cast<int>(p) + 1, item.text, item.from.x(), item.from.y(), item.font.bold()});
    return texts;
}

std::vector<PrintItem> Items(const PrintJob &job, PrintItem::Kind kind)
{
    std::vector<PrintItem> items;
    for (const auto &page : job.pages)
        for (const PrintItem &item : page)
            if (item.kind == kind)
                items.push_back(item);
    return items;
}

const Text *Find(const std::vector<Text> &texts, const QString &text)
{
    for (const Text &t : texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

bool Near(const QRectF &a, const QRectF &b)
{
    return qAbs(a.left() - b.left()) < 1e-3 && qAbs(a.top() - b.top()) < 1e-3 && qAbs(a.right() - b.right()) < 1e-3
           && qAbs(a.bottom() - b.bottom()) < 1e-3;
}

int Count(const std::vector<Text> &texts, const QString &text)
{
    int n = 0;
    for (const Text &t : texts)
        n += t.text == text ? 1 : 0;
    return n;
}
} // namespace

class TestPrintEngine : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        boxes.clear();
        SetMsgBoxHandler([this](const MsgBoxCall &call) {
            boxes << call;
            return MsgBoxAnswer::Ok;
        });
        jobs.clear();
        printer = std::make_unique<Printer>();
        printer->Use(TestPrinter());
        printer->SetOutput([this](const PrintJob &job) { jobs.push_back(job); });
        engine = std::make_unique<PrintEngine>(*printer);
        engine->DoEvents = [] {};
        window = new QWidget;
        grid = new Grid(window);
    }
    void cleanup()
    {
        delete window;
        engine.reset();
        printer.reset();
        ResetProgramState();
    }

    void testPageIsAsMade()
    {
        printer->SetScaleMode(Printer::UnitMillimetres);
        QCOMPARE(printer->ScaleWidth(), 150.0);
        QCOMPARE(printer->ScaleHeight(), 100.0);
    }

    // A cell's text as it prints: nothing cut, a character 0 dropped, a
    // line feed or a carriage return a blank.
    void printedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addRow("as-typed") << "Fuel 40 l" << "Fuel 40 l";
        QTest::addRow("line-feed-is-blank") << "ab\ncd" << "ab cd";
        QTest::addRow("carriage-return-is-blank") << "ab\rcd" << "ab cd";
        QTest::addRow("nul-dropped") << QString("a") + QChar(0) + "b" << "ab";
        QTest::addRow("empty") << "" << "";
    }
    void printedText()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(PrintEngine::PrintedText(text), expected);
    }

    // A cell's lines in the printer's font: the whole text, broken at blanks
    // (or within a word longer than the column), every line narrower than
    // the column. Widths are the printed widths of the texts named, so the
    // cases hold for any font.
    void cellLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fitting");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("fits-whole") << "abc" << "abcdefgh" << QStringList{"abc"};
        QTest::addRow("wraps-at-blanks") << "aa bb cc" << "aa bb" << QStringList{"aa bb", "cc"};
        QTest::addRow("long-word-broken") << "abcdabcdabcd" << "abcd" << QStringList{"abcd", "abcd", "abcd"};
        QTest::addRow("empty") << "" << "abc" << QStringList{};
    }
    void cellLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, fitting);
        QFETCH(QStringList, lines);
        printer->SetScaleMode(Printer::UnitMillimetres);
        const float width = static_cast<float>(printer->TextWidth(fitting)) + 0.001f;
        const QStringList printed = engine->CellLines(text, width);
        QCOMPARE(printed, lines);
        for (const QString &line : printed)
            QVERIFY2(printer->TextWidth(line) < width, qPrintable(line));
    }

    // Where the rows of one copy fall: "page:row@top" for every ordinary
    // row, "new page" first when the grid cannot start where it was asked
    // to. A row goes on a page while it ends no lower than the foot.
    void layOutGridPages_data()
    {
        QTest::addColumn<float>("startY");
        QTest::addColumn<float>("header");
        QTest::addColumn<QList<float>>("steps");
        QTest::addColumn<int>("fixedRows");
        QTest::addColumn<float>("foot");
        QTest::addColumn<QString>("expected");
        const QList<float> ten(6, 10.f);
        QTest::addRow("fits-one-page") << 2.f << 3.f << QList<float>(4, 4.f) << 1 << 29.f << "1:1@9 1:2@13 1:3@17";
        QTest::addRow("breaks-past-foot") << 0.f << 0.f << ten << 1 << 35.f << "1:1@10 1:2@20 2:3@10 2:4@20 3:5@10";
        QTest::addRow("header-on-every-page") << 0.f << 5.f << ten.mid(0, 5) << 1 << 35.f
                                              << "1:1@15 1:2@25 2:3@15 2:4@25";
        QTest::addRow("headings-would-stand-alone") << 20.f << 3.f << QList<float>(3, 4.f) << 2 << 29.f
                                                    << "new page 1:2@11";
        QTest::addRow("top-of-page-never-moves") << 0.f << 20.f << ten.mid(0, 3) << 1 << 35.f << "1:1@30 2:2@30";
        QTest::addRow("headings-only") << 2.f << 3.f << QList<float>(2, 4.f) << 2 << 29.f << "";
        // Row 3 would fit one line high; two lines high it moves on whole.
        QTest::addRow("tall-row-moves-whole") << 0.f << 0.f << QList<float>{10, 10, 10, 12} << 1 << 40.f
                                              << "1:1@10 1:2@20 2:3@10";
        QTest::addRow("taller-than-a-page-alone") << 0.f << 0.f << QList<float>{10, 10, 50, 10} << 1 << 35.f
                                                  << "1:1@10 2:2@10 3:3@10";
        QTest::addRow("tall-first-row-starts-a-new-page") << 10.f << 3.f << QList<float>{4, 20} << 1 << 29.f
                                                          << "new page 1:1@7";
    }
    void layOutGridPages()
    {
        QFETCH(float, startY);
        QFETCH(float, header);
        QFETCH(QList<float>, steps);
        QFETCH(int, fixedRows);
        QFETCH(float, foot);
        QFETCH(QString, expected);
        GridPageMeasures m;
        m.startY = startY;
        m.headerStep = header;
        m.rowSteps = std::vector<float>(steps.begin(), steps.end());
        m.foot = foot;
        m.fixedRows = fixedRows;
        const GridPages laid = LayOutGridPages(m);
        QStringList placed;
        if (laid.newPageFirst)
            placed << QStringLiteral("new page");
        for (size_t n = 0; n < laid.pages.size(); ++n)
            for (const auto &[row, top] : laid.pages[n].rows)
                placed << QStringLiteral("%1:%2@%3").arg(n + 1).arg(row).arg(static_cast<double>(top));
        QCOMPARE(placed.join(' '), expected);
    }

    // Scaling narrows the print widths, never the grid's own.
    void scaledColumnWidths()
    {
        QCOMPARE(ScaledColumnWidths({900, 1000, 5}, 2), (std::vector<int>{450, 500, 2}));
        QCOMPARE(ScaledColumnWidths({}, 2), std::vector<int>{});
    }

    // One page: header, a heading row in bold, then the ordinary rows one
    // text line high, from 2 mm in, columns 30 mm wide with 2 mm gaps: code
    // 1 from the cell's left, 4 centred, 7 right-aligned, any other from
    // the left.
    void onePageLayout()
    {
        MakeGrid(4, 4, 30);
        const int codes[] = {1, 4, 7, 9};
        for (int c = 0; c < 4; ++c) {
            grid->SetColAlignment(c, codes[c]);
            grid->SetFixedAlignment(c, codes[c]);
            grid->SetTextMatrix(0, c, QStringLiteral("H%1").arg(c));
            grid->SetTextMatrix(1, c, QStringLiteral("c%1").arg(c));
        }
        printer->SetScaleMode(Printer::UnitMillimetres);
        printer->SetCurrentY(20);
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Report"), DialogFlags);
        QVERIFY(engine->PrintStop);
        QVERIFY(!engine->Stopped);
        QVERIFY(grid->isEnabled());
        const double t = printer->TextHeight("X");
        // The next grid would start under this one's last row: the header
        // (2t) under the start at 20, then four rows.
        QVERIFY(qAbs(printer->CurrentY() - (20 + 6 * t)) < 1e-3);
        const PrintJob job = EndJob();
        QCOMPARE(job.pages.size(), size_t(1));
        const std::vector<Text> texts = Texts(job);

        const Text *page = Find(texts, "Page 1");
        QVERIFY(page);
        QCOMPARE(page->y, 0.0);
        // The header in the main window's font, bold.
        QVERIFY(page->bold);
        QVERIFY(qAbs(page->x + Width("Page 1", true) - 150) < 1e-3);
        const Text *title = Find(texts, "Report");
        QVERIFY(title);
        QCOMPARE(QPointF(title->x, title->y), QPointF(0, 0));

        // Headings one header (2t) below the start at y 20.
        const double headingY = 20 + 2 * t;
        const double lefts[] = {2, 34, 66, 98};
        for (int c = 0; c < 4; ++c) {
            for (int r = 0; r < 2; ++r) {
                const QString text = r == 0 ? QStringLiteral("H%1").arg(c) : QStringLiteral("c%1").arg(c);
                const Text *found = Find(texts, text);
                QVERIFY2(found, qPrintable(text));
                QVERIFY(qAbs(found->y - (headingY + r * t)) < 1e-3);
                QCOMPARE(found->bold, r == 0);
                const double width = Width(text, r == 0);
                double x = lefts[c];
                if (codes[c] == 4)
                    x = lefts[c] + (30 - width) / 2;
                else if (codes[c] == 7)
                    x = lefts[c] + 30 - width;
                QVERIFY2(qAbs(found->x - x) < 1e-3, qPrintable(text));
            }
        }

        // A line in the middle of every gap but after the last column, and
        // one under every row from 1 mm across the page.
        const std::vector<PrintItem> lines = Items(job, PrintItem::Line);
        int columnLines = 0;
        int rowLines = 0;
        for (const PrintItem &line : lines) {
            if (line.from.x() == line.to.x()) {
                ++columnLines;
                QVERIFY(line.from.x() == 33 || line.from.x() == 65 || line.from.x() == 97);
            } else {
                ++rowLines;
                QCOMPARE(line.from.x(), 1.0);
                QCOMPARE(line.to.x(), 150.0);
            }
        }
        QCOMPARE(columnLines, 3 * 4);
        QCOMPARE(rowLines, 4);
        QVERIFY(!printer->FontBold());
    }

    // 40 rows on a 100 mm page: after the row that passes the page bottom a
    // new page opens with the header and the heading row; every ordinary row
    // once per copy, each copy from a new page.
    void pagesAndCopies_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addRow("one-copy") << 1;
        QTest::addRow("three-copies") << 3;
    }
    void pagesAndCopies()
    {
        QFETCH(int, copies);
        MakeGrid(40, 2, 30);
        grid->SetTextMatrix(0, 0, QStringLiteral("Time"));
        for (int r = 1; r < 40; ++r)
            grid->SetTextMatrix(r, 0, QStringLiteral("row%1").arg(r));
        engine->PrintGrid(grid->Model(), static_cast<short>(copies), QStringLiteral("Log"), DialogFlags & ~4L);
        const PrintJob job = EndJob();
        const std::vector<Text> texts = Texts(job);
        for (int r = 1; r < 40; ++r)
            QCOMPARE(Count(texts, QStringLiteral("row%1").arg(r)), copies);

        const double t = printer->TextHeight("X");
        const double b = 100 - 2 * t;
        const int pages = static_cast<int>(job.pages.size());
        QVERIFY(pages >= 2 * copies);
        QCOMPARE(Count(texts, "Time"), pages);
        int copyStarts = 0;
        for (int p = 1; p <= pages; ++p) {
            std::vector<Text> onPage;
            for (const Text &text : texts)
                if (text.page == p)
                    onPage.push_back(text);
            QVERIFY(onPage.size() >= 3);
            QCOMPARE(onPage[0].text, QStringLiteral("Page %1").arg(p));
            QCOMPARE(onPage[1].text, QString("Log"));
            // Every page's header in the main window's bold font.
            QVERIFY(onPage[0].bold && onPage[1].bold);
            QCOMPARE(onPage[2].text, QString("Time"));
            // No row begins below the page's last row top.
            for (const Text &text : onPage)
                QVERIFY(text.y <= b + t + 1e-3);
            copyStarts += onPage.size() > 3 && onPage[3].text == "row1" ? 1 : 0;
        }
        QCOMPARE(copyStarts, copies);
    }

    // Two grids on one job, the second starting under the first and going
    // on over the page bottom: each page has one header, in the main
    // window's bold font, and the second grid's headings open every page.
    void oneHeaderAPage()
    {
        MakeGrid(4, 2, 30);
        grid->SetTextMatrix(0, 0, QStringLiteral("Time"));
        auto *notes = new Grid(window);
        MakeGrid(40, 2, 30, notes);
        notes->SetTextMatrix(0, 0, QStringLiteral("Notes"));
        printer->SetScaleMode(Printer::UnitMillimetres);
        printer->SetCurrentY(20);
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Log"), DialogFlags);
        engine->PrintGrid(notes->Model(), 1, QStringLiteral("Log"), DialogFlags);
        const PrintJob job = EndJob();
        const int pages = static_cast<int>(job.pages.size());
        QVERIFY(pages >= 2);
        const std::vector<Text> texts = Texts(job);
        for (int p = 1; p <= pages; ++p) {
            int titles = 0;
            int numbers = 0;
            for (const Text &text : texts) {
                if (text.page != p || text.y != 0)
                    continue;
                QVERIFY(text.bold);
                titles += text.text == "Log" ? 1 : 0;
                numbers += text.text == QStringLiteral("Page %1").arg(p) ? 1 : 0;
            }
            QCOMPARE(titles, 1);
            QCOMPARE(numbers, 1);
        }
        QCOMPARE(Count(texts, "Notes"), pages);
        // The next job has its own header on its page 1.
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Next"), DialogFlags);
        QCOMPARE(Count(Texts(EndJob()), "Next"), 1);
    }

    // Heading rows never stand alone at a page's foot: a grid whose last
    // row fills the page ends there, and a grid that starts with no room for
    // its headings and a row starts on the next page.
    void headingsKeptWithRows_data()
    {
        QTest::addColumn<bool>("nearTheFoot");
        QTest::addRow("last-row-fills-the-page") << false;
        QTest::addRow("starts-near-the-foot") << true;
    }
    void headingsKeptWithRows()
    {
        QFETCH(bool, nearTheFoot);
        printer->SetScaleMode(Printer::UnitMillimetres);
        const double t = printer->TextHeight("X");
        const double b = 100 - 2 * t;
        // From the top: the header (2t) and the heading row, then rows
        // until the one that passes b, which is the last.
        int rows = 1;
        for (double y = 3 * t; y <= b; y += t)
            ++rows;
        if (nearTheFoot) {
            rows = 4;
            printer->SetCurrentY(100 - 3 * t);
        }
        MakeGrid(rows, 2, 30);
        grid->SetTextMatrix(0, 0, QStringLiteral("Time"));
        for (int r = 1; r < rows; ++r)
            grid->SetTextMatrix(r, 0, QStringLiteral("row%1").arg(r));
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Log"), DialogFlags & ~2L);
        const PrintJob job = EndJob();
        const std::vector<Text> texts = Texts(job);
        QCOMPARE(job.pages.size(), size_t(nearTheFoot ? 2 : 1));
        QCOMPARE(Count(texts, "Time"), 1);
        for (const Text &text : texts) {
            QCOMPARE(text.page, static_cast<int>(job.pages.size()));
            QVERIFY(text.y <= b + t + 1e-3);
        }
        QCOMPARE(Count(texts, QStringLiteral("row%1").arg(rows - 1)), 1);
    }

    // "&Cancel" during printing: no further rows, the job discarded, the
    // grid's widths back and the grid enabled again.
    void cancelDiscardsTheJob()
    {
        MakeGrid(20, 3, 60);
        for (int r = 1; r < 20; ++r)
            grid->SetTextMatrix(r, 0, QStringLiteral("row%1").arg(r));
        int rows = 0;
        int stillDisabled = 0;
        engine->DoEvents = [&] {
            stillDisabled += grid->isEnabled() ? 0 : 1;
            if (++rows == 5)
                engine->PrintStop = true;
        };
        engine->ScalingChosen = [] { return true; };
        engine->RequiredWidth = 2 * 150 * TwipsPerMm;
        engine->PrintGrid(grid->Model(), 2, QStringLiteral("Log"), DialogFlags | PrintEngine::EndJob);
        QCOMPARE(rows, 5);
        QCOMPARE(stillDisabled, 5);
        QVERIFY(engine->Stopped);
        QVERIFY(engine->PrintStop);
        QVERIFY(!printer->JobOpen());
        printer->EndDoc();
        QVERIFY(jobs.empty());
        QVERIFY(grid->isEnabled());
        for (int c = 0; c < 3; ++c)
            QCOMPARE(grid->ColWidth(c), 3402);
    }

    void endJobFlagSendsThePages()
    {
        MakeGrid(4, 2, 30);
        grid->SetTextMatrix(1, 0, QStringLiteral("sent"));
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Log"), DialogFlags | PrintEngine::EndJob);
        QCOMPARE(jobs.size(), size_t(1));
        QVERIFY(Find(Texts(jobs[0]), "sent"));
        QVERIFY(!printer->JobOpen());
    }

    // Scaling to the page: a document twice the printable width prints
    // with half the column widths and a font whose sample text is at most
    // half as wide; the grid gets its own widths back exactly.
    void scaledToThePage()
    {
        MakeGrid(4, 3, 0);
        const int widths[] = {3001, 2999, 4567};
        for (int c = 0; c < 3; ++c) {
            grid->SetColWidth(c, widths[c]);
            grid->SetTextMatrix(1, c, QStringLiteral("v%1").arg(c));
        }
        printer->SetScaleMode(Printer::UnitMillimetres);
        printer->SetFontName(QStringLiteral("DejaVu Sans"));
        printer->SetFontSize(8.25);
        const double before = printer->TextWidth("Hello World");
        engine->ScalingChosen = [] { return true; };
        engine->RequiredWidth = 2 * 150 * TwipsPerMm;
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Log"), DialogFlags & ~2L);
        const std::vector<Text> texts = Texts(EndJob());
        // Halved widths, rounded half to even: 1500 (1500.5), 1500 (1499.5).
        QVERIFY(qAbs(Find(texts, "v1")->x - (RowStart + 1500 / 56.7 + 2)) < 1e-3);
        QVERIFY(qAbs(Find(texts, "v2")->x - (RowStart + 3000 / 56.7 + 4)) < 1e-3);
        const double after = printer->TextWidth("Hello World");
        QVERIFY(after <= before / 2 + 1e-6);
        QVERIFY(after > before / 2 * 0.9);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(grid->ColWidth(c), widths[c]);
    }

    // Unscaled when the dialog's options do not choose it.
    void notScaledUnlessChosen()
    {
        MakeGrid(4, 3, 40);
        grid->SetTextMatrix(1, 2, QStringLiteral("v2"));
        engine->ScalingChosen = [] { return false; };
        engine->RequiredWidth = 2 * 150 * TwipsPerMm;
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Log"), DialogFlags);
        QVERIFY(qAbs(Find(Texts(EndJob()), "v2")->x - (RowStart + 2 * 2268 / 56.7 + 4)) < 1e-3);
    }

    // 30 mm columns from 2 mm with 2 mm gaps, column 1 only 50 twips: the
    // column from 100.9 to 130.9 mm is left out whole on a page 110 mm wide,
    // whatever its text, with every column after it; on a page 132 mm wide
    // it ends a millimetre inside the edge and prints whole. A column of
    // 1 mm or less prints no text but takes its width and gap.
    void columnsAtThePageEdge_data()
    {
        QTest::addColumn<double>("pageWidth");
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("printed");
        QTest::addRow("cut-column-left-out") << 110.0 << "v4 runs past the page edge" << false;
        QTest::addRow("short-text-left-out-too") << 110.0 << "v4" << false;
        QTest::addRow("column-inside-the-edge") << 132.0 << "v4 is whole" << true;
    }
    void columnsAtThePageEdge()
    {
        QFETCH(double, pageWidth);
        QFETCH(QString, last);
        QFETCH(bool, printed);
        printer->Use(TestPrinter(true, pageWidth, 100));
        MakeGrid(4, 6, 30);
        grid->SetColWidth(1, 50);
        for (int c = 0; c < 6; ++c)
            grid->SetTextMatrix(1, c, c == 4 ? last : QStringLiteral("v%1").arg(c));
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Log"), DialogFlags);
        const std::vector<Text> texts = Texts(EndJob());
        QVERIFY(!Find(texts, "v1"));
        const double narrow = 50 / 56.7;
        QVERIFY(qAbs(Find(texts, "v2")->x - (RowStart + 32 + narrow + 2)) < 1e-3);
        QVERIFY(qAbs(Find(texts, "v3")->x - (RowStart + 64 + narrow + 2)) < 1e-3);
        int pieces = 0;
        for (const Text &text : texts)
            pieces += last.contains(text.text) && text.text.startsWith("v4") ? 1 : 0;
        QCOMPARE(pieces, printed ? 1 : 0);
        if (printed) {
            const Text *whole = Find(texts, last);
            QVERIFY(whole);
            QVERIFY(qAbs(whole->x - (RowStart + 32 * 3 + narrow + 2)) < 1e-3);
            QVERIFY(whole->x + printer->TextWidth(whole->text) <= pageWidth - 1 + 1e-3);
        }
        QVERIFY(!Find(texts, "v5"));
    }

    // Rows three text lines high wrap their texts: one of exactly three
    // lines prints all three, and one of four all four, its row grown to
    // hold them. Centred and right-aligned lines each stay inside their cell.
    void wrappedRows_data()
    {
        QTest::addColumn<int>("code");
        QTest::addRow("left") << 1;
        QTest::addRow("centred") << 4;
        QTest::addRow("right") << 7;
    }
    void wrappedRows()
    {
        QFETCH(int, code);
        MakeGrid(4, 2, 0);
        printer->SetScaleMode(Printer::UnitMillimetres);
        printer->SetFontName(QStringLiteral("DejaVu Sans"));
        printer->SetFontSize(10);
        const double lineHeight = printer->TextHeight("A");
        for (int r = 0; r < 4; ++r)
            grid->SetRowHeight(r, static_cast<int>(3.5 * lineHeight * 56.7));
        // Two words never share a line; four words of a row pass the cut
        // to three cells' width whole.
        const double cell = printer->TextWidth("wwwwww") / 0.6;
        grid->SetColWidth(0, static_cast<int>(cell * 56.7));
        grid->SetColWidth(1, static_cast<int>(cell * 56.7));
        grid->SetColAlignment(1, code);
        grid->SetTextMatrix(1, 1, QStringLiteral("aa bb cc"));
        grid->SetTextMatrix(2, 1, QStringLiteral("wwwwww xxxxxx wwwwww"));
        grid->SetTextMatrix(3, 1, QStringLiteral("wwwwww xxxxxx wwwwww xxxxxx"));
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Log"), DialogFlags & ~(2L | 4L));
        const std::vector<Text> texts = Texts(EndJob());
        const double left = RowStart + grid->ColWidth(0) / 56.7 + 2;
        const double right = left + grid->ColWidth(1) / 56.7;
        QStringList printed;
        for (const Text &text : texts) {
            if (text.x + 1e-3 < left || text.text.startsWith("Page") || text.text == "Log")
                continue;
            printed << text.text;
            QVERIFY2(text.x + printer->TextWidth(text.text) <= right + 1e-3, qPrintable(text.text));
            if (code == 4)
                QVERIFY(qAbs(text.x - (left + right - printer->TextWidth(text.text)) / 2) < 1e-3);
            if (code == 7)
                QVERIFY(qAbs(text.x + printer->TextWidth(text.text) - right) < 1e-3);
        }
        QCOMPARE(printed,
                 (QStringList{"aa bb cc", "wwwwww", "xxxxxx", "wwwwww", "wwwwww", "xxxxxx", "wwwwww", "xxxxxx"}));
    }

    // Rows one text line high, as the documents print: a heading or a
    // text longer than its column wraps within it over as many lines as it
    // needs, every word whole and inside the column, and its row grows to
    // hold them: the line under the row and the next row come after its
    // last line.
    void longTextGrowsItsRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addRow("heading") << 0;
        QTest::addRow("typed-text") << 1;
    }
    void longTextGrowsItsRow()
    {
        QFETCH(int, row);
        MakeGrid(4, 2, 30);
        const QString sentence = QStringLiteral("Wind backing south west force five, sea moderate, reefed early");
        grid->SetTextMatrix(row, 1, sentence);
        grid->SetTextMatrix(row + 1, 1, QStringLiteral("next"));
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Log"), DialogFlags & ~4L);
        const PrintJob job = EndJob();
        const std::vector<Text> texts = Texts(job);
        const Text *next = Find(texts, "next");
        QVERIFY(next);
        const double left = RowStart + 32;
        QStringList lines;
        double lastTop = 0;
        for (const Text &text : texts) {
            if (text.y == 0 || text.x < left - 1e-3 || text.text == "next")
                continue;
            lines << text.text;
            lastTop = text.y;
            QCOMPARE(text.bold, row == 0);
            QVERIFY2(text.x + Width(text.text, row == 0) <= left + 30 + 1e-3, qPrintable(text.text));
        }
        QVERIFY(lines.size() > 2);
        QCOMPARE(lines.join(' '), sentence);
        const double lineHeight = printer->TextHeight("A");
        QVERIFY(next->y >= lastTop + lineHeight - 1e-3);
        bool lineUnderTheRow = false;
        for (const PrintItem &line : Items(job, PrintItem::Line))
            lineUnderTheRow |= line.from.y() == line.to.y() && qAbs(line.from.y() - next->y) < 1e-3;
        QVERIFY(lineUnderTheRow);
    }

    // A grid of two rows has no row height to read: one text line a row,
    // with no message.
    void gridOfTwoRows()
    {
        MakeGrid(2, 2, 30);
        grid->SetTextMatrix(1, 0, QStringLiteral("only"));
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Log"), DialogFlags);
        QVERIFY(Find(Texts(EndJob()), "only"));
        QVERIFY(boxes.isEmpty());
    }

    // Row fonts from their first cell; rows start at the current x in whole
    // millimetres, halves to even.
    void rowFontAndStart_data()
    {
        QTest::addColumn<double>("currentX");
        QTest::addColumn<double>("x0");
        QTest::addRow("half-down") << 2.5 << 2.0;
        QTest::addRow("half-up") << 3.5 << 4.0;
        QTest::addRow("below-half") << 7.4 << 7.0;
    }
    void rowFontAndStart()
    {
        QFETCH(double, currentX);
        QFETCH(double, x0);
        MakeGrid(4, 2, 30);
        grid->SetTextMatrix(1, 1, QStringLiteral("plain"));
        grid->SetTextMatrix(2, 1, QStringLiteral("styled"));
        grid->SetRow(2);
        grid->SetCol(0);
        grid->SetCellFontBold(true);
        grid->SetCellFontItalic(true);
        printer->SetScaleMode(Printer::UnitMillimetres);
        printer->SetCurrentX(currentX);
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Log"),
                          PrintEngine::RowFontFromCell | PrintEngine::StartAtCurrentX | PrintEngine::WindowFont);
        const PrintJob job = EndJob();
        const std::vector<Text> texts = Texts(job);
        QVERIFY(!Find(texts, "plain")->bold);
        QVERIFY(Find(texts, "styled")->bold);
        QVERIFY(qAbs(Find(texts, "styled")->x - (x0 + 30)) < 1e-3);
        for (const PrintItem &item : job.pages[0])
            if (item.text == "styled")
                QVERIFY(item.font.italic());
    }

    void getPrintStyle_data()
    {
        QTest::addColumn<long>("colour");
        QTest::addColumn<int>("style");
        QTest::addRow("dark-blue") << 0x800000L << 4;
        QTest::addRow("blue") << 0xFF0000L << 4;
        QTest::addRow("dark-green") << 0x008000L << 3;
        QTest::addRow("green") << 0x00FF00L << 3;
        QTest::addRow("dark-cyan") << 0x808000L << 5;
        QTest::addRow("cyan") << 0xFFFF00L << 5;
        QTest::addRow("dark-red") << 0x000080L << 2;
        QTest::addRow("red") << 0x0000FFL << 2;
        QTest::addRow("dark-magenta") << 0x800080L << 6;
        QTest::addRow("magenta") << 0xFF00FFL << 6;
        QTest::addRow("brown") << 0x008080L << 7;
        QTest::addRow("yellow") << 0x00FFFFL << 7;
        QTest::addRow("white") << 0xFFFFFFL << 0;
        QTest::addRow("black") << 0x000000L << 0;
        QTest::addRow("grey") << 0x808080L << 0;
        QTest::addRow("light-grey") << 0xC0C0C0L << 0;
    }
    void getPrintStyle()
    {
        QFETCH(long, colour);
        QFETCH(int, style);
        QCOMPARE(PrintEngine::GetPrintStyle(colour), style);
    }

    void setFontSize_data()
    {
        QTest::addColumn<float>("ratio");
        QTest::addRow("ratio-one") << 1.0f;
        QTest::addRow("ratio-one-and-a-half") << 1.5f;
        QTest::addRow("ratio-three") << 3.0f;
    }
    void setFontSize()
    {
        QFETCH(float, ratio);
        printer->SetFontSize(12);
        const double before = printer->TextWidth("Hello World");
        engine->SetFontSize(ratio);
        const double after = printer->TextWidth("Hello World");
        QVERIFY(after <= before / ratio + 1e-9);
        if (ratio == 1.0f) {
            QCOMPARE(printer->FontSize(), 12.0);
        } else {
            // The size one step larger was still too wide.
            printer->SetFontSize(printer->FontSize() + 0.1);
            QVERIFY(printer->TextWidth("Hello World") > before / ratio);
        }
    }

    // A ratio no font size reaches ends after its 1001 steps, the font as
    // small as the printer takes it.
    void setFontSizeUnreachable()
    {
        printer->SetFontSize(8.25);
        engine->SetFontSize(1e9f);
        QVERIFY(printer->FontSize() > 0);
        QVERIFY(printer->FontSize() < 0.1);
    }

    // Cell colours: a monochrome printer hatches the cell, from one gap
    // right of its left edge to two gaps right of its right edge and 1 mm
    // short of the row's foot; a colour printer fills the cell behind its
    // text.
    void cellColours_data()
    {
        QTest::addColumn<bool>("colour");
        QTest::addRow("monochrome") << false;
        QTest::addRow("colour") << true;
    }
    void cellColours()
    {
        QFETCH(bool, colour);
        printer->Use(TestPrinter(colour));
        MakeGrid(4, 2, 30);
        grid->SetRow(1);
        grid->SetCol(1);
        grid->SetCellBackColor(Red);
        grid->SetTextMatrix(1, 1, QStringLiteral("red"));
        printer->SetFillStyle(Printer::FillTransparent);
        engine->PrintGrid(grid->Model(), 1, QStringLiteral("Log"), DialogFlags | PrintEngine::CellColours);
        const PrintJob job = EndJob();
        const double t = printer->TextHeight("X");
        const double y = Find(Texts(job), "red")->y;
        if (colour) {
            const std::vector<PrintItem> boxesDrawn = Items(job, PrintItem::FilledBox);
            QCOMPARE(boxesDrawn.size(), size_t(1));
            QCOMPARE(boxesDrawn[0].colour, Red);
            QVERIFY(Near(QRectF(boxesDrawn[0].from, boxesDrawn[0].to), QRectF(QPointF(34, y), QPointF(64, y + t))));
            // Drawn before the text it lies under.
            bool boxFirst = false;
            for (const PrintItem &item : job.pages[0]) {
                if (item.kind == PrintItem::FilledBox)
                    boxFirst = true;
                if (item.text == "red")
                    QVERIFY(boxFirst);
            }
        } else {
            const std::vector<PrintItem> hatched = Items(job, PrintItem::Box);
            QCOMPARE(hatched.size(), size_t(1));
            QCOMPARE(hatched[0].fillStyle, 2);
            QCOMPARE(hatched[0].colour, 0L);
            QVERIFY(Near(QRectF(hatched[0].from, hatched[0].to), QRectF(QPointF(36, y), QPointF(68, y + t - 1))));
            QCOMPARE(printer->FillStyle(), Printer::FillTransparent);
        }
    }

private:
    // A grid of rows, columns of the given width in millimetres (56.7 twips
    // each), one heading row and rows shorter than two text lines.
    void MakeGrid(int rows, int cols, int widthMm, Grid *target = nullptr)
    {
        Grid &g = target ? *target : *grid;
        g.SetRows(rows);
        g.SetCols(cols);
        g.SetFixedRows(1);
        for (int c = 0; c < cols; ++c)
            g.SetColWidth(c, static_cast<int>(RoundWidth(widthMm)));
        for (int r = 0; r < rows; ++r)
            g.SetRowHeight(r, 255);
    }
    static long RoundWidth(int mm) { return mm * 56.7 + 0.5; }

    // A text's printed width in the printer's font, bold or not.
    double Width(const QString &text, bool bold)
    {
        const bool was = printer->FontBold();
        printer->SetFontBold(bold);
        const double width = printer->TextWidth(text);
        printer->SetFontBold(was);
        return width;
    }

    PrintJob EndJob()
    {
        printer->EndDoc();
        if (jobs.empty())
            return PrintJob{};
        PrintJob job = jobs.back();
        return job;
    }

    std::unique_ptr<Printer> printer;
    std::unique_ptr<PrintEngine> engine;
    std::vector<PrintJob> jobs;
    QList<MsgBoxCall> boxes;
    QWidget *window = nullptr;
    Grid *grid = nullptr;
};

QTEST_MAIN(TestPrintEngine)
#include "tst_printengine.moc"
