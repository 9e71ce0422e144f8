// The buoy quiz window's night picture: the light timer that runs only while
// the window is active, the light-mode button, and the restart of the
// animation at every show.

#include "BuoyPictures.h"

#include "buoys/BuoyForm.h"
#include "buoys/BuoySteps.h"
#include "core/state/Global.h"
#include "platform/ask/MsgBox.h"
#include "platform/window/PictureBox.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Shuffle.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Colours;

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

QTEST_MAIN(TestBuoyFormNight)
#include "tst_buoyform_night.moc"
