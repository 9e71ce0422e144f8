#include "PictureFixture.h"
#include "tst_listform_driver.h"

#include "core/state/ReportError.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using Alternatives = std::vector<AlternativeRow>;
using Links = std::vector<LinkRow>;

class TestListFormModes : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PictureFixture> db;
    Boxes boxes;

private slots:
    void init()
    {
        db = std::make_unique<PictureFixture>();
        QVERIFY(db->Create());
        // Lights 1 to 4, shapes 1 to 3, buoys 1.
        for (const char *text : {"Masthead light", "Sidelights", "Sternlight", "All-round white"})
            db->AddPicture(1, text);
        for (const char *text : {"Ball", "Cone", "Diamond"})
            db->AddPicture(2, text);
        db->AddPicture(3, "Cardinal");
        boxes = Boxes();
        boxes.Install();
    }

    void cleanup() { db.reset(); }

    // Entering alternatives mode lists the window's own pictures unmarked; a
    // click on a picture marks its saved set, its own entry included.
    void enteringAndReadingAlternatives()
    {
        db->AddAlternative(1, 2, 2, true);
        db->AddAlternative(1, 2, 4, false);
        WithListForm(0, true, [&](ListForm &form) {
            form.show();
            form.Fmenu[1]->trigger();
            QCOMPARE(Texts(*form.Llist[1]),
                     QStringList({"Masthead light", "Sidelights", "Sternlight", "All-round white"}));
            QCOMPARE(Marked(*form.Llist[1]), QStringList());
            ClickEntry(*form.Llist[0], 1);
            QCOMPARE(ListRecord, 2L);
            QCOMPARE(Marked(*form.Llist[1]), QStringList({"Sidelights", "All-round white"}));
            // Unsaved marks go when another picture is clicked.
            Mark(*form.Llist[1], {"Sternlight"});
            ClickEntry(*form.Llist[0], 2);
            QCOMPARE(Marked(*form.Llist[1]), QStringList());
            // "&Links" still switches on from alternatives mode.
            form.Fmenu[2]->trigger();
            QVERIFY(!form.Llist[2]->isHidden());
        });
        QCOMPARE(boxes.prompts, QStringList());
    }

    // Pictures chosen with the mouse and the keyboard, as a user goes between
    // them: the marks are always the saved rows of the picture selected, also
    // after a click on the picture already selected, and Save stores the
    // marks on that picture and on no other.
    void clickedPictureIsTheOneReadAndSaved_data()
    {
        QTest::addColumn<bool>("links");
        QTest::addRow("alternatives") << false;
        QTest::addRow("links") << true;
    }

    void clickedPictureIsTheOneReadAndSaved()
    {
        QFETCH(bool, links);
        // Lights 1 to 3 each with their own saved set; an alternatives set
        // also holds the picture itself.
        const QMap<long, QList<long>> saved{{1, {3}}, {2, {4}}, {3, {1, 2}}};
        for (auto set = saved.begin(); set != saved.end(); ++set) {
            if (!links)
                db->AddAlternative(1, set.key(), set.key(), true);
            for (long other : set.value()) {
                if (links)
                    db->AddLink(1, set.key(), 1, other);
                else
                    db->AddAlternative(1, set.key(), other, false);
            }
        }
        const QStringList names{"Masthead light", "Sidelights", "Sternlight", "All-round white"};
        auto savedMarks = [&](long record) {
            QStringList marks;
            for (long r = 1; r <= 4; ++r)
                if (saved[record].contains(r) || (!links && r == record))
                    marks << names[r - 1];
            return marks;
        };
        const Alternatives alternativesOne = db->Alternatives(1, 1);
        const Alternatives alternativesThree = db->Alternatives(1, 3);

        WithListForm(0, true, [&](ListForm &form) {
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.Fmenu[links ? 2 : 1]->trigger();
            ListBox &items = *form.Llist[0];
            ListBox &marks = *form.Llist[1];
            for (int row : {1, 0, 2, 1}) {
                ClickEntry(items, row);
                QCOMPARE(items.SelectedRows(), QList<int>{row});
                QCOMPARE(Marked(marks), savedMarks(row + 1));
            }
            // Marks not saved go when the selected picture is clicked again.
            ClickEntry(marks, 0);
            ClickEntry(items, 1);
            QCOMPARE(Marked(marks), savedMarks(2));
            items.setFocus();
            QTest::keyClick(&items, Qt::Key_Down);
            QCOMPARE(Marked(marks), savedMarks(3));
            QTest::keyClick(&items, Qt::Key_Up);
            QCOMPARE(Marked(marks), savedMarks(2));

            ClickEntry(items, 0);
            ClickEntry(items, 1);
            ClickEntry(marks, 0);
            ClickEntry(marks, 2, Qt::ControlModifier);
            QTest::mouseClick(form.Action[2], Qt::LeftButton);
        });

        QCOMPARE(boxes.prompts,
                 QStringList{links ? "Links Saved As Requested" : "Alternatives Saved As Requested"});
        if (links) {
            QVERIFY(db->Links() == Links({{1, 1, 1, 3}, {1, 3, 1, 1}, {1, 3, 1, 2}, {1, 2, 1, 1}, {1, 2, 1, 3}}));
        } else {
            QVERIFY(db->Alternatives(1, 2) == Alternatives({{2, 2, true}, {2, 1, false}, {2, 3, false}}));
            QVERIFY(db->Alternatives(1, 1) == alternativesOne);
            QVERIFY(db->Alternatives(1, 3) == alternativesThree);
        }
    }

    // Saving a set: the self row first, marked right, then the marked
    // pictures in RECORD order, whatever order they were marked in; the own
    // entry is never written twice. Saving again gives the same rows.
    void savingAlternatives_data()
    {
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QList<long>>("offered");
        QTest::addRow("two-others") << QStringList{"All-round white", "Masthead light"} << QList<long>{1, 4};
        QTest::addRow("with-own-entry") << QStringList{"Sidelights", "Sternlight"} << QList<long>{3};
        QTest::addRow("own-entry-only") << QStringList{"Sidelights"} << QList<long>{};
    }

    void savingAlternatives()
    {
        QFETCH(QStringList, marks);
        QFETCH(QList<long>, offered);
        db->AddAlternative(1, 2, 3, false); // an older set, replaced whole
        db->AddAlternative(1, 1, 1, true);  // another picture's set, untouched
        Alternatives expected{{2, 2, true}};
        for (long r : offered)
            expected.push_back({2, r, false});
        WithListForm(0, true, [&](ListForm &form) {
            form.Fmenu[1]->trigger();
            form.Llist[0]->setCurrentRow(1);
            Mark(*form.Llist[1], marks);
            form.Action[2]->click();
            QVERIFY(db->Alternatives(1, 2) == expected);
            form.Action[2]->click();
            QVERIFY(db->Alternatives(1, 2) == expected);
            // The marks stay as they were.
            QCOMPARE(Marked(*form.Llist[1]).size(), marks.size());
        });
        QCOMPARE(boxes.prompts, QStringList({"Alternatives Saved As Requested", "Alternatives Saved As Requested"}));
        QCOMPARE(boxes.styles.value(0), int(MsgBoxStyle::Information));
        QVERIFY(db->Alternatives(1, 1) == Alternatives({{1, 1, true}}));
    }

    // An empty choice of alternatives is refused and the saved set stays.
    void emptyAlternativesRefused()
    {
        db->AddAlternative(1, 1, 1, true);
        db->AddAlternative(1, 1, 3, false);
        WithListForm(0, true, [&](ListForm &form) {
            form.Fmenu[1]->trigger();
            form.Llist[0]->setCurrentRow(0);
            form.Llist[1]->clearSelection();
            form.Action[2]->click();
        });
        QCOMPARE(boxes.prompts, QStringList({"You Have Not Chosen Any Alternatives"}));
        QCOMPARE(boxes.styles, QList<int>({MsgBoxStyle::Information}));
        QVERIFY(db->Alternatives(1, 1) == Alternatives({{1, 1, true}, {1, 3, false}}));
    }

    // Links mode starts on "Lights"; choosing a topic with the mouse (also
    // the one already chosen) or the keyboard lists that topic's pictures and
    // marks the current picture's saved links toward it.
    void choosingTopicListsItsPictures()
    {
        db->AddLink(1, 1, 2, 3);
        db->AddLink(1, 1, 1, 4);
        WithListForm(0, true, [&](ListForm &form) {
            form.show();
            form.Fmenu[2]->trigger();
            QVERIFY(!form.Fmenu[1]->isEnabled());
            QCOMPARE(Texts(*form.Llist[1]),
                     QStringList({"Masthead light", "Sidelights", "Sternlight", "All-round white"}));
            QCOMPARE(Marked(*form.Llist[1]), QStringList({"All-round white"}));
            ClickEntry(*form.Llist[2], 1);
            QCOMPARE(Texts(*form.Llist[1]), QStringList({"Ball", "Cone", "Diamond"}));
            QCOMPARE(Marked(*form.Llist[1]), QStringList({"Diamond"}));
            // Marks not saved go when the topic is chosen again.
            Mark(*form.Llist[1], {"Ball"});
            ClickEntry(*form.Llist[2], 1);
            QCOMPARE(Marked(*form.Llist[1]), QStringList({"Diamond"}));
            form.Llist[2]->setFocus();
            QTest::keyClick(form.Llist[2], Qt::Key_Down);
            QCOMPARE(Texts(*form.Llist[1]), QStringList({"Cardinal"}));
            QCOMPARE(Marked(*form.Llist[1]), QStringList());
            // A click on another picture keeps the topic and reads its links.
            form.Llist[0]->setCurrentRow(1);
            QCOMPARE(form.Llist[2]->SelectedRows(), QList<int>({2}));
            QCOMPARE(Texts(*form.Llist[1]), QStringList({"Cardinal"}));
        });
    }

    // Saving links toward one topic replaces that series only; the links
    // toward the other topics stay. A picture of another topic under the same
    // number is a different picture and is linked; the picture itself never.
    void savingLinks_data()
    {
        QTest::addColumn<int>("topicRow");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QList<long>>("linked");
        QTest::addRow("shapes-same-number") << 1 << QStringList{"Ball", "Diamond"} << QList<long>{1, 3};
        QTest::addRow("own-topic-not-itself") << 0 << QStringList{"Masthead light", "Sternlight"} << QList<long>{3};
    }

    void savingLinks()
    {
        QFETCH(int, topicRow);
        QFETCH(QStringList, marks);
        QFETCH(QList<long>, linked);
        const int typeTwo = topicRow + 1;
        db->AddLink(1, 1, 3, 1);       // toward buoys: stays
        db->AddLink(1, 1, typeTwo, 2); // toward the chosen topic: replaced
        db->AddLink(2, 1, 1, 1);       // from shapes picture 1: stays
        WithListForm(0, true, [&](ListForm &form) {
            form.Fmenu[2]->trigger();
            form.Llist[2]->setCurrentRow(topicRow);
            form.ReadOthers();
            Mark(*form.Llist[1], marks);
            form.Action[2]->click();
        });
        Links expected{{1, 1, 3, 1}, {2, 1, 1, 1}};
        for (long r : linked)
            expected.push_back({1, 1, typeTwo, r});
        QVERIFY(db->Links() == expected);
        QCOMPARE(boxes.prompts, QStringList({"Links Saved As Requested"}));
    }

    // Saving with nothing marked asks first; Yes removes the series toward
    // the chosen topic only, No changes and shows nothing more.
    void savingNoLinks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rowsLeft");
        QTest::addColumn<QStringList>("prompts");
        QTest::addRow("yes") << int(MsgBoxAnswer::Yes) << 1
                             << QStringList{"You Have Not Chosen Any Links, Save Anyway", "Links Saved As Requested"};
        QTest::addRow("no") << int(MsgBoxAnswer::No) << 2 << QStringList{"You Have Not Chosen Any Links, Save Anyway"};
    }

    void savingNoLinks()
    {
        QFETCH(int, answer);
        db->AddLink(1, 1, 2, 2);
        db->AddLink(1, 1, 3, 1);
        boxes.answer = answer;
        WithListForm(0, true, [&](ListForm &form) {
            form.Fmenu[2]->trigger();
            form.Llist[2]->setCurrentRow(1);
            form.ReadOthers();
            form.Llist[1]->clearSelection();
            form.Action[2]->click();
        });
        QTEST(boxes.prompts, "prompts");
        QCOMPARE(boxes.styles.value(0), MsgBoxStyle::YesNo + MsgBoxStyle::Question);
        QTEST(int(db->Links().size()), "rowsLeft");
        const LinkRow first = answer == MsgBoxAnswer::Yes ? LinkRow{1, 1, 3, 1} : LinkRow{1, 1, 2, 2};
        QVERIFY(db->Links().front() == first);
    }

    // The selection list marks several entries: a plain click marks one
    // alone, Ctrl adds or removes one, Shift extends the marks from the entry
    // last clicked to the one clicked now.
    void extendedSelection()
    {
        for (const char *text : {"Topmark", "Spar", "Pillar"})
            db->AddPicture(2, text);
        WithListForm(1, true, [&](ListForm &form) {
            form.show();
            form.Fmenu[1]->trigger();
            ListBox &list = *form.Llist[1];
            QCOMPARE(list.count(), 6);
            ClickEntry(list, 0);
            QCOMPARE(list.SelectedRows(), QList<int>({0}));
            ClickEntry(list, 2, Qt::ControlModifier);
            QCOMPARE(list.SelectedRows(), QList<int>({0, 2}));
            ClickEntry(list, 4, Qt::ShiftModifier);
            QCOMPARE(list.SelectedRows(), QList<int>({0, 2, 3, 4}));
            ClickEntry(list, 3, Qt::ControlModifier);
            QCOMPARE(list.SelectedRows(), QList<int>({0, 2, 4}));
            ClickEntry(list, 5);
            QCOMPARE(list.SelectedRows(), QList<int>({5}));
        });
    }

    // A failure half-way through a replacement leaves the previous rows in
    // place: reported once, and no "Saved As Requested".
    void failedReplacementKeepsPreviousRows_data()
    {
        QTest::addColumn<bool>("links");
        QTest::addRow("alternatives") << false;
        QTest::addRow("links") << true;
    }

    void failedReplacementKeepsPreviousRows()
    {
        QFETCH(bool, links);
        db->AddAlternative(1, 1, 1, true);
        db->AddAlternative(1, 1, 2, false);
        db->AddLink(1, 1, 1, 4);
        const Alternatives alternatives = db->Alternatives(1, 1);
        const Links savedLinks = db->Links();
        int inserts = 0;
        WithListForm(0, true, [&](ListForm &form) {
            form.Fmenu[links ? 2 : 1]->trigger();
            form.Llist[0]->setCurrentRow(0);
            Mark(*form.Llist[1], {"Sidelights", "Sternlight", "All-round white"});
            Database::SetWriteHook([&](const QString &sql) {
                if (sql.contains("insert", Qt::CaseInsensitive) && ++inserts == 2)
                    throw DbError(DbError::DiskFull, "Disk full");
            });
            form.Action[2]->click();
            Database::SetWriteHook({});
        });
        QVERIFY(inserts >= 2);
        QCOMPARE(boxes.prompts.size(), 1);
        QVERIFY2(boxes.prompts[0].startsWith(links ? "Unexpected Error In - ListForm:SaveLinks"
                                                   : "Unexpected Error In - ListForm:SaveChoices"),
                 qPrintable(boxes.prompts[0]));
        QVERIFY(db->Alternatives(1, 1) == alternatives);
        QVERIFY(db->Links() == savedLinks);
    }

    // With no picture in the item list there is no current picture: nothing
    // of the picture last edited is read or written.
    void emptyListTouchesNoOtherPicture()
    {
        db->AddLink(2, 1, 1, 1); // a saved link of a shapes picture numbered 1
        ListRecord = 1;
        WithListForm(4, true, [&](ListForm &form) {
            form.Fmenu[2]->trigger();
            QCOMPARE(Texts(*form.Llist[1]),
                     QStringList({"Masthead light", "Sidelights", "Sternlight", "All-round white"}));
            Mark(*form.Llist[1], {"Sidelights"});
            form.Action[2]->click();
        });
        QCOMPARE(db->Links().size(), size_t(1));
        QCOMPARE(db->Count("Select Count(*) As N From LINKS Where TYPEONE = 5"), 0L);
        QVERIFY(!boxes.prompts.contains("Links Saved As Requested"));
        QVERIFY(boxes.prompts.filter("ListForm:SaveLinks").size() == 1);
    }
};

QTEST_MAIN(TestListFormModes)
#include "tst_listform_modes.moc"
