#include "PdfPages.h"
#include "PrintDialogFixture.h"

#include "platform/Grid.h"


#include <algorithm>
#include <memory>

// What a sailor wrote reads whole on paper: the navigation documents,
// printed through the print dialog to PDF files on A4 and A5, upright and on
// their side, then read back; the scale line stands clear of every word.
namespace {
const char *const Documents[] = {"planning", "log", "sheet"};

struct Paper {
    const char *name;
    QPageSize::PageSizeId size;
    QPageLayout::Orientation orientation;
};
const Paper Papers[] = {{"a4", QPageSize::A4, QPageLayout::Portrait},
                        {"a4-on-its-side", QPageSize::A4, QPageLayout::Landscape},
                        {"a5", QPageSize::A5, QPageLayout::Portrait},
                        {"a5-on-its-side", QPageSize::A5, QPageLayout::Landscape}};

// Entries as a sailor writes them, each short enough for any column.
const QStringList Entries{"0800", "SW 4", "Fuel 40 l", "Reefed"};

// An entry in every empty cell of each grid's first ordinary row; with a
// last entry, that one in every ordinary cell of each grid's last column.
void WriteEntries(DocumentForm &document, const QString &last = QString())
{
    for (int i = 0; i <= document.Dgrid.UBound(); ++i) {
        Grid &grid = *document.Dgrid[i];
        const int first = grid.FixedRows();
        for (int c = 0; c < grid.Cols(); ++c)
            if (first < grid.Rows() && grid.TextMatrix(first, c).isEmpty())
                grid.SetTextMatrix(first, c, Entries[c % Entries.size()]);
        for (int r = first; r < grid.Rows() && !last.isEmpty(); ++r)
            grid.SetTextMatrix(r, grid.Cols() - 1, last);
    }
}

// The texts of a page as a reader groups them: words on one line with no
// more than a blank or two between them read as one text, and a line between
// two of its words crosses it.
std::vector<Word> Phrases(std::vector<Word> words)
{
    std::sort(words.begin(), words.end(), [](const Word &a, const Word &b) {
        return qAbs(a.box.top() - b.box.top()) > 1 ? a.box.top() < b.box.top() : a.box.left() < b.box.left();
    });
    const double blanks = 1.5 * PointsPerMm;
    std::vector<Word> phrases;
    for (const Word &word : words) {
        if (!phrases.empty()) {
            Word &last = phrases.back();
            if (qAbs(last.box.top() - word.box.top()) <= 1 && word.box.left() - last.box.right() < blanks) {
                last.text += QLatin1Char(' ') + word.text;
                last.box = last.box.united(word.box);
                continue;
            }
        }
        phrases.push_back(word);
    }
    return phrases;
}
} // namespace

class TestPrintedTexts : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PrintDialogFixture>();
        QVERIFY(fixture->folder.isValid());
        pdf = fixture->folder.filePath("Norvanta.pdf");
        ++run;
        std::vector<PrinterInfo> printers;
        for (const Paper &paper : Papers)
            printers.push_back(PdfPrinter(QStringLiteral("%1 %2").arg(paper.name).arg(run), pdf,
                                          PdfPaper(paper.size, paper.orientation)));
        SetPrinters(printers, printers.front());
    }
    void cleanup() { fixture.reset(); }

    // The scale line is printed on the last page from the frame's top to
    // the page's foot and crosses no word: with an entry in every cell of
    // each grid's last column, it stands clear of them on every paper.
    void scaleLineClearOfWords_data()
    {
        QTest::addColumn<int>("document");
        QTest::addColumn<int>("paper");
        for (int d = 0; d < 3; ++d)
            for (int p = 0; p < 4; ++p)
                QTest::addRow("%s-%s", Documents[d], Papers[p].name) << d << p;
    }
    void scaleLineClearOfWords()
    {
        QFETCH(int, document);
        QFETCH(int, paper);
        DocumentForm &form = fixture->Document();
        form.Dmenu[document]->trigger();
        WriteEntries(form, QStringLiteral("Fuel 40 l"));
        QVERIFY(Print(paper, false));

        const std::vector<QImage> images = PageImages(pdf, fixture->folder.path());
        const std::vector<std::vector<Word>> words = PageWords(pdf);
        QVERIFY(!images.empty());
        QCOMPARE(words.size(), images.size());
        const QImage &last = images.back();
        const QRectF area = PdfPaper(Papers[paper].size, Papers[paper].orientation).paintRect(QPageLayout::Millimeter);
        const double pixelsPerMm = Dpi / 25.4;
        const int top = qCeil((area.top() + 10) * pixelsPerMm) + 2;
        const int bottom = qFloor(area.bottom() * pixelsPerMm) - 2;
        // The frame's sides stand at 1 mm and at the printable width.
        const int frameLeft = qRound((area.left() + 1) * pixelsPerMm);
        const int frameRight = qRound(area.right() * pixelsPerMm);
        QList<int> lines;
        for (int x = frameLeft + 4; x < frameRight - 4; ++x) {
            bool full = true;
            for (int y = top; y <= bottom && full; ++y)
                full = Dark(last, x, y);
            if (full && (lines.isEmpty() || lines.back() != x - 1))
                lines << x;
        }
        QCOMPARE(lines.size(), 1);
        const double line = lines.front() / pixelsPerMm;
        for (const Word &text : Phrases(words.back())) {
            const double left = text.box.left() / PointsPerMm;
            const double right = text.box.right() / PointsPerMm;
            QVERIFY2(line < left || line > right,
                     qPrintable(QStringLiteral("the line at %1 mm crosses \"%2\" (%3 to %4 mm)")
                                    .arg(line, 0, 'f', 1)
                                    .arg(text.text)
                                    .arg(left, 0, 'f', 1)
                                    .arg(right, 0, 'f', 1)));
        }
    }

private:
    // Prints the document on the paper's printer, scaled or cut off at the
    // page edge; true when the PDF is there.
    bool Print(int paper, bool cut)
    {
        bool offered = true;
        fixture->Print([&](CopyForm &copy) {
            PrintDialogFixture::ChoosePrinter(copy, paper + 1);
            offered = copy.Coption[0]->isEnabled();
            if (cut)
                PrintDialogFixture::Click(copy.Coption[0]);
            PrintDialogFixture::Click(copy.Action[0]);
        });
        return (!cut || offered) && QFile::exists(pdf);
    }

    std::unique_ptr<PrintDialogFixture> fixture;
    QString pdf;
    int run = 0;
};

QTEST_MAIN(TestPrintedTexts)
#include "tst_printedtexts.moc"
