// The day-shapes editor: its window and lists, the element each "&Add"
// draws, the rows a save writes for elements placed with the mouse, and the
// checks before saving.

#include "ShapePictures.h"
#include "quiz/WindowControls.h"
#include "quiz/tst_editor_driver.h"

#include "core/state/ReportError.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "quiz/ListForm.h"
#include "quiz/MaintText.h"
#include "shapes/MaintShapeForm.h"
#include "silhouettes/DrawShape.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
constexpr long White = 16777215;

struct SavedShape {
    long header;
    long colour;
    double x;
    double y;
    double size;
    double kind;
};

std::vector<SavedShape> savedShapes(Database &db)
{
    std::vector<SavedShape> shapes;
    Recordset rs = db.OpenRecordset("SHAPELINE");
    rs.Index("ALTERNATE");
    for (; !rs.Eof(); rs.MoveNext())
        shapes.push_back({rs.LongValue("HEADER"), rs.LongValue("COLOUR"), rs.DoubleValue("XPOS"),
                          rs.DoubleValue("YPOS"), rs.DoubleValue("SIZE"), rs.DoubleValue("LISTPTR")});
    rs.Close();
    return shapes;
}

long countRows(Database &db, const QString &table)
{
    Recordset rs = db.OpenQuery("Select Count(*) As N From " + table);
    const long n = rs.LongValue("N");
    rs.Close();
    return n;
}

} // namespace

class TestMaintShape : public QObject
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

    void controlsAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addRow("canvas") << "Lpicture0" << QRect(120, 120, 6000, 3000);
        QTest::addRow("kind-list") << "Mlist0" << QRect(6240, 120, 1700, 1420);
        QTest::addRow("size-list") << "Mlist1" << QRect(6240, 1800, 1700, 640);
        QTest::addRow("add") << "Action0" << QRect(6240, 2640, 1220, 380);
        QTest::addRow("save") << "Action1" << QRect(6240, 4920, 1220, 380);
        QTest::addRow("hint-box") << "Mtext0" << QRect(1320, 3240, 4820, 620);
        QTest::addRow("answer-box") << "Mtext1" << QRect(1320, 3960, 4820, 620);
        QTest::addRow("fog-signal-box") << "Mtext2" << QRect(1320, 4680, 4820, 620);
    }
    void controlsAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        open();
        auto *w = editor().findChild<QWidget *>(name);
        QVERIFY(w);
        // Placed to the nearest pixel of ten twips, halves to even.
        QCOMPARE(ControlPlace(*w), place);
    }

    void windowAndLists()
    {
        open();
        QCOMPARE(editor().windowTitle(), QString("Maintain Shapes"));
        QCOMPARE(editor().Lpicture[0]->BackColor(), White);
        const MaintElement *templ = editor().NewPicture[0];
        QVERIFY(templ->isHidden());
        QCOMPARE(QRectF(templ->Left(), templ->Top(), templ->Width(), templ->Height()), QRectF(0, 2520, 400, 400));
        QCOMPARE(templ->BackColor(), White);
        QCOMPARE((QStringList{editor().Mlabel[0]->text(), editor().Mlabel[1]->text(), editor().Mlabel[2]->text()}),
                 (QStringList{"Hint", "Text", "Fog Signal"}));
        QCOMPARE(ListTexts(editor().Mlist[0]),
                 (QStringList{"Mast", "Ball", "Cone Up", "Cone Down", "Diamond", "Cylinder", "Vertical", "Horizontal",
                              "Head On Vessel", "Side Vessel", "Head On Barge", "Side Barge", "Fishing Vessel",
                              "Sailing Vessel"}));
        QCOMPARE(ListTexts(editor().Mlist[1]), (QStringList{"Large", "Medium", "Small"}));
        QCOMPARE(editor().Mlist[1]->item(0)->data(Qt::UserRole).toInt(), 150);
        QCOMPARE(editor().Mlist[1]->item(1)->data(Qt::UserRole).toInt(), 120);
        QCOMPARE(editor().Mlist[1]->item(2)->data(Qt::UserRole).toInt(), 80);
        QCOMPARE(editor().Mlist[0]->currentRow(), 0);
        QCOMPARE(editor().Mlist[1]->currentRow(), 0);

        // A save keeps the choices; a new opening starts from the first entries.
        choose(13, 2);
        editor().Action[0]->click();
        fillTexts("Hint", "Answer", "");
        editor().Action[1]->click();
        QCOMPARE(messages, QStringList());
        QCOMPARE(editor().Mlist[0]->currentRow(), 13);
        QCOMPARE(editor().Mlist[1]->currentRow(), 2);
        editor().Fmenu[1]->trigger();
        open();
        QCOMPARE(editor().Mlist[0]->currentRow(), 0);
        QCOMPARE(editor().Mlist[1]->currentRow(), 0);
    }

    // "&Add" makes element 1 at (100, 100), sized by its kind, tagged size
    // "\" kind, with the element drawn on it (probed in element twips).
    void addDrawsOneElement_data()
    {
        QTest::addColumn<int>("kindRow");
        QTest::addColumn<int>("sizeRow");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<long>("colour");
        QTest::addRow("large-mast") << 0 << 0 << "150\\0" << QSize(1200, 2700) << QPoint(600, 2000) << Colours::Black;
        QTest::addRow("small-ball") << 1 << 2 << "80\\1" << QSize(240, 240) << QPoint(120, 120) << Colours::Black;
        QTest::addRow("medium-cone-down")
            << 3 << 1 << "120\\3" << QSize(400, 400) << QPoint(200, 150) << Colours::Black;
        QTest::addRow("large-cylinder-face")
            << 5 << 0 << "150\\5" << QSize(300, 900) << QPoint(150, 150) << Colours::LightGrey;
        QTest::addRow("medium-side-vessel")
            << 9 << 1 << "120\\9" << QSize(4608, 3456) << QPoint(2304, 2000) << Colours::LightGrey;
        QTest::addRow("small-sailing-vessel")
            << 13 << 2 << "80\\13" << QSize(1760, 1920) << QPoint(880, 1280) << Colours::LightGrey;
        QTest::addRow("no-kind-blank-box") << -1 << 0 << "150\\-1" << QSize(400, 400) << QPoint(200, 200) << White;
    }
    void addDrawsOneElement()
    {
        QFETCH(int, kindRow);
        QFETCH(int, sizeRow);
        QFETCH(QString, tag);
        QFETCH(QSize, box);
        QFETCH(QPoint, probe);
        QFETCH(long, colour);
        open();
        choose(kindRow, sizeRow);
        editor().Action[0]->click();
        QCOMPARE(editor().PictureCount, 1L);
        const MaintElement *element = editor().NewPicture[1];
        QVERIFY(element->isVisible());
        QVERIFY(element->isEnabled());
        QCOMPARE(QRectF(element->Left(), element->Top(), element->Width(), element->Height()),
                 QRectF(QPointF(100, 100), QSizeF(box)));
        QCOMPARE(ControlTag(*element), tag);
        QCOMPARE(element->PixelColour(probe.x() / 10, probe.y() / 10), colour);
        QCOMPARE(messages, QStringList());
    }

    // Each row places one element and saves it: XPOS and YPOS are its left
    // and top plus half its size; SIZE and LISTPTR come from its tag.
    // Pointer travel is 10 twips a pixel; the first move only records, and a
    // release away from the last move moves the pointer there first.
    void saveWritesTheElement_data()
    {
        QTest::addColumn<int>("kindRow");
        QTest::addColumn<int>("sizeRow");
        QTest::addColumn<QString>("script");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("kind");
        QTest::addRow("large-mast-where-added") << 0 << 0 << "" << 700.0 << 1450.0 << 150.0 << 0.0;
        QTest::addRow("cone-keeps-400-box") << 2 << 0 << "" << 300.0 << 300.0 << 150.0 << 2.0;
        QTest::addRow("small-ball") << 1 << 2 << "" << 220.0 << 220.0 << 80.0 << 1.0;
        QTest::addRow("medium-side-vessel-enlarged-box-unit-stored")
            << 9 << 1 << "" << 2404.0 << 1828.0 << 120.0 << 9.0;
        QTest::addRow("small-fishing-vessel") << 12 << 2 << "" << 1508.0 << 868.0 << 80.0 << 12.0;
        QTest::addRow("dragged-right-and-down") << 4 << 1 << "press; move 30,30; move 330,180; release 330,180"
                                                << 3280.0 << 1780.0 << 120.0 << 4.0;
        QTest::addRow("dragged-past-left-edge") << 6 << 2 << "press; move 30,30; move 5,30; release 5,30"
                                                << -110.0 << 420.0 << 80.0 << 6.0;
        QTest::addRow("released-outside-the-window")
            << 7 << 0 << "press; move 30,30; move 80,50; release -50,-50" << -100.0 << -625.0 << 150.0 << 7.0;
    }
    void saveWritesTheElement()
    {
        QFETCH(int, kindRow);
        QFETCH(int, sizeRow);
        QFETCH(QString, script);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, size);
        QFETCH(double, kind);
        open();
        choose(kindRow, sizeRow);
        editor().Action[0]->click();
        DriveMouse(editor(), script);
        QVERIFY(!editor().Dragging);
        fillTexts("A Hint", "An Answer", "One Short Blast");
        editor().Action[1]->click();
        QCOMPARE(messages, QStringList());

        auto db = fixture->Open();
        Recordset head = db->OpenRecordset("SHAPEHEAD");
        const long record = head.LongValue("RECORD");
        QCOMPARE(head.TextValue("HINT"), QString("A Hint"));
        QCOMPARE(head.TextValue("TEXT"), QString("An Answer"));
        QCOMPARE(head.TextValue("FOGSIGNAL"), QString("One Short Blast"));
        head.Close();
        const std::vector<SavedShape> shapes = savedShapes(*db);
        db->Close();
        QCOMPARE(shapes.size(), size_t(1));
        QCOMPARE(shapes[0].header, record);
        QCOMPARE(shapes[0].colour, 0L);
        QCOMPARE(shapes[0].x, x);
        QCOMPARE(shapes[0].y, y);
        QCOMPARE(shapes[0].size, size);
        QCOMPARE(shapes[0].kind, kind);
    }

    // Two elements added without moving lie on each other; both are stored,
    // in the order added, with the same centre when their boxes are equal.
    // After the save the editor is empty, the next element is number 1 again
    // and the second picture gets its own number.
    void twoElementsThenAnotherPicture()
    {
        open();
        choose(1, 0);
        editor().Action[0]->click();
        choose(4, 0);
        editor().Action[0]->click();
        fillTexts("Hint", "Answer", "");
        editor().Action[1]->click();
        QCOMPARE(messages, QStringList());
        QCOMPARE(editor().PictureCount, 0L);
        QVERIFY(!editor().NewPicture.Exists(1));
        QCOMPARE(editor().Mtext[0]->Text(), QString());
        QCOMPARE(editor().Mtext[1]->Text(), QString());

        choose(0, 2);
        editor().Action[0]->click();
        QCOMPARE(editor().PictureCount, 1L);
        QVERIFY(editor().NewPicture.Exists(1));
        fillTexts("Hint 2", "Answer 2", "Fog 2");
        editor().Action[1]->click();

        auto db = fixture->Open();
        const std::vector<SavedShape> shapes = savedShapes(*db);
        QCOMPARE(countRows(*db, "SHAPEHEAD"), 2L);
        db->Close();
        QCOMPARE(shapes.size(), size_t(3));
        QCOMPARE(shapes[0].kind, 1.0);
        QCOMPARE(shapes[1].kind, 4.0);
        QCOMPARE(shapes[0].x, shapes[1].x);
        QCOMPARE(shapes[0].y, shapes[1].y);
        QCOMPARE(shapes[0].header, shapes[1].header);
        QVERIFY(shapes[2].header > shapes[0].header);
        QCOMPARE(shapes[2].x, 420.0);
    }

    // The checks before saving, each with its message, in order; a fog
    // signal is not required. Nothing is stored while one fails.
    void checksBeforeSaving_data()
    {
        QTest::addColumn<bool>("element");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("expected");
        const QString none = "You Have Not Added Any Shapes";
        const QString noHint = "You Have Not Entered Any Text For The Hint";
        const QString noAnswer = "You Have Not Entered Any Text For The Answer";
        QTest::addRow("fresh-window-all-three") << false << "" << "" << QStringList{none, noHint, noAnswer};
        QTest::addRow("no-element") << false << "h" << "a" << QStringList{none};
        QTest::addRow("no-hint") << true << "" << "a" << QStringList{noHint};
        QTest::addRow("no-answer") << true << "h" << "" << QStringList{noAnswer};
        QTest::addRow("all-there-no-fog-signal") << true << "h" << "a" << QStringList{};
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
        fillTexts(hint, answer, "");
        editor().Action[1]->click();
        QCOMPARE(messages, expected);
        auto db = fixture->Open();
        QCOMPARE(countRows(*db, "SHAPEHEAD"), expected.isEmpty() ? 1L : 0L);
        QCOMPARE(countRows(*db, "SHAPELINE"), expected.isEmpty() ? 1L : 0L);
        db->Close();
    }

    // "&Clear" removes the elements and keeps the texts, so "&Save" then
    // names only the missing elements.
    void clearKeepsTexts()
    {
        open();
        editor().Action[0]->click();
        editor().Action[0]->click();
        fillTexts("Hint", "Answer", "Fog");
        editor().Emenu[0]->trigger();
        QCOMPARE(editor().PictureCount, 0L);
        QVERIFY(!editor().NewPicture.Exists(1));
        QVERIFY(!editor().NewPicture.Exists(2));
        QCOMPARE(editor().Mtext[2]->Text(), QString("Fog"));
        editor().Action[1]->click();
        QCOMPARE(messages, QStringList{"You Have Not Added Any Shapes"});
    }

    // Closed by "&Quit" or by its close box with elements on the canvas, the
    // editor opens again empty.
    void closingDropsElements_data()
    {
        QTest::addColumn<bool>("quit");
        QTest::addRow("quit") << true;
        QTest::addRow("close-box") << false;
    }
    void closingDropsElements()
    {
        QFETCH(bool, quit);
        open();
        editor().Action[0]->click();
        editor().Action[0]->click();
        if (quit)
            editor().Fmenu[1]->trigger();
        else
            editor().close();
        QVERIFY(!editor().IsLoaded());
        QCOMPARE(editor().PictureCount, 0L);
        open();
        QCOMPARE(editor().PictureCount, 0L);
        QVERIFY(!editor().NewPicture.Exists(1));
        editor().Action[0]->click();
        QCOMPARE(editor().PictureCount, 1L);
    }

    // "&List" opens the item list for day shapes in maintenance mode and
    // leaves the editor's elements as they are.
    void listForMaintenance()
    {
        int opened = 0;
        Form::SetModalHook([&](Form &shown) {
            ++opened;
            QVERIFY(qobject_cast<ListForm *>(&shown));
            QCOMPARE(ListType, 1);
            QVERIFY(ListEdit);
            shown.Unload();
        });
        open();
        editor().Action[0]->click();
        editor().Fmenu[0]->trigger();
        QCOMPARE(opened, 1);
        QCOMPARE(editor().PictureCount, 1L);
    }

private:
    MaintShapeForm &editor() { return FormInstance<MaintShapeForm>(); }
    void open() { QVERIFY(ShowEditor(editor())); }
    void choose(int kindRow, int sizeRow)
    {
        editor().Mlist[0]->setCurrentRow(kindRow);
        editor().Mlist[1]->setCurrentRow(sizeRow);
    }
    void fillTexts(const QString &hint, const QString &answer, const QString &fog)
    {
        editor().Mtext[0]->setPlainText(hint);
        editor().Mtext[1]->setPlainText(answer);
        editor().Mtext[2]->setPlainText(fog);
    }

    std::unique_ptr<PictureFixture> fixture;
    QStringList messages;
};

QTEST_MAIN(TestMaintShape)
#include "tst_maintshape.moc"
