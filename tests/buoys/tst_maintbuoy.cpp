// The buoy editor: its layout and lists, the buoy each "&Add" draws with its
// tag, the kind names and lights it appends to the texts, and the rows a save
// writes.

#include "../quiz/tst_editor_driver.h"
#include "LightPictures.h"

#include "buoys/BuoyKinds.h"
#include "buoys/BuoySteps.h"
#include "buoys/MaintBuoyForm.h"
#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "quiz/MaintText.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Colours;

namespace {

const QString NorthLight = "Continuous Flashing Or Quick Flashing (White)";
const QString SouthLight = "Quick Six Plus Long In 15 Seconds Or Very Quick Six Plus Long In 10 Seconds (White)";

struct SavedBuoy {
    long header;
    double x;
    double y;
    double size;
    double kind;
    double topmark;
};

std::vector<SavedBuoy> savedBuoys(Database &db)
{
    std::vector<SavedBuoy> buoys;
    Recordset rs = db.OpenRecordset("BUOYLINE");
    rs.Index("ALTERNATE");
    while (!rs.Eof()) {
        buoys.push_back({rs.LongValue("HEADER"), rs.DoubleValue("XPOS"), rs.DoubleValue("YPOS"), rs.DoubleValue("SIZE"),
                         rs.DoubleValue("LISTPTR"), rs.DoubleValue("TOPMARK")});
        rs.MoveNext();
    }
    rs.Close();
    return buoys;
}

int headRows(Database &db)
{
    Recordset rs = db.OpenRecordset("BUOYHEAD");
    int n = 0;
    while (!rs.Eof()) {
        ++n;
        rs.MoveNext();
    }
    rs.Close();
    return n;
}

// Colour of an element picture at (502 + u s, 982 + v s), the buoy's centre
// on its own picture.
long elementColour(const MaintElement &element, double s, double u, double v)
{
    return element.PixelColour(Twips::ToPixelsX(502 + u * s), Twips::ToPixelsY(982 + v * s));
}
} // namespace

class TestMaintBuoy : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutAndLists();
    void addDrawsTheChosenBuoy_data();
    void addDrawsTheChosenBuoy();
    void everyKindFitsItsElement();
    void addAppendsNamesAndLights();
    void saveWritesTheBuoyRows_data();
    void saveWritesTheBuoyRows();
    void twoBuoysUnmovedShareTheirCentre();
    void clearKeepsTheTexts();
    void saveStartsTheNextPictureAfresh();
    void freshSaveShowsAllThreeChecks();
    void closingEmptiesTheCanvas_data();
    void closingEmptiesTheCanvas();
    void listOpensTheBuoyItems();

private:
    MaintBuoyForm &editor() { return FormInstance<MaintBuoyForm>(); }
    void open() { QVERIFY(ShowEditor(editor())); }
    void choose(int kind, int size, int topmark)
    {
        editor().Mlist[0]->setCurrentRow(kind);
        editor().Mlist[1]->setCurrentRow(size);
        editor().Mlist[2]->setCurrentRow(topmark);
    }
    void add() { editor().Action[0]->click(); }
    void save() { editor().Action[1]->click(); }

    PictureFixture *fixture = nullptr;
    QStringList messages;
};

void TestMaintBuoy::init()
{
    fixture = new PictureFixture;
    QVERIFY(fixture->Create());
    Twips::SetTwipsPerPixel(15, 15);
    RecordMessageBoxes(messages, MsgBoxAnswer::Ok);
}

void TestMaintBuoy::cleanup()
{
    delete fixture;
    fixture = nullptr;
}

void TestMaintBuoy::layoutAndLists()
{
    open();
    MaintBuoyForm &e = editor();
    QCOMPARE(e.windowTitle(), QString("Maintain Buoys"));

    QStringList kinds;
    for (long kind = 0; kind < BuoyKindCount; ++kind)
        kinds << BuoyKindText(kind);
    QCOMPARE(ListTexts(e.Mlist[0]), kinds);
    QCOMPARE(kinds.first(), QString("North Cardinal Buoy"));
    QCOMPARE(kinds.last(), QString("Preferred To Port"));
    QCOMPARE(ListTexts(e.Mlist[1]), QStringList({"Large", "Medium", "Small"}));
    QCOMPARE(e.Mlist[1]->item(0)->data(Qt::UserRole).toInt(), 150);
    QCOMPARE(e.Mlist[1]->item(1)->data(Qt::UserRole).toInt(), 120);
    QCOMPARE(e.Mlist[1]->item(2)->data(Qt::UserRole).toInt(), 80);
    QCOMPARE(ListTexts(e.Mlist[2]), QStringList({"With Topmark", "Without Topmark"}));
    for (QListWidget *list : e.Mlist)
        QCOMPARE(list->currentRow(), 0);
    QCOMPARE(e.Mlabel[0]->text(), QString("Hint"));
    QCOMPARE(e.Mlabel[1]->text(), QString("Text"));
    QCOMPARE(e.Mlabel[2]->text(), QString("Light"));
    QCOMPARE(e.Action[0]->text(), QString("&Add"));

    // Canvas and template in twips, both blue; the template is never shown.
    const MaintCanvas &canvas = *e.Lpicture[0];
    QCOMPARE(QRect(ControlLeft(canvas), ControlTop(canvas), ControlWidth(canvas), ControlHeight(canvas)),
             QRect(1320, 120, 3000, 3000));
    QCOMPARE(canvas.BackColor(), Blue);
    const MaintElement &templ = *e.NewPicture[0];
    QVERIFY(!templ.isVisible());
    QCOMPARE(templ.Width(), 1005.f);
    QCOMPARE(templ.Height(), 1965.f);
    QCOMPARE(templ.BackColor(), Blue);
    QCOMPARE(ControlLeft(*e.Mlist[0]), 4440);
    QCOMPARE(ControlTop(*e.Mlist[2]), 2520);
    QCOMPARE(ControlTop(*e.Action[0]), 3240);

    // Tab order: canvas, the three texts, the buttons, the three lists.
    const QStringList order{"Lpicture0", "Mtext0", "Mtext1", "Mtext2", "Action0",
                            "Action1",   "Mlist0", "Mlist1", "Mlist2"};
    QWidget *w = e.Lpicture[0];
    QStringList seen{w->objectName()};
    while (seen.size() < order.size()) {
        w = w->nextInFocusChain();
        if (order.contains(w->objectName()))
            seen << w->objectName();
    }
    QCOMPARE(seen, order);
}

// Each row adds one buoy; the probes lie in parts of the kind's drawing about
// the element's centre (502, 982), at the chosen size.
void TestMaintBuoy::addDrawsTheChosenBuoy_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("sizeRow");
    QTest::addColumn<int>("topmarkRow");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("v");    // a unit height on the centre line
    QTest::addColumn<long>("colour"); // found there
    QTest::addColumn<double>("topV"); // a topmark's height
    QTest::addColumn<long>("topColour");

    QTest::addRow("large-north-cardinal-buoy-with-topmark")
        << 0 << 0 << 0 << "150\\0/-1" << 150.0 << 0.5 << Yellow << -4.5 << Black;
    QTest::addRow("small-south-cardinal-stick-without")
        << 5 << 2 << 1 << "80\\5/0" << 80.0 << -1.0 << Yellow << -4.5 << Blue;
    QTest::addRow("medium-preferred-to-port-without")
        << 23 << 1 << 1 << "120\\23/0" << 120.0 << -0.5 << Red << -3.5 << Blue;
    QTest::addRow("large-special-mark-stick-with")
        << 17 << 0 << 0 << "150\\17/-1" << 150.0 << 0.0 << Yellow << -4.75 << Yellow;
    QTest::addRow("small-isolated-danger-buoy-with")
        << 8 << 2 << 0 << "80\\8/-1" << 80.0 << -1.0 << Red << -5.5 << Black;
}

void TestMaintBuoy::addDrawsTheChosenBuoy()
{
    QFETCH(int, kind);
    QFETCH(int, sizeRow);
    QFETCH(int, topmarkRow);
    QFETCH(QString, tag);
    QFETCH(double, s);
    QFETCH(double, v);
    QFETCH(long, colour);
    QFETCH(double, topV);
    QFETCH(long, topColour);

    open();
    choose(kind, sizeRow, topmarkRow);
    add();
    QCOMPARE(editor().PictureCount, 1L);
    const MaintElement &buoy = *editor().NewPicture[1];
    QVERIFY(buoy.isVisible());
    QVERIFY(buoy.isEnabled());
    QCOMPARE(buoy.Left(), 100.f);
    QCOMPARE(buoy.Top(), 100.f);
    QCOMPARE(buoy.Width(), 1005.f);
    QCOMPARE(buoy.Height(), 1965.f);
    QCOMPARE(ControlTag(buoy), tag);
    QCOMPARE(elementColour(buoy, s, 0, v), colour);
    QCOMPARE(elementColour(buoy, s, 0, topV), topColour);
    QCOMPARE(elementColour(buoy, s, 0, 3.5), Blue);
    QCOMPARE(editor().Mtext[1]->toPlainText(), BuoyKindText(kind));
    QCOMPARE(editor().Mtext[2]->toPlainText(), BuoyLightDescription(kind));
}

// At the large size with its topmark every kind stays clear of its element
// picture's edges: nothing is cut off.
void TestMaintBuoy::everyKindFitsItsElement()
{
    open();
    for (int kind = 0; kind < BuoyKindCount; ++kind) {
        choose(kind, 0, 0);
        add();
        const QImage &image = editor().NewPicture[kind + 1]->Image();
        for (int x = 0; x < image.width(); ++x) {
            QCOMPARE(editor().NewPicture[kind + 1]->PixelColour(x, 0), Blue);
            QCOMPARE(editor().NewPicture[kind + 1]->PixelColour(x, image.height() - 1), Blue);
        }
        for (int y = 0; y < image.height(); ++y) {
            QCOMPARE(editor().NewPicture[kind + 1]->PixelColour(0, y), Blue);
            QCOMPARE(editor().NewPicture[kind + 1]->PixelColour(image.width() - 1, y), Blue);
        }
    }
}

// The kind's name and light follow what the boxes hold after ", "; the same
// kind added twice is named twice; each new buoy lies in front.
void TestMaintBuoy::addAppendsNamesAndLights()
{
    open();
    add();
    QCOMPARE(editor().Mtext[1]->toPlainText(), QString("North Cardinal Buoy"));
    QCOMPARE(editor().Mtext[2]->toPlainText(), NorthLight);

    choose(5, 2, 1);
    add();
    QCOMPARE(ControlTag(*editor().NewPicture[2]), QString("80\\5/0"));
    QCOMPARE(editor().Mtext[1]->toPlainText(), QString("North Cardinal Buoy, South Cardinal Stick"));
    QCOMPARE(editor().Mtext[2]->toPlainText(), NorthLight + ", " + SouthLight);

    editor().Mtext[1]->setPlainText("Two Marks");
    editor().Mtext[2]->clear();
    add();
    QCOMPARE(editor().Mtext[1]->toPlainText(), QString("Two Marks, South Cardinal Stick"));
    QCOMPARE(editor().Mtext[2]->toPlainText(), SouthLight);
    add();
    QCOMPARE(editor().Mtext[1]->toPlainText(), QString("Two Marks, South Cardinal Stick, South Cardinal Stick"));

    // All four lie on one spot; the last added is the one on top.
    const MaintElement *newest = editor().NewPicture[4];
    QWidget *onTop = editor().Lpicture[0]->childAt(newest->geometry().center());
    QCOMPARE(onTop, static_cast<QWidget *>(editor().NewPicture[4]));
}

// XPOS and YPOS are the element's corner plus half its 1005 x 1965 twips;
// SIZE, LISTPTR and TOPMARK come from its tag. Pointer travel is 15 twips a
// pixel; the first move of a drag only records.
void TestMaintBuoy::saveWritesTheBuoyRows_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("sizeRow");
    QTest::addColumn<int>("topmarkRow");
    QTest::addColumn<QString>("script");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("topmark");

    QTest::addRow("never-moved") << 0 << 0 << 0 << "" << 602.5 << 1082.5 << 150.0 << -1.0;
    QTest::addRow("medium-special-mark-stick-without") << 17 << 1 << 1 << "" << 602.5 << 1082.5 << 120.0 << 0.0;
    QTest::addRow("large-isolated-danger-stick-with") << 9 << 0 << 0 << "" << 602.5 << 1082.5 << 150.0 << -1.0;
    QTest::addRow("small-preferred-to-port-without") << 23 << 2 << 1 << "" << 602.5 << 1082.5 << 80.0 << 0.0;
    QTest::addRow("dragged-into-the-lower-half")
        << 12 << 0 << 0 << "press; move 30,30; move 50,130; release 50,130" << 902.5 << 2582.5 << 150.0 << -1.0;
    QTest::addRow("dragged-off-the-left-edge")
        << 20 << 1 << 0 << "press; move 30,30; move 0,20; release 0,20" << 152.5 << 932.5 << 120.0 << -1.0;
}

void TestMaintBuoy::saveWritesTheBuoyRows()
{
    QFETCH(int, kind);
    QFETCH(int, sizeRow);
    QFETCH(int, topmarkRow);
    QFETCH(QString, script);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, size);
    QFETCH(double, topmark);

    open();
    choose(kind, sizeRow, topmarkRow);
    add();
    DriveMouse(editor(), script);
    QVERIFY(!editor().Dragging);
    editor().Mtext[0]->setPlainText("A Hint");
    save();
    QCOMPARE(messages, QStringList{});

    auto db = fixture->Open();
    Recordset head = db->OpenRecordset("BUOYHEAD");
    QCOMPARE(head.TextValue("HINT"), QString("A Hint"));
    QCOMPARE(head.TextValue("TEXT"), BuoyKindText(kind));
    QCOMPARE(head.TextValue("LIGHT"), BuoyLightDescription(kind));
    const long record = head.LongValue("RECORD");
    head.Close();
    const std::vector<SavedBuoy> buoys = savedBuoys(*db);
    db->Close();
    QCOMPARE(buoys.size(), size_t(1));
    QCOMPARE(buoys[0].header, record);
    QCOMPARE(buoys[0].x, x);
    QCOMPARE(buoys[0].y, y);
    QCOMPARE(buoys[0].size, size);
    QCOMPARE(buoys[0].kind, static_cast<double>(kind));
    QCOMPARE(buoys[0].topmark, topmark);
}

// Two buoys added without moving are stored on one centre, in the order of
// adding; an emptied light box stores an empty light.
void TestMaintBuoy::twoBuoysUnmovedShareTheirCentre()
{
    open();
    choose(18, 0, 0);
    add();
    choose(21, 2, 1);
    add();
    editor().Mtext[0]->setPlainText("Hint");
    editor().Mtext[2]->clear();
    save();
    QCOMPARE(messages, QStringList{});

    auto db = fixture->Open();
    Recordset head = db->OpenRecordset("BUOYHEAD");
    QCOMPARE(head.TextValue("TEXT"), QString("Port Hand Can, Starboard Stick"));
    QCOMPARE(head.TextValue("LIGHT"), QString(""));
    head.Close();
    const std::vector<SavedBuoy> buoys = savedBuoys(*db);
    db->Close();
    QCOMPARE(buoys.size(), size_t(2));
    QCOMPARE(buoys[0].kind, 18.0);
    QCOMPARE(buoys[0].size, 150.0);
    QCOMPARE(buoys[1].kind, 21.0);
    QCOMPARE(buoys[1].size, 80.0);
    QCOMPARE(buoys[1].topmark, 0.0);
    for (const SavedBuoy &b : buoys) {
        QCOMPARE(b.x, 602.5);
        QCOMPARE(b.y, 1082.5);
    }
}

// "&Clear" removes the buoys but keeps the texts that name them.
void TestMaintBuoy::clearKeepsTheTexts()
{
    open();
    add();
    choose(10, 1, 0);
    add();
    editor().Emenu[0]->trigger();
    QCOMPARE(editor().PictureCount, 0L);
    QCOMPARE(editor().NewPicture.Count(), 1);
    QCOMPARE(editor().Mtext[1]->toPlainText(), QString("North Cardinal Buoy, Safe Water Round"));
    QCOMPARE(editor().Mlist[0]->currentRow(), 10);

    add();
    QCOMPARE(editor().Mtext[1]->toPlainText(), QString("North Cardinal Buoy, Safe Water Round, Safe Water Round"));
    editor().Emenu[0]->trigger();
    editor().Mtext[0]->setPlainText("Hint");
    save();
    QCOMPARE(messages, QStringList{"You Have Not Added Any Buoys"});
}

// After a save the boxes are empty; the next buoy is element 1 again and the
// answer starts with its name alone.
void TestMaintBuoy::saveStartsTheNextPictureAfresh()
{
    open();
    add();
    editor().Mtext[0]->setPlainText("Hint");
    save();
    QCOMPARE(messages, QStringList{});
    QCOMPARE(editor().PictureCount, 0L);
    for (MaintText *box : editor().Mtext)
        QCOMPARE(box->toPlainText(), QString());

    choose(7, 0, 0);
    add();
    QVERIFY(editor().NewPicture[1] != nullptr);
    QCOMPARE(editor().Mtext[1]->toPlainText(), QString("West Cardinal Stick"));
    QCOMPARE(editor().Mlist[0]->currentRow(), 7);
}

void TestMaintBuoy::freshSaveShowsAllThreeChecks()
{
    open();
    save();
    QCOMPARE(messages, QStringList({"You Have Not Added Any Buoys", "You Have Not Entered Any Text For The Hint",
                                    "You Have Not Entered Any Text For The Answer"}));
    auto db = fixture->Open();
    QCOMPARE(headRows(*db), 0);
    db->Close();
}

void TestMaintBuoy::closingEmptiesTheCanvas_data()
{
    QTest::addColumn<bool>("byQuit");
    QTest::addRow("quit") << true;
    QTest::addRow("close-button") << false;
}

void TestMaintBuoy::closingEmptiesTheCanvas()
{
    QFETCH(bool, byQuit);
    open();
    choose(3, 1, 1);
    add();
    add();
    if (byQuit)
        editor().Fmenu[1]->trigger();
    else
        editor().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!editor().IsLoaded());
    QCOMPARE(editor().PictureCount, 0L);

    open();
    QCOMPARE(editor().NewPicture.Count(), 1);
    for (QListWidget *list : editor().Mlist)
        QCOMPARE(list->currentRow(), 0);
    QCOMPARE(editor().Mtext[1]->toPlainText(), QString());
}

// "&List" shows the item list for buoys (list type 2) in maintenance mode.
void TestMaintBuoy::listOpensTheBuoyItems()
{
    open();
    add();
    QStringList shown;
    Form::SetModalHook([&](Form &f) {
        shown << QString("%1 %2 %3").arg(f.metaObject()->className()).arg(ListType).arg(ListEdit);
        f.Unload();
    });
    editor().Fmenu[0]->trigger();
    QCOMPARE(shown, QStringList{"ListForm 2 1"});
    QCOMPARE(editor().PictureCount, 1L);
}

QTEST_MAIN(TestMaintBuoy)
#include "tst_maintbuoy.moc"
