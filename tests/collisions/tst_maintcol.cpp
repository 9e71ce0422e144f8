// The collision editor: its lists and labels, the element box each "&Add"
// draws and places, the rows a save writes for elements dragged into place,
// and a saved picture as the quiz then shows it.

#include "ColPictures.h"
#include "quiz/WindowControls.h"
#include "quiz/tst_editor_driver.h"

#include "collisions/ColForm.h"
#include "collisions/ColKinds.h"
#include "collisions/MaintColForm.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/MaintText.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
// A COLLINE row as text: "HEADER COLOUR XPOS YPOS SIZE LISTPTR".
QString rowText(const Recordset &line)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(line.LongValue("HEADER"))
        .arg(line.LongValue("COLOUR"))
        .arg(line.DoubleValue("XPOS"))
        .arg(line.DoubleValue("YPOS"))
        .arg(line.DoubleValue("SIZE"))
        .arg(line.DoubleValue("LISTPTR"));
}

// The next control the Tab key reaches.
QWidget *nextTab(QWidget *w)
{
    do
        w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus));
    return w;
}

} // namespace

class TestMaintCol : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
        // Ten twips to the pixel: every pixel of travel is a whole number of twips.
        Twips::SetTwipsPerPixel(10, 10);
        RecordMessageBoxes(messages, MsgBoxAnswer::Ok);
    }
    void cleanup() { fixture.reset(); }

    void controlsAsDesigned()
    {
        open();
        MaintColForm &e = editor();
        QCOMPARE(e.windowTitle(), QString("Maintain Collisions"));
        QStringList kinds;
        for (const char *text : CollisionKindTexts)
            kinds << text;
        QCOMPARE(ListTexts(e.Mlist[0]), kinds);
        QCOMPARE(ListTexts(e.Mlist[1]), QStringList({"Large", "Medium", "Small", "Very Small"}));
        const QList<qlonglong> units{150, 120, 80, 40};
        for (int i = 0; i < units.size(); ++i)
            QCOMPARE(e.Mlist[1]->item(i)->data(Qt::UserRole).toLongLong(), units[i]);
        QCOMPARE(e.Mlist[0]->currentRow(), 0);
        QCOMPARE(e.Mlist[1]->currentRow(), 0);
        QCOMPARE(e.Mlabel[0]->text(), QString("Hint~Rule"));
        QCOMPARE(e.Mlabel[1]->text(), QString("Text"));
        QCOMPARE(e.Mlabel[2]->text(), QString("Caption"));
        QCOMPARE(e.Action[0]->text(), QString("&Add"));
        QCOMPARE(e.Action[1]->text(), QString("&Save"));
        QCOMPARE(e.Fmenu[0]->text(), QString("&List"));
        QCOMPARE(e.Fmenu[1]->text(), QString("&Quit"));
        QCOMPARE(e.Emenu[0]->text(), QString("&Clear"));
        // Twips at 10 to the pixel, halves to even (1425 is 142 pixels).
        QCOMPARE(ControlPlace(*e.Lpicture[0]), QRect(120, 120, 6000, 3000));
        QCOMPARE(e.Lpicture[0]->BackColor(), 16777215L);
        QCOMPARE(ControlPlace(*e.Mlist[0]), QRect(6240, 120, 1700, 1420));
        QCOMPARE(ControlPlace(*e.Mlist[1]), QRect(6240, 1800, 1700, 450));
        QCOMPARE(ControlPlace(*e.Action[0]), QRect(6240, 2640, 1220, 380));
        // The lists come after the buttons in the tab order.
        QCOMPARE(nextTab(e.Action[1]), static_cast<QWidget *>(e.Mlist[0]));
        QCOMPARE(nextTab(e.Mtext[2]), static_cast<QWidget *>(e.Action[0]));
    }

    // "&Add" puts the element in its box at (100, 100), or over the canvas
    // for the fog and the channel, tagged with its size and kind.
    void addPlacesElement_data()
    {
        QTest::addColumn<int>("kindRow");
        QTest::addColumn<int>("sizeRow");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QRectF>("box");
        QTest::addRow("large-mast-at-once") << 0 << 0 << "150\\0" << QRectF(100, 100, 1200, 2700);
        QTest::addRow("very-small-channel") << 18 << 3 << "40\\18" << QRectF(0, 0, 6000, 3000);
        QTest::addRow("large-fog") << 17 << 0 << "150\\17" << QRectF(0, 0, 6000, 2400);
        QTest::addRow("very-small-fog-same-box") << 17 << 3 << "40\\17" << QRectF(0, 0, 6000, 2400);
        QTest::addRow("medium-sailing-port") << 16 << 1 << "120\\16" << QRectF(100, 100, 2640, 2880);
        QTest::addRow("small-cone-down") << 3 << 2 << "80\\3" << QRectF(100, 100, 400, 400);
    }
    void addPlacesElement()
    {
        QFETCH(int, kindRow);
        QFETCH(int, sizeRow);
        QFETCH(QString, tag);
        QFETCH(QRectF, box);
        open();
        editor().Mlist[0]->setCurrentRow(kindRow);
        editor().Mlist[1]->setCurrentRow(sizeRow);
        editor().Action[0]->click();
        QCOMPARE(editor().PictureCount, 1L);
        const MaintElement &element = *editor().NewPicture[1];
        QCOMPARE(ControlTag(element), tag);
        QCOMPARE(QRectF(element.Left(), element.Top(), element.Width(), element.Height()), box);
        QVERIFY(element.isVisible());
        QVERIFY(element.isEnabled());
        QCOMPARE(messages, QStringList{});
    }

    // Each new element lies in front of the earlier ones: a channel added
    // after a vessel hides it; a ball added after the channel shows.
    void newestInFront()
    {
        open();
        add(SideVesselStarboard, 0);
        add(Channel, 3);
        const QPoint inVessel = editor().Lpicture[0]->mapFromGlobal(
            editor().NewPicture[1]->mapToGlobal(editor().NewPicture[1]->rect().center()));
        QCOMPARE(editor().Lpicture[0]->childAt(inVessel), static_cast<QWidget *>(editor().NewPicture[2]));
        add(Ball, 0);
        QCOMPARE(editor().Lpicture[0]->childAt(QPoint(32, 32)), static_cast<QWidget *>(editor().NewPicture[3]));
    }

    // Elements dragged into place are stored in the order added, each at
    // its box's centre on the canvas with the size and kind of its tag; an
    // element dragged off the canvas keeps its real, negative, centre. The
    // editor is then empty, the lists keep their choices, and nothing is said.
    void saveWritesRows()
    {
        open();
        add(Mast, 3); // box 320 x 720 at (100, 100): centre (260, 460)
        DriveMouse(editor(), "press; move 40,40; move 0,60; release 0,60"); // 400 left, 200 down
        add(Fog, 0);                  // centre (3000, 1200) wherever it is
        add(SideVesselPort, 2);       // box 3072 x 2304 at (100, 100)
        SaveWithTexts(editor(), "Who gives way?~Rule 15", "The vessel with the other on her starboard side");
        QCOMPARE(messages, QStringList{});

        auto db = fixture->Open();
        Recordset head = db->OpenRecordset("COLHEAD");
        QVERIFY(!head.Eof());
        const long record = head.LongValue("RECORD");
        QCOMPARE(head.TextValue("HINT"), QString("Who gives way?~Rule 15"));
        QCOMPARE(head.TextValue("TEXT"), QString("The vessel with the other on her starboard side"));
        // An empty caption is stored as the empty text, not as Null.
        QCOMPARE(head.Value("EXTRA"), QVariant(QString("")));
        head.MoveNext();
        QVERIFY(head.Eof());
        head.Close();
        QStringList rows;
        Recordset line = db->OpenRecordset("COLLINE");
        for (; !line.Eof(); line.MoveNext())
            rows << rowText(line);
        line.Close();
        db->Close();
        const QString r = QString::number(record);
        QCOMPARE(rows, QStringList({r + " 0 -140 660 40 0", r + " 0 3000 1200 150 17", r + " 0 1636 1252 80 10"}));

        QCOMPARE(editor().PictureCount, 0L);
        QVERIFY(!editor().NewPicture.Exists(1));
        for (MaintText *text : editor().Mtext)
            QCOMPARE(text->toPlainText(), QString());
        QCOMPARE(editor().Mlist[0]->currentRow(), int(SideVesselPort));
        QCOMPARE(editor().Mlist[1]->currentRow(), 2);
    }

    // The checks run in order, each with its message, and nothing is saved
    // while one fails. The caption is not checked.
    void checksBeforeSaving_data()
    {
        QTest::addColumn<bool>("element");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("expected");
        const QString none = "You Have Not Added Any Cols";
        const QString noHint = "You Have Not Entered Any Text For The Hint";
        const QString noAnswer = "You Have Not Entered Any Text For The Answer";
        QTest::addRow("all-missing") << false << "" << "" << QStringList{none, noHint, noAnswer};
        QTest::addRow("no-element") << false << "h~r" << "a" << QStringList{none};
        QTest::addRow("no-hint") << true << "" << "a" << QStringList{noHint};
        QTest::addRow("no-answer") << true << "h" << "" << QStringList{noAnswer};
        QTest::addRow("no-caption-saves") << true << "h" << "a" << QStringList{};
    }
    void checksBeforeSaving()
    {
        QFETCH(bool, element);
        QFETCH(QString, hint);
        QFETCH(QString, answer);
        QFETCH(QStringList, expected);
        open();
        if (element)
            editor().Action[0]->click();
        SaveWithTexts(editor(), hint, answer);
        QCOMPARE(messages, expected);
        QCOMPARE(fixture->Count("Select Count(*) As N From COLHEAD"), expected.isEmpty() ? 1L : 0L);
    }

    // "&Clear" takes the elements away and keeps the texts and choices.
    void clearKeepsTexts()
    {
        open();
        editor().Mlist[0]->setCurrentRow(Cylinder);
        add(Cylinder, 1);
        add(Channel, 0);
        editor().Mtext[0]->setPlainText("h");
        editor().Mtext[1]->setPlainText("a");
        editor().Mtext[2]->setPlainText("c");
        editor().Emenu[0]->trigger();
        QCOMPARE(editor().PictureCount, 0L);
        QVERIFY(!editor().NewPicture.Exists(1));
        QVERIFY(!editor().NewPicture.Exists(2));
        QCOMPARE(editor().Mtext[2]->toPlainText(), QString("c"));
        QCOMPARE(editor().Mlist[0]->currentRow(), int(Channel));
        editor().Action[1]->click();
        QCOMPARE(messages, QStringList{"You Have Not Added Any Cols"});
    }

    // Closed by its close box or by "&Quit", the editor opens again empty,
    // with the first kind and size chosen.
    void reopensEmpty_data()
    {
        QTest::addColumn<bool>("quit");
        QTest::addRow("close-box") << false;
        QTest::addRow("quit") << true;
    }
    void reopensEmpty()
    {
        QFETCH(bool, quit);
        open();
        add(Fog, 2);
        add(Ball, 1);
        editor().Mtext[0]->setPlainText("h");
        if (quit)
            editor().Fmenu[1]->trigger();
        else
            editor().close();
        QVERIFY(!editor().IsLoaded());
        QCOMPARE(editor().PictureCount, 0L);
        open();
        QCOMPARE(editor().PictureCount, 0L);
        QVERIFY(!editor().NewPicture.Exists(1));
        QCOMPARE(editor().Mtext[0]->toPlainText(), QString());
        QCOMPARE(editor().Mlist[0]->currentRow(), 0);
        QCOMPARE(editor().Mlist[1]->currentRow(), 0);
    }

    // "&List" opens the item list on the collision pictures for maintenance;
    // the editor is unchanged when it closes.
    void listOpensItemList()
    {
        open();
        add(Diamond, 0);
        int lists = 0;
        Form::SetModalHook([&](Form &shown) {
            ++lists;
            QCOMPARE(shown.windowTitle(), QString("Existing Items"));
            QCOMPARE(ListType, 4);
            QVERIFY(ListEdit);
            shown.Unload();
        });
        editor().Fmenu[0]->trigger();
        QCOMPARE(lists, 1);
        QCOMPARE(editor().PictureCount, 1L);
        QVERIFY(editor().NewPicture[1]->isVisible());
    }

    // A save that fails stores nothing and leaves the editor as it was,
    // reported once under the editor's name.
    void failedSaveKeepsPicture()
    {
        open();
        add(Ball, 0);
        add(Mast, 3);
        editor().Mtext[0]->setPlainText("h");
        editor().Mtext[1]->setPlainText("a");
        Database::SetWriteHook([](const QString &sql) {
            if (sql.contains("COLLINE", Qt::CaseInsensitive))
                throw DbError(DbError::DiskFull, "Disk full.");
        });
        editor().Action[1]->click();
        QCOMPARE(messages, QStringList{"Unexpected Error In - MaintColForm:SaveData, Error Number 3026, Disk full."});
        Database::SetWriteHook({});
        QCOMPARE(fixture->Count("Select Count(*) As N From COLHEAD"), 0L);
        QCOMPARE(fixture->Count("Select Count(*) As N From COLLINE"), 0L);
        QCOMPARE(editor().PictureCount, 2L);
        QCOMPARE(editor().Mtext[0]->toPlainText(), QString("h"));
    }

    // What the editor saves, the quiz draws where the author left it: a
    // large ball moved 200 twips right and 2200 down, below the fog, and a
    // fog left in place.
    void quizShowsSavedPicture()
    {
        open();
        add(Ball, 0); // box 450 x 450 at (100, 100)
        DriveMouse(editor(), "press; move 30,30; move 50,250; release 50,250");
        add(Fog, 3);
        editor().Mtext[0]->setPlainText("Fog~Rule 19");
        editor().Mtext[1]->setPlainText("Restricted visibility");
        editor().Mtext[2]->setPlainText("In fog");
        editor().Action[1]->click();
        QCOMPARE(messages, QStringList{});
        editor().Fmenu[1]->trigger();

        ColForm &quiz = FormInstance<ColForm>();
        quiz.Load();
        quiz.show();
        QCOMPARE(quiz.Llabel[1]->text(), QString("In fog"));
        QCOMPARE(quiz.RuleText(), QString("Rule 19"));
        const PictureBox &picture = *quiz.Lpicture[0];
        // The ball's centre at (525, 2525) twips; the fog over the upper
        // four fifths of the picture.
        QCOMPARE(picture.PixelColour(52, 252), 0L);
        QCOMPARE(picture.PixelColour(52, 32), 12632256L);
        QCOMPARE(picture.PixelColour(300, 200), 12632256L);
        QCOMPARE(picture.PixelColour(300, 260), 16777215L);
    }

private:
    MaintColForm &editor() { return FormInstance<MaintColForm>(); }
    void open() { QVERIFY(ShowEditor(editor())); }
    void add(int kind, int sizeRow)
    {
        editor().Mlist[0]->setCurrentRow(kind);
        editor().Mlist[1]->setCurrentRow(sizeRow);
        editor().Action[0]->click();
    }

    std::unique_ptr<PictureFixture> fixture;
    QStringList messages;
};

QTEST_MAIN(TestMaintCol)
#include "tst_maintcol.moc"
