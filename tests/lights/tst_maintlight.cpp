// The lights editor: its three lists, the disc each "&Add" draws, and the
// fields a save writes for lights placed with the mouse.

#include "../quiz/tst_editor_driver.h"
#include "LightPictures.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "lights/MaintLightForm.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "quiz/MaintText.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
struct SavedLight {
    long colour;
    bool flash;
    double x;
    double y;
    double size;
};

std::vector<SavedLight> savedLights(Database &db)
{
    std::vector<SavedLight> lights;
    Recordset rs = db.OpenRecordset("LIGHTLINE");
    rs.Index("ALTERNATE");
    while (!rs.Eof()) {
        lights.push_back({rs.LongValue("COLOUR"), rs.BoolValue("FLASH"), rs.DoubleValue("XPOS"),
                          rs.DoubleValue("YPOS"), rs.DoubleValue("SIZE")});
        rs.MoveNext();
    }
    rs.Close();
    return lights;
}

} // namespace

class TestMaintLight : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsAtEveryOpening();
    void addDrawsOneDisc_data();
    void addDrawsOneDisc();
    void saveWritesTheLightsMapping_data();
    void saveWritesTheLightsMapping();
    void coveringLightIsStoredSecond();

private:
    MaintLightForm &editor() { return FormInstance<MaintLightForm>(); }
    void open() { QVERIFY(ShowEditor(editor())); }
    void drag(const QString &script) { DriveMouse(editor(), script); }

    PictureFixture *fixture = nullptr;
    QStringList messages;
};

void TestMaintLight::init()
{
    fixture = new PictureFixture;
    QVERIFY(fixture->Create());
    // Ten twips to the pixel: every pixel of travel is a whole number of twips.
    Twips::SetTwipsPerPixel(10, 10);
    RecordMessageBoxes(messages, MsgBoxAnswer::Ok);
}

void TestMaintLight::cleanup()
{
    delete fixture;
    fixture = nullptr;
}

void TestMaintLight::listsAtEveryOpening()
{
    open();
    QCOMPARE(editor().windowTitle(), QString("Maintain Lights"));
    QCOMPARE(ListTexts(editor().Mlist[0]),
             QStringList({"Red", "Green", "Yellow", "Blue", "Magenta", "Cyan", "White", "Yellow Flash"}));
    const QList<qlonglong> colours{255, 65280, 65535, 16711680, 16711935, 16776960, 16777215, 12632256};
    for (int i = 0; i < colours.size(); ++i)
        QCOMPARE(editor().Mlist[0]->item(i)->data(Qt::UserRole).toLongLong(), colours[i]);
    QCOMPARE(ListTexts(editor().Mlist[1]), QStringList({"Large", "Small"}));
    QCOMPARE(ListTexts(editor().Mlist[2]), QStringList({"Still", "Up", "Right", "Down", "Left"}));
    QCOMPARE(editor().Mlabel[2]->text(), QString("Fog Signal"));

    // A save keeps the choices; a new opening starts from the first entries.
    editor().Mlist[0]->setCurrentRow(1);
    editor().Mlist[1]->setCurrentRow(1);
    editor().Mlist[2]->setCurrentRow(4);
    editor().Action[0]->click();
    SaveWithTexts(editor(), "Hint", "Answer");
    QCOMPARE(messages, QStringList{});
    QCOMPARE(editor().PictureCount, 0L);
    QCOMPARE(editor().Mlist[0]->currentRow(), 1);
    QCOMPARE(editor().Mlist[1]->currentRow(), 1);
    QCOMPARE(editor().Mlist[2]->currentRow(), 4);

    editor().Fmenu[1]->trigger();
    open();
    QCOMPARE(editor().Mlist[0]->currentRow(), 0);
    QCOMPARE(editor().Mlist[1]->currentRow(), 0);
    QCOMPARE(editor().Mlist[2]->currentRow(), 0);
}

// A disc of radius 100 or 40 twips (10 or 4 pixels here) centred on the
// 240-twip element; the flashing marker shows light grey.
void TestMaintLight::addDrawsOneDisc_data()
{
    QTest::addColumn<int>("colourRow");
    QTest::addColumn<int>("sizeRow");
    QTest::addColumn<long>("colour");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("edgePixel"); // just inside the disc's right edge, from the centre

    QTest::addRow("red-large") << 0 << 0 << 255L << "100" << 9;
    QTest::addRow("green-small") << 1 << 1 << 65280L << "40" << 3;
    QTest::addRow("white-large") << 6 << 0 << 16777215L << "100" << 9;
    QTest::addRow("yellow-flash-shows-grey") << 7 << 1 << 12632256L << "40" << 3;
}

void TestMaintLight::addDrawsOneDisc()
{
    QFETCH(int, colourRow);
    QFETCH(int, sizeRow);
    QFETCH(long, colour);
    QFETCH(QString, tag);
    QFETCH(int, edgePixel);

    open();
    editor().Mlist[0]->setCurrentRow(colourRow);
    editor().Mlist[1]->setCurrentRow(sizeRow);
    editor().Action[0]->click();

    const MaintElement *light = editor().NewPicture[1];
    QVERIFY(light->isVisible());
    QCOMPARE(light->Left(), 100.f);
    QCOMPARE(light->Top(), 100.f);
    QCOMPARE(light->Width(), 240.f);
    QCOMPARE(light->FillColor(), colour);
    QCOMPARE(ControlTag(*light), tag);
    QCOMPARE(light->PixelColour(12, 12), colour);
    QCOMPARE(light->PixelColour(12 + edgePixel, 12), colour);
    QCOMPARE(light->PixelColour(12 + edgePixel + 2, 12), 0L);
    QCOMPARE(light->PixelColour(1, 1), 0L);
}

// Each row places one light and saves it. XPOS and YPOS are the element's
// Left and Top plus 120 (half its 240 twips); pointer travel is 10 twips a
// pixel, the first move of a drag only records.
void TestMaintLight::saveWritesTheLightsMapping_data()
{
    QTest::addColumn<int>("colourRow");
    QTest::addColumn<int>("sizeRow");
    QTest::addColumn<int>("directionRow");
    QTest::addColumn<QString>("script");
    QTest::addColumn<long>("colour");
    QTest::addColumn<bool>("flash");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("size");

    QTest::addRow("red-large-never-moved") << 0 << 0 << 0 << "" << 255L << false << 220.0 << 220.0 << 100.0;
    QTest::addRow("yellow-flash-stored-flashing-yellow") << 7 << 0 << 2 << "" << 65535L << true << 220.0 << 220.0
                                                         << 100.0;
    QTest::addRow("yellow-stored-steady") << 2 << 0 << 0 << "" << 65535L << false << 220.0 << 220.0 << 100.0;
    QTest::addRow("small-light-radius-40") << 1 << 1 << 1 << "" << 65280L << false << 220.0 << 220.0 << 40.0;
    QTest::addRow("dragged-right-and-down") << 6 << 0 << 3 << "press; move 30,30; move 330,180; release 330,180"
                                            << 16777215L << false << 3220.0 << 1720.0 << 100.0;
    QTest::addRow("left-edge-150-gives-x-minus-30")
        << 3 << 1 << 4 << "press; move 30,30; move 5,30; release 5,30" << 16711680L << false << -30.0 << 220.0
        << 40.0;
    QTest::addRow("released-over-the-texts") << 4 << 0 << 0 << "press; move 30,30; move 300,400; release 300,400"
                                             << 16711935L << false << 2920.0 << 3920.0 << 100.0;
    QTest::addRow("released-outside-the-window")
        << 5 << 0 << 0 << "press; move 30,30; move 80,50; release -50,-50" << 16776960L << false << -580.0
        << -580.0 << 100.0;
}

void TestMaintLight::saveWritesTheLightsMapping()
{
    QFETCH(int, colourRow);
    QFETCH(int, sizeRow);
    QFETCH(int, directionRow);
    QFETCH(QString, script);
    QFETCH(long, colour);
    QFETCH(bool, flash);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, size);

    open();
    editor().Mlist[0]->setCurrentRow(colourRow);
    editor().Mlist[1]->setCurrentRow(sizeRow);
    editor().Mlist[2]->setCurrentRow(directionRow);
    editor().Action[0]->click();
    drag(script);
    QVERIFY(!editor().Dragging);
    SaveWithTexts(editor(), "A Hint", "An Answer");
    QCOMPARE(messages, QStringList{});

    auto db = fixture->Open();
    Recordset head = db->OpenRecordset("LIGHTHEAD");
    QCOMPARE(head.TextValue("HINT"), QString("A Hint"));
    QCOMPARE(head.TextValue("TEXT"), QString("An Answer"));
    QCOMPARE(head.TextValue("FOGSIGNAL"), QString(""));
    QCOMPARE(head.LongValue("DIRECTION"), static_cast<long>(directionRow));
    head.Close();
    const std::vector<SavedLight> lights = savedLights(*db);
    db->Close();
    QCOMPARE(lights.size(), size_t(1));
    QCOMPARE(lights[0].colour, colour);
    QCOMPARE(lights[0].flash, flash);
    QCOMPARE(lights[0].x, x);
    QCOMPARE(lights[0].y, y);
    QCOMPARE(lights[0].size, size);
}

// Two lights added without moving lie on each other; the covering one, added
// second, is stored second, so the quiz draws it on top.
void TestMaintLight::coveringLightIsStoredSecond()
{
    open();
    editor().Action[0]->click();
    editor().Mlist[0]->setCurrentRow(1);
    editor().Mlist[1]->setCurrentRow(1);
    editor().Action[0]->click();
    editor().Mtext[0]->setPlainText("Hint");
    editor().Mtext[1]->setPlainText("Answer");
    editor().Mtext[2]->setPlainText("One Prolonged Blast");
    editor().Action[1]->click();

    auto db = fixture->Open();
    const std::vector<SavedLight> lights = savedLights(*db);
    Recordset head = db->OpenRecordset("LIGHTHEAD");
    QCOMPARE(head.TextValue("FOGSIGNAL"), QString("One Prolonged Blast"));
    head.Close();
    db->Close();
    QCOMPARE(lights.size(), size_t(2));
    QCOMPARE(lights[0].colour, 255L);
    QCOMPARE(lights[0].size, 100.0);
    QCOMPARE(lights[1].colour, 65280L);
    QCOMPARE(lights[1].size, 40.0);
    QCOMPARE(lights[0].x, lights[1].x);
    QCOMPARE(lights[0].y, lights[1].y);
}

QTEST_MAIN(TestMaintLight)
#include "tst_maintlight.moc"
