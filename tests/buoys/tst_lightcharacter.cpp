// The light characters of the buoy quiz's night picture: each character's
// flashes over its cycle, how the light-mode button moves through the
// characters, the restart a mode change brings, the seconds display and the
// table of lit buoys, all without a window.

#include "BuoyFacts.h"
#include "ProgramState.h"

#include "buoys/BuoyKinds.h"
#include "buoys/BuoySteps.h"
#include "buoys/LightCharacters.h"
#include "buoys/NightLights.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"

#include <QTest>

#include <algorithm>
#include <vector>

using namespace Colours;

namespace {
// A night picture 4500 x 1500 twips (300 x 100 pixels).
class Night
{
public:
    Night()
    {
        picture.resize(300, 100);
        picture.SetBackColor(Black);
    }
    // Colour at the centre of a light at (x, y) twips.
    long At(long x, long y) const { return picture.PixelColour(x / 15, y / 15); }
    int NonBlackPixels() const
    {
        int n = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 300; ++x)
                n += picture.PixelColour(x, y) != Black;
        return n;
    }
    PictureBox picture;
};

// Run lengths of a light's states over ticks: "3d 1L 1d" is dark for three
// ticks, lit for one, dark for one.
class Runs
{
public:
    void Add(QChar state)
    {
        if (!states.isEmpty() && states.back() == state) {
            ++counts.back();
            return;
        }
        states.append(state);
        counts.append(1);
    }
    QString Text() const
    {
        QStringList parts;
        for (int i = 0; i < states.size(); ++i)
            parts << QString::number(counts[i]) + states[i];
        return parts.join(' ');
    }

private:
    QList<QChar> states;
    QList<int> counts;
};

// Lights of two buoys, 150 units each: a port-hand can in row 0, whose
// light cycles the mode 0, 1, 2, and the buoy under test in row 1, its light
// at (3000, 750).
constexpr long TestX = 3000;
constexpr long TestY = 750;

void RecordWithPortHandFirst(NightLights &lights, long kind)
{
    lights.Reset();
    lights.Record(18, 750, 900, 150);
    lights.Record(kind, TestX, TestY + 150, 150);
}
} // namespace

class TestLightCharacter : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
    }
    void cleanup() { ResetProgramState(); }

    void characterOverTwoCycles_data();
    void characterOverTwoCycles();
    void compositeGroupReadsTwoThenOne_data();
    void compositeGroupReadsTwoThenOne();
    void nextLightMode_data();
    void nextLightMode();
    void afterAPress_data();
    void afterAPress();
    void showStartsWithARestartAfterAModeChange_data();
    void showStartsWithARestartAfterAModeChange();
    void secondsDisplay();
    void firstBuoyDecidesTheModes();
    void starboardFirstBesideAPortHandMark();
    void laterRowCoversEarlier();
    void codesWithoutLight_data();
    void codesWithoutLight();
    void lightOneUnitAboveTheBuoy_data();
    void lightOneUnitAboveTheBuoy();
    void moreThanTenBuoysAllLight();
    void drawsOnlyAtItsOnAndOffSteps();
};

// Hand-worked from the table of characters: the states seen at steps 1 to
// the restart step, once for each light code in each mode. Codes of one
// family share their characters; port-hand and starboard marks share theirs
// in another order. A light is "L" from its on step up to its next off step.
void TestLightCharacter::characterOverTwoCycles_data()
{
    QTest::addColumn<long>("code");
    QTest::addColumn<long>("mode");
    QTest::addColumn<long>("colour");
    QTest::addColumn<int>("restart");
    QTest::addColumn<QString>("runs");

    struct Character {
        long colour;
        int restart;
        const char *runs;
    };
    const Character northVq{White, 5, "3d 1L 1d"};
    const Character northQ{White, 10, "7d 2L 1d"};
    const Character eastVq{White, 50, "1L 4d 1L 4d 1L 39d"};
    const Character eastQ{White, 100, "1d 2L 8d 2L 8d 2L 77d"};
    const Character southVq{White, 100, "1L 4d 1L 4d 1L 4d 1L 4d 1L 4d 1L 4d 20L 50d"};
    const Character southQ{White, 150, "1d 2L 8d 2L 8d 2L 8d 2L 8d 2L 8d 2L 8d 20L 69d"};
    const Character westVq{White, 100, "1L 4d 1L 4d 1L 4d 1L 4d 1L 4d 1L 4d 1L 4d 1L 4d 1L 59d"};
    const Character westQ{White, 150, "1d 2L 8d 2L 8d 2L 8d 2L 8d 2L 8d 2L 8d 2L 8d 2L 8d 2L 67d"};
    const Character danger{White, 100, "5L 10d 5L 80d"};
    const Character isophase{White, 40, "20L 20d"};
    const Character occulting{White, 50, "40L 10d"};
    const Character longFlash{White, 100, "20L 80d"};
    const Character special{Yellow, 50, "5L 45d"};
    const Character redOne{Red, 80, "5L 75d"};
    const Character redTwo{Red, 100, "5L 10d 5L 80d"};
    const Character redFour{Red, 150, "5L 10d 5L 10d 5L 10d 5L 100d"};
    const Character greenOne{Green, 80, "5L 75d"};
    const Character greenTwo{Green, 100, "5L 10d 5L 80d"};
    const Character greenFour{Green, 150, "5L 10d 5L 10d 5L 10d 5L 100d"};
    const Character redComposite{Red, 100, "1d 2L 6d 2L 24d 2L 63d"};
    const Character greenComposite{Green, 100, "1d 2L 6d 2L 24d 2L 63d"};

    struct Family {
        long first;
        long last;
        Character modes[3];
    };
    const Family families[] = {
        {1, 2, {northVq, northQ, northQ}},
        {3, 4, {eastVq, eastQ, eastQ}},
        {5, 6, {southVq, southQ, southQ}},
        {7, 8, {westVq, westQ, westQ}},
        {9, 10, {danger, danger, danger}},
        {11, 13, {isophase, occulting, longFlash}},
        {14, 18, {special, special, special}},
        {19, 20, {redOne, redTwo, redFour}},
        {21, 22, {greenFour, greenOne, greenTwo}},
        {23, 23, {redComposite, redComposite, redComposite}},
        {24, 24, {greenComposite, greenComposite, greenComposite}},
    };
    for (const Family &f : families)
        for (long code = f.first; code <= f.last; ++code)
            for (long mode = 0; mode < 3; ++mode) {
                const Character &c = f.modes[mode];
                QTest::addRow("%s-mode-%ld", qPrintable(BuoyFacts::RowName(code - 1)), mode)
                    << code << mode << c.colour << c.restart << QString::fromLatin1(c.runs);
            }
}

void TestLightCharacter::characterOverTwoCycles()
{
    QFETCH(long, code);
    QFETCH(long, mode);
    QFETCH(long, colour);
    QFETCH(int, restart);
    QFETCH(QString, runs);

    Night night;
    NightLights lights;
    RecordWithPortHandFirst(lights, code - 1);
    for (long i = 0; i < mode; ++i)
        lights.ChangeLightMode();
    QCOMPARE(lights.LightMode(), mode);
    if (mode != 0) {
        // The tick after a press restarts: step 0, nothing drawn.
        lights.Tick(night.picture);
        QCOMPARE(lights.Rows()[1].LightStep, 0L);
        QCOMPARE(night.At(TestX, TestY), Black);
    }
    for (int cycle = 0; cycle < 2; ++cycle) {
        Runs seen;
        for (int step = 1; step <= restart; ++step) {
            lights.Tick(night.picture);
            const long c = night.At(TestX, TestY);
            if (c != colour && c != Black)
                QFAIL(qPrintable(QString("step %1: colour %2").arg(step).arg(c)));
            seen.Add(c == colour ? 'L' : 'd');
        }
        QCOMPARE(seen.Text(), runs);
        QCOMPARE(lights.Rows()[1].LightStep, 0L);
    }
}

// A preferred-channel mark shows Fl(2+1) as a sailor times it over many
// cycles: the eclipses between the group's flashes repeat as three, two
// flashes close together, the single one clearly further off, and then the
// longest eclipse of all. Three flashes evenly spaced, or a single flash
// running into the next pair, fail.
void TestLightCharacter::compositeGroupReadsTwoThenOne_data()
{
    QTest::addColumn<long>("code");
    QTest::addColumn<long>("colour");
    QTest::addRow("preferred-to-starboard") << 23L << Red;
    QTest::addRow("preferred-to-port") << 24L << Green;
}

void TestLightCharacter::compositeGroupReadsTwoThenOne()
{
    QFETCH(long, code);
    QFETCH(long, colour);
    Night night;
    NightLights lights;
    RecordWithPortHandFirst(lights, code - 1);
    std::vector<bool> lit;
    for (int tick = 0; tick < 600; ++tick) {
        lights.Tick(night.picture);
        lit.push_back(night.At(TestX, TestY) == colour);
    }
    // Flash lengths and the eclipses after them, in ticks, over 60 seconds:
    // the dark before the first flash and the run cut off at the end are
    // left out.
    QList<int> flashes;
    QList<int> eclipses;
    size_t i = std::find(lit.begin(), lit.end(), true) - lit.begin();
    while (i < lit.size()) {
        size_t j = i;
        while (j < lit.size() && lit[j] == lit[i])
            ++j;
        if (j < lit.size())
            (lit[i] ? flashes : eclipses) << static_cast<int>(j - i);
        i = j;
    }
    QVERIFY(flashes.size() >= 9);
    for (int flash : flashes)
        QVERIFY(flash <= 5);
    const int longest = *std::max_element(eclipses.begin(), eclipses.end());
    const int start = static_cast<int>(eclipses.indexOf(longest)) + 1;
    QVERIFY(start + 3 <= eclipses.size());
    for (int i = start; i + 3 <= eclipses.size(); i += 3) {
        const int inPair = eclipses[i];
        const int beforeSingle = eclipses[i + 1];
        const int afterGroup = eclipses[i + 2];
        QCOMPARE(afterGroup, longest);
        QVERIFY2(2 * inPair <= beforeSingle, qPrintable(QString("%1 then %2").arg(inPair).arg(beforeSingle)));
        QVERIFY2(2 * beforeSingle <= afterGroup, qPrintable(QString("%1 then %2").arg(beforeSingle).arg(afterGroup)));
    }
}

// The first buoy's light code decides how a press moves the mode.
void TestLightCharacter::nextLightMode_data()
{
    QTest::addColumn<long>("first");
    QTest::addColumn<long>("from");
    QTest::addColumn<long>("to");
    QTest::addRow("no-buoy-toggles-on") << 0L << 0L << 1L;
    QTest::addRow("no-buoy-toggles-off") << 0L << 1L << 0L;
    QTest::addRow("north-cardinal-toggles-on") << 1L << 0L << 1L;
    QTest::addRow("west-cardinal-stick-toggles-off") << 8L << 1L << 0L;
    QTest::addRow("cardinal-from-third-to-first") << 3L << 2L << 0L;
    QTest::addRow("special-mark-round-toggles-on") << 14L << 0L << 1L;
    QTest::addRow("special-mark-stick-toggles-off") << 18L << 1L << 0L;
    QTest::addRow("isolated-danger-buoy-stays") << 9L << 0L << 0L;
    QTest::addRow("isolated-danger-stick-stays") << 10L << 0L << 0L;
    QTest::addRow("preferred-to-starboard-stays") << 23L << 0L << 0L;
    QTest::addRow("preferred-to-port-stays") << 24L << 0L << 0L;
    QTest::addRow("safe-water-round-first-to-second") << 11L << 0L << 1L;
    QTest::addRow("safe-water-cone-second-to-third") << 12L << 1L << 2L;
    QTest::addRow("safe-water-stick-third-to-first") << 13L << 2L << 0L;
    QTest::addRow("port-hand-can-first-to-second") << 19L << 0L << 1L;
    QTest::addRow("port-hand-stick-second-to-third") << 20L << 1L << 2L;
    QTest::addRow("starboard-cone-third-to-first") << 21L << 2L << 0L;
    QTest::addRow("starboard-stick-first-to-second") << 22L << 0L << 1L;
    QTest::addRow("code-beyond-the-kinds-toggles") << 25L << 0L << 1L;
    QTest::addRow("negative-code-toggles") << -1L << 1L << 0L;
}

void TestLightCharacter::nextLightMode()
{
    QFETCH(long, first);
    QFETCH(long, from);
    QFETCH(long, to);
    QCOMPARE(NextLightMode(first, from), to);
    QCOMPARE(LightModeCaption(to), QStringLiteral("&Light Mode %1").arg(to + 1));
}

// One buoy, ticked before a press and after it. A press that changes the
// mode restarts the light at the next tick (step 0, nothing drawn), so a lit
// disc stays lit until the new character's first off step; a press that
// leaves the mode as it was, or two that bring it back, change nothing.
void TestLightCharacter::afterAPress_data()
{
    QTest::addColumn<long>("code");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("presses");
    QTest::addColumn<long>("mode");
    QTest::addColumn<bool>("restarted");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("runs");
    // Dark at step 5; after the press step 0, then lit at steps 8 and 9.
    QTest::addRow("north-dark-at-press") << 1L << 5 << 1 << 1L << true << 12 << "8d 2L 2d";
    QTest::addRow("north-lit-at-press-stays-lit") << 1L << 4 << 1 << 1L << true << 12 << "10L 2d";
    // Steps 5, 1 to 3 dark, 4 lit, 5 dark: the old rhythm runs on.
    QTest::addRow("north-two-presses-cancel") << 1L << 4 << 2 << 0L << false << 6 << "4d 1L 1d";
    QTest::addRow("isolated-danger-press-keeps-mode") << 9L << 5 << 1 << 0L << false << 17 << "10d 5L 2d";
    QTest::addRow("preferred-to-port-press-keeps-mode") << 24L << 2 << 1 << 0L << false << 10 << "1L 6d 2L 1d";
    QTest::addRow("special-press-restarts-same-rhythm") << 14L << 5 << 1 << 1L << true << 23 << "6L 17d";
    QTest::addRow("safe-water-three-presses-come-round") << 11L << 0 << 3 << 0L << false << 22 << "20L 2d";
}

void TestLightCharacter::afterAPress()
{
    QFETCH(long, code);
    QFETCH(int, before);
    QFETCH(int, presses);
    QFETCH(long, mode);
    QFETCH(bool, restarted);
    QFETCH(int, ticks);
    QFETCH(QString, runs);

    Night night;
    NightLights lights;
    lights.Reset();
    lights.Record(code - 1, TestX, TestY + 100, 100);
    for (int i = 0; i < before; ++i)
        lights.Tick(night.picture);
    for (int i = 0; i < presses; ++i)
        lights.ChangeLightMode();
    QCOMPARE(lights.LightMode(), mode);
    Runs seen;
    std::optional<QString> first;
    for (int i = 0; i < ticks; ++i) {
        const std::optional<QString> seconds = lights.Tick(night.picture);
        if (i == 0)
            first = seconds;
        seen.Add(night.At(TestX, TestY) == Black ? 'd' : 'L');
    }
    QCOMPARE(seen.Text(), runs);
    // A restart shows "0" seconds again at its tick.
    QCOMPARE(lights.ElapsedTicks(), long(restarted ? ticks : before + ticks));
    QCOMPARE(first.has_value(), restarted || before == 0);
}

// The next picture starts in mode 0; when the last tick saw another mode, its
// first tick is a restart and the North light comes one tick later.
void TestLightCharacter::showStartsWithARestartAfterAModeChange_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("firstLit");
    QTest::addRow("mode-unchanged") << 0 << 4;
    QTest::addRow("after-a-press") << 1 << 5;
}

void TestLightCharacter::showStartsWithARestartAfterAModeChange()
{
    QFETCH(int, presses);
    QFETCH(int, firstLit);
    Night night;
    NightLights lights;
    lights.Reset();
    lights.Record(0, 600, 600, 150);
    for (int i = 0; i < presses; ++i)
        lights.ChangeLightMode();
    lights.Tick(night.picture);

    lights.Reset();
    QCOMPARE(lights.LightMode(), 0L);
    QCOMPARE(lights.ElapsedTicks(), 0L);
    lights.Record(0, TestX, TestY + 150, 150);
    int tick = 0;
    while (night.At(TestX, TestY) != White && tick < 20) {
        const std::optional<QString> seconds = lights.Tick(night.picture);
        if (++tick == 1)
            QCOMPARE(seconds, std::optional<QString>(QStringLiteral("0")));
    }
    QCOMPARE(tick, firstLit);
}

// Without buoys nothing is drawn, yet the seconds count: "0" at the first
// tick, then the whole seconds at every tenth, the text left alone between.
void TestLightCharacter::secondsDisplay()
{
    Night night;
    NightLights lights;
    lights.Reset();
    QString caption;
    for (int tick = 1; tick <= 1000; ++tick) {
        const std::optional<QString> seconds = lights.Tick(night.picture);
        QCOMPARE(seconds.has_value(), tick == 1 || tick % 10 == 0);
        if (seconds)
            caption = *seconds;
        if (tick == 9)
            QCOMPARE(caption, QString("0"));
        if (tick == 10)
            QCOMPARE(caption, QString("1"));
        if (tick == 20)
            QCOMPARE(caption, QString("2"));
    }
    QCOMPARE(caption, QString("100"));
    QCOMPARE(night.NonBlackPixels(), 0);
    // With no buoy a press still toggles the mode and restarts the seconds.
    lights.ChangeLightMode();
    QCOMPARE(lights.Tick(night.picture), std::optional<QString>(QStringLiteral("0")));
    QCOMPARE(lights.ElapsedTicks(), 1L);
}

// Only the first buoy decides how the mode moves: a cardinal mark first
// toggles between two modes, a port-hand mark first cycles through three.
void TestLightCharacter::firstBuoyDecidesTheModes()
{
    NightLights lights;
    lights.Reset();
    lights.Record(0, 600, 600, 150);
    lights.Record(18, 1800, 600, 150);
    QList<long> modes;
    for (int i = 0; i < 3; ++i) {
        lights.ChangeLightMode();
        modes << lights.LightMode();
    }
    QCOMPARE(modes, QList<long>({1, 0, 1}));

    lights.Reset();
    lights.Record(18, 600, 600, 150);
    lights.Record(0, 1800, 600, 150);
    modes.clear();
    for (int i = 0; i < 3; ++i) {
        lights.ChangeLightMode();
        modes << lights.LightMode();
    }
    QCOMPARE(modes, QList<long>({1, 2, 0}));
}

// In mode 0 a starboard mark shows its group of four while a port-hand mark
// beside it shows its single flash: both lit at the first tick and dark at
// the 6th; at the 16th only the starboard light; at the 81st the port-hand
// light begins its next cycle.
void TestLightCharacter::starboardFirstBesideAPortHandMark()
{
    Night night;
    NightLights lights;
    lights.Reset();
    lights.Record(20, 750, 900, 150);
    lights.Record(18, TestX, TestY + 150, 150);
    QList<long> starboard, port;
    for (int tick = 1; tick <= 81; ++tick) {
        lights.Tick(night.picture);
        if (tick == 1 || tick == 6 || tick == 16 || tick == 81) {
            starboard << night.At(750, 750);
            port << night.At(TestX, TestY);
        }
    }
    QCOMPARE(starboard, QList<long>({Green, Black, Green, Black}));
    QCOMPARE(port, QList<long>({Red, Black, Black, Red}));
}

// Rows are stepped in order: where discs overlap, the later row's disc, lit
// or dark, covers the earlier one's.
void TestLightCharacter::laterRowCoversEarlier()
{
    Night night;
    NightLights lights;
    lights.Reset();
    lights.Record(18, TestX, TestY + 150, 150);
    lights.Record(0, TestX, TestY + 150, 150);
    QList<long> seen;
    for (int tick = 1; tick <= 5; ++tick) {
        lights.Tick(night.picture);
        seen << night.At(TestX, TestY);
    }
    // Port hand lit from the first tick; North lit at 4, dark at 5.
    QCOMPARE(seen, QList<long>({Red, Red, Red, White, Black}));
}

// A kind outside the 24 still takes its row, with a code of no character:
// its counter runs, but it never shows a light.
void TestLightCharacter::codesWithoutLight_data()
{
    QTest::addColumn<long>("kind");
    QTest::addRow("kind-minus-one-code-0") << -1L;
    QTest::addRow("kind-24-code-25") << 24L;
    QTest::addRow("kind-far-beyond") << 1000L;
}

void TestLightCharacter::codesWithoutLight()
{
    QFETCH(long, kind);
    for (long mode = 0; mode < 3; ++mode)
        QVERIFY(!FindLightCharacter(kind + 1, mode));
    Night night;
    NightLights lights;
    lights.Reset();
    lights.Record(kind, TestX, TestY, 150);
    QCOMPARE(lights.LightCount(), 1L);
    QCOMPARE(lights.Rows()[0].LightCode, kind + 1);
    for (int tick = 0; tick < 200; ++tick)
        lights.Tick(night.picture);
    QCOMPARE(lights.Rows()[0].LightStep, 200L);
    QCOMPARE(night.NonBlackPixels(), 0);
}

// The light stands one unit above the buoy's centre: y - s worked out in
// double precision, to the nearest whole twip, halves to even.
void TestLightCharacter::lightOneUnitAboveTheBuoy_data()
{
    QTest::addColumn<long>("kind");
    QTest::addColumn<long>("y");
    QTest::addColumn<double>("s");
    QTest::addColumn<long>("code");
    QTest::addColumn<long>("lightY");
    QTest::addRow("unit-187.5-halves-down-to-812") << 0L << 1000L << 187.5 << 1L << 812L;
    QTest::addRow("half-down-to-even-1000") << 5L << 1001L << 0.5 << 6L << 1000L;
    QTest::addRow("half-up-to-even-1002") << 5L << 1003L << 1.5 << 6L << 1002L;
    QTest::addRow("whole-unit") << 23L << 900L << 150.0 << 24L << 750L;
    QTest::addRow("fraction-above-half") << 12L << 900L << 99.4 << 13L << 801L;
}

void TestLightCharacter::lightOneUnitAboveTheBuoy()
{
    QFETCH(long, kind);
    QFETCH(long, y);
    QFETCH(double, s);
    NightLights lights;
    lights.Reset();
    lights.Record(kind, 1234, y, s);
    const BuoyLight &row = lights.Rows()[0];
    QTEST(row.LightCode, "code");
    QCOMPARE(row.LightX, 1234L);
    QTEST(row.LightY, "lightY");
    QCOMPARE(row.LightStep, 0L);
}

// Twelve buoys take twelve rows and all twelve light; the next picture
// starts again with ten empty rows.
void TestLightCharacter::moreThanTenBuoysAllLight()
{
    Night night;
    NightLights lights;
    lights.Reset();
    for (int i = 0; i < 12; ++i)
        lights.Record(13, 150 + 360 * i, 900, 150);
    QCOMPARE(lights.LightCount(), 12L);
    QCOMPARE(lights.Rows().size(), size_t(12));
    lights.Tick(night.picture);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(night.At(150 + 360 * i, 750), Yellow);

    lights.Reset();
    QCOMPARE(lights.LightCount(), 0L);
    QCOMPARE(lights.Rows().size(), size_t(NightLights::TableRows));
    for (const BuoyLight &row : lights.Rows())
        QVERIFY(row.LightCode == 0 && row.LightX == 0 && row.LightY == 0 && row.LightStep == 0);
}

// A tick touches the picture only at a light's on and off steps: a disc of
// radius 100 twips with a black rim, lit or black; what lies between stays.
void TestLightCharacter::drawsOnlyAtItsOnAndOffSteps()
{
    Night night;
    night.picture.SetBackColor(Grey);
    NightLights lights;
    lights.Reset();
    lights.Record(0, 1500, 900, 150); // light at (100, 50) pixels
    QList<long> centre;
    for (int tick = 1; tick <= 5; ++tick) {
        lights.Tick(night.picture);
        centre << night.picture.PixelColour(100, 50);
        if (tick == 4) {
            // Along the row: white inside, the black rim, then untouched grey.
            QCOMPARE(night.picture.PixelColour(105, 50), White);
            int x = 100;
            while (night.picture.PixelColour(x, 50) == White)
                ++x;
            QCOMPARE(night.picture.PixelColour(x, 50), Black);
            QVERIFY(x >= 106 && x <= 107);
            while (night.picture.PixelColour(x, 50) == Black)
                ++x;
            QCOMPARE(night.picture.PixelColour(x, 50), Grey);
            QVERIFY(x <= 108);
        }
    }
    QCOMPARE(centre, QList<long>({Grey, Grey, Grey, White, Black}));
    // Cleared behind the animation's back: steps 1 to 3 leave it alone.
    night.picture.SetBackColor(Grey);
    for (int tick = 0; tick < 3; ++tick)
        lights.Tick(night.picture);
    QCOMPARE(night.picture.PixelColour(100, 50), Grey);
    QCOMPARE(night.NonBlackPixels(), 300 * 100);
    lights.Tick(night.picture);
    QCOMPARE(night.picture.PixelColour(100, 50), White);
}

QTEST_MAIN(TestLightCharacter)
#include "tst_lightcharacter.moc"
