#include "PdfPages.h"
#include "PrintDialogFixture.h"

#include "platform/window/Grid.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <memory>

// What a sailor wrote reads whole on paper: every heading and every entry of
// the navigation documents, printed through the print dialog to PDF files on
// A4 and A5, upright and on their side, scaled to the paper and cut off at
// its edge, then read back; and the scale line stands clear of every word.
namespace {
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

// The columns printed whole: all of them when scaled; cut off at the page
// edge, those from 2 mm on, each with a 2 mm gap after it, that end a
// millimetre inside the printable width.
int PrintedColumns(const Grid &grid, double printableWidth, bool cut)
{
    if (!cut)
        return grid.Cols();
    double x = 2;
    for (int c = 0; c < grid.Cols(); ++c) {
        const double width = grid.ColWidth(c) / 56.7;
        if (x + width > printableWidth - 1)
            return c;
        x += width + 2;
    }
    return grid.Cols();
}

QStringList WordsOf(const QString &text)
{
    static const QRegularExpression blanks("\\s+");
    return text.split(blanks, Qt::SkipEmptyParts);
}
// The words a document can print: its title's, every cell's, and "Page".
QSet<QString> Vocabulary(const DocumentForm &document, const QString &title)
{
    QSet<QString> vocabulary{"Page"};
    for (const QString &word : WordsOf(title))
        vocabulary << word;
    for (int i = 0; i <= document.Dgrid.UBound(); ++i)
        for (int r = 0; r < document.Dgrid[i]->Rows(); ++r)
            for (int c = 0; c < document.Dgrid[i]->Cols(); ++c)
                for (const QString &word : WordsOf(document.Dgrid[i]->TextMatrix(r, c)))
                    vocabulary << word;
    return vocabulary;
}

// The first word on the pages that is no whole word of the document (a
// text cut short), or an empty text; page numbers are whole.
QString CutWord(const std::vector<std::vector<Word>> &pages, const QSet<QString> &vocabulary)
{
    for (size_t p = 0; p < pages.size(); ++p)
        for (const Word &word : pages[p])
            if (!vocabulary.contains(word.text) && word.text != QString::number(p + 1))
                return QStringLiteral("page %1: \"%2\" is no whole word").arg(p + 1).arg(word.text);
    return {};
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
        fixture->UsePaperPrinters();
        pdf = fixture->Pdf();
    }
    void cleanup() { fixture.reset(); }

    // Every heading and every entry of the columns printed is whole on the
    // page, on one line; every word on a page is a whole word of the
    // document, so no text is cut, whether the document is scaled to the
    // paper or cut off at its edge, where whole columns are left out.
    void everyTextWhole_data()
    {
        QTest::addColumn<int>("document");
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<bool>("columnsLeftOut");
        for (int d = 0; d < 3; ++d)
            for (int p = 0; p < 4; ++p) {
                QTest::addRow("%s-%s-scaled", Documents[d], Papers[p].name) << d << p << false << false;
                // Unscaled, only upright A5 is too narrow for a whole document.
                if (TooWide[d][p])
                    QTest::addRow("%s-%s-cut", Documents[d], Papers[p].name) << d << p << true << (p == 2);
            }
    }
    void everyTextWhole()
    {
        QFETCH(int, document);
        QFETCH(int, paper);
        QFETCH(bool, cut);
        QFETCH(bool, columnsLeftOut);
        DocumentForm &form = fixture->Document();
        form.Dmenu[document]->trigger();
        WriteEntries(form);
        QVERIFY(Print(paper, cut));

        QStringList whole;
        int leftOut = 0;
        const double printable = Papers[paper].Layout().paintRect(QPageLayout::Millimeter).width();
        for (int i = 0; i <= form.Dgrid.UBound(); ++i) {
            const Grid &grid = *form.Dgrid[i];
            const int printed = PrintedColumns(grid, printable, cut);
            leftOut += grid.Cols() - printed;
            for (int r = 0; r < grid.Rows(); ++r)
                for (int c = 0; c < printed; ++c)
                    if (!grid.TextMatrix(r, c).isEmpty())
                        whole << grid.TextMatrix(r, c);
        }
        QCOMPARE(leftOut > 0, columnsLeftOut);

        const QString pages = PageTexts(pdf).join(QLatin1Char('\n'));
        for (const QString &text : whole)
            QVERIFY2(pages.contains(text), qPrintable(QStringLiteral("\"%1\" is not whole").arg(text)));
        const std::vector<std::vector<Word>> words = PageWords(pdf);
        QVERIFY(!words.empty());
        const QString cutWord = CutWord(words, Vocabulary(form, CopyForm::ReportTitle(document + 2)));
        QVERIFY2(cutWord.isEmpty(), qPrintable(cutWord));
    }

    // Entries longer than their column wrap within it, their rows growing
    // to hold them: every word printed, in order, and none cut. Cut off at
    // the edge of upright A5 the log keeps its weather column (it ends at
    // 125.1 mm) and leaves out the notes' column, wider (143 mm) than the
    // paper prints on.
    void longEntriesWrapWhole_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<bool>("notesPrinted");
        QTest::addRow("a4-scaled") << 0 << false << true;
        QTest::addRow("a5-scaled") << 2 << false << true;
        QTest::addRow("a5-cut") << 2 << true << false;
    }
    void longEntriesWrapWhole()
    {
        QFETCH(int, paper);
        QFETCH(bool, cut);
        QFETCH(bool, notesPrinted);
        DocumentForm &form = fixture->Document();
        form.Dmenu[1]->trigger();
        const QString weather = QStringLiteral("Overcast, rain later, visibility moderate to poor");
        const QString note = QStringLiteral("Left the marina under engine, sails up off the breakwater, wind backing "
                                            "south west and freshening; first reef taken in before the headland, "
                                            "tide turned fair two hours later");
        form.Dgrid[0]->SetTextMatrix(1, 0, QStringLiteral("0800"));
        form.Dgrid[0]->SetTextMatrix(1, 6, weather);
        form.Dgrid[0]->SetTextMatrix(2, 0, QStringLiteral("0900"));
        form.Dgrid[1]->SetTextMatrix(1, 1, note);
        form.Dgrid[1]->SetTextMatrix(2, 1, QStringLiteral("Anchored"));
        QVERIFY(Print(paper, cut));

        const std::vector<std::vector<Word>> pages = PageWords(pdf);
        const QString cutWord = CutWord(pages, Vocabulary(form, CopyForm::ReportTitle(3)));
        QVERIFY2(cutWord.isEmpty(), qPrintable(cutWord));
        QStringList printed;
        for (const std::vector<Word> &page : pages)
            for (const Word &word : page)
                printed << word.text;
        QCOMPARE(printed.contains(QStringLiteral("marina")), notesPrinted);
        for (const QString &text : {weather, note}) {
            if (text == note && !notesPrinted)
                continue;
            int at = 0;
            for (const QString &word : WordsOf(text)) {
                at = static_cast<int>(printed.indexOf(word, at));
                QVERIFY2(at >= 0, qPrintable(QStringLiteral("\"%1\" of \"%2\" is missing").arg(word, text)));
                ++at;
            }
        }
    }

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
        const QRectF area = Papers[paper].Layout().paintRect(QPageLayout::Millimeter);
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
    bool Print(int paper, bool cut) { return fixture->PrintOn(paper, cut) && QFile::exists(pdf); }

    std::unique_ptr<PrintDialogFixture> fixture;
    QString pdf;
};

QTEST_MAIN(TestPrintedTexts)
#include "tst_printedtexts.moc"
