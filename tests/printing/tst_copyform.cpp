#include "PrintDialogFixture.h"
#include "ProgramState.h"

#include "documents/DocumentForm.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/print/Printer.h"
#include "platform/window/Controls.h"
#include "platform/window/Grid.h"
#include "printing/CopyForm.h"
#include "printing/FormatDate.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
constexpr double Margin = 6.35;

struct Text {
    int page;
    QString text;
    double x;
    double y;
    double size;
};

std::vector<Text> Texts(const PrintJob &job)
{
    std::vector<Text> texts;
    for (size_t p = 0; p < job.pages.size(); ++p)
        for (const PrintItem &item : job.pages[p])
            if (item.kind == PrintItem::Text)
                texts.push_back(Text{static_cast<int>(p) + 1, item.text, item.from.x(), item.from.y(),
                                     item.font.pointSizeF()});
    return texts;
}

int Count(const PrintJob &job, const QString &text)
{
    int n = 0;
    for (const Text &t : Texts(job))
        n += t.text == text ? 1 : 0;
    return n;
}

// Where the vertical lines the whole height of the page frame stand.
std::vector<double> ScaleLines(const PrintJob &job)
{
    std::vector<double> lines;
    for (const auto &page : job.pages)
        for (const PrintItem &item : page)
            if (item.kind == PrintItem::Line && item.from.x() == item.to.x() && item.from.y() == 10)
                lines.push_back(item.from.x());
    return lines;
}

bool OneLineAt(const PrintJob &job, double x)
{
    const std::vector<double> lines = ScaleLines(job);
    return lines.size() == 1 && qAbs(lines[0] - x) < 1e-3;
}
} // namespace

class TestCopyForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        Twips::SetScreenSize(19200, 14400);
        // Names new to every case: what "&Setup" chose stays with a printer.
        ++run;
        defaultPrinter = PrinterInfo{"PDF", QStringLiteral("Default %1").arg(run),
                                     "FILE:", PdfPaper(QPageSize::A4, QPageLayout::Portrait), true};
        printers = {
            PrinterInfo{"HP LaserJet", QStringLiteral("Office %1").arg(run),
                        "LPT1:", PdfPaper(QPageSize::A4, QPageLayout::Landscape), false},
            PrinterInfo{"Brother", QStringLiteral("Small %1").arg(run), "USB001",
                        PdfPaper(QPageSize::A5, QPageLayout::Portrait), true},
        };
        SetPrinters(printers, defaultPrinter);
        jobs.clear();
        PrinterInUse().SetOutput([this](const PrintJob &job) { jobs.push_back(job); });
        SetDateSource([] { return QDate(2003, 6, 15); });
        boxes.clear();
        SetMsgBoxHandler([this](const MsgBoxCall &call) {
            boxes << call;
            return MsgBoxAnswer::Ok;
        });
        setups = 0;
        SetPrintSetupHook([this](QPageLayout &layout) {
            ++setups;
            if (!setupOrientation)
                return false;
            layout.setOrientation(*setupOrientation);
            return true;
        });
        setupOrientation.reset();
        FormInstance<DocumentForm>().Load();
    }
    void cleanup()
    {
        ResetProgramState();
        PrinterInUse().SetOutput({});
        PrinterInUse().KillDoc();
    }

    void layout_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addRow("list") << "Plist" << "" << QRect(120, 120, 3735, 840);
        QTest::addRow("frame") << "Cframe" << "" << QRect(3960, 0, 1815, 1335);
        QTest::addRow("copies-label") << "CopyLabel" << "Copies" << QRect(120, 240, 975, 255);
        QTest::addRow("copies") << "CopyText" << "1" << QRect(1320, 240, 375, 285);
        QTest::addRow("truncate") << "Coption0" << "&Truncate" << QRect(120, 600, 1455, 255);
        QTest::addRow("scale") << "Coption1" << "&Scale" << QRect(120, 960, 1455, 255);
        QTest::addRow("cancel") << "Action1" << "&Cancel" << QRect(120, 1560, 1815, 375);
        QTest::addRow("setup") << "Action2" << "&Setup" << QRect(2040, 1560, 1815, 375);
        QTest::addRow("print") << "Action0" << "&Print" << QRect(3960, 1560, 1815, 375);
    }
    void layout()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        CopyForm &copy = FormInstance<CopyForm>();
        copy.Load();
        QCOMPARE(copy.windowTitle(), QString("Durvanel - Print Report"));
        QCOMPARE(copy.HelpContext(), 17000);
        QWidget *w = nullptr;
        QString text;
        if (control == "Plist") {
            w = copy.Plist;
        } else if (control == "Cframe") {
            w = copy.Cframe;
            text = copy.Cframe->title();
        } else if (control == "CopyLabel") {
            w = copy.CopyLabel;
            text = copy.CopyLabel->text();
        } else if (control == "CopyText") {
            w = copy.CopyText;
            text = copy.CopyText->text();
        } else if (control.startsWith("Coption")) {
            w = copy.Coption[control.back().digitValue()];
            text = copy.Coption[control.back().digitValue()]->text();
        } else {
            w = copy.Action[control.back().digitValue()];
            text = copy.Action[control.back().digitValue()]->text();
        }
        QCOMPARE(text, caption);
        QCOMPARE(QRect(ControlLeft(*w), ControlTop(*w), ControlWidth(*w), ControlHeight(*w)), place);
        const bool inFrame = control == "CopyLabel" || control == "CopyText" || control.startsWith("Coption");
        QCOMPARE(w->parentWidget(), inFrame ? static_cast<QWidget *>(copy.Cframe) : static_cast<QWidget *>(&copy));
        QVERIFY(copy.Action[0]->isDefault());
        QVERIFY(copy.Coption[1]->isChecked());
    }

    void printerList()
    {
        Show(2, [&](CopyForm &copy) {
            QCOMPARE(copy.Plist->count(), 3);
            QCOMPARE(copy.Plist->item(0)->text(), QString("Default system printer"));
            QCOMPARE(copy.Plist->item(1)->text(), QStringLiteral("HP LaserJet/Office %1/LPT1:").arg(run));
            QCOMPARE(copy.Plist->item(2)->text(), QStringLiteral("Brother/Small %1/USB001").arg(run));
            QCOMPARE(copy.Plist->currentRow(), 0);
            QCOMPARE(copy.HeightTwips() + 420, 2475);
            PrintDialogFixture::Click(copy.Action[1]);
        });
    }

    // Grid 0 measured: (column width + 128.4) a column, times 1.15, against
    // the paper's width (A4 11906 twips across, 16838 on its side, A5 8391):
    // 11 columns of 817, 10 of 900, 4 of 2325.
    void widthCheck_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("entry");
        QTest::addColumn<float>("required");
        QTest::addColumn<bool>("tooWide");
        QTest::addRow("planning-a4") << 2 << 0 << 11959.31f << true;
        QTest::addRow("log-a4") << 3 << 0 << 11826.6f << false;
        QTest::addRow("log-a5") << 3 << 2 << 11826.6f << true;
        QTest::addRow("sheet-a4") << 4 << 0 << 11285.64f << false;
        QTest::addRow("planning-a4-on-its-side") << 2 << 1 << 11959.31f << false;
        QTest::addRow("sheet-a5") << 4 << 2 << 11285.64f << true;
    }
    void widthCheck()
    {
        QFETCH(int, mode);
        QFETCH(int, entry);
        QFETCH(float, required);
        QFETCH(bool, tooWide);
        DocumentForm &document = FormInstance<DocumentForm>();
        document.Dmenu[mode - 2]->trigger();
        Show(document, [&](CopyForm &copy) {
            PrintDialogFixture::ChoosePrinter(copy, entry);
            QVERIFY(qAbs(copy.Engine.RequiredWidth - required) < 0.05f);
            QCOMPARE(copy.Coption[0]->isEnabled(), tooWide);
            QCOMPARE(copy.Coption[1]->isEnabled(), tooWide);
            QVERIFY(copy.Coption[1]->isChecked());
            QVERIFY(copy.Action[0]->isEnabled());
            PrintDialogFixture::Click(copy.Action[1]);
        });
        QVERIFY(jobs.empty());
    }

    // The number the copies text begins with, rounded half to even, must
    // make 1 to 99 copies; anything else is refused with a message and the
    // dialog stays open.
    void copies_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("copies");
        QTest::addRow("one") << "1" << 1;
        QTest::addRow("ninety-nine") << "99" << 99;
        QTest::addRow("two-and-a-half") << "2.5" << 2;
        QTest::addRow("three-and-a-half") << "3.5" << 4;
        QTest::addRow("number-then-words") << "3 copies" << 3;
        QTest::addRow("leading-blank") << " 2" << 2;
        QTest::addRow("zero") << "0" << 0;
        QTest::addRow("minus-one") << "-1" << 0;
        QTest::addRow("hundred") << "100" << 0;
        QTest::addRow("empty") << "" << 0;
        QTest::addRow("no-number") << "abc" << 0;
        // Counts that would round to no copy, or to a hundred.
        QTest::addRow("rounds-to-none") << "0.4" << 0;
        QTest::addRow("half-rounds-to-none") << "0.5" << 0;
        QTest::addRow("rounds-to-hundred") << "99.6" << 0;
    }
    void copies()
    {
        QFETCH(QString, text);
        QFETCH(int, copies);
        DocumentForm &document = FormInstance<DocumentForm>();
        document.Dmenu[2]->trigger();
        Show(document, [&](CopyForm &copy) {
            PrintDialogFixture::TypeCopies(copy, text);
            PrintDialogFixture::Click(copy.Action[0]);
            QCOMPARE(copy.isVisible(), copies == 0);
        });
        if (copies == 0) {
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes[0].prompt, QString("Copies Must Be In The Range 1 to 99"));
            QCOMPARE(boxes[0].title, QString("Help"));
            QCOMPARE(boxes[0].style, MsgBoxStyle::Information);
            QVERIFY(jobs.empty());
            QVERIFY(!PrinterInUse().JobOpen());
            return;
        }
        QVERIFY(boxes.isEmpty());
        QCOMPARE(jobs.size(), size_t(1));
        // Each grid's copies follow one another; grid 0 opens each of its
        // copies with its headings.
        QCOMPARE(Count(jobs[0], "ETD UTC"), copies);
        QCOMPARE(Count(jobs[0], "Method"), copies);
    }

    // The whole navigation sheet on one page of A4: the frame from (1, 10),
    // the title and page number, every grid under the one before, and the
    // scale line ("&Scale" is selected) clear of the grids.
    void printsTheWholeDocument()
    {
        DocumentForm &document = FormInstance<DocumentForm>();
        document.Dmenu[2]->trigger();
        document.Dgrid[3]->SetTextMatrix(7, 0, QStringLiteral("1215"));
        document.Dgrid[4]->SetTextMatrix(1, 0, QStringLiteral("Transit"));
        Show(document, [&](CopyForm &copy) {
            QVERIFY(!copy.Coption[0]->isEnabled());
            PrintDialogFixture::Click(copy.Action[0]);
            QVERIFY(!copy.isVisible());
        });
        QCOMPARE(jobs.size(), size_t(1));
        const PrintJob &job = jobs[0];
        QCOMPARE(job.printer.DeviceName, defaultPrinter.DeviceName);
        QCOMPARE(job.pages.size(), size_t(1));
        const double width = 210 - 2 * Margin;
        const double height = 297 - 2 * Margin;
        const PrintItem &frame = job.pages[0].front();
        QCOMPARE(frame.kind, PrintItem::Box);
        QCOMPARE(frame.from, QPointF(1, 10));
        QVERIFY(qAbs(frame.to.x() - width) < 1e-6 && qAbs(frame.to.y() - height) < 1e-6);
        QCOMPARE(frame.fillStyle, Printer::FillTransparent);
        QVERIFY(qAbs(frame.penWidth - 2 * 25.4 / 600) < 1e-9);

        const std::vector<Text> texts = Texts(job);
        // One header on the page, whatever the number of grids under it.
        QCOMPARE(Count(job, "Navigation Sheet [Printed On 15/06/2003]"), 1);
        QCOMPARE(Count(job, "Page 1"), 1);
        QCOMPARE(Count(job, "1215"), 1);
        QCOMPARE(Count(job, "Transit"), 1);
        // Grids in index order, each under the one before, from 20 mm down.
        const QStringList firstHeadings{"ETD UTC", "State", "Degrees", "-6", "Method"};
        double last = 20;
        for (const QString &heading : firstHeadings) {
            double y = -1;
            for (const Text &t : texts)
                if (t.text == heading && y < 0)
                    y = t.y;
            QVERIFY2(y > last, qPrintable(heading));
            last = y;
        }
        // The sheet's widest grids, four columns of 2325 twips with 2 mm
        // gaps from 2 mm, end at 172.0 mm, past the line's place at 172.3
        // less the millimetre it keeps from them.
        QVERIFY(OneLineAt(job, 2 + 4 * (2325 / 56.7) + 3 * 2 + 1));
    }

    // "&Scale" for a document wider than the paper: the columns narrowed by
    // the required width over the printable width, the font with them.
    void scaledToThePaper()
    {
        DocumentForm &document = FormInstance<DocumentForm>();
        document.Dmenu[0]->trigger();
        document.Dgrid[0]->SetTextMatrix(2, 10, QStringLiteral("last"));
        Show(document, [&](CopyForm &copy) {
            QVERIFY(copy.Coption[0]->isEnabled());
            PrintDialogFixture::Click(copy.Action[0]);
        });
        QCOMPARE(jobs.size(), size_t(1));
        const double width = 210 - 2 * Margin;
        const double r = (11959.31 / 56.7) / width;
        const double column = qRound(817 / r) / 56.7 + 2;
        const std::vector<Text> texts = Texts(jobs[0]);
        const Text *last = nullptr;
        for (const Text &t : texts)
            if (t.text == "last")
                last = &t;
        QVERIFY(last);
        const double right = 10 * column + qRound(817 / r) / 56.7;
        QVERIFY(last->x < right && last->x > right - 10);
        QVERIFY(last->size < 8.25);
        // The scaled planning sheet ends well before the line's place.
        QVERIFY(OneLineAt(jobs[0], width - 25));
        // The document's columns are as they were.
        for (int c = 0; c < 11; ++c)
            QCOMPARE(document.Dgrid[0]->ColWidth(c), 817);
    }

    // "&Truncate" on A5: the columns the page edge would cut are left out
    // whole, and no scale line is drawn.
    void truncatedAtThePageEdge()
    {
        DocumentForm &document = FormInstance<DocumentForm>();
        document.Dmenu[0]->trigger();
        for (int c = 0; c < 11; ++c)
            document.Dgrid[0]->SetTextMatrix(2, c, QStringLiteral("col%1").arg(c));
        Show(document, [&](CopyForm &copy) {
            PrintDialogFixture::ChoosePrinter(copy, 2);
            PrintDialogFixture::Click(copy.Coption[0]);
            PrintDialogFixture::Click(copy.Action[0]);
        });
        QCOMPARE(jobs.size(), size_t(1));
        QCOMPARE(jobs[0].printer.DeviceName, printers[1].DeviceName);
        // 817 twips (14.4 mm) and a 2 mm gap a column from 2 mm: column 7
        // ends at 131.3 mm, inside the 135.3 mm A5 prints on; column 8 would
        // run from 133.3 to 147.7 mm.
        for (int c = 0; c < 11; ++c)
            QCOMPARE(Count(jobs[0], QStringLiteral("col%1").arg(c)), c < 8 ? 1 : 0);
        QVERIFY(ScaleLines(jobs[0]).empty());
        for (const Text &t : Texts(jobs[0]))
            QCOMPARE(t.size, 8.25);
    }

    // The navigation sheet fits A4 across, so it prints unscaled with the
    // scale line, which keeps its place 25 mm in from the edge where the
    // grids end before it, stands a millimetre after them where they reach
    // past it, and is left out where that is not inside the frame. The
    // sheet's widest grids end at 172.0 mm (four columns of 2325 twips);
    // margins of 39.75 mm leave 130.5 mm, where the fourth column is left
    // out and the third ends at 129.0 mm.
    void scaleLineClearOfTheGrids_data()
    {
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::addColumn<double>("margin");
        QTest::addColumn<double>("line");
        const double sheetEnd = 2 + 4 * (2325 / 56.7) + 3 * 2;
        QTest::addRow("on-its-side-keeps-its-place") << QPageLayout::Landscape << Margin << 297 - 2 * Margin - 25;
        QTest::addRow("just-after-the-grids") << QPageLayout::Portrait << Margin << sheetEnd + 1;
        QTest::addRow("no-room-left-out") << QPageLayout::Portrait << 39.75 << -1.0;
    }
    void scaleLineClearOfTheGrids()
    {
        QFETCH(QPageLayout::Orientation, orientation);
        QFETCH(double, margin);
        QFETCH(double, line);
        defaultPrinter.Layout = QPageLayout(QPageSize(QPageSize::A4), orientation,
                                            QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
        SetPrinters(printers, defaultPrinter);
        DocumentForm &document = FormInstance<DocumentForm>();
        document.Dmenu[2]->trigger();
        Show(document, [&](CopyForm &copy) {
            QVERIFY(!copy.Coption[0]->isEnabled());
            PrintDialogFixture::Click(copy.Action[0]);
        });
        QCOMPARE(jobs.size(), size_t(1));
        if (line < 0)
            QVERIFY(ScaleLines(jobs[0]).empty());
        else
            QVERIFY(OneLineAt(jobs[0], line));
    }

    // "&Cancel" while a grid prints: the job is discarded, no further grid
    // printed, "&Print" enabled again and the dialog hidden.
    void cancelWhilePrinting()
    {
        DocumentForm &document = FormInstance<DocumentForm>();
        document.Dmenu[1]->trigger();
        int rows = 0;
        Show(document, [&](CopyForm &copy) {
            copy.Engine.DoEvents = [&] {
                QVERIFY(!copy.Action[0]->isEnabled());
                if (++rows == 3)
                    PrintDialogFixture::Click(copy.Action[1]);
            };
            PrintDialogFixture::Click(copy.Action[0]);
            QVERIFY(copy.Action[0]->isEnabled());
            QVERIFY(!copy.isVisible());
        });
        QCOMPARE(rows, 3);
        QVERIFY(jobs.empty());
        QVERIFY(!PrinterInUse().JobOpen());
        QVERIFY(document.Dgrid[0]->isEnabled());
    }

    // Hidden, not closed: the copies text and the printer chosen are there
    // at the next printing, the list is not built again, and the new
    // document is measured.
    void keepsItsChoices()
    {
        DocumentForm &document = FormInstance<DocumentForm>();
        Show(document, [&](CopyForm &copy) {
            QVERIFY(copy.Coption[0]->isEnabled());
            PrintDialogFixture::TypeCopies(copy, QStringLiteral("2"));
            PrintDialogFixture::ChoosePrinter(copy, 1);
            PrintDialogFixture::Click(copy.Action[1]);
        });
        SetPrinters({}, defaultPrinter);
        document.Dmenu[2]->trigger();
        Show(document, [&](CopyForm &copy) {
            QCOMPARE(copy.CopyText->text(), QString("2"));
            QCOMPARE(copy.Plist->count(), 3);
            QCOMPARE(copy.Plist->currentRow(), 1);
            QCOMPARE(copy.PrintMode, 4L);
            QVERIFY(qAbs(copy.Engine.RequiredWidth - 11285.64f) < 0.05f);
            // The printer of entry 1 is gone: the one in use stays.
            PrintDialogFixture::Click(copy.Action[0]);
        });
        QCOMPARE(jobs.size(), size_t(1));
        QCOMPARE(jobs[0].printer.DeviceName, printers[0].DeviceName);
        QCOMPARE(Count(jobs[0], "ETD UTC"), 2);
    }

    // Entry 0 after another printer prints on the system's default printer.
    void backToTheDefaultPrinter()
    {
        DocumentForm &document = FormInstance<DocumentForm>();
        document.Dmenu[2]->trigger();
        Show(document, [&](CopyForm &copy) {
            PrintDialogFixture::ChoosePrinter(copy, 2);
            PrintDialogFixture::ChoosePrinter(copy, 0);
            PrintDialogFixture::Click(copy.Action[0]);
        });
        QCOMPARE(jobs.size(), size_t(1));
        QCOMPARE(jobs[0].printer.DeviceName, defaultPrinter.DeviceName);
    }

    // "&Setup" turning the paper on its side measures again: the planning
    // sheet fits then; cancelled, nothing changes.
    void setupMeasuresAgain_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addRow("landscape-chosen") << true;
        QTest::addRow("cancelled") << false;
    }
    void setupMeasuresAgain()
    {
        QFETCH(bool, accepted);
        if (accepted)
            setupOrientation = QPageLayout::Landscape;
        DocumentForm &document = FormInstance<DocumentForm>();
        Show(document, [&](CopyForm &copy) {
            QVERIFY(copy.Coption[0]->isEnabled());
            PrintDialogFixture::Click(copy.Coption[0]);
            PrintDialogFixture::Click(copy.Action[2]);
            QCOMPARE(setups, 1);
            QCOMPARE(copy.Coption[0]->isEnabled(), !accepted);
            QVERIFY(copy.Coption[1]->isChecked());
            PrintDialogFixture::Click(copy.Action[1]);
        });
        // The paper chosen stays with the printer.
        Show(document, [&](CopyForm &copy) {
            QCOMPARE(copy.Coption[0]->isEnabled(), !accepted);
            PrintDialogFixture::Click(copy.Action[0]);
        });
        QCOMPARE(jobs.size(), size_t(1));
        QCOMPARE(jobs[0].printer.Layout.orientation(), accepted ? QPageLayout::Landscape : QPageLayout::Portrait);
    }

    // A print-setup dialog that fails ends "&Setup" with no message: the
    // choice of "&Truncate" stands, unmeasured, and printing goes on.
    void failingSetupIsQuiet()
    {
        SetPrintSetupHook([](QPageLayout &) -> bool { throw PrinterError(482, "Printer error"); });
        DocumentForm &document = FormInstance<DocumentForm>();
        Show(document, [&](CopyForm &copy) {
            PrintDialogFixture::Click(copy.Coption[0]);
            PrintDialogFixture::Click(copy.Action[2]);
            QVERIFY(copy.isVisible());
            QVERIFY(copy.Coption[0]->isChecked());
            PrintDialogFixture::Click(copy.Action[0]);
        });
        QVERIFY(boxes.isEmpty());
        QCOMPARE(jobs.size(), size_t(1));
    }

    // Closing the dialog is cancelling it; it stays loaded.
    void closingHides()
    {
        DocumentForm &document = FormInstance<DocumentForm>();
        Show(document, [&](CopyForm &copy) {
            PrintDialogFixture::TypeCopies(copy, QStringLiteral("5"));
            copy.close();
            QVERIFY(!copy.isVisible());
        });
        CopyForm &copy = FormInstance<CopyForm>();
        QVERIFY(copy.IsLoaded());
        QCOMPARE(copy.CopyText->text(), QString("5"));
        QVERIFY(copy.Engine.PrintStop);
    }

    void copiesTextSelectedOnFocus()
    {
        Show(2, [&](CopyForm &copy) {
            PrintDialogFixture::TypeCopies(copy, QStringLiteral("12"));
            copy.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&copy));
            copy.Action[0]->setFocus();
            copy.CopyText->setFocus(Qt::TabFocusReason);
            QCOMPARE(copy.CopyText->selectedText(), QString("12"));
            PrintDialogFixture::Click(copy.Action[1]);
        });
    }

    // With no recorder the job goes to the printer's device: the PDF
    // writer's file, one page.
    void writesThePdf()
    {
        QTemporaryDir dir;
        defaultPrinter.DeviceName = QStringLiteral("PDF file %1").arg(run);
        defaultPrinter.Port = dir.filePath("out.pdf");
        defaultPrinter.PdfWriter = true;
        SetPrinters(printers, defaultPrinter);
        PrinterInUse().SetOutput({});
        DocumentForm &document = FormInstance<DocumentForm>();
        document.Dmenu[2]->trigger();
        Show(document, [&](CopyForm &copy) { PrintDialogFixture::Click(copy.Action[0]); });
        QFile file(defaultPrinter.Port);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n"), 1);
    }

private:
    // Shows the dialog for a document and runs the steps inside its modal
    // wait; the dialog is hidden afterwards if the steps left it open.
    void Show(long mode, const std::function<void(CopyForm &)> &steps)
    {
        Open([mode] { FormInstance<CopyForm>().ShowCopy(mode, FormInstance<DocumentForm>().Doc.Models()); }, steps);
    }
    // The same through the documents window's "&Print".
    void Show(DocumentForm &document, const std::function<void(CopyForm &)> &steps)
    {
        Open([&document] { document.Fmenu[0]->trigger(); }, steps);
    }
    void Open(const std::function<void()> &open, const std::function<void(CopyForm &)> &steps)
    {
        CopyForm &copy = FormInstance<CopyForm>();
        QTimer::singleShot(0, &copy, [&copy, steps] {
            steps(copy);
            if (copy.isVisible())
                copy.hide();
        });
        open();
    }

    int run = 0;
    PrinterInfo defaultPrinter;
    std::vector<PrinterInfo> printers;
    std::vector<PrintJob> jobs;
    QList<MsgBoxCall> boxes;
    int setups = 0;
    std::optional<QPageLayout::Orientation> setupOrientation;
};

QTEST_MAIN(TestCopyForm)
#include "tst_copyform.moc"
