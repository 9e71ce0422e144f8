#include "ProgramState.h"
#include "TestDatabase.h"

#include "core/state/Global.h"
#include "data/Database.h"
#include "mainwindow/NightScene.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr long Black = 0;
constexpr long White = 16777215;
constexpr long Water = 16777088;

const QString FirstPosition = QStringLiteral("Course - 110\u00B0(T), Position - 53\u00B029'.5N, 04\u00B050'.3E");
const QString SecondPosition = QStringLiteral("Course - 110\u00B0(T), Position - 53\u00B027'.0N, 04\u00B046'.0E");
const QString CourseOnly = QStringLiteral("Course - 110\u00B0(T)");
const QString Created = QStringLiteral("Course And Position");

// The main window's scene controls as it builds and lays them out: the scene
// and cover pictures at (120, 840) with the same size, the vessel picture
// inside the scene picture at half that size, the caption hidden.
struct SceneFixture {
    explicit SceneFixture(int width = 7845, int height = 4710)
    {
        scene = new PictureBox(&window);
        scene->SetBackColor(4210752);
        PlaceControl(*scene, 120, 840, width, height);
        cover = new PictureBox(&window);
        cover->SetBackColor(Water);
        PlaceControl(*cover, 120, 840, width, height);
        vessel = new PictureBox(scene);
        vessel->SetBackColor(Black);
        ResizeControl(*vessel, width / 2.0, height / 2.0);
        vessel->hide();
        caption = new QLabel(Created, &window);
        caption->hide();
        mtimer.setInterval(100);
        ltimer.setInterval(100);
        night.Attach(SceneControls{scene, cover, vessel, caption, &mtimer, &ltimer});
    }

    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            night.Mtimer_Timer();
    }
    // Runs the steps from the current one up to and including `step`.
    // (Step 1800 hands over to step 0, which ends the run.)
    void RunThrough(int step)
    {
        do
            night.Mtimer_Timer();
        while (night.SceneStep != 0 && night.SceneStep <= step);
    }
    long SceneAt(int xTwips, int yTwips) const
    {
        return scene->PixelColour(Twips::ToPixelsX(xTwips), Twips::ToPixelsY(yTwips));
    }
    bool Shown(QWidget *w) const { return w->isVisibleTo(&window); }

    QWidget window;
    PictureBox *scene = nullptr;
    PictureBox *cover = nullptr;
    PictureBox *vessel = nullptr;
    QLabel *caption = nullptr;
    QTimer mtimer;
    QTimer ltimer;
    NightScene night;
};

void AddLight(Database &db, int header, long colour, bool flash, double x, double y, double size)
{
    db.Execute(QStringLiteral("INSERT INTO LIGHTLINE (HEADER, COLOUR, FLASH, XPOS, YPOS, SIZE) VALUES (?, ?, ?, ?, ?, ?)"),
               {header, qlonglong(colour), flash ? -1 : 0, x, y, size});
}

} // namespace

class TestNightScene : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        AppPath = MakeTestDatabase(dir->path());
        messages.clear();
        SetMsgBoxHandler([this](const MsgBoxCall &call) {
            messages << call.prompt;
            return MsgBoxAnswer::Ok;
        });
    }
    void cleanup() { ResetProgramState(); }

    // What is shown after each named step of one run, and the step the next
    // tick runs; after step 1800 the loop starts again at step 0.
    void steps_data()
    {
        QTest::addColumn<int>("through");
        QTest::addColumn<bool>("cover");
        QTest::addColumn<bool>("vessel");
        QTest::addColumn<bool>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("next");
        QTest::addRow("0-daylight") << 0 << true << false << false << Created << 1;
        QTest::addRow("99-daylight-still") << 99 << true << false << false << Created << 100;
        QTest::addRow("100-wiped") << 100 << false << false << false << Created << 101;
        QTest::addRow("110-vessel-out-of-sight") << 110 << false << true << false << Created << 111;
        QTest::addRow("120-first-position") << 120 << false << true << true << FirstPosition << 121;
        QTest::addRow("731-course-only") << 731 << false << true << true << CourseOnly << 732;
        QTest::addRow("800-second-position") << 800 << false << true << true << SecondPosition << 801;
        QTest::addRow("1500-course-only") << 1500 << false << true << true << CourseOnly << 1501;
        QTest::addRow("1799-last-empty-step") << 1799 << false << true << true << CourseOnly << 1800;
        QTest::addRow("1800-back-to-0") << 1800 << false << true << true << CourseOnly << 0;
        QTest::addRow("0-again-daylight") << 1801 << true << false << false << CourseOnly << 1;
    }
    void steps()
    {
        QFETCH(int, through);
        QFETCH(bool, cover);
        QFETCH(bool, vessel);
        QFETCH(bool, caption);
        QFETCH(QString, text);
        QFETCH(int, next);
        SceneFixture f;
        f.Ticks(through + 1);
        QCOMPARE(f.Shown(f.cover), cover);
        QCOMPARE(f.Shown(f.vessel), vessel);
        QCOMPARE(f.Shown(f.caption), caption);
        QCOMPARE(f.caption->text(), text);
        QCOMPARE(f.night.SceneStep, next);
        QCOMPARE(f.ltimer.isActive(), through >= 100);
    }

    // Step 0 gives the cover picture the scene's height and draws the
    // daylight picture; the scale follows the cover picture's size.
    void stepZeroRestoresTheCover_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<float>("scale");
        QTest::addRow("design-size") << 7845 << 4710 << 1.0f;
        QTest::addRow("height-limits") << 7845 << 3000 << 3000.0f / 4710;
        QTest::addRow("width-limits") << 6000 << 4710 << 6000.0f / 7845;
    }
    void stepZeroRestoresTheCover()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(float, scale);
        SceneFixture f(width, height);
        ResizeControl(*f.cover, width, 60); // what a previous wipe left
        f.Ticks(1);
        QCOMPARE(ControlHeight(*f.cover), height);
        QCOMPARE(ControlWidth(*f.cover), width);
        QCOMPARE(f.night.SceneScale, scale);
        // The left bank turns grey at pixel (10, 10).
        QCOMPARE(f.cover->PixelColour(10, 10), 8421504L);
    }

    // The wipe ends with the cover picture hidden below 100 twips, whether
    // the surface takes a height one twip lower or only whole pixels.
    void wipe_data()
    {
        QTest::addColumn<int>("twipsPerPixel");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("finalHeight");
        QTest::addRow("one-twip-pixels") << 1 << 1000 << 1500 << 99;
        QTest::addRow("one-twip-pixels-at-100") << 1 << 1000 << 100 << 99;
        QTest::addRow("whole-15-twip-pixels") << 15 << 3000 << 4710 << 90;
        QTest::addRow("whole-15-twip-pixels-at-90") << 15 << 3000 << 90 << 75;
        QTest::addRow("whole-12-twip-pixels") << 12 << 3000 << 3000 << 96;
    }
    void wipe()
    {
        QFETCH(int, twipsPerPixel);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, finalHeight);
        Twips::SetTwipsPerPixel(twipsPerPixel, twipsPerPixel);
        SceneFixture f(width, height);
        f.RunThrough(100);
        QVERIFY(!f.Shown(f.cover));
        QCOMPARE(ControlHeight(*f.cover), finalHeight);
        QCOMPARE(ControlWidth(*f.cover), width);
        QCOMPARE(f.cover->pos(), f.scene->pos());
        QCOMPARE(f.scene->BackColor(), Black);
        QCOMPARE(f.night.SceneStep, 101);
    }

    // The light rows the steps fill, for a scene 6000 x 4710 twips
    // (SceneScale 6000 / 7845), hand-computed in single precision and
    // rounded halves to even: 2500 s = 1912.05, 200 s = 152.96, 30 s = 22.94,
    // and from step 1530 on Y += 152.96 and X -= 38.24, rounded each time.
    void lightPlaces_data()
    {
        QTest::addColumn<int>("through");
        QTest::addColumn<QList<int>>("row1");
        QTest::addColumn<QList<int>>("row2");
        const QList<int> none{0, 0, 0, 0};
        QTest::addRow("99-none") << 99 << none << none;
        QTest::addRow("100-first-place") << 100 << QList<int>{1, 1912, 153, 23} << none;
        QTest::addRow("731-second-place") << 731 << QList<int>{1, 1147, 229, 31} << none;
        QTest::addRow("1510-grows") << 1510 << QList<int>{1, 1147, 229, 46} << none;
        QTest::addRow("1530-first-jump") << 1530 << QList<int>{1, 1109, 382, 46} << none;
        QTest::addRow("1600-second-light") << 1600 << QList<int>{1, 1071, 535, 46}
                                           << QList<int>{2, 4589, 153, 31};
        QTest::addRow("1760-sixth-jump") << 1760 << QList<int>{1, 919, 1147, 46} << QList<int>{2, 4589, 153, 31};
        QTest::addRow("1800-unchanged") << 1800 << QList<int>{1, 919, 1147, 46} << QList<int>{2, 4589, 153, 31};
        // The table is never cleared: the new run keeps row 2, and step 100
        // places row 1 anew.
        QTest::addRow("next-run-100") << 1901 << QList<int>{1, 1912, 153, 23} << QList<int>{2, 4589, 153, 31};
    }
    void lightPlaces()
    {
        QFETCH(int, through);
        QFETCH(QList<int>, row1);
        QFETCH(QList<int>, row2);
        SceneFixture f(6000, 4710);
        f.Ticks(through + 1);
        const auto row = [&](int r) {
            const int *l = f.night.SceneLights[r];
            return QList<int>{l[NightScene::Kind], l[NightScene::LightX], l[NightScene::LightY],
                              l[NightScene::Radius]};
        };
        QCOMPARE(row(1), row1);
        QCOMPARE(row(2), row2);
        for (int r : {0, 3, 4, 5, 6, 7, 8, 9})
            QCOMPARE(f.night.SceneLights[r][NightScene::Kind], 0);
    }

    // A light placed with phase 0: kind 1 goes on at ticks 1 and 30 and off
    // at 21 and 51, kind 2 on at 1 and off at 21; both phases go back to 0 at
    // the 99th tick, so the 100th switches them on again.
    void lightPhases_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("litTicks");
        QList<int> kind1;
        QList<int> kind2;
        for (int t = 1; t <= 100; ++t) {
            if ((t >= 1 && t <= 20) || (t >= 30 && t <= 50) || t == 100)
                kind1 << t;
            if ((t >= 1 && t <= 20) || t == 100)
                kind2 << t;
        }
        QTest::addRow("kind-1-two-flashes") << 1 << kind1;
        QTest::addRow("kind-2-one-flash") << 2 << kind2;
        QTest::addRow("kind-0-no-light") << 0 << QList<int>{};
    }
    void lightPhases()
    {
        QFETCH(int, kind);
        QFETCH(QList<int>, litTicks);
        SceneFixture f;
        f.scene->SetBackColor(Black);
        int *light = f.night.SceneLights[4];
        light[NightScene::Kind] = kind;
        light[NightScene::LightX] = 3000;
        light[NightScene::LightY] = 1500;
        light[NightScene::Phase] = 0;
        light[NightScene::Radius] = 150;
        for (int tick = 1; tick <= 100; ++tick) {
            f.night.Ltimer_Timer();
            const bool lit = f.SceneAt(3000, 1500) == White;
            QVERIFY2(lit == litTicks.contains(tick), qPrintable(QStringLiteral("tick %1").arg(tick)));
            // The outline stays black, on or off.
            QCOMPARE(f.SceneAt(3000 - 150, 1500), Black);
            const int phase = tick == 99 ? 0 : tick % 99;
            QCOMPARE(light[NightScene::Phase], kind == 0 ? tick : phase);
        }
        // Every row's phase advances, rows without a light included.
        QCOMPARE(f.night.SceneLights[0][NightScene::Phase], 100);
    }

    // The vessel picture starts just outside the scene picture's left edge,
    // ends its crossing one move beyond the right edge and comes back exactly
    // to its start, even where a move is not a whole number of pixels.
    void crossing_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addRow("design-size") << 7845 << 4710;
        QTest::addRow("narrow") << 6000 << 4710;
        QTest::addRow("large") << 14010 << 8400;
    }
    void crossing()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        SceneFixture f(width, height);
        f.RunThrough(110);
        const int vesselWidth = ControlWidth(*f.vessel);
        const int start = ControlLeft(*f.vessel);
        QCOMPARE(start, -vesselWidth);
        QCOMPARE(ControlTop(*f.vessel),
                 Twips::FromPixelsY(Twips::ToPixelsY((height - ControlHeight(*f.vessel)) / 3.0)));
        const float stepX = f.night.SceneStepX;
        QCOMPARE(stepX, float(vesselWidth + width) / 600);

        f.RunThrough(730);
        const int out = ControlLeft(*f.vessel);
        QVERIFY2(out >= width, qPrintable(QString::number(out)));
        QVERIFY(qAbs(out - (start + 601 * stepX)) <= 15);
        f.RunThrough(829);
        QCOMPARE(ControlLeft(*f.vessel), out);
        f.RunThrough(1130);
        QVERIFY(ControlLeft(*f.vessel) < out && ControlLeft(*f.vessel) > start);
        f.RunThrough(1430);
        QCOMPARE(ControlLeft(*f.vessel), start);
        f.RunThrough(1800);
        QCOMPARE(ControlLeft(*f.vessel), start);
        QVERIFY(f.Shown(f.vessel));
    }

    // The vessel picture carries the lights of picture 16 out and of
    // picture 22 back, each disc in its stored colour at half the scene's
    // scale; a flashing light shows steady in its stored colour and the rows
    // of other pictures are not drawn.
    void vesselLights()
    {
        {
            auto db = Database::OpenDatabase(AppPath + "CALVOREN.MDB");
            AddLight(*db, 15, 65280, false, 1000, 600, 100);
            AddLight(*db, 16, 255, false, 3000, 1500, 100);
            AddLight(*db, 16, 65280, false, 1000, 600, 100);
            AddLight(*db, 17, 16711680, false, 5000, 2000, 100);
            AddLight(*db, 22, 16777215, false, 5000, 2000, 100);
            AddLight(*db, 22, 65535, true, 3000, 1500, 100);
            db->Close();
        }
        SceneFixture f; // SceneScale 1: a light at (x, y) shows at (x / 2, y / 2)
        auto at = [&](int x, int y) {
            return f.vessel->PixelColour(Twips::ToPixelsX(x / 2.0), Twips::ToPixelsY(y / 2.0));
        };
        f.RunThrough(110);
        QCOMPARE(at(3000, 1500), 255L);
        QCOMPARE(at(1000, 600), 65280L);
        QCOMPARE(at(5000, 2000), Black);
        QCOMPARE(at(3000 + 200, 1500), Black); // the disc's radius is 50 twips
        QVERIFY(messages.isEmpty());

        f.RunThrough(800);
        QCOMPARE(at(5000, 2000), White);
        QCOMPARE(at(3000, 1500), 65535L);
        QCOMPARE(at(1000, 600), Black);
        QVERIFY(messages.isEmpty());
    }

    // Without rows for pictures 16 and 22 the vessel picture stays black and
    // the captions still change.
    void vesselWithoutLights()
    {
        SceneFixture f;
        f.RunThrough(120);
        QImage black(f.vessel->Image().size(), f.vessel->Image().format());
        black.fill(Qt::black);
        QCOMPARE(f.vessel->Image(), black);
        QCOMPARE(f.caption->text(), FirstPosition);
        f.RunThrough(800);
        QCOMPARE(f.caption->text(), SecondPosition);
        QVERIFY(messages.isEmpty());
    }

    // A missing database is reported once, not again by each statement of
    // the reading that would have used it, and the scene goes on with an
    // empty vessel picture. Ticks of either timer that arrive while the
    // message is open run nothing.
    void missingDatabase()
    {
        QVERIFY(QFile::remove(AppPath + "CALVOREN.MDB"));
        SceneFixture f;
        f.RunThrough(109);
        f.scene->SetBackColor(Black);
        QList<int> stepsSeen;
        int lightPhaseSeen = -1;
        SetMsgBoxHandler([&](const MsgBoxCall &call) {
            messages << call.prompt;
            f.night.Mtimer_Timer();
            f.night.Ltimer_Timer();
            stepsSeen << f.night.SceneStep;
            lightPhaseSeen = f.night.SceneLights[1][NightScene::Phase];
            return MsgBoxAnswer::Ok;
        });
        const int phaseBefore = f.night.SceneLights[1][NightScene::Phase];
        f.Ticks(1);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(
                     QStringLiteral("Unexpected Error In - MenuForm:DoHolyHead, Error Number 3024, ")),
                 qPrintable(messages.first()));
        QCOMPARE(stepsSeen, QList<int>(1, 110));
        QCOMPARE(lightPhaseSeen, phaseBefore);
        QCOMPARE(f.night.SceneStep, 111);
        QVERIFY(f.Shown(f.vessel));
        QCOMPARE(ControlLeft(*f.vessel), -ControlWidth(*f.vessel));
        f.RunThrough(120);
        QCOMPARE(f.caption->text(), FirstPosition);
    }

    // The window deactivated behind a step's error message rewinds the
    // scene: the next tick runs step 0, not the step after the failed one.
    void rewindWhileAMessageIsOpen()
    {
        QVERIFY(QFile::remove(AppPath + "CALVOREN.MDB"));
        SceneFixture f;
        f.RunThrough(109);
        SetMsgBoxHandler([&](const MsgBoxCall &) {
            f.night.SceneStep = 0;
            return MsgBoxAnswer::Ok;
        });
        f.Ticks(1);
        QCOMPARE(f.night.SceneStep, 0);
        SetMsgBoxHandler([](const MsgBoxCall &) { return MsgBoxAnswer::Ok; });
        f.Ticks(1);
        QVERIFY(f.Shown(f.cover));
        QCOMPARE(f.night.SceneStep, 1);
    }

    // A rewind during the crossing: the next tick runs step 0, which shows
    // the cover picture anew at the new size, and the vessel picture stays
    // hidden until step 110.
    void rewindDuringTheCrossing()
    {
        SceneFixture f;
        f.RunThrough(400);
        QVERIFY(f.Shown(f.vessel));
        PlaceControl(*f.scene, 120, 840, 6000, 3000);
        PlaceControl(*f.cover, 120, 840, 6000, 3000);
        f.night.SceneStep = 0;
        f.Ticks(1);
        QVERIFY(f.Shown(f.cover));
        QCOMPARE(ControlHeight(*f.cover), 3000);
        QCOMPARE(f.night.SceneScale, 3000.0f / 4710);
        QVERIFY(!f.Shown(f.vessel));
        QVERIFY(!f.Shown(f.caption));
        f.RunThrough(109);
        QVERIFY(!f.Shown(f.vessel));
        f.RunThrough(110);
        QVERIFY(f.Shown(f.vessel));
    }

    // Stopped at step 1650 and started again: the light timer stays off
    // until step 100, then both rows flash, row 1 at its step-100 place and
    // row 2 where step 1600 put it.
    void restartAfterDeactivation()
    {
        SceneFixture f;
        f.RunThrough(1650);
        f.night.SceneStep = 0;
        f.mtimer.stop();
        f.ltimer.stop();
        f.RunThrough(99);
        QVERIFY(!f.ltimer.isActive());
        f.RunThrough(100);
        QVERIFY(f.ltimer.isActive());
        QCOMPARE(f.night.SceneLights[1][NightScene::LightX], 2500);
        QCOMPARE(f.night.SceneLights[2][NightScene::Kind], 2);
        QCOMPARE(f.night.SceneLights[2][NightScene::LightX], 6000);
        QCOMPARE(f.night.SceneLights[2][NightScene::LightY], 200);
        // Within one cycle of the light timer each light is drawn on.
        bool row1Lit = false;
        bool row2Lit = false;
        for (int tick = 0; tick < 99; ++tick) {
            f.night.Ltimer_Timer();
            row1Lit = row1Lit || f.SceneAt(2500, 200) == White;
            row2Lit = row2Lit || f.SceneAt(6000, 200) == White;
        }
        QVERIFY(row1Lit);
        QVERIFY(row2Lit);
    }

    // The two timers' ticks reach the scene once it has its controls.
    void timersDriveTheScene()
    {
        SceneFixture f;
        f.mtimer.setSingleShot(true);
        f.mtimer.start(0);
        QTRY_COMPARE(f.night.SceneStep, 1);
        f.night.SceneLights[5][NightScene::Phase] = 7;
        f.ltimer.setSingleShot(true);
        f.ltimer.start(0);
        QTRY_COMPARE(f.night.SceneLights[5][NightScene::Phase], 8);
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    QStringList messages;
};

QTEST_MAIN(TestNightScene)
#include "tst_nightscene.moc"
