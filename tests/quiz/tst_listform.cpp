#include "PictureFixture.h"
#include "tst_listform_driver.h"

#include "core/state/ReportError.h"
#include "platform/graphics/Twips.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

namespace {
// Within one pixel: twips become whole pixels on the screen.
bool Near(int twips, int expected)
{
    return qAbs(twips - expected) < 15;
}
} // namespace

class TestListForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PictureFixture> db;
    Boxes boxes;

    long Rows(const QString &table, const QString &field, long record) const
    {
        return db->Count(QString("Select Count(*) As N From %1 Where %2 = ?").arg(table, field),
                         {static_cast<qlonglong>(record)});
    }

private slots:
    void init()
    {
        db = std::make_unique<PictureFixture>();
        QVERIFY(db->Create());
        Twips::SetTwipsPerPixel(15, 15);
        boxes = Boxes();
        boxes.Install();
    }

    void cleanup() { db.reset(); }

    // ListRecord after each way of closing: only "&Ok" (or Enter) chooses; a
    // value left by an earlier showing or by reading a picture's alternatives
    // never survives any other way out.
    void closingLeavesListRecord_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<long>("record");
        QTest::addRow("ok") << "ok" << false << 2L;
        QTest::addRow("enter") << "enter" << false << 2L;
        QTest::addRow("ok-on-empty-list") << "ok" << true << 0L;
        QTest::addRow("cancel") << "cancel" << false << 0L;
        QTest::addRow("esc") << "esc" << false << 0L;
        QTest::addRow("quit") << "quit" << false << 0L;
        QTest::addRow("close-box") << "frame" << false << 0L;
        QTest::addRow("cancel-after-reading-alternatives") << "edit-cancel" << false << 0L;
    }

    void closingLeavesListRecord()
    {
        QFETCH(QString, how);
        QFETCH(bool, empty);
        if (!empty) {
            db->AddPicture(1, "Masthead light");
            db->AddPicture(1, "Sidelights");
        }
        ListRecord = 77; // left by an earlier showing
        WithListForm(0, how.startsWith("edit"), [&](ListForm &form) {
            form.show();
            if (!empty)
                form.Llist[0]->setCurrentRow(1);
            if (how == "ok")
                form.Action[0]->click();
            else if (how == "enter")
                QTest::keyClick(&form, Qt::Key_Return);
            else if (how == "cancel")
                form.Action[1]->click();
            else if (how == "esc")
                QTest::keyClick(&form, Qt::Key_Escape);
            else if (how == "quit")
                form.Fmenu[3]->trigger();
            else if (how == "frame")
                form.close();
            else if (how == "edit-cancel") {
                form.Fmenu[1]->trigger();
                ClickEntry(*form.Llist[0], 0);
                QCOMPARE(ListRecord, 1L);
                form.Action[1]->click();
            }
            QVERIFY(!form.isVisible());
        });
        QTEST(ListRecord, "record");
    }

    // A picker offers no maintenance; an editor's list offers all of it.
    // "&Quit" is there either way.
    void menuByMode_data()
    {
        QTest::addColumn<bool>("maintenance");
        QTest::addRow("picker") << false;
        QTest::addRow("maintenance") << true;
    }

    void menuByMode()
    {
        QFETCH(bool, maintenance);
        WithListForm(0, maintenance, [&](ListForm &form) {
            QCOMPARE(form.Fmenu[0]->text(), QString("&Delete"));
            QCOMPARE(form.Fmenu[1]->text(), QString("&Set Multichoice Alternatives"));
            QCOMPARE(form.Fmenu[2]->text(), QString("&Links"));
            QCOMPARE(form.Fmenu[3]->text(), QString("&Quit"));
            for (int i = 0; i < 3; ++i)
                QCOMPARE(form.Fmenu[i]->isEnabled(), maintenance);
            QVERIFY(form.Fmenu[3]->isEnabled());
        });
    }

    // Entries come in RECORD order, not sorted by text; equal texts are told
    // apart by their numbers. The first entry is selected; the topic list
    // holds the five topics with their codes.
    void entriesInRecordOrder()
    {
        db->AddPicture(2, "Cone");
        db->AddPicture(2, "Ball");
        db->AddPicture(2, "Ball");
        db->AddPicture(1, "Masthead light");
        WithListForm(1, false, [&](ListForm &form) {
            QCOMPARE(form.windowTitle(), QString("Existing Items"));
            QCOMPARE(Texts(*form.Llist[0]), QStringList({"Cone", "Ball", "Ball"}));
            QCOMPARE(Data(*form.Llist[0]), QList<long>({1, 2, 3}));
            QCOMPARE(Data(*form.Llist[1]), QList<long>({1, 2, 3}));
            QCOMPARE(form.Llist[0]->SelectedRows(), QList<int>({0}));
            QCOMPARE(Texts(*form.Llist[2]), QStringList({"Lights", "Shapes", "Buoys", "Sounds", "Collisions"}));
            QCOMPARE(Data(*form.Llist[2]), QList<long>({1, 2, 3, 4, 5}));
        });
    }

    // The window as designed: in item mode the item list fills the window
    // above the buttons (client 7365 x 4710: list 7095 x 3930, buttons at
    // 4150); the editing modes put the selection list under a list of 1785.
    void layoutByMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addRow("item") << "item";
        QTest::addRow("alternatives") << "alternatives";
        QTest::addRow("links") << "links";
    }

    void layoutByMode()
    {
        QFETCH(QString, mode);
        db->AddPicture(1, "Masthead light");
        WithListForm(0, true, [&](ListForm &form) {
            if (mode == "alternatives")
                form.Fmenu[1]->trigger();
            if (mode == "links")
                form.Fmenu[2]->trigger();
            const ListBox &items = *form.Llist[0];
            QCOMPARE(ControlLeft(items), 120);
            QCOMPARE(ControlTop(items), 120);
            QCOMPARE(ControlWidth(items), 7095);
            for (QPushButton *button : form.Action)
                QVERIFY2(Near(ControlTop(*button), 4150), qPrintable(button->text()));
            QCOMPARE(ControlLeft(*form.Action[0]), 6000);
            QCOMPARE(ControlLeft(*form.Action[1]), 120);
            QCOMPARE(form.Action[0]->text(), QString("&Ok"));
            QCOMPARE(form.Action[1]->text(), QString("&Cancel"));
            if (mode == "item") {
                QCOMPARE(ControlHeight(items), 3930);
                QVERIFY(form.Llist[1]->isHidden());
                QVERIFY(form.Llist[2]->isHidden());
                QVERIFY(form.Action[2]->isHidden());
                return;
            }
            QCOMPARE(ControlHeight(items), 1785);
            QVERIFY(Near(ControlTop(*form.Llist[1]), 2005));
            QCOMPARE(ControlHeight(*form.Llist[1]), 1785);
            QCOMPARE(ControlWidth(*form.Llist[1]), 7095);
            QVERIFY(!form.Llist[1]->isHidden());
            QVERIFY(!form.Action[2]->isHidden());
            QCOMPARE(form.Llist[2]->isHidden(), mode == "alternatives");
            QCOMPARE(form.Fmenu[1]->isEnabled(), mode == "alternatives");
            QCOMPARE(form.Action[2]->text(),
                     QString(mode == "links" ? "&Save Links" : "&Save Multichoice Alternatives"));
        });
    }

    // A new showing starts in item mode with fresh lists, whatever mode the
    // last one ended in.
    void newShowingStartsInItemMode()
    {
        db->AddPicture(1, "Masthead light");
        db->AddPicture(2, "Ball");
        WithListForm(0, true, [&](ListForm &form) {
            form.Fmenu[2]->trigger();
            form.Llist[2]->setCurrentRow(1);
            form.ReadOthers();
            QCOMPARE(Texts(*form.Llist[1]), QStringList({"Ball"}));
        });
        WithListForm(0, true, [&](ListForm &form) {
            QVERIFY(form.Llist[1]->isHidden());
            QVERIFY(form.Llist[2]->isHidden());
            QVERIFY(form.Action[2]->isHidden());
            QCOMPARE(form.Action[2]->text(), QString("&Save Multichoice Alternatives"));
            QVERIFY(form.Fmenu[1]->isEnabled());
            QCOMPARE(Texts(*form.Llist[1]), QStringList({"Masthead light"}));
            QCOMPARE(ControlHeight(*form.Llist[0]), 3930);
        });
    }

    // Deleting the selected picture removes its head row and its line rows,
    // selects the first entry, and leaves the LINKS and ALTERNATIVES rows
    // that name it; "No" changes nothing.
    void deleteItem_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("left");
        QTest::addRow("yes-middle") << int(MsgBoxAnswer::Yes) << 1 << QStringList{"Masthead light", "Sternlight"};
        QTest::addRow("yes-last") << int(MsgBoxAnswer::Yes) << 2 << QStringList{"Masthead light", "Sidelights"};
        QTest::addRow("no") << int(MsgBoxAnswer::No) << 1 << QStringList{"Masthead light", "Sidelights", "Sternlight"};
    }

    void deleteItem()
    {
        QFETCH(int, answer);
        QFETCH(int, row);
        for (const char *text : {"Masthead light", "Sidelights", "Sternlight"})
            db->AddPicture(1, text, 2);
        const long deleted = row + 1;
        db->AddAlternative(1, deleted, deleted, true);
        db->AddAlternative(1, 1, deleted, false);
        db->AddLink(1, deleted, 2, 1);
        db->AddLink(3, 1, 1, deleted);
        boxes.answer = answer;
        WithListForm(0, true, [&](ListForm &form) {
            form.Llist[0]->setCurrentRow(row);
            form.Fmenu[0]->trigger();
            QTEST(Texts(*form.Llist[0]), "left");
            QCOMPARE(form.Llist[0]->SelectedRows(), QList<int>({answer == MsgBoxAnswer::Yes ? 0 : row}));
            QTEST(Texts(*form.Llist[1]), "left");
        });
        QCOMPARE(boxes.prompts, QStringList({"Delete The Current Item"}));
        QCOMPARE(boxes.styles, QList<int>({MsgBoxStyle::YesNo + MsgBoxStyle::Question}));
        const long kept = answer == MsgBoxAnswer::Yes ? 0 : 1;
        QCOMPARE(Rows("LIGHTHEAD", "RECORD", deleted), kept);
        QCOMPARE(Rows("LIGHTLINE", "HEADER", deleted), 2 * kept);
        QCOMPARE(Rows("LIGHTLINE", "HEADER", 1), 2L);
        QCOMPARE(db->Count("Select Count(*) As N From ALTERNATIVES"), 2L);
        QCOMPARE(db->Count("Select Count(*) As N From LINKS"), 2L);
    }

    // Deleting the only picture leaves both lists empty; "&Delete" on the
    // empty list still asks, then reports that there is no current picture
    // and deletes nothing.
    void deleteUntilEmpty()
    {
        db->AddPicture(3, "Cardinal", 1);
        boxes.answer = MsgBoxAnswer::Yes;
        WithListForm(2, true, [&](ListForm &form) {
            form.Fmenu[0]->trigger();
            QCOMPARE(form.Llist[0]->count(), 0);
            QCOMPARE(form.Llist[1]->count(), 0);
            form.Fmenu[0]->trigger();
            form.Action[0]->click();
        });
        QCOMPARE(boxes.prompts.size(), 3);
        QCOMPARE(boxes.prompts[0], QString("Delete The Current Item"));
        QCOMPARE(boxes.prompts[1], QString("Delete The Current Item"));
        QVERIFY2(boxes.prompts[2].startsWith("Unexpected Error In - ListForm:DeleteItem, Error Number 381"),
                 qPrintable(boxes.prompts[2]));
        QCOMPARE(ListRecord, 0L);
        QCOMPARE(db->Count("Select Count(*) As N From BUOYHEAD"), 0L);
        QCOMPARE(db->Count("Select Count(*) As N From BUOYLINE"), 0L);
    }

    // The head row and the line rows go in one transaction: a failure on the
    // second statement leaves the picture whole, reported once.
    void deleteIsAllOrNothing()
    {
        db->AddPicture(5, "Head-on", 3);
        int deletes = 0;
        Database::SetWriteHook([&](const QString &sql) {
            if (sql.contains("delete", Qt::CaseInsensitive) && ++deletes == 2)
                throw DbError(DbError::DiskError, "Disk I/O error");
        });
        boxes.answer = MsgBoxAnswer::Yes;
        WithListForm(4, true, [&](ListForm &form) {
            form.Fmenu[0]->trigger();
            QCOMPARE(Texts(*form.Llist[0]), QStringList({"Head-on"}));
        });
        Database::SetWriteHook({});
        QCOMPARE(boxes.prompts.filter("Unexpected Error In - ListForm:DeleteItem").size(), 1);
        QCOMPARE(Rows("COLHEAD", "RECORD", 1), 1L);
        QCOMPARE(Rows("COLLINE", "HEADER", 1), 3L);
    }

    // In links mode a deletion lists the chosen topic's pictures again, with
    // the new first picture's links marked.
    void deleteInLinksModeRefillsChosenTopic()
    {
        db->AddPicture(1, "Masthead light");
        db->AddPicture(1, "Sidelights");
        db->AddPicture(2, "Ball");
        db->AddPicture(2, "Cone");
        db->AddLink(1, 2, 2, 2);
        boxes.answer = MsgBoxAnswer::Yes;
        WithListForm(0, true, [&](ListForm &form) {
            form.Fmenu[2]->trigger();
            form.Llist[2]->setCurrentRow(1);
            form.ReadOthers();
            form.Fmenu[0]->trigger();
            QCOMPARE(Texts(*form.Llist[0]), QStringList({"Sidelights"}));
            QCOMPARE(Texts(*form.Llist[1]), QStringList({"Ball", "Cone"}));
            QCOMPARE(Marked(*form.Llist[1]), QStringList({"Cone"}));
        });
    }

    // A head row without answer text is reported once and still listed
    // under its own number.
    void nullTextListedAndReported()
    {
        db->AddPicture(1, "Masthead light");
        db->AddPicture(1, QVariant());
        WithListForm(0, false, [&](ListForm &form) {
            QCOMPARE(Data(*form.Llist[0]), QList<long>({1, 2}));
            QCOMPARE(Texts(*form.Llist[0]), QStringList({"Masthead light", ""}));
        });
        QCOMPARE(boxes.prompts.filter("Unexpected Error In - ListForm:LoadData").size(), 1);
    }

    // The two ways in used by the quiz windows and the editors.
    void pickerAndMaintenanceCalls()
    {
        db->AddPicture(4, "One prolonged blast");
        db->AddPicture(4, "Two prolonged blasts");
        Form::SetModalHook([](Form &f) {
            auto &form = dynamic_cast<ListForm &>(f);
            QVERIFY(!form.Fmenu[0]->isEnabled());
            form.Llist[0]->setCurrentRow(1);
            form.Action[0]->click();
        });
        QCOMPARE(PickListItem(3), 2L);
        QCOMPARE(ListType, 3);
        QVERIFY(!ListEdit);
        Form::SetModalHook([](Form &f) {
            auto &form = dynamic_cast<ListForm &>(f);
            QVERIFY(form.Fmenu[0]->isEnabled());
            form.Action[1]->click();
        });
        MaintainListItems(3);
        QVERIFY(ListEdit);
        QCOMPARE(ListRecord, 0L);
    }
};

QTEST_MAIN(TestListForm)
#include "tst_listform.moc"
