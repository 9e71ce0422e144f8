#include "PdfPages.h"
#include "PrintDialogFixture.h"

#include "platform/window/Grid.h"

#include <QTemporaryDir>

#include <memory>

// The navigation documents as a sailor reads them: printed through the
// print dialog to PDF files, then read back as text (pdftotext) and as
// pixels (pdftoppm).
namespace {
// A frame, column or row line runs on well past a word's box; a glyph stays
// inside it. Names the first line that passes through the word's ink, or
// gives an empty text.
QString LineThroughWord(const QImage &image, const QRectF &points)
{
    const QRect box(QPoint(qFloor(points.left() * PixelsPerPoint), qFloor(points.top() * PixelsPerPoint)),
                    QPoint(qCeil(points.right() * PixelsPerPoint), qCeil(points.bottom() * PixelsPerPoint)));
    const int reach = qRound(Dpi / 25.4); // a millimetre beyond the box
    auto verticalLine = [&](int x) {
        for (int y = box.top() - reach; y <= box.bottom() + reach; ++y)
            if (!Dark(image, x, y))
                return false;
        return true;
    };
    auto horizontalLine = [&](int y) {
        for (int x = box.left() - reach; x <= box.right() + reach; ++x)
            if (!Dark(image, x, y))
                return false;
        return true;
    };
    for (int x = box.left(); x <= box.right(); ++x)
        if (verticalLine(x))
            return QStringLiteral("a vertical line at %1 mm").arg(x / PixelsPerPoint / PointsPerMm, 0, 'f', 1);
    // The glyphs' own rows: a line along the box's edge touches no glyph.
    int inkTop = box.bottom() + 1;
    int inkBottom = box.top() - 1;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        if (horizontalLine(y))
            continue;
        for (int x = box.left(); x <= box.right(); ++x)
            if (Dark(image, x, y)) {
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y);
            }
    }
    for (int y = inkTop + 1; y < inkBottom; ++y)
        if (horizontalLine(y))
            return QStringLiteral("a horizontal line at %1 mm").arg(y / PixelsPerPoint / PointsPerMm, 0, 'f', 1);
    return {};
}

// The first column's entries of every grid: times, and the labels the
// documents bring.
void FillFirstColumns(DocumentForm &document)
{
    const QStringList times{"0800", "1230", "2359"};
    for (int i = 0; i <= document.Dgrid.UBound(); ++i) {
        Grid *grid = document.Dgrid[i];
        for (int r = grid->FixedRows(), n = 0; r < grid->Rows() && n < times.size(); ++r, ++n) {
            grid->SetTextMatrix(r, 0, times[n]);
            if (grid->Cols() > 1)
                grid->SetTextMatrix(r, 1, QStringLiteral("Reefed"));
        }
    }
}
} // namespace

class TestPrintedPages : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PrintDialogFixture>();
        QVERIFY(fixture->folder.isValid());
        fixture->UsePaperPrinters();
        pdf = fixture->Pdf();
    }
    void cleanup() { fixture.reset(); }

    // Every document with one and three copies on A4 upright, A4 on its side
    // and A5, cut off at the page edge where the paper is too narrow and
    // scaled: each page carries its title and its own page number once,
    // and no frame, column or row line runs through a word of the grids,
    // the first column's included.
    void everyPageReadable_data()
    {
        QTest::addColumn<int>("document");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("truncate");
        // The first three papers: A4 both ways and upright A5.
        for (int copies : {1, 3})
            for (int d = 0; d < 3; ++d)
                for (int p = 0; p < 3; ++p) {
                    QTest::addRow("%s-%s-%d-scaled", Documents[d], Papers[p].name, copies) << d << copies << p << false;
                    if (TooWide[d][p])
                        QTest::addRow("%s-%s-%d-cut", Documents[d], Papers[p].name, copies) << d << copies << p << true;
                }
    }
    void everyPageReadable()
    {
        QFETCH(int, document);
        QFETCH(int, copies);
        QFETCH(int, paper);
        QFETCH(bool, truncate);
        DocumentForm &form = fixture->Document();
        form.Dmenu[document]->trigger();
        FillFirstColumns(form);
        QVERIFY(fixture->PrintOn(paper, truncate, copies));
        QVERIFY(QFile::exists(pdf));

        const QString title = CopyForm::ReportTitle(document + 2);
        const QStringList pages = PageTexts(pdf);
        QVERIFY(pages.size() >= copies);
        for (int p = 1; p <= pages.size(); ++p) {
            const QString &text = pages[p - 1];
            QVERIFY2(text.count(title) == 1, qPrintable(QStringLiteral("page %1:\n%2").arg(p).arg(text)));
            static const QRegularExpression pageNumber("Page\\s*(\\d+)");
            QStringList numbers;
            for (auto m = pageNumber.globalMatch(text); m.hasNext();)
                numbers << m.next().captured(1);
            QCOMPARE(numbers, QStringList{QString::number(p)});
        }

        const std::vector<std::vector<Word>> words = PageWords(pdf);
        QCOMPARE(words.size(), static_cast<size_t>(pages.size()));
        // The printable area begins a quarter inch in; the header's line
        // fills its top 5 mm.
        const double margin = 6.35 * PointsPerMm;
        int checked = 0;
        const std::vector<QImage> images = PageImages(pdf, fixture->folder.path());
        QCOMPARE(images.size(), static_cast<size_t>(pages.size()));
        for (int p = 1; p <= pages.size(); ++p) {
            const QImage &image = images[static_cast<size_t>(p - 1)];
            QVERIFY(!image.isNull());
            for (const Word &w : words[static_cast<size_t>(p - 1)]) {
                if (w.box.top() < margin + 5 * PointsPerMm)
                    continue;
                ++checked;
                const QString line = LineThroughWord(image, w.box);
                QVERIFY2(line.isEmpty(), qPrintable(QStringLiteral("page %1, \"%2\": %3").arg(p).arg(w.text, line)));
            }
        }
        QVERIFY(checked > 0);
    }

private:
    std::unique_ptr<PrintDialogFixture> fixture;
    QString pdf;
};

QTEST_MAIN(TestPrintedPages)
#include "tst_printedpages.moc"
