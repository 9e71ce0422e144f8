// Every drawing at every size a window can give it and at the common screen
// densities: each day shape, vessel, buoy and collision element, in the
// editor's and the quiz's form, from the smallest unit the smallest quiz
// window gives to the largest a window maximised on a 3840-pixel-wide screen
// gives. Each drawing keeps within its element, and each part that must be
// filled has its colour well inside; a day shape hoisted on a mast is filled
// on both sides of the mast line.

#include "ProgramState.h"
#include "SweepSheet.h"
#include "buoys/BuoyFacts.h"

#include "buoys/BuoyKinds.h"
#include "collisions/ColDraw.h"
#include "collisions/ColKinds.h"
#include "quiz/MaintForm.h"
#include "silhouettes/DrawShape.h"
#include "silhouettes/ShapeKinds.h"

#include <QTest>

#include <limits>

#include <malloc.h>

using namespace Colours;

namespace {
const std::vector<long> Solid{Black};
const std::vector<long> Grey{LightGrey, Black};
const std::vector<long> Open{White, Black};

// The shape and collision units are whole twips: every one of them is
// drawn. The buoys' are not: every half twip. The sample for the sanitizer
// build draws the smallest and one other, placed by the row's name so that
// the rows together spread over the whole range.
std::vector<double> Units(const UnitRange &range, double step)
{
    std::vector<double> units;
    if (FullSweep()) {
        for (double s = range.first; s <= range.last; s += step)
            units.push_back(s);
        return units;
    }
    const double steps = std::floor((range.last - range.first) / step);
    const uint seed = qHash(QByteArray(QTest::currentDataTag()));
    units.push_back(range.first);
    units.push_back(range.first + step * std::floor(steps * (seed % 1000) / 1000.0));
    return units;
}

// Where the solid marks reach and what of them must be black, in units;
// the quiz's diamond is as tall as the screen is wide to its height.
struct Mark {
    QRectF reach;
    std::vector<SweepPart> parts;
};

Mark SolidMark(int kind, double diamondHeight)
{
    switch (kind) {
    case 1:
        return {QRectF(-1, -1, 2, 2), {Disc("ball", 1, Solid)}};
    case 2:
        return {QRectF(-1, -1, 2, 2), {Part("cone", {{0, -1}, {1, 1}, {-1, 1}}, Solid)}};
    case 3:
        return {QRectF(-1, -1, 2, 2), {Part("cone", {{0, 1}, {1, -1}, {-1, -1}}, Solid)}};
    case 4: {
        const double h = diamondHeight;
        return {QRectF(-1, -h, 2, 2 * h), {Part("diamond", {{0, -h}, {1, 0}, {0, h}, {-1, 0}}, Solid)}};
    }
    case 5:
        // Below the light grey top face, whose ellipse reaches 0.16 down.
        return {QRectF(-1, -2.2, 2, 4.2), {Box("cylinder", -1, -1.8, 1, 2, Solid)}};
    case 6:
        return {QRectF(0, -2, 0, 4), {}};
    case 7:
        return {QRectF(-2, 0, 4, 0), {}};
    default: // the mast
        return {QRectF(-4, -4, 8, 14), {}};
    }
}

bool IsSolidMark(int kind)
{
    return kind >= 1 && kind <= 5;
}

// The screen the quiz's diamond takes its height from.
constexpr int ScreenWidthPixels = 3840;
constexpr int ScreenHeightPixels = 2160;
const double ScreenRatio = static_cast<float>(double(ScreenWidthPixels) / ScreenHeightPixels);

// The vessels of the day shapes, in s (the side and fishing vessels in s').
Mark ShapeVessel(int kind, bool editor)
{
    switch (kind) {
    case 8:
        return {QRectF(-8, -4, 16, 8),
                {Box("hull-right", 0, 0, 8, 4, Grey), Box("hull-left", -8, 0, 0, 4, Grey),
                 Box("superstructure", -4, -3, 4, 0, Grey), Box("top", -2, -4, 2, -3, Grey)}};
    case 9:
        return {QRectF(-10, -8, 22, 11), {Part("hull", {{-10, 0}, {12, 0}, {8, 3}, {-9, 3}}, Grey)}};
    case 10:
        return {QRectF(-4, -1, 8, 2), {Box("barge", -4, -1, 4, 1, Grey)}};
    case 11: {
        const double half = editor ? 9 : 8;
        return {QRectF(-half, -1, 2 * half, 2), {Box("barge", -half, -1, half, 1, Grey)}};
    }
    case 12:
        return {QRectF(-10, -6, 20, 9),
                // The deckhouse's right side and the boom from its foot close
                // off a sliver of the hull just below the deck: looked at below it.
                {Part("hull", {{-9.9625, -0.85}, {9.925, 1.15}, {9, 3}, {-9, 3}}, Grey),
                 Part("deckhouse", {{0, 0}, {0, -3}, {3, -3}, {3, 0.3}}, Grey),
                 Part("under-the-stay", {{-10, -1}, {3, -6}, {3, -3}, {0, -3}, {0, 0}}, Open)}};
    default: // the sailing vessel
        return {QRectF(-10, -12, 20, 18),
                {Part("hull", {{-10, 2}, {10, 3}, {9, 6}, {-8, 6}}, Grey),
                 Part("left-sail", {{0, -12}, {-10, 2}, {-2, 1}}, Open),
                 Part("right-sail", {{0, -12}, {9, 1}, {0, 1}}, Open)}};
    }
}

// The collision vessels seen from the side, bow to the right, in their own
// unit 1.6 s (the sailing vessel in s); the others are the day shapes'.
Mark ColSideView(int kind)
{
    switch (kind) {
    case SideVesselStarboard:
    case SideVesselPort:
        return ShapeVessel(9, false);
    case FishingVesselStarboard:
    case FishingVesselPort:
        return {QRectF(-10, -6, 20, 9),
                {Part("hull", {{9.9625, -0.85}, {-9.925, 1.15}, {-9, 3}, {9, 3}}, Grey),
                 Part("wheelhouse", {{0, 0}, {0, -3}, {-3, -3}, {-3, 0.3}}, Grey),
                 Part("under-the-stay", {{10, -1}, {-3, -6}, {-3, -3}, {0, -3}, {0, 0}}, Open)}};
    default: // the sailing vessel, its headsail red on both sides of the mast
        return {QRectF(-10, -12, 20, 18),
                {Part("hull", {{10, 2}, {-10, 3}, {-9, 6}, {8, 6}}, Grey),
                 Part("headsail", {{0, -12}, {10, 2}, {0, 2}}, {Red, Black}),
                 Box("headsail-foot", -2, 1, 0, 2, {Red, Black}), Part("mainsail", {{0, -12}, {-9, 1}, {0, 1}}, Open)}};
    }
}

// The vessel drawn bow to port: the mark mirrored about its centre line.
Mark Mirrored(Mark mark)
{
    mark.reach =
        QRectF(QPointF(-mark.reach.right(), mark.reach.top()), QPointF(-mark.reach.left(), mark.reach.bottom()));
    for (SweepPart &part : mark.parts)
        for (QPointF &p : part.shape)
            p.setX(-p.x());
    return mark;
}

bool IsSideView(int kind)
{
    return kind == 9 || kind == 10 || (kind >= 13 && kind <= 16);
}

double ColUnit(int kind, double s)
{
    return IsSideView(kind) && kind != 15 && kind != 16 ? std::nearbyint(1.6 * s) : s;
}

const char *FormName(bool editor)
{
    return editor ? "editor" : "quiz";
}

void SetDensity(int twipsPerPixel)
{
    Twips::SetTwipsPerPixel(twipsPerPixel, twipsPerPixel);
    Twips::SetScreenSize(ScreenWidthPixels * twipsPerPixel, ScreenHeightPixels * twipsPerPixel);
}

// The first unit of the range at which the drawing fails, with what failed.
template <class Draw> QString FirstFault(const std::vector<double> &units, Draw draw)
{
    for (double s : units) {
        const QString fault = draw(s);
        if (!fault.isEmpty())
            return QString("unit %1: %2").arg(s).arg(fault);
    }
    return {};
}
} // namespace

class TestDrawingSweep : public QObject
{
    Q_OBJECT

private slots:
    // Each unit draws on a picture of its own size. The allocator would hand
    // each freed picture back to the system and take the next afresh, and the
    // system clears every page it gives: most of a large drawing's time.
    // Freed pictures stay with the test instead.
    void initTestCase()
    {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    }

    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    void dayShapes_data();
    void dayShapes();
    void buoys_data();
    void buoys();
    void collisionElements_data();
    void collisionElements();
};

// Every day-shape kind; the solid marks also hoisted on a mast, whose line
// runs down through their centre, drawn before them.
void TestDrawingSweep::dayShapes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("editor");
    QTest::addColumn<bool>("onMast");
    QTest::addColumn<int>("twipsPerPixel");
    SweepShare share;
    for (int tpp : SweepDensities())
        for (int kind = 0; kind < ShapeKindCount; ++kind)
            for (bool editor : {true, false}) {
                if (share.Takes())
                    QTest::addRow("%s-%s-at-%d", ShapeKindTexts[kind], FormName(editor), tpp)
                        << kind << editor << false << tpp;
                if (IsSolidMark(kind) && !editor && share.Takes())
                    QTest::addRow("%s-on-mast-at-%d", ShapeKindTexts[kind], tpp) << kind << editor << true << tpp;
            }
}

void TestDrawingSweep::dayShapes()
{
    QFETCH(int, kind);
    QFETCH(bool, editor);
    QFETCH(bool, onMast);
    QFETCH(int, twipsPerPixel);
    SetDensity(twipsPerPixel);
    const ShapeEntry entry = editor ? ShapeEntry::Editor : ShapeEntry::Quiz;
    PictureBox surface;
    const auto units = Units(QuizUnits(twipsPerPixel, 80, 150, 6000, 3000, 1, 1485), 1);
    const QString fault = FirstFault(units, [&](double s) {
        const bool vessel = kind >= 8;
        const bool enlarged = kind == 9 || kind == 12;
        const Whole unit = Whole::Round(s);
        Mark mark = vessel ? ShapeVessel(kind, editor) : SolidMark(kind, editor ? 1 : ScreenRatio);
        // The mast's centre lies 3 units above the mark's.
        QRectF reach = onMast ? mark.reach.united(QRectF(-4, -7, 8, 14)) : mark.reach;
        const double drawnUnit = enlarged ? EnlargedUnit(unit).D() : s;
        SweepSheet sheet(surface, White, reach, drawnUnit);
        if (onMast)
            DrawShapeKind(surface, entry, 0, sheet.X(), sheet.Y() - 3 * unit.Value(), unit);
        surface.SetFillColor(Black);
        DrawShapeKind(surface, entry, kind, sheet.X(), sheet.Y(), unit);
        return sheet.CheckAll(mark.parts);
    });
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

// Every buoy kind with and without its topmark: the kind's colours where
// its drawing fixes them, wherever the point lies clear of the outlines at
// that size.
void TestDrawingSweep::buoys_data()
{
    QTest::addColumn<long>("kind");
    QTest::addColumn<long>("topmark");
    QTest::addColumn<bool>("editor");
    QTest::addColumn<int>("twipsPerPixel");
    SweepShare share;
    for (int tpp : SweepDensities())
        for (long kind = 0; kind < BuoyKindCount; ++kind)
            for (long topmark : {-1L, 0L})
                for (bool editor : {true, false})
                    if (share.Takes())
                        QTest::addRow("%s-%s-%s-at-%d", qPrintable(BuoyKindText(kind)), topmark ? "topmark" : "bare",
                                      FormName(editor), tpp)
                            << kind << topmark << editor << tpp;
}

namespace {
// Whether a black outline pixel lies within two pixels of the point: there
// the probe is no point well inside its part at this size.
bool NearOutline(const QImage &image, int x, int y)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (image.valid(x + dx, y + dy) && (image.pixel(x + dx, y + dy) & 0xFFFFFF) == 0)
                return true;
    return false;
}
} // namespace

void TestDrawingSweep::buoys()
{
    QFETCH(long, kind);
    QFETCH(long, topmark);
    QFETCH(bool, editor);
    QFETCH(int, twipsPerPixel);
    SetDensity(twipsPerPixel);
    PictureBox surface;
    // Two pictures side by side, each on a design space of 3000 x 1500.
    const auto units = Units(QuizUnits(twipsPerPixel, 80, 150, 3000, 1500, 2, 1485), 0.5);
    const BuoyFacts::KindFacts facts = BuoyFacts::facts(kind);
    const QString fault = FirstFault(units, [&](double s) {
        SweepSheet sheet(surface, Blue, BuoyFacts::Reach, s);
        DrawBuoyKind(surface, kind, sheet.X(), sheet.Y(), s, topmark,
                     editor ? BuoyDrawingFor::Editor : BuoyDrawingFor::Quiz);
        QString stray = sheet.Strays();
        if (!stray.isEmpty())
            return stray;
        const QImage &image = surface.Image();
        for (const BuoyFacts::Probe &p : facts.probes) {
            const long expected = (p.topmark && topmark == 0) ? Blue : p.colour;
            const int px = Twips::ToPixelsX(sheet.X() + p.u * s);
            const int py = Twips::ToPixelsY(sheet.Y() + p.v * s);
            if (expected != Black && NearOutline(image, px, py))
                continue;
            const long colour = surface.PixelColour(px, py);
            if (colour != expected)
                return QString("at (%1, %2) units: colour %3, expected %4").arg(p.u).arg(p.v).arg(colour).arg(expected);
        }
        return QString();
    });
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

// Every collision element kind; the solid marks also on a mast drawn before
// them. The fog and the channel cover the picture they are drawn on.
void TestDrawingSweep::collisionElements_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("editor");
    QTest::addColumn<bool>("onMast");
    QTest::addColumn<int>("twipsPerPixel");
    SweepShare share;
    for (int tpp : SweepDensities())
        for (int kind = 0; kind < CollisionKindCount; ++kind)
            for (bool editor : {true, false}) {
                if (share.Takes())
                    QTest::addRow("%s-%s-at-%d", CollisionKindTexts[kind], FormName(editor), tpp)
                        << kind << editor << false << tpp;
                if (IsSolidMark(kind) && !editor && share.Takes())
                    QTest::addRow("%s-on-mast-at-%d", CollisionKindTexts[kind], tpp) << kind << editor << true << tpp;
            }
}

namespace {
// The fog over the upper four fifths, or the two banks of the channel from
// the bottom corners to a fifth of the width in from the top corners.
std::vector<SweepPart> Surroundings(int kind, double width, double height)
{
    if (kind == Fog)
        return {Box("fog", 0, 0, width, 0.8 * height, {LightGrey}), Box("clear", 0, 0.8 * height, width, height, Open)};
    return {Part("left-bank", {{0, 0}, {0.2 * width, 0}, {0, height}}, Grey),
            Part("right-bank", {{width, 0}, {0.8 * width, 0}, {width, height}}, Grey),
            Part("water", {{0.2 * width, 0}, {0.8 * width, 0}, {width, height}, {0, height}}, Open)};
}

// The surroundings on a picture of the design space's proportions, its
// size running from the smallest window's to the largest as the unit runs
// over its range; the editor's element box spreads over the same canvas.
QString DrawSurroundings(int kind, bool editor, double s, const UnitRange &range)
{
    const double smallest = range.first / 40;
    const double largest = range.last / 150;
    const double k = smallest + (s - range.first) / (range.last - range.first) * (largest - smallest);
    const double width = std::round(6000 * k);
    const double height = std::round(3000 * k);
    MaintElement surface;
    surface.resize(Twips::ToPixelsX(width), Twips::ToPixelsY(height));
    surface.SetBackColor(White);
    if (editor) {
        surface.SetSize(400, 400);
        ColDraw draw(surface, width, height, 150);
        DrawColKind(draw, kind);
    } else {
        ColDraw draw(surface, 0, 0, 150);
        DrawColKind(draw, kind);
    }
    // The editor's fog is its element box, grey over the canvas's upper
    // four fifths: the clear part lies below the box.
    const SweepSheet sheet(surface, White, QRectF(0, 0, width, height), 1, 0, 0);
    return sheet.CheckAll(Surroundings(kind, width, height));
}
} // namespace

void TestDrawingSweep::collisionElements()
{
    QFETCH(int, kind);
    QFETCH(bool, editor);
    QFETCH(bool, onMast);
    QFETCH(int, twipsPerPixel);
    SetDensity(twipsPerPixel);
    // Very Small, 40, is the smallest of the collision sizes; the picture
    // leaves a taller margin for its text below.
    const UnitRange range = QuizUnits(twipsPerPixel, 40, 150, 6000, 3000, 1, 1875);
    const auto units = Units(range, 1);
    PictureBox surface;
    const QString fault = FirstFault(units, [&](double size) {
        const long s = std::lround(size);
        if (kind == Fog || kind == Channel)
            return DrawSurroundings(kind, editor, size, range);
        const bool sideView = IsSideView(kind);
        Mark mark = kind >= HeadOnVessel
                        ? (sideView ? ColSideView(kind) : ShapeVessel(kind == HeadOnVessel ? 8 : kind - 1, editor))
                        : SolidMark(kind, 1);
        const bool port = kind == SideVesselPort || kind == FishingVesselPort || kind == SailingVesselPort;
        if (port)
            mark = Mirrored(mark);
        const QRectF reach = onMast ? mark.reach.united(QRectF(-4, -7, 8, 14)) : mark.reach;
        const double unit = ColUnit(kind, size);
        if (editor) {
            MaintElement surface;
            // The element box the editor adds, here large enough for a cone;
            // the other kinds size it themselves and centre the element.
            surface.SetSize(static_cast<float>(3 * s), static_cast<float>(3 * s));
            ColDraw draw(surface, 6000, 3000, s);
            DrawColKind(draw, kind);
            SweepSheet sheet(surface, White, reach, unit, draw.cx, draw.cy);
            return sheet.CheckAll(mark.parts);
        }
        SweepSheet sheet(surface, White, reach, unit);
        if (onMast) {
            ColDraw mast(surface, sheet.X(), sheet.Y() - 3 * s, s);
            DrawColKind(mast, Mast);
        }
        surface.SetFillColor(Black);
        ColDraw draw(surface, sheet.X(), sheet.Y(), s);
        DrawColKind(draw, kind);
        return sheet.CheckAll(mark.parts);
    });
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

QTEST_MAIN(TestDrawingSweep)
#include "tst_drawingsweep.moc"
