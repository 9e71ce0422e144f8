#include "ProgramState.h"

#include "documents/Document.h"
#include "documents/DocumentLayouts.h"
#include "platform/graphics/Twips.h"
#include "platform/print/Printer.h"
#include "printing/PrintEngine.h"

#include <QApplication>
#include <QTest>

namespace {
// Page header, window font, start at the current y, column gaps, bold
// headings, column and row lines: what the print dialog asks for.
constexpr long DialogFlags = 6191;

PrinterInfo A4Printer()
{
    return PrinterInfo{QStringLiteral("Test driver"), QStringLiteral("Test printer"), QStringLiteral("LPT1:"),
                       QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                   QPageLayout::Millimeter),
                       true};
}

QStringList PrintedTexts(const PrintJob &job)
{
    QStringList texts;
    for (const auto &page : job.pages)
        for (const PrintItem &item : page)
            if (item.kind == PrintItem::Text)
                texts << item.text;
    return texts;
}
} // namespace

// A navigation document held in its models: laid out, filled and printed
// with no window at all.
class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
    }
    void cleanup() { ResetProgramState(); }

    void layOut_data()
    {
        QTest::addColumn<long>("type");
        QTest::addColumn<QList<int>>("cols");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("firstHeading");
        QTest::addRow("passage-planning") << DocumentTypes::PassagePlanning << QList<int>{11, 9, 4, 5, 4}
                                          << QList<int>{15, 15, 15, 10, 10} << "ETD";
        QTest::addRow("passage-log") << DocumentTypes::PassageLog << QList<int>{10, 2, 8} << QList<int>{25, 25, 3}
                                     << "Time";
        QTest::addRow("navigation-sheet") << DocumentTypes::NavigationSheet << QList<int>{4, 4, 3, 2, 2}
                                          << QList<int>{4, 5, 6, 14, 20} << "ETD UTC";
    }
    void layOut()
    {
        QFETCH(long, type);
        QFETCH(QList<int>, cols);
        QFETCH(QList<int>, rows);
        QFETCH(QString, firstHeading);
        Document document;
        document.LayOut(type);
        QCOMPARE(document.Type(), type);
        QCOMPARE(document.GridCount(), cols.size());
        for (int i = 0; i < document.GridCount(); ++i) {
            QCOMPARE(document.Model(i).Cols(), cols[i]);
            QCOMPARE(document.Model(i).Rows(), rows[i]);
            QCOMPARE(document.Model(i).columnCount(), cols[i]);
            QCOMPARE(document.Model(i).rowCount(), rows[i]);
        }
        QCOMPARE(document.Model(0).index(0, 0).data().toString(), firstHeading);
    }

    // Choosing a document starts it blank: what was typed into the last one
    // is gone, its headings are back.
    void layingOutAgainStartsBlank()
    {
        Document document;
        document.LayOut(DocumentTypes::PassageLog);
        document.Model(1).SetTextMatrix(3, 1, QStringLiteral("Reefed"));
        document.Model(0).SetTextMatrix(0, 0, QStringLiteral("typed over"));
        document.LayOut(DocumentTypes::PassageLog);
        QCOMPARE(document.Model(1).TextMatrix(3, 1), QString());
        QCOMPARE(document.Model(0).TextMatrix(0, 0), QString("Time"));
    }

    // Columns share the grid's width equally, but for the passage log's
    // notes, whose text takes eight ninths.
    void fitColumns_data()
    {
        QTest::addColumn<long>("type");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("widths");
        QTest::addRow("planning-weather") << DocumentTypes::PassagePlanning << 2 << QList<int>{2250, 2250, 2250, 2250};
        QTest::addRow("log-notes") << DocumentTypes::PassageLog << 1 << QList<int>{1000, 8000};
        QTest::addRow("log-totals") << DocumentTypes::PassageLog << 2
                                    << QList<int>{1125, 1125, 1125, 1125, 1125, 1125, 1125, 1125};
    }
    void fitColumns()
    {
        QFETCH(long, type);
        QFETCH(int, index);
        QFETCH(QList<int>, widths);
        Document document;
        document.LayOut(type);
        document.FitColumns(index, 9000);
        for (int c = 0; c < widths.size(); ++c)
            QCOMPARE(document.Model(index).ColWidth(c), widths[c]);
    }

    // The print engine reads the models alone: every grid of the log prints,
    // headings and a typed note, scaled to the page, and no window is made on
    // the way. The models keep their own column widths.
    void printsFromItsModelsWithoutAWindow()
    {
        Document document;
        document.LayOut(DocumentTypes::PassageLog);
        for (int i = 0; i < document.GridCount(); ++i)
            document.FitColumns(i, 9375);
        document.Model(1).SetTextMatrix(1, 1, QStringLiteral("Reefed off Cowes"));

        Printer printer;
        printer.Use(A4Printer());
        std::vector<PrintJob> jobs;
        printer.SetOutput([&jobs](const PrintJob &job) { jobs.push_back(job); });
        PrintEngine engine(printer);
        engine.DoEvents = [] {};
        engine.ScalingChosen = [] { return true; };
        engine.RequiredWidth = 2 * 9375 * 1.15f;
        printer.SetScaleMode(Printer::UnitMillimetres);
        printer.SetCurrentY(20);
        for (GridModel *model : document.Models()) {
            engine.PrintGrid(*model, 1, QStringLiteral("Passage Log"), DialogFlags);
            QVERIFY(model->Editable());
        }
        printer.EndDoc();

        QCOMPARE(QApplication::allWidgets().size(), 0);
        QCOMPARE(jobs.size(), size_t(1));
        const QStringList texts = PrintedTexts(jobs.front());
        for (const char *expected : {"Passage Log", "Baro", "Notes", "Reefed off Cowes", "Distance", "Today"})
            QVERIFY2(texts.contains(QLatin1String(expected)), expected);
        QCOMPARE(document.Model(1).ColWidth(0), 1042);
        QCOMPARE(document.Model(1).ColWidth(1), 8333);
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
