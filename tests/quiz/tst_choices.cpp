#include "PictureFixture.h"
#include "ShownText.h"

#include "core/state/ReportError.h"
#include "platform/ask/MsgBox.h"
#include "platform/values/Shuffle.h"
#include "platform/window/WrapEntries.h"
#include "quiz/ChoiceList.h"
#include "quiz/LoadChoices.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

namespace {
// Stored rows of a test: "topic:asked:offered:R|W", separated by blanks.
void StoreRows(PictureFixture &db, const QString &rows)
{
    for (const QString &row : rows.split(' ', Qt::SkipEmptyParts)) {
        const QStringList f = row.split(':');
        db.AddAlternative(f[0].toInt(), f[1].toLong(), f[2].toLong(), f[3] == "R");
    }
}

QStringList Shown(const std::vector<Choice> &choices)
{
    QStringList shown;
    for (const Choice &c : choices)
        shown << QString("%1=%2").arg(c.text).arg(c.value);
    return shown;
}

QStringList Shown(const ChoiceList &list)
{
    QStringList shown;
    for (int row = 0; row < list.count(); ++row)
        shown << QString("%1=%2").arg(list.item(row)->text()).arg(list.ItemValue(row));
    return shown;
}

// The ink of each line of text in a row of a list as shown: for every band
// of pixel rows with dark pixels, the leftmost dark pixel.
QList<int> LineStarts(const QImage &shown, const QRect &row)
{
    QList<int> starts;
    bool inLine = false;
    for (int y = row.top(); y <= row.bottom(); ++y) {
        int left = -1;
        for (int x = row.left(); x <= row.right() && left < 0; ++x)
            if (qGray(shown.pixel(x, y)) < 100)
                left = x;
        if (left < 0) {
            inLine = false;
            continue;
        }
        if (!inLine)
            starts << left;
        else
            starts.last() = qMin(starts.last(), left);
        inLine = true;
    }
    return starts;
}
} // namespace

class TestChoices : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PictureFixture> db;
    QStringList boxes;
    int draws = 0;

private slots:
    void init()
    {
        db = std::make_unique<PictureFixture>();
        QVERIFY(db->Create());
        // Lights pictures 1 to 4, and shapes picture 1 under the same number.
        QCOMPARE(db->AddPicture(1, "Masthead light"), 1L);
        QCOMPARE(db->AddPicture(1, "Sidelights"), 2L);
        QCOMPARE(db->AddPicture(1, "Sternlight"), 3L);
        QCOMPARE(db->AddPicture(1, "All-round white"), 4L);
        QCOMPARE(db->AddPicture(2, "Ball"), 1L);
        RecordMessageBoxes(boxes, MsgBoxAnswer::Ok);
        draws = 0;
    }

    void cleanup() { db.reset(); }

    // The choices of one lights picture as stored, read in index order
    // before any shuffle; own answer text "Own answer". Rows of the next
    // picture and of another topic follow in the index and must not be read.
    void choicesOffered_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<long>("asked");
        QTest::addColumn<QStringList>("offered");
        QTest::addRow("no-rows-own-answer-alone") << "1:2:2:R" << 1L << QStringList{"Own answer=-1"};
        QTest::addRow("self-row-only") << "1:2:2:R" << 2L << QStringList{"Sidelights=-1"};
        QTest::addRow("set-of-three") << "1:2:2:R 1:2:1:W 1:2:4:W" << 2L
                                      << QStringList{"Sidelights=-1", "Masthead light=0", "All-round white=0"};
        QTest::addRow("stops-at-next-picture")
            << "1:1:1:R 1:1:3:W 1:2:2:R 1:2:1:W" << 1L << QStringList{"Masthead light=-1", "Sternlight=0"};
        QTest::addRow("stops-at-other-topic")
            << "1:4:4:R 1:4:2:W 2:4:1:R" << 4L << QStringList{"All-round white=-1", "Sidelights=0"};
        QTest::addRow("other-topic-same-number-unread") << "2:1:1:R 2:1:9:W" << 1L << QStringList{"Own answer=-1"};
        // Picture 9 never existed, or was deleted after the set was saved.
        QTest::addRow("deleted-picture-not-found")
            << "1:3:3:R 1:3:9:W" << 3L << QStringList{"Sternlight=-1", "Answer Not Found=0"};
    }

    void choicesOffered()
    {
        QFETCH(QString, rows);
        QFETCH(long, asked);
        StoreRows(*db, rows);
        auto conn = db->Open();
        const auto choices = ReadOfferedChoices(*conn, 1, asked, "Own answer");
        conn->Close();
        QTEST(Shown(choices), "offered");
        // A missing picture is no error: no box.
        QCOMPARE(boxes, QStringList());
    }

    // The list is shuffled with the program's generator (Fisher-Yates: for
    // the last place down to the second, a draw from 0 to that place); each
    // entry's value travels with its text, and each entry's tip is its place
    // and text. Draws given here: always 0 rotates a list of three left.
    void loadChoicesShufflesAndShows()
    {
        StoreRows(*db, "1:2:2:R 1:2:1:W 1:2:4:W");
        SetShuffleRandom([this](long) {
            ++draws;
            return 0L;
        });
        ChoiceList list;
        list.hide();
        LoadChoices(list, [] { return OfferedChoices(1, 2, "Sidelights", "LightForm:LoadChoices"); });
        QVERIFY(!list.isHidden());
        QCOMPARE(draws, 2);
        // [S, M, A]: swap places 2 and 0 -> [A, M, S]; swap 1 and 0 -> [M, A, S].
        QCOMPARE(Shown(list), QStringList({"Masthead light=0", "All-round white=0", "Sidelights=-1"}));
        QCOMPARE(ShownTip(list.item(0)->toolTip()), QString("(1) Masthead light"));
        QCOMPARE(ShownTip(list.item(2)->toolTip()), QString("(3) Sidelights"));
        QCOMPARE(boxes, QStringList());
    }

    // Two entries: the one draw decides, so either order can result.
    void twoEntriesEitherOrder_data()
    {
        QTest::addColumn<long>("draw");
        QTest::addColumn<QStringList>("order");
        QTest::addRow("exchanged") << 0L << QStringList{"Masthead light=0", "Sidelights=-1"};
        QTest::addRow("kept") << 1L << QStringList{"Sidelights=-1", "Masthead light=0"};
    }

    void twoEntriesEitherOrder()
    {
        QFETCH(long, draw);
        StoreRows(*db, "1:2:2:R 1:2:1:W");
        SetShuffleRandom([draw](long) { return draw; });
        ChoiceList list;
        LoadChoices(list, [] { return OfferedChoices(1, 2, "Sidelights", "LightForm:LoadChoices"); });
        QTEST(Shown(list), "order");
    }

    // A list of one entry is never shuffled, and a new fill replaces
    // whatever the list held.
    void oneEntryNotShuffled()
    {
        SetShuffleRandom([this](long) {
            ++draws;
            return 0L;
        });
        ChoiceList list;
        list.SetChoices({{"left over", 0}, {"from before", 0}});
        LoadChoices(list, [] { return OfferedChoices(1, 3, "Sternlight", "LightForm:LoadChoices"); });
        QCOMPARE(draws, 0);
        QCOMPARE(Shown(list), QStringList({"Sternlight=-1"}));
    }

    // Without its database file the list stays empty and the failure is
    // reported under the quiz window's own location.
    void failureReportedWithLocation()
    {
        AppPath = AppPath + "missing/";
        ChoiceList list;
        LoadChoices(list, [] { return OfferedChoices(1, 2, "Sidelights", "ShapeForm:LoadChoices"); });
        QCOMPARE(list.count(), 0);
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].startsWith("Unexpected Error In - ShapeForm:LoadChoices, Error Number 3024"),
                 qPrintable(boxes[0]));
    }

    // The tip names the entry actually under the pointer, also when the list
    // is scrolled so that its first visible entry is not its first entry;
    // over an empty list, or below the last entry, no tip shows.
    void tipNamesEntryUnderPointer_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("topRow");
        QTest::addColumn<QString>("tip");
        QTest::addRow("top-entry") << 20 << 0 << "(1) Answer 1";
        QTest::addRow("scrolled-entry-11-on-top") << 20 << 10 << "(11) Answer 11";
        QTest::addRow("empty-list") << 0 << 0 << "";
        QTest::addRow("below-last-entry") << 1 << 0 << "";
    }

    void tipNamesEntryUnderPointer()
    {
        QFETCH(int, entries);
        QFETCH(int, topRow);
        QWidget window;
        window.resize(300, 200);
        auto *list = new ChoiceList(&window);
        list->setGeometry(0, 0, 200, 120);
        QList<QPair<QString, int>> choices;
        for (int i = 1; i <= entries; ++i)
            choices.append({QString("Answer %1").arg(i), 0});
        list->SetChoices(choices);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The pointer near the top of the visible part of the list.
        QPoint pos(10, 5);
        if (topRow > 0) {
            list->scrollToItem(list->item(topRow), QAbstractItemView::PositionAtTop);
            QCOMPARE(list->indexAt(QPoint(0, 0)).row(), topRow);
        } else if (entries == 1) {
            pos = QPoint(10, list->viewport()->height() - 5);
        }
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, pos, list->viewport()->mapToGlobal(pos));
        QCoreApplication::sendEvent(list->viewport(), &help);
        QTEST(QToolTip::isVisible() ? ShownTip(QToolTip::text()) : QString(), "tip");
        QToolTip::hideText();
    }

    // A wrapped entry reads as one: every line after its first stands in by
    // the hanging indent, while the next entry starts at the margin again.
    // Widths as designed: the quiz's choice list (6015 twips), the item list
    // and an editor's kind list (1695 twips).
    void wrappedEntryReadsAsOne_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::addRow("choice-list") << "choices" << 401
                                     << "Power-Driven Vessel Of 50 Metres Or More Underway, Seen From Starboard";
        QTest::addRow("item-list") << "items" << 113 << "Side Vessel Starboard";
        QTest::addRow("editor-kind-list") << "kinds" << 113 << "Side Vessel Starboard";
    }
    void wrappedEntryReadsAsOne()
    {
        QFETCH(QString, list);
        QFETCH(int, width);
        QFETCH(QString, text);
        QWidget window;
        window.resize(500, 200);
        QListWidget *shown = nullptr;
        if (list == "choices") {
            auto *choices = new ChoiceList(&window);
            choices->SetChoices({{text, -1}, {"Sailing Vessel", 0}});
            shown = choices;
        } else if (list == "items") {
            auto *items = new ListBox(&window);
            items->AddItem(text, 1);
            items->AddItem("Sailing Vessel", 2);
            shown = items;
        } else {
            shown = new QListWidget(&window);
            WrapEntries(*shown);
            shown->addItems({text, "Sailing Vessel"});
        }
        shown->setGeometry(8, 8, width, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = shown->viewport()->grab().toImage();
        const QList<int> first = LineStarts(image, shown->visualRect(shown->model()->index(0, 0)));
        const QList<int> next = LineStarts(image, shown->visualRect(shown->model()->index(1, 0)));
        QVERIFY2(first.size() >= 2, qPrintable(QString::number(first.size())));
        QCOMPARE(next.size(), 1);
        const int em = QFontMetrics(shown->font()).horizontalAdvance('M');
        for (int line = 1; line < first.size(); ++line)
            QVERIFY2(first[line] >= first[0] + em, qPrintable(QString("line %1 starts at %2, the entry at %3")
                                                                  .arg(line).arg(first[line]).arg(first[0])));
        QVERIFY2(qAbs(next[0] - first[0]) < em, qPrintable(QString("%1 against %2").arg(next[0]).arg(first[0])));
    }

    // A long answer wraps onto as many lines as it needs in a list of the
    // quiz window's width (6015 twips), so the list never scrolls sideways
    // and every line of the entry is in its row; the tip under the pointer
    // holds the whole text. The choice list numbers its tips, the item list
    // gives the text alone.
    void longEntryWrapsWhole_data()
    {
        QTest::addColumn<bool>("choices");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tip");
        const QString starboard = "Power-Driven Vessel Of 50 Metres Or More Underway, Seen From Starboard";
        QString longest;
        while (longest.size() < 255)
            longest += "Restricted ";
        longest.truncate(255);
        QTest::addRow("choice-seen-from-starboard") << true << starboard << "(1) " + starboard;
        QTest::addRow("choice-longest-storable") << true << longest << "(1) " + longest;
        QTest::addRow("item-longest-storable") << false << longest << longest;
    }
    void longEntryWrapsWhole()
    {
        QFETCH(bool, choices);
        QFETCH(QString, text);
        QWidget window;
        window.resize(500, 200);
        ListBox *list = choices ? new ChoiceList(&window) : new ListBox(&window);
        list->setGeometry(8, 8, 401, 53);
        if (auto *choice = qobject_cast<ChoiceList *>(list))
            choice->SetChoices({{text, -1}, {"Sailing Vessel", 0}});
        else
            list->AddItem(text, 1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        const QRect row = list->visualRect(list->model()->index(0, 0));
        QVERIFY(row.right() <= list->viewport()->width());
        const QFontMetrics fm(list->font());
        const QRect need = fm.boundingRect(QRect(0, 0, row.width() - 6, 1000), Qt::TextWordWrap, text);
        QVERIFY2(row.height() >= need.height(), qPrintable(QString("%1 < %2").arg(row.height()).arg(need.height())));
        QToolTip::hideText();
        const QPoint pos = row.center();
        QHelpEvent help(QEvent::ToolTip, pos, list->viewport()->mapToGlobal(pos));
        QCoreApplication::sendEvent(list->viewport(), &help);
        QTEST(QToolTip::isVisible() ? ShownTip(QToolTip::text()) : QString(), "tip");
        QToolTip::hideText();
    }
};

QTEST_MAIN(TestChoices)
#include "tst_choices.moc"
