// The buoy quiz window's night picture: the light timer that runs only while
// the window is active, the light-mode button, the restart of the animation
// at every show, and every light as a sailor times it from the picture.

#include "BuoyFacts.h"
#include "BuoyPictures.h"
#include "LightChart.h"

#include "buoys/BuoyForm.h"
#include "buoys/BuoyKinds.h"
#include "buoys/BuoySteps.h"
#include "buoys/NightLights.h"
#include "core/state/Global.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Shuffle.h"
#include "platform/window/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Colours;
using namespace LightChart;

namespace {
long At(const PictureBox &picture, double x, double y)
{
    return picture.PixelColour(Twips::ToPixelsX(x), Twips::ToPixelsY(y));
}
} // namespace

class TestBuoyFormNight : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
        Twips::SetTwipsPerPixel(15, 15);
        SetShuffleRandom([](long upper) { return upper; });
        boxes = 0;
        SetMsgBoxHandler([this](const MsgBoxCall &) {
            ++boxes;
            return MsgBoxAnswer::No;
        });
    }
    void cleanup() { fixture.reset(); }

    void timerFollowsActivation();
    void timerStepsTheLights();
    void closingStopsTheTimer();
    void northCardinalInTheWindow();
    void lightModeButton_data();
    void lightModeButton();
    void showRestartsTheAnimation();
    void chartNames_data();
    void chartNames();
    void lightsAsASailorTimesThem_data();
    void lightsAsASailorTimesThem();

private:
    BuoyForm &Open()
    {
        BuoyForm &form = FormInstance<BuoyForm>();
        form.Load();
        form.show();
        return form;
    }

    std::unique_ptr<PictureFixture> fixture;
    int boxes = 0;
};

// Off when the window opens; on while it is the active window, off while
// another window is; the counters stay as they were while it is off.
void TestBuoyFormNight::timerFollowsActivation()
{
    AddBuoys(*fixture, "h", "t", "l", {Buoy(13, 1500, 1000)});
    BuoyForm &form = FormInstance<BuoyForm>();
    form.Load();
    QVERIFY(!form.Ltimer->isActive());
    // Let the window system's own activation of the shown window pass first.
    form.show();
    QTest::qWait(50);
    form.Activate();
    QVERIFY(form.Ltimer->isActive());
    QCOMPARE(form.Ltimer->interval(), 100);
    form.Deactivate();
    QVERIFY(!form.Ltimer->isActive());
    const long elapsed = form.Lights().ElapsedTicks();
    QTest::qWait(250);
    QCOMPARE(form.Lights().ElapsedTicks(), elapsed);
    form.Activate();
    QVERIFY(form.Ltimer->isActive());
}

// The running timer lights the special mark's yellow light at its first
// tick and counts the seconds.
void TestBuoyFormNight::timerStepsTheLights()
{
    AddBuoys(*fixture, "h", "t", "l", {Buoy(13, 1500, 1000)});
    BuoyForm &form = Open();
    QVERIFY(form.Blabel[0]->text().isEmpty());
    form.Activate();
    QTRY_COMPARE_WITH_TIMEOUT(form.Blabel[0]->text(), QString("0"), 2000);
    QCOMPARE(At(*form.Lpicture[1], 1500, 850), Yellow);
    QTRY_COMPARE_WITH_TIMEOUT(form.Blabel[0]->text(), QString("1"), 4000);
    QCOMPARE(boxes, 0);
}

// Closing the window stops its timer.
void TestBuoyFormNight::closingStopsTheTimer()
{
    AddBuoys(*fixture, "h", "t", "l", {Buoy(13, 1500, 1000)});
    BuoyForm &form = Open();
    form.Activate();
    QPointer<QTimer> timer = form.Ltimer.data();
    QVERIFY(timer && timer->isActive());
    form.Fmenu[3]->trigger();
    QVERIFY(!form.IsLoaded());
    QVERIFY(!timer || !timer->isActive());
}

// One North cardinal buoy: white at the 4th tick, black at the 5th, white
// again every 5 ticks. After a press the next tick restarts: white at the
// 9th tick after the press, black at the 11th.
void TestBuoyFormNight::northCardinalInTheWindow()
{
    AddBuoys(*fixture, "h", "t", "l", {Buoy(0, 1500, 1000)});
    BuoyForm &form = Open();
    const PictureBox &night = *form.Lpicture[1];
    QString seen;
    for (int tick = 1; tick <= 15; ++tick) {
        form.Ltimer_Timer();
        seen += At(night, 1500, 850) == White ? 'L' : '.';
    }
    QCOMPARE(seen, QString("...L....L....L."));
    form.Action[7]->click();
    QCOMPARE(form.Action[7]->text(), QString("&Light Mode 2"));
    seen.clear();
    for (int tick = 1; tick <= 12; ++tick) {
        form.Ltimer_Timer();
        seen += At(night, 1500, 850) == White ? 'L' : '.';
        if (tick == 1)
            QCOMPARE(form.Blabel[0]->text(), QString("0"));
    }
    QCOMPARE(seen, QString("........LL.."));
}

// The first buoy decides what the button does; its caption follows the mode.
void TestBuoyFormNight::lightModeButton_data()
{
    QTest::addColumn<double>("firstKind");
    QTest::addColumn<QStringList>("captions");
    const QString one = "&Light Mode 1", two = "&Light Mode 2", three = "&Light Mode 3";
    QTest::addRow("special-mark-toggles") << 13.0 << QStringList{two, one, two};
    QTest::addRow("east-cardinal-toggles") << 2.0 << QStringList{two, one, two};
    QTest::addRow("isolated-danger-stays") << 8.0 << QStringList{one, one, one};
    QTest::addRow("preferred-to-starboard-stays") << 22.0 << QStringList{one, one, one};
    QTest::addRow("safe-water-cycles") << 10.0 << QStringList{two, three, one};
    QTest::addRow("starboard-stick-cycles") << 21.0 << QStringList{two, three, one};
}

void TestBuoyFormNight::lightModeButton()
{
    QFETCH(double, firstKind);
    QFETCH(QStringList, captions);
    // A port-hand mark second: only the first buoy counts.
    AddBuoys(*fixture, "h", "t", "l", {Buoy(firstKind, 800, 1000), Buoy(18, 2200, 1000)});
    BuoyForm &form = Open();
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        form.Action[7]->click();
        seen << form.Action[7]->text();
    }
    QCOMPARE(seen, captions);
    QCOMPARE(boxes, 0);
}

// Every show starts the animation afresh in mode 0: the next picture, and
// the same picture again after "Cheat". The seconds keep their last text
// until the first tick shows "0"; the discs of the last picture are gone.
void TestBuoyFormNight::showRestartsTheAnimation()
{
    AddBuoys(*fixture, "h", "t", "l", {Buoy(13, 1500, 1000)});
    AddBuoys(*fixture, "h", "u", "l", {Buoy(18, 2500, 1000)});
    BuoyForm &form = Open();
    for (int i = 0; i < 25; ++i)
        form.Ltimer_Timer();
    form.Action[7]->click();
    QCOMPARE(form.Lights().LightMode(), 1L);
    QCOMPARE(form.Blabel[0]->text(), QString("2"));

    form.Action[2]->click();
    QCOMPARE(form.Action[7]->text(), QString("&Light Mode 1"));
    QCOMPARE(form.Lights().LightMode(), 0L);
    QCOMPARE(form.Lights().ElapsedTicks(), 0L);
    QCOMPARE(form.Lights().Rows()[0].LightCode, 19L);
    QCOMPARE(form.Blabel[0]->text(), QString("2"));
    QCOMPARE(At(*form.Lpicture[1], 1500, 850), Black);
    // The last tick saw mode 0, so the first is step 1 and lights the can.
    form.Ltimer_Timer();
    QCOMPARE(form.Blabel[0]->text(), QString("0"));
    QCOMPARE(At(*form.Lpicture[1], 2500, 850), Red);

    for (int i = 0; i < 12; ++i)
        form.Ltimer_Timer();
    form.Action[7]->click();
    form.Ltimer_Timer();
    form.Lcheck[0]->click();
    QCOMPARE(form.Lights().ElapsedTicks(), 0L);
    QCOMPARE(form.Action[7]->text(), QString("&Light Mode 1"));
    // The last tick saw mode 1: the first tick after the show is a restart,
    // and the can lights at the second.
    form.Ltimer_Timer();
    QCOMPARE(At(*form.Lpicture[1], 2500, 850), Black);
    form.Ltimer_Timer();
    QCOMPARE(At(*form.Lpicture[1], 2500, 850), Red);
    QCOMPARE(boxes, 0);
}

// The reading of the names the test goes by.
void TestBuoyFormNight::chartNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("rhythm");
    QTest::addColumn<QList<int>>("groups");
    QTest::addColumn<bool>("longAfter");
    QTest::addColumn<int>("period");
    QTest::addRow("very-quick") << "VQ"
                                << "VQ" << QList<int>{1} << false << 5;
    QTest::addRow("quick") << "Q"
                           << "Q" << QList<int>{1} << false << 10;
    QTest::addRow("quick-six-long") << "Q(6)+LFl 15s"
                                    << "Q" << QList<int>{6} << true << 150;
    QTest::addRow("composite") << "Fl(2+1) 10s"
                               << "Fl" << QList<int>{2, 1} << false << 100;
    QTest::addRow("isophase") << "Iso 4s"
                              << "Iso" << QList<int>{1} << false << 40;
}

void TestBuoyFormNight::chartNames()
{
    QFETCH(QString, name);
    const ChartName chart = ReadChartName(name);
    QTEST(chart.rhythm, "rhythm");
    QTEST(chart.groups, "groups");
    QTEST(chart.longFlashAfter, "longAfter");
    QTEST(chart.periodTicks, "period");
}

// Every light code in every light mode. The port-hand can first lets the
// light-mode button reach all three modes; the light under test is second.
void TestBuoyFormNight::lightsAsASailorTimesThem_data()
{
    QTest::addColumn<long>("code");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    for (long code = 1; code <= BuoyKindCount; ++code)
        for (int mode = 0; mode < 3; ++mode)
            QTest::addRow("%s-mode-%d", qPrintable(BuoyFacts::RowName(code - 1)), mode + 1)
                << code << mode << ChartNames(code)[mode];
}

void TestBuoyFormNight::lightsAsASailorTimesThem()
{
    QFETCH(long, code);
    QFETCH(int, mode);
    QFETCH(QString, name);
    const ChartName chart = ReadChartName(name);
    QVERIFY(!chart.rhythm.isEmpty());
    AddBuoys(*fixture, "h", "t", "l", {Buoy(18, 800, 1000), Buoy(double(code - 1), 2200, 1000)});
    BuoyForm &form = FormInstance<BuoyForm>();
    form.Load();
    form.show();
    for (int press = 0; press < mode; ++press)
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
    QCOMPARE(form.Lights().LightMode(), long(mode));

    // The centre of the light on the night picture, sampled once a tick after
    // the first cycles, over three of the longest periods.
    const BuoyLight &light = form.Lights().Rows()[1];
    const QPoint centre(Twips::ToPixelsX(light.LightX), Twips::ToPixelsY(light.LightY));
    const PictureBox &night = *form.Lpicture[1];
    const long colour = ChartColour(code);
    QList<bool> lit;
    for (int tick = 0; tick < 160 + 450; ++tick) {
        form.Ltimer_Timer();
        if (tick < 160)
            continue;
        const long seen = night.PixelColour(centre.x(), centre.y());
        if (seen != colour && seen != Black)
            QFAIL(qPrintable(QString("tick %1: colour %2").arg(tick).arg(seen)));
        lit << (seen == colour);
    }
    const int period = MeasuredPeriod(lit);
    QVERIFY2(period > 0, "no period");
    const Period p = OnePeriod(lit, period);
    const QString times = QString("%1: %2; period %3 s").arg(name, Times(p), Seconds(period));
    qInfo("%s", qPrintable(times));
    const QString fault = Fault(chart, p, period);
    QVERIFY2(fault.isEmpty(), qPrintable(fault + " (" + times + ")"));
    QCOMPARE(boxes, 0);
}

QTEST_MAIN(TestBuoyFormNight)
#include "tst_buoyform_night.moc"
