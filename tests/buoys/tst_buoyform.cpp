// The buoy quiz window: its layout, the day picture's buoys at the picture's
// scale with the light each records for the night picture, what it makes of
// odd rows, its texts, series and links.

#include "BuoyPictures.h"
#include "quiz/WindowControls.h"

#include "buoys/BuoyForm.h"
#include "buoys/BuoySteps.h"
#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/ChoiceList.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace Colours;

namespace {
// A place in twips as the screen holds it: whole pixels of 15 twips.
QRect OnScreen(const QRect &r)
{
    auto x = [](int t) { return Twips::FromPixelsX(Twips::ToPixelsX(t)); };
    auto y = [](int t) { return Twips::FromPixelsY(Twips::ToPixelsY(t)); };
    return {x(r.x()), y(r.y()), x(r.width()), y(r.height())};
}

// Colour of a picture at a point in twips.
long At(const PictureBox &picture, double x, double y)
{
    return picture.PixelColour(Twips::ToPixelsX(x), Twips::ToPixelsY(y));
}

int CountNot(const PictureBox &picture, long colour)
{
    const QSize size = picture.Image().size();
    int n = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            n += picture.PixelColour(x, y) != colour;
    return n;
}
} // namespace

class TestBuoyForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
        Twips::SetTwipsPerPixel(15, 15);
        // Drawing the last index every time leaves the order as loaded.
        SetShuffleRandom([](long upper) { return upper; });
        RecordMessageBoxes(boxes, MsgBoxAnswer::No);
    }
    void cleanup() { fixture.reset(); }

    void layout_data();
    void layout();
    void captionsAndDefaults();
    void minimumSize_data();
    void minimumSize();
    void dayAndNightPictures_data();
    void dayAndNightPictures();
    void buoyPlaceAndLightAtScale_data();
    void buoyPlaceAndLightAtScale();
    void kindOfTheRow_data();
    void kindOfTheRow();
    void topmarkFlag_data();
    void topmarkFlag();
    void moreThanTenBuoys();
    void pictureWithoutBuoys();
    void unreadableFieldsOfARow_data();
    void unreadableFieldsOfARow();
    void rowBeyondTheTwipsRange_data();
    void rowBeyondTheTwipsRange();
    void everyKindStaysInItsOutline();
    void textToggles();
    void sameHintAndLightText();
    void multipleChoice();
    void statisticsAtActivation();
    void linksMenu();
    void linkModeSeries();
    void emptySeries();
    void missingHeadRow();
    void endOfSeriesOnlyFromNavigation();

private:
    BuoyForm &Open(int outerWidth = 0, int outerHeight = 0)
    {
        BuoyForm &form = FormInstance<BuoyForm>();
        form.Load();
        form.show();
        if (outerWidth)
            form.SetOuterSize(outerWidth, outerHeight);
        return form;
    }

    std::unique_ptr<PictureFixture> fixture;
    QStringList boxes;
};

// Hand-worked from the two-picture layout: a client area W x H gives each
// picture (W - 1590) / 2 by H - 1485, side by side from 120; the text line
// spans both; the bottom row stands 120 below it; the right-hand column 80
// right of the night picture, "Cheat" 120.
void TestBuoyForm::layout_data()
{
    QTest::addColumn<int>("outerWidth");
    QTest::addColumn<int>("outerHeight");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");
    // Designed size: client 7590 x 4485, pictures 3000 x 3000.
    const int dw = 7710, dh = 5175;
    QTest::addRow("design-day") << dw << dh << "Lpicture0" << QRect(120, 120, 3000, 3000);
    QTest::addRow("design-night") << dw << dh << "Lpicture1" << QRect(3120, 120, 3000, 3000);
    QTest::addRow("design-text-line") << dw << dh << "Llabel0" << QRect(120, 3240, 6000, 615);
    QTest::addRow("design-first") << dw << dh << "Action0" << QRect(120, 3975, 1215, 375);
    QTest::addRow("design-previous") << dw << dh << "Action1" << QRect(1560, 3975, 1215, 375);
    QTest::addRow("design-answer") << dw << dh << "Action8" << QRect(2880, 3975, 495, 375);
    QTest::addRow("design-next") << dw << dh << "Action2" << QRect(3480, 3975, 1215, 375);
    QTest::addRow("design-last") << dw << dh << "Action3" << QRect(4920, 3975, 1215, 375);
    QTest::addRow("design-hint") << dw << dh << "Action4" << QRect(6200, 120, 1335, 375);
    QTest::addRow("design-light-info") << dw << dh << "Action6" << QRect(6200, 720, 1335, 375);
    QTest::addRow("design-reveal") << dw << dh << "Action5" << QRect(6200, 1320, 1335, 375);
    QTest::addRow("design-cheat") << dw << dh << "Lcheck0" << QRect(6240, 1920, 1335, 255);
    QTest::addRow("design-seconds") << dw << dh << "Blabel0" << QRect(6200, 2280, 1335, 255);
    QTest::addRow("design-light-mode") << dw << dh << "Action7" << QRect(6200, 2640, 1335, 375);
    // Client 9090 x 5310: pictures 3750 x 3825.
    const int bw = 9210, bh = 6000;
    QTest::addRow("larger-day") << bw << bh << "Lpicture0" << QRect(120, 120, 3750, 3825);
    QTest::addRow("larger-night") << bw << bh << "Lpicture1" << QRect(3870, 120, 3750, 3825);
    QTest::addRow("larger-text-line") << bw << bh << "Llabel0" << QRect(120, 4065, 7500, 615);
    QTest::addRow("larger-answer") << bw << bh << "Action8" << QRect(2880, 4800, 495, 375);
    QTest::addRow("larger-last") << bw << bh << "Action3" << QRect(4920, 4800, 1215, 375);
    QTest::addRow("larger-hint") << bw << bh << "Action4" << QRect(7700, 120, 1335, 375);
    QTest::addRow("larger-cheat") << bw << bh << "Lcheck0" << QRect(7740, 1920, 1335, 255);
    QTest::addRow("larger-seconds") << bw << bh << "Blabel0" << QRect(7700, 2280, 1335, 255);
    QTest::addRow("larger-light-mode") << bw << bh << "Action7" << QRect(7700, 2640, 1335, 375);
}

void TestBuoyForm::layout()
{
    QFETCH(int, outerWidth);
    QFETCH(int, outerHeight);
    QFETCH(QString, control);
    QFETCH(QRect, place);
    AddBuoys(*fixture, "h", "t", "l", {Buoy(0, 1500, 750)});
    BuoyForm &form = Open(outerWidth, outerHeight);
    QCOMPARE(form.OuterWidth(), outerWidth);
    QCOMPARE(form.OuterHeight(), outerHeight);
    // The seconds label is the buoy window's own.
    const QWidget *w =
        control.startsWith("Blabel") ? form.Blabel[control.back().digitValue()] : QuizControl(form, control);
    QVERIFY(w);
    QCOMPARE(ControlPlace(*w), OnScreen(place));
}

void TestBuoyForm::captionsAndDefaults()
{
    BuoyForm &form = Open();
    QCOMPARE(form.windowTitle(), QString("Buoys"));
    const QStringList captions{"<<  &First", "<  &Previous", "&Next >",       "&Last  >>", "&Hint",
                               "&Reveal",    "&Light Info",  "&Light Mode 1", "?"};
    for (int i = 0; i < 9; ++i)
        QCOMPARE(form.Action[i]->text(), captions[i]);
    QVERIFY(form.Action[5]->isHidden());
    QVERIFY(form.Action[2]->isDefault());
    QCOMPARE(form.Lcheck[0]->text(), QString("Cheat"));
    QVERIFY(form.Blabel[0]->text().isEmpty());
    QVERIFY(form.Llabel[0]->text().isEmpty());
    QVERIFY(form.Clist->isHidden());
    QCOMPARE(form.Lpicture[0]->BackColor(), Blue);
    QCOMPARE(form.Lpicture[1]->BackColor(), Black);
    QVERIFY(form.Ltimer);
    QCOMPARE(form.Ltimer->interval(), 100);
    QVERIFY(!form.Ltimer->isActive());
}

// Made smaller than 7710 x 5175 twips the window snaps back and lays out
// its pictures at the size it snapped to.
void TestBuoyForm::minimumSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addRow("too-narrow") << 6000 << 6000;
    QTest::addRow("too-low") << 9000 << 4000;
    QTest::addRow("both") << 3000 << 2000;
}

void TestBuoyForm::minimumSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    BuoyForm &form = Open();
    form.SetOuterSize(width, height);
    QCOMPARE(form.OuterWidth(), qMax(width, 7710));
    QCOMPARE(form.OuterHeight(), qMax(height, 5175));
    QCOMPARE(ControlWidth(*form.Lpicture[1]) * 2, form.ScaleWidth() - 1590);
    QCOMPARE(ControlHeight(*form.Lpicture[0]), form.ScaleHeight() - 1485);
}

// A port-hand can at (1500, 1000), unit 150: red on the blue day picture at
// the scaled centre; the night picture stays black until the first tick
// lights its red disc one unit above the centre.
void TestBuoyForm::dayAndNightPictures_data()
{
    QTest::addColumn<int>("outerWidth");
    QTest::addColumn<int>("outerHeight");
    QTest::addColumn<double>("scale");
    QTest::addRow("design-size") << 7710 << 5175 << 1.0;
    // Pictures 6000 x 6000: twice the design width.
    QTest::addRow("double-size") << 13710 << 8175 << 2.0;
    // Pictures 6645 x 3000: the height limits.
    QTest::addRow("wide-window-height-limits") << 15000 << 5175 << 2.0;
}

void TestBuoyForm::dayAndNightPictures()
{
    QFETCH(int, outerWidth);
    QFETCH(int, outerHeight);
    QFETCH(double, scale);
    AddBuoys(*fixture, "h", "t", "l", {Buoy(18, 1500, 1000)});
    BuoyForm &form = Open(outerWidth, outerHeight);
    QCOMPARE(form.PictureScale(), float(scale));
    const PictureBox &day = *form.Lpicture[0];
    const PictureBox &night = *form.Lpicture[1];
    QCOMPARE(At(day, 1500 * scale, 1000 * scale), Red);
    QCOMPARE(At(day, 60, 60), Blue);
    QCOMPARE(CountNot(night, Black), 0);
    form.Ltimer_Timer();
    QCOMPARE(At(night, 1500 * scale, 850 * scale), Red);
    QCOMPARE(At(night, 1500 * scale, 1000 * scale), Black);
    QCOMPARE(form.Blabel[0]->text(), QString("0"));
    QCOMPARE(boxes, QStringList());
}

// The centre to the nearest twip (halves to even) of the stored place times
// the picture's scale; the light one scaled unit above it, rounded the same
// way. A place below the picture is drawn there, clipped, and lit all the
// same.
void TestBuoyForm::buoyPlaceAndLightAtScale_data()
{
    QTest::addColumn<int>("outerWidth");
    QTest::addColumn<double>("xpos");
    QTest::addColumn<double>("ypos");
    QTest::addColumn<double>("size");
    QTest::addColumn<long>("x");
    QTest::addColumn<long>("lightY");
    // Pictures 4500 wide: scale 1.5; 1001 x 1.5 = 1501.5 and 1003 x 1.5 = 1504.5.
    QTest::addRow("scale-1.5-half-up-to-1502") << 10710 << 1001.0 << 1000.0 << 150.0 << 1502L << 1275L;
    QTest::addRow("scale-1.5-half-down-to-1504") << 10710 << 1003.0 << 1000.0 << 150.0 << 1504L << 1275L;
    // Pictures 3750 wide: scale 1.25; y = 1000, s = 187.5, 812.5 to 812.
    QTest::addRow("scale-1.25-light-halves-down") << 9210 << 800.0 << 800.0 << 150.0 << 1000L << 812L;
    QTest::addRow("scale-1.25-medium-unit") << 9210 << 800.0 << 800.0 << 120.0 << 1000L << 850L;
    // Pictures 6000 x 3000: scale 2; YPOS 2000 lies 1000 twips below the edge.
    QTest::addRow("below-the-picture") << 13710 << 1000.0 << 2000.0 << 80.0 << 2000L << 3840L;
}

void TestBuoyForm::buoyPlaceAndLightAtScale()
{
    QFETCH(int, outerWidth);
    QFETCH(double, xpos);
    QFETCH(double, ypos);
    QFETCH(double, size);
    AddBuoys(*fixture, "h", "t", "l", {Buoy(13, xpos, ypos, size)});
    BuoyForm &form = Open(outerWidth, 5175);
    const BuoyLight &row = form.Lights().Rows()[0];
    QCOMPARE(form.Lights().LightCount(), 1L);
    QCOMPARE(row.LightCode, 14L);
    QTEST(row.LightX, "x");
    QTEST(row.LightY, "lightY");
    QCOMPARE(row.LightStep, 0L);
    QCOMPARE(boxes, QStringList());
}

// LISTPTR to the nearest whole number, halves to even: a kind outside 0 to
// 23 draws nothing but still takes its light row.
void TestBuoyForm::kindOfTheRow_data()
{
    QTest::addColumn<double>("listptr");
    QTest::addColumn<long>("code");
    QTest::addColumn<bool>("drawn");
    QTest::addRow("kind-24") << 24.0 << 25L << false;
    QTest::addRow("kind-minus-one") << -1.0 << 0L << false;
    QTest::addRow("kind-2.5-is-2") << 2.5 << 3L << true;
    QTest::addRow("kind-23.4-is-23") << 23.4 << 24L << true;
}

void TestBuoyForm::kindOfTheRow()
{
    QFETCH(double, listptr);
    QFETCH(long, code);
    QFETCH(bool, drawn);
    AddBuoys(*fixture, "h", "t", "l", {Buoy(listptr, 1500, 1000), Buoy(13, 2500, 1000)});
    BuoyForm &form = Open();
    QCOMPARE(form.Lights().LightCount(), 2L);
    QCOMPARE(form.Lights().Rows()[0].LightCode, code);
    QCOMPARE(form.Lights().Rows()[1].LightCode, 14L);
    QCOMPARE(At(*form.Lpicture[0], 1500, 1000) != Blue, drawn);
    QCOMPARE(At(*form.Lpicture[0], 2500, 1000), Yellow);
}

// Any TOPMARK other than 0 draws the topmark: the port-hand can's red can
// 3 to 4 units above the centre. A Null flag draws none.
void TestBuoyForm::topmarkFlag_data()
{
    QTest::addColumn<QVariant>("topmark");
    QTest::addColumn<long>("above");
    QTest::addRow("with") << QVariant(-1.0) << Red;
    QTest::addRow("one-counts-as-with") << QVariant(1.0) << Red;
    QTest::addRow("without") << QVariant(0.0) << Blue;
    QTest::addRow("null-is-without") << QVariant() << Blue;
}

void TestBuoyForm::topmarkFlag()
{
    QFETCH(QVariant, topmark);
    StoredBuoy can = Buoy(18, 1500, 1000);
    can.topmark = topmark;
    AddBuoys(*fixture, "h", "t", "l", {can});
    BuoyForm &form = Open();
    QTEST(At(*form.Lpicture[0], 1500, 1000 - 3.5 * 150), "above");
    QCOMPARE(At(*form.Lpicture[0], 1500, 1000), Red);
    QCOMPARE(form.Lights().LightCount(), 1L);
    QCOMPARE(boxes, QStringList());
}

// Twelve buoys: every one drawn and lit, no report for the rows past ten.
void TestBuoyForm::moreThanTenBuoys()
{
    std::vector<StoredBuoy> buoys;
    for (int i = 0; i < 12; ++i)
        buoys.push_back(Buoy(13, 150 + 240 * i, 1000, 40));
    AddBuoys(*fixture, "h", "t", "l", buoys);
    BuoyForm &form = Open();
    QCOMPARE(form.Lights().LightCount(), 12L);
    form.Ltimer_Timer();
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(At(*form.Lpicture[0], 150 + 240 * i, 1000), Yellow);
        QCOMPARE(At(*form.Lpicture[1], 150 + 240 * i, 960), Yellow);
    }
    QCOMPARE(boxes, QStringList());
}

// A picture without buoy rows: nothing drawn, every light row empty.
void TestBuoyForm::pictureWithoutBuoys()
{
    AddBuoys(*fixture, "h", "t", "l");
    BuoyForm &form = Open();
    QCOMPARE(CountNot(*form.Lpicture[0], Blue), 0);
    QCOMPARE(form.Lights().LightCount(), 0L);
    QCOMPARE(form.Lights().Rows().size(), size_t(10));
    for (const BuoyLight &row : form.Lights().Rows())
        QCOMPARE(row.LightCode, 0L);
    for (int i = 0; i < 20; ++i)
        form.Ltimer_Timer();
    QCOMPARE(CountNot(*form.Lpicture[1], Black), 0);
    QCOMPARE(form.Blabel[0]->text(), QString("2"));
}

// A row with a Null or non-numeric place, size or kind has nothing to be
// drawn with: it is left out, not drawn with the previous row's values, and
// the next buoy takes its light row. It is reported once with the typed
// read's error.
void TestBuoyForm::unreadableFieldsOfARow_data()
{
    const QString null = "Unexpected Error In - BuoyForm:ShowData, Error Number 94, Invalid use of Null";
    const QString text = "Unexpected Error In - BuoyForm:ShowData, Error Number 3421, Data type conversion error.";
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QStringList>("reports");
    QTest::addRow("xpos-null") << "XPOS" << QVariant() << QStringList{null};
    QTest::addRow("ypos-null") << "YPOS" << QVariant() << QStringList{null};
    QTest::addRow("size-null") << "SIZE" << QVariant() << QStringList{null};
    QTest::addRow("listptr-null") << "LISTPTR" << QVariant() << QStringList{null};
    QTest::addRow("xpos-text") << "XPOS" << QVariant("east") << QStringList{text};
    QTest::addRow("listptr-text") << "LISTPTR" << QVariant("can") << QStringList{text};
    QTest::addRow("topmark-text") << "TOPMARK" << QVariant("yes") << QStringList{text};
}

void TestBuoyForm::unreadableFieldsOfARow()
{
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    // A text goes in through a marker, as the program's writer refuses it.
    const bool text = value.typeId() == QMetaType::QString;
    const QVariant stored = text ? QVariant(7777) : value;
    StoredBuoy odd = Buoy(18, 2500, 1000);
    if (field == "XPOS")
        odd.x = stored;
    if (field == "YPOS")
        odd.y = stored;
    if (field == "SIZE")
        odd.size = stored;
    if (field == "LISTPTR")
        odd.kind = stored;
    if (field == "TOPMARK")
        odd.topmark = stored;
    AddBuoys(*fixture, "h", "t", "l", {Buoy(13, 500, 1000), odd, Buoy(20, 1500, 1000)});
    if (text)
        fixture->OverwriteLines("BUOYLINE", field, 7777, value);
    BuoyForm &form = Open();
    const PictureBox &day = *form.Lpicture[0];
    QCOMPARE(At(day, 500, 1000), Yellow);
    QCOMPARE(At(day, 1500, 1000), Green);
    // With the previous row's values the can would stand on the cone or
    // the yellow buoy; with its own, at 2500.
    QCOMPARE(At(day, 2500, 1000), Blue);
    QCOMPARE(form.Lights().LightCount(), 2L);
    QCOMPARE(form.Lights().Rows()[1].LightCode, 21L);
    QTEST(boxes, "reports");
}

// A row whose buoy would reach beyond the 32-bit twips range, or whose kind
// or flag lies beyond it, is reported as an overflow at each show and left
// out; the rows after it are drawn.
void TestBuoyForm::rowBeyondTheTwipsRange_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    QTest::addRow("xpos") << "x" << 3e9;
    QTest::addRow("ypos-negative") << "y" << -3e9;
    QTest::addRow("size-reaching-out") << "size" << 3e8;
    QTest::addRow("listptr") << "kind" << 5e9;
    QTest::addRow("topmark") << "topmark" << -1e10;
}

void TestBuoyForm::rowBeyondTheTwipsRange()
{
    QFETCH(QString, field);
    QFETCH(double, value);
    StoredBuoy odd = Buoy(18, 2500, 1000);
    if (field == "x")
        odd.x = value;
    if (field == "y")
        odd.y = value;
    if (field == "size")
        odd.size = value;
    if (field == "kind")
        odd.kind = value;
    if (field == "topmark")
        odd.topmark = value;
    AddBuoys(*fixture, "h", "t", "l", {odd, Buoy(20, 1500, 1000)});
    const QString report = "Unexpected Error In - BuoyForm:ShowData, Error Number 6, Overflow";
    BuoyForm &form = Open();
    QVERIFY(!boxes.isEmpty());
    QCOMPARE(boxes, QStringList(boxes.size(), report));
    // Once for each show of the picture.
    boxes.clear();
    form.Lcheck[0]->click();
    QCOMPARE(boxes, QStringList({report}));
    QCOMPARE(form.Lights().LightCount(), 1L);
    QCOMPARE(form.Lights().Rows()[0].LightCode, 21L);
    QCOMPARE(At(*form.Lpicture[0], 1500, 1000), Green);
    QCOMPARE(At(*form.Lpicture[0], 2500, 1000), Blue);
}

// All 24 kinds in one picture at scale 1.5, unit 40: every fill stays inside
// its outline, so the sea beside and below each (3 units out at most,
// 6.1 up) stays blue, and every light shows its colour within its first
// four ticks.
void TestBuoyForm::everyKindStaysInItsOutline()
{
    std::vector<StoredBuoy> buoys;
    auto xOf = [](int kind) { return 190.0 + 375 * (kind % 8); };
    auto yOf = [](int kind) { return 330.0 + 480 * (kind / 8); };
    for (int kind = 0; kind < 24; ++kind)
        buoys.push_back(Buoy(kind, xOf(kind), yOf(kind), 40));
    AddBuoys(*fixture, "h", "t", "l", buoys);
    BuoyForm &form = Open(10710, 5175);
    QCOMPARE(form.PictureScale(), 1.5f);
    const PictureBox &day = *form.Lpicture[0];
    for (int kind = 0; kind < 24; ++kind) {
        QVERIFY2(At(day, 1.5 * (xOf(kind) - 187), 1.5 * yOf(kind)) == Blue, qPrintable(QString::number(kind)));
        QVERIFY2(At(day, 1.5 * xOf(kind), 1.5 * (yOf(kind) + 178)) == Blue, qPrintable(QString::number(kind)));
        QVERIFY2(At(day, 1.5 * xOf(kind), 1.5 * yOf(kind)) != Blue, qPrintable(QString::number(kind)));
    }
    QList<bool> shown(24, false);
    for (int tick = 0; tick < 4; ++tick) {
        form.Ltimer_Timer();
        for (int kind = 0; kind < 24; ++kind)
            shown[kind] = shown[kind] || At(*form.Lpicture[1], 1.5 * xOf(kind), 1.5 * (yOf(kind) - 40)) != Black;
    }
    QCOMPARE(shown, QList<bool>(24, true));
    QCOMPARE(boxes, QStringList());
}

// "&Hint" and "&Light Info" put their text under the pictures; the same
// button again shows the plain picture and restarts the animation; one
// replaces the other's text. A Null light text reads "Unknown".
void TestBuoyForm::textToggles()
{
    AddBuoys(*fixture, "The hint", "The answer", QVariant(), {Buoy(0, 1500, 1000)});
    BuoyForm &form = Open();
    QLabel &text = *form.Llabel[0];
    form.Ltimer_Timer();
    form.Ltimer_Timer();
    form.Action[4]->click();
    QCOMPARE(text.text(), QString("The hint"));
    QCOMPARE(form.Lights().ElapsedTicks(), 2L);
    form.Action[6]->click();
    QCOMPARE(text.text(), QString("Unknown"));
    form.Action[6]->click();
    QCOMPARE(text.text(), QString());
    QCOMPARE(form.Lights().ElapsedTicks(), 0L);
    form.Action[8]->click();
    QCOMPARE(text.text(), QString("The answer"));
    form.Action[5]->click();
    QCOMPARE(text.text(), QString("The answer"));
    form.Action[4]->click();
    form.Action[4]->click();
    QCOMPARE(text.text(), QString());
    QCOMPARE(boxes, QStringList());
}

// When the hint and the light text are the same, either button on that text
// goes back to the plain picture.
void TestBuoyForm::sameHintAndLightText()
{
    AddBuoys(*fixture, "Same", "a", "Same", {Buoy(0, 1500, 1000)});
    BuoyForm &form = Open();
    form.Action[4]->click();
    form.Action[6]->click();
    QCOMPARE(form.Llabel[0]->text(), QString());
    form.Action[6]->click();
    form.Action[4]->click();
    QCOMPARE(form.Llabel[0]->text(), QString());
}

// In multiple-choice mode the choice list lies over the text line, as wide
// as both pictures, holding the buoy picture's alternatives.
void TestBuoyForm::multipleChoice()
{
    MultiChoice = true;
    const long right = AddBuoys(*fixture, "h", "North cardinal", "l", {Buoy(0, 1500, 1000)});
    const long wrong = AddBuoys(*fixture, "h", "South cardinal", "l", {Buoy(4, 1500, 1000)});
    fixture->AddAlternative(3, right, right, true);
    fixture->AddAlternative(3, right, wrong, false);
    BuoyForm &form = Open(9210, 6000);
    QVERIFY(form.Lcheck[0]->isChecked());
    QVERIFY(form.Clist->isVisible());
    QCOMPARE(ControlPlace(*form.Clist), OnScreen(QRect(120, 4065, 7500, 800)));
    QCOMPARE(form.RecordNo(), right);
    QStringList choices;
    for (int i = 0; i < form.Clist->count(); ++i)
        choices << form.Clist->item(i)->text();
    choices.sort();
    QCOMPARE(choices, QStringList({"North cardinal", "South cardinal"}));
    form.Activate();
    QVERIFY(form.Fmenu[2]->isEnabled());
}

// Outside multiple-choice mode "&Statistics" is off after the load and on
// again at every activation, unless in link mode.
void TestBuoyForm::statisticsAtActivation()
{
    AddBuoys(*fixture, "h", "t", "l", {Buoy(0, 1500, 1000)});
    BuoyForm &form = Open();
    QVERIFY(!form.Fmenu[2]->isEnabled());
    form.Activate();
    QVERIFY(form.Fmenu[2]->isEnabled());
    QVERIFY(form.Ltimer->isActive());
}

// After each show exactly the topics the picture links to are offered;
// "&Buoy", the window's own topic, never.
void TestBuoyForm::linksMenu()
{
    const long linked = AddBuoys(*fixture, "h", "t", "l", {Buoy(0, 1500, 1000)});
    AddBuoys(*fixture, "h", "u", "l", {Buoy(0, 1500, 1000)});
    fixture->AddLink(3, linked, 1, 7);
    fixture->AddLink(3, linked, 4, 2);
    fixture->AddLink(3, linked, 3, 2);
    BuoyForm &form = Open();
    QCOMPARE(form.RecordNo(), linked);
    QList<bool> enabled;
    for (QAction *item : form.Lmenu)
        enabled << item->isEnabled();
    QCOMPARE(enabled, QList<bool>({true, false, false, true, false}));
    form.Action[2]->click();
    enabled.clear();
    for (QAction *item : form.Lmenu)
        enabled << item->isEnabled();
    QCOMPARE(enabled, QList<bool>(5, false));
}

// Opened on a link, the window plays the linked buoy pictures in the order
// stored, with the File items and the Links menu off, and the end of the
// series asks nothing.
void TestBuoyForm::linkModeSeries()
{
    const long a = AddBuoys(*fixture, "h", "a", "l", {Buoy(0, 1500, 1000)});
    AddBuoys(*fixture, "h", "b", "l", {Buoy(0, 1500, 1000)});
    const long c = AddBuoys(*fixture, "h", "c", "l", {Buoy(0, 1500, 1000)});
    fixture->AddLink(1, 5, 3, c);
    fixture->AddLink(1, 5, 3, a);
    LinkMode = true;
    LinkTypeOne = 1;
    LinkRecordOne = 5;
    LinkTypeTwo = 3;
    BuoyForm &form = Open();
    QCOMPARE(form.Series().Items(), std::vector<long>({c, a}));
    form.Activate();
    QVERIFY(!form.Fmenu[0]->isEnabled());
    QVERIFY(!form.Fmenu[1]->isEnabled());
    QVERIFY(!form.Fmenu[2]->isEnabled());
    QVERIFY(!form.LinkMenu->menuAction()->isEnabled());
    form.Action[2]->click();
    form.Action[2]->click();
    QCOMPARE(form.RecordNo(), a);
    QCOMPARE(boxes, QStringList());
    form.Fmenu[3]->trigger();
    QVERIFY(!LinkMode);
}

// No buoy pictures at all: empty pictures, navigation off, no box; the
// seconds still count and the light-mode button still answers.
void TestBuoyForm::emptySeries()
{
    BuoyForm &form = Open();
    for (int i : {0, 1, 2, 3})
        QVERIFY(!form.Action[i]->isEnabled());
    QCOMPARE(CountNot(*form.Lpicture[0], Blue), 0);
    QCOMPARE(CountNot(*form.Lpicture[1], Black), 0);
    form.Action[8]->click();
    QCOMPARE(form.Llabel[0]->text(), QString("No Text"));
    form.Action[6]->click();
    QCOMPARE(form.Llabel[0]->text(), QString("Unknown"));
    for (int i = 0; i < 10; ++i)
        form.Ltimer_Timer();
    QCOMPARE(form.Blabel[0]->text(), QString("1"));
    form.Action[7]->click();
    QCOMPARE(form.Action[7]->text(), QString("&Light Mode 2"));
    form.Fmenu[0]->trigger();
    QCOMPARE(boxes, QStringList());
}

// A linked buoy picture deleted since: its number shows empty pictures with
// the default texts, its left-over buoy rows are not drawn, and nothing is
// reported.
void TestBuoyForm::missingHeadRow()
{
    const long kept = AddBuoys(*fixture, "h", "kept", "l", {Buoy(18, 1500, 1000)});
    const long gone = AddBuoys(*fixture, "h", "gone", "l", {Buoy(18, 1500, 1000)});
    fixture->DeleteHead("BUOYHEAD", gone);
    fixture->AddLink(2, 9, 3, kept);
    fixture->AddLink(2, 9, 3, gone);
    LinkMode = true;
    LinkTypeOne = 2;
    LinkRecordOne = 9;
    LinkTypeTwo = 3;
    BuoyForm &form = Open();
    QCOMPARE(At(*form.Lpicture[0], 1500, 1000), Red);
    form.Action[2]->click();
    QCOMPARE(form.RecordNo(), gone);
    QCOMPARE(CountNot(*form.Lpicture[0], Blue), 0);
    QCOMPARE(form.Lights().LightCount(), 0L);
    QCOMPARE(form.HintText(), QString("No Hint"));
    QCOMPARE(form.AnswerText(), QString("No Text"));
    QCOMPARE(form.FurtherText(), QString("Unknown"));
    form.Ltimer_Timer();
    QCOMPARE(CountNot(*form.Lpicture[1], Black), 0);
    QCOMPARE(boxes, QStringList());
}

// Only "&Next >" on the last picture asks; the timer, a resize, "Cheat",
// the toggles and the light-mode button show it again without a question.
void TestBuoyForm::endOfSeriesOnlyFromNavigation()
{
    AddBuoys(*fixture, "h", "a", "l", {Buoy(0, 1500, 1000)});
    AddBuoys(*fixture, "h", "b", "l", {Buoy(0, 1500, 1000)});
    BuoyForm &form = Open();
    form.Action[2]->click();
    QCOMPARE(boxes, QStringList());
    for (int i = 0; i < 30; ++i)
        form.Ltimer_Timer();
    form.SetOuterSize(9000, 6000);
    form.Lcheck[0]->click();
    form.Lcheck[0]->click();
    form.Action[4]->click();
    form.Action[4]->click();
    form.Action[7]->click();
    QCOMPARE(boxes, QStringList());
    form.Action[2]->click();
    QCOMPARE(boxes,
             QStringList({"This Is The Last Picture In This Series, Do You Want To Shuffle And Restart"}));
    QCOMPARE(form.Series().Position(), 1L);
}

QTEST_MAIN(TestBuoyForm)
#include "tst_buoyform.moc"
