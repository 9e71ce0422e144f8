// Buoys of one day picture drawn over each other, as a scene of several
// marks may place them: each part of a buoy is filled as its own shape, so
// the buoy drawn later is whole over the one beneath, its topmark solid, and
// the one beneath keeps its colours where the later one leaves it clear.

#include "BuoyFacts.h"
#include "ProgramState.h"
#include "drawings/SweepSheet.h"

#include "buoys/BuoyKinds.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"

#include <QTest>

#include <tuple>

using namespace Colours;
using namespace BuoyFacts;

namespace {
constexpr double Unit = 150;

// The topmarks of the kinds drawn here, in units: a part's pixels well
// inside it take its colour.
std::vector<SweepPart> Topmark(long kind)
{
    const std::vector<long> black{Black};
    switch (kind) {
    case 0: // both cones point up
        return {Part("lower-cone", {{-1, -2.5}, {1, -2.5}, {0, -3.5}}, black),
                Part("upper-cone", {{-1, -4}, {1, -4}, {0, -5}}, black)};
    case 2: // bases facing each other
        return {Part("lower-cone", {{-1, -3.5}, {1, -3.5}, {0, -2.5}}, black),
                Part("upper-cone", {{-1, -4}, {1, -4}, {0, -5}}, black)};
    case 4: // both cones point down
        return {Part("lower-cone", {{-1, -3.5}, {1, -3.5}, {0, -2.5}}, black),
                Part("upper-cone", {{-1, -5}, {1, -5}, {0, -4}}, black)};
    case 18: // red can on -3
        return {Part("can", {{-0.8, -3}, {-0.7, -4}, {0.7, -4}, {0.8, -3}}, {Red})};
    case 20: // green cone on -3, within its arcs
        return {Part("cone", {{-0.8, -3}, {0.8, -3}, {0, -4.38}}, {Green})};
    default:
        return {};
    }
}
} // namespace

class TestBuoyOverlap : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
    }
    void cleanup() { ResetProgramState(); }

    void laterBuoyWholeOverTheOneBeneath_data();
    void laterBuoyWholeOverTheOneBeneath();
};

// The later buoy stands lower on the picture, nearer the viewer, its topmark
// over the body of the one beneath: black cones over black and yellow bands,
// a red can topmark over a black band, a green cone topmark over a yellow
// one.
void TestBuoyOverlap::laterBuoyWholeOverTheOneBeneath_data()
{
    QTest::addColumn<long>("beneath");
    QTest::addColumn<long>("later");
    QTest::addColumn<double>("below");
    QTest::addColumn<QPointF>("clear");
    QTest::addColumn<long>("clearColour");
    const struct {
        long beneath;
        long later;
        double below;  // units the later buoy stands below the one beneath
        QPointF clear; // a point of the one beneath beside the later topmark
        long clearColour;
    } rows[] = {{0, 4, 3, {1.5, 0.5}, Yellow},
                {2, 18, 2, {1, -1.5}, Black},
                {4, 20, 2.5, {1, -1.2}, Yellow},
                {4, 0, 3, {1.2, -0.5}, Yellow}};
    for (const auto &row : rows)
        QTest::addRow("%s-over-%s", qPrintable(RowName(row.later)), qPrintable(RowName(row.beneath)))
            << row.beneath << row.later << row.below << row.clear << row.clearColour;
}

void TestBuoyOverlap::laterBuoyWholeOverTheOneBeneath()
{
    QFETCH(long, beneath);
    QFETCH(long, later);
    QFETCH(double, below);
    QFETCH(QPointF, clear);
    QFETCH(long, clearColour);
    PictureBox picture;
    picture.resize(300, 300);
    picture.SetBackColor(Blue);
    const long x = 2250;
    const long y = 1500;
    const long laterY = std::lround(y + below * Unit);
    DrawBuoyKind(picture, beneath, x, y, Unit, -1, BuoyDrawingFor::Quiz);
    DrawBuoyKind(picture, later, x, laterY, Unit, -1, BuoyDrawingFor::Quiz);

    for (const auto &[sheetY, kind, which] : {std::tuple(laterY, later, "later"), std::tuple(y, beneath, "beneath")}) {
        const SweepSheet sheet(picture, Blue, Reach, Unit, x, sheetY);
        for (const SweepPart &part : Topmark(kind)) {
            const QString fault = sheet.Check(part);
            QVERIFY2(fault.isEmpty(), qPrintable(QString(which) + " " + fault));
        }
    }

    // The later buoy's own colours everywhere; the one beneath keeps its own
    // beside the later topmark.
    const auto at = [&](long cy, const Probe &p) {
        return picture.PixelColour(Twips::ToPixelsX(x + p.u * Unit), Twips::ToPixelsY(cy + p.v * Unit));
    };
    for (const Probe &p : facts(later).probes)
        QVERIFY2(at(laterY, p) == p.colour, qPrintable(QString("later at (%1, %2)").arg(p.u).arg(p.v)));
    QCOMPARE(at(y, {clear.x(), clear.y(), clearColour}), clearColour);
}

QTEST_MAIN(TestBuoyOverlap)
#include "tst_buoyoverlap.moc"
