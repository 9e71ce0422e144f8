// The buoy drawings: every kind's colours at points its drawing fixes, how
// high it reaches with and without its topmark, fills that stay inside their
// outlines at every size, and the few steps in which the quiz draws apart
// from the editor.

#include "BuoyFacts.h"
#include "ProgramState.h"

#include "buoys/BuoyKinds.h"
#include "buoys/BuoySteps.h"
#include "buoys/YellowMarks.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"

#include <QTest>

#include <cmath>
#include <memory>
#include <vector>

using namespace Colours;
using namespace BuoyFacts;

namespace {

// One buoy drawn on a blue surface with room on every side.
struct Drawing {
    std::unique_ptr<PictureBox> pic;
    long x = 0;
    long y = 0;
    double s = 0;

    int px(double u) const { return Twips::ToPixelsX(x + u * s); }
    int py(double v) const { return Twips::ToPixelsY(y + v * s); }
    long at(double u, double v) const { return pic->PixelColour(px(u), py(v)); }
};

Drawing draw(long kind, double s, long topmark, BuoyDrawingFor form)
{
    Drawing d;
    d.s = s;
    d.x = std::lround(4 * s + 300);
    d.y = std::lround(7 * s + 300);
    d.pic = std::make_unique<PictureBox>();
    d.pic->resize(Twips::ToPixelsX(8 * s + 600), Twips::ToPixelsY(11 * s + 600));
    d.pic->SetBackColor(Blue);
    DrawBuoyKind(*d.pic, kind, d.x, d.y, s, topmark, form);
    return d;
}

// Row of the highest pixel that is not background, -1 when there is none.
int topRow(const PictureBox &pic)
{
    const QImage &image = pic.Image();
    for (int row = 0; row < image.height(); ++row)
        for (int col = 0; col < image.width(); ++col)
            if (pic.PixelColour(col, row) != Blue)
                return row;
    return -1;
}

// Pixels drawn outside the rectangle that holds every kind, widened by
// three pixels for the lines. A fill that runs out of its outline paints the
// whole background and shows here.
int strayPixels(const Drawing &d)
{
    const QRect holds(QPoint(d.px(Reach.left()) - 3, d.py(Reach.top()) - 3),
                      QPoint(d.px(Reach.right()) + 3, d.py(Reach.bottom()) + 3));
    const QImage &image = d.pic->Image();
    int stray = 0;
    for (int row = 0; row < image.height(); ++row)
        for (int col = 0; col < image.width(); ++col)
            if (!holds.contains(col, row) && d.pic->PixelColour(col, row) != Blue)
                ++stray;
    return stray;
}

const char *formName(BuoyDrawingFor form)
{
    return form == BuoyDrawingFor::Quiz ? "quiz" : "editor";
}
} // namespace

Q_DECLARE_METATYPE(BuoyDrawingFor)

class TestBuoyDrawing : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
    }
    void cleanup() { ResetProgramState(); }

    void kindTexts_data();
    void kindTexts();
    void kindsOutsideTheTableDrawNothing_data();
    void kindsOutsideTheTableDrawNothing();
    void coloursOfEveryKind_data();
    void coloursOfEveryKind();
    void reachWithAndWithoutTopmark_data();
    void reachWithAndWithoutTopmark();
    void fillsStayInsideAtEverySize_data();
    void fillsStayInsideAtEverySize();
    void quizDrawsLikeTheEditor_data();
    void quizDrawsLikeTheEditor();
    void safeWaterRoundBaseLineInTheQuiz();
    void safeWaterRoundStripesMirrorEachOther_data();
    void safeWaterRoundStripesMirrorEachOther();
    void crossWidth_data();
    void crossWidth();
    void crossLeavesItsNeighbourAlone();
    void routinesSetTheirOwnWidthAndFill();
};

// The kind list's texts and the light descriptions, in kind order.
void TestBuoyDrawing::kindTexts_data()
{
    QTest::addColumn<long>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("light");

    const QString north = "Continuous Flashing Or Quick Flashing (White)";
    const QString east = "Quick Three In 10 Seconds Or Very Quick Three In 5 Seconds (White)";
    const QString south = "Quick Six Plus Long In 15 Seconds Or Very Quick Six Plus Long In 10 Seconds (White)";
    const QString west = "Quick Nine In 15 Seconds Or Very Quick Nine In 10 Seconds (White)";
    const QString safe = "Isophase, Occulting Or Long Every 10 Seconds (White)";
    const QString special = "A Light Pattern Not Used By Other Buoys (Yellow)";
    const QList<QPair<QString, QString>> table{
        {"North Cardinal Buoy", north},
        {"North Cardinal Stick", north},
        {"East Cardinal Buoy", east},
        {"East Cardinal Stick", east},
        {"South Cardinal Buoy", south},
        {"South Cardinal Stick", south},
        {"West Cardinal Buoy", west},
        {"West Cardinal Stick", west},
        {"Isolated Danger Buoy", "Group Flash Two (White)"},
        {"Isolated Danger Stick", "Group Flash Two (White)"},
        {"Safe Water Round", safe},
        {"Safe Water Cone", safe},
        {"Safe Water Stick", safe},
        {"Special Mark Round", special},
        {"Special Mark Can", special},
        {"Special Mark Cone", special},
        {"Special Mark Buoy", special},
        {"Special Mark Stick", special},
        {"Port Hand Can", "Flash Or Group Flash (Red)"},
        {"Port Hand Stick", "Flash Or Group Flash (Red)"},
        {"Starboard Cone", "Flash Or Group Flash (Green)"},
        {"Starboard Stick", "Flash Or Group Flash (Green)"},
        {"Preferred To Starboard", "Composite Group Flash (Red)"},
        {"Preferred To Port", "Composite Group Flash (Green)"},
    };
    for (long kind = 0; kind < table.size(); ++kind)
        QTest::addRow("kind-%ld", kind) << kind << table[kind].first << table[kind].second;
    QTest::addRow("below-the-table") << -1L << QString() << QString();
    QTest::addRow("past-the-table") << 24L << QString() << QString();
}

void TestBuoyDrawing::kindTexts()
{
    QFETCH(long, kind);
    QFETCH(QString, text);
    QFETCH(QString, light);
    QCOMPARE(BuoyKindText(kind), text);
    QCOMPARE(BuoyLightDescription(kind), light);
}

// A stored row naming no kind leaves the picture as it was.
void TestBuoyDrawing::kindsOutsideTheTableDrawNothing_data()
{
    QTest::addColumn<long>("kind");
    QTest::addRow("minus-one") << -1L;
    QTest::addRow("twenty-four") << 24L;
    QTest::addRow("large") << 1000L;
}

void TestBuoyDrawing::kindsOutsideTheTableDrawNothing()
{
    QFETCH(long, kind);
    const Drawing d = draw(kind, 150, -1, BuoyDrawingFor::Quiz);
    QCOMPARE(topRow(*d.pic), -1);
}

// Every kind with and without its topmark, by the editor at its three sizes
// and by the quiz at scaled ones. Expected colours come from each kind's
// parts: the probes lie in the middle of a band, box or fill region.
void TestBuoyDrawing::coloursOfEveryKind_data()
{
    QTest::addColumn<long>("kind");
    QTest::addColumn<double>("s");
    QTest::addColumn<long>("topmark");
    QTest::addColumn<BuoyDrawingFor>("form");

    const QList<QPair<double, BuoyDrawingFor>> sizes{{150, BuoyDrawingFor::Editor}, {120, BuoyDrawingFor::Editor},
                                                     {80, BuoyDrawingFor::Editor},  {187.5, BuoyDrawingFor::Quiz},
                                                     {337.5, BuoyDrawingFor::Quiz}, {900, BuoyDrawingFor::Quiz}};
    for (long kind = 0; kind < BuoyKindCount; ++kind) {
        for (const auto &size : sizes) {
            for (long topmark : {-1L, 0L}) {
                QTest::addRow("%s-%s-s%g-%s", qPrintable(RowName(kind)), formName(size.second), size.first,
                              topmark ? "topmark" : "bare")
                    << kind << size.first << topmark << size.second;
            }
        }
    }
}

void TestBuoyDrawing::coloursOfEveryKind()
{
    QFETCH(long, kind);
    QFETCH(double, s);
    QFETCH(long, topmark);
    QFETCH(BuoyDrawingFor, form);

    const Drawing d = draw(kind, s, topmark, form);
    for (const Probe &p : facts(kind).probes) {
        const long expected = (p.topmark && topmark == 0) ? Blue : p.colour;
        if (d.at(p.u, p.v) != expected)
            QFAIL(qPrintable(QString("at (%1, %2) units: colour %3, expected %4")
                                 .arg(p.u)
                                 .arg(p.v)
                                 .arg(d.at(p.u, p.v))
                                 .arg(expected)));
    }
}

// The highest drawn pixel is the body's top without the topmark and the
// topmark's top with it; any non-zero flag draws the topmark. The tolerance
// takes in the line width (and the X's wider strokes).
void TestBuoyDrawing::reachWithAndWithoutTopmark_data()
{
    QTest::addColumn<long>("kind");
    QTest::addColumn<long>("topmark");
    for (long kind = 0; kind < BuoyKindCount; ++kind)
        for (long topmark : {-1L, 0L, 1L, 7L})
            QTest::addRow("%s-flag%ld", qPrintable(RowName(kind)), topmark) << kind << topmark;
}

void TestBuoyDrawing::reachWithAndWithoutTopmark()
{
    QFETCH(long, kind);
    QFETCH(long, topmark);
    const double s = 150;
    const Drawing d = draw(kind, s, topmark, BuoyDrawingFor::Editor);
    const KindFacts f = facts(kind);
    const bool cross = kind >= 13 && kind <= 17 && topmark != 0;
    const int expected = d.py(topmark != 0 ? f.topmarkTop : f.bodyTop);
    const int tolerance = cross ? SpecialMarkCrossWidth(s) / 2 + 2 : 2;
    const int top = topRow(*d.pic);
    QVERIFY2(std::abs(top - expected) <= tolerance,
             qPrintable(QString("top row %1, expected %2").arg(top).arg(expected)));
}

// From tiny quiz buoys to ones six times the largest editor size, in both
// forms and with the topmark: no fill runs out onto the background, and the
// kind's colours hold wherever the probes have room.
void TestBuoyDrawing::fillsStayInsideAtEverySize_data()
{
    QTest::addColumn<long>("kind");
    QTest::addColumn<double>("s");
    QTest::addColumn<BuoyDrawingFor>("form");
    const QList<double> sizes{20, 40, 56.25, 97.5, 150, 262.5, 450, 487.5, 637.5, 750, 1012.5};
    for (long kind = 0; kind < BuoyKindCount; ++kind)
        for (double s : sizes)
            for (BuoyDrawingFor form : {BuoyDrawingFor::Editor, BuoyDrawingFor::Quiz})
                QTest::addRow("%s-%s-s%g", qPrintable(RowName(kind)), formName(form), s) << kind << s << form;
}

void TestBuoyDrawing::fillsStayInsideAtEverySize()
{
    QFETCH(long, kind);
    QFETCH(double, s);
    QFETCH(BuoyDrawingFor, form);
    const Drawing d = draw(kind, s, -1, form);
    QCOMPARE(strayPixels(d), 0);
    if (s < 150)
        return;
    for (const Probe &p : facts(kind).probes)
        QVERIFY2(d.at(p.u, p.v) == p.colour, qPrintable(QString("at (%1, %2) units").arg(p.u).arg(p.v)));
}

// Every kind but the isolated danger buoy, the round safe-water mark, the
// cones and the preferred-channel marks is drawn alike by the editor and the
// quiz, pixel for pixel.
void TestBuoyDrawing::quizDrawsLikeTheEditor_data()
{
    QTest::addColumn<long>("kind");
    QTest::addColumn<double>("s");
    const QList<long> differing{8, 10, 15, 20, 22, 23};
    for (long kind = 0; kind < BuoyKindCount; ++kind) {
        if (differing.contains(kind))
            continue;
        for (double s : {80.0, 150.0, 600.0})
            QTest::addRow("%s-s%g", qPrintable(RowName(kind)), s) << kind << s;
    }
}

void TestBuoyDrawing::quizDrawsLikeTheEditor()
{
    QFETCH(long, kind);
    QFETCH(double, s);
    const Drawing editor = draw(kind, s, -1, BuoyDrawingFor::Editor);
    const Drawing quiz = draw(kind, s, -1, BuoyDrawingFor::Quiz);
    QVERIFY(editor.pic->Image() == quiz.pic->Image());
}

// The quiz draws the round safe-water mark's base line 3 pixels wide, the
// editor 2; the round special mark keeps 2 in both.
void TestBuoyDrawing::safeWaterRoundBaseLineInTheQuiz()
{
    auto blackRun = [](const Drawing &d) {
        // Black pixels down the column at x - 1.2s around the base line.
        int run = 0;
        for (int row = d.py(0.8); row <= d.py(1.2); ++row)
            run += d.pic->PixelColour(d.px(-1.2), row) == Black ? 1 : 0;
        return run;
    };
    QCOMPARE(blackRun(draw(10, 150, 0, BuoyDrawingFor::Editor)), 2);
    QCOMPARE(blackRun(draw(10, 150, 0, BuoyDrawingFor::Quiz)), 3);
    QCOMPARE(blackRun(draw(13, 150, 0, BuoyDrawingFor::Quiz)), 2);
}

// The round safe-water mark where the quiz at 96 dpi and the editor draw it
// at design size: a line lies between every red and white pixel of its
// stripes, and where its centre lies on a pixel the stripes mirror each
// other about it, so a pixel of one stripe standing in the next, or a step
// in a line between them, shows as a pixel unlike its mirror image.
void TestBuoyDrawing::safeWaterRoundStripesMirrorEachOther_data()
{
    QTest::addColumn<BuoyDrawingFor>("form");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<double>("s");
    for (double s : {150.0, 120.0, 80.0}) {
        QTest::addRow("quiz-s%g", s) << BuoyDrawingFor::Quiz << QPoint(1500, 1000) << s;
        // The centre of the editor's element picture, 1005 x 1965 twips,
        // between two pixels.
        QTest::addRow("editor-s%g", s) << BuoyDrawingFor::Editor << QPoint(502, 982) << s;
    }
}

void TestBuoyDrawing::safeWaterRoundStripesMirrorEachOther()
{
    QFETCH(BuoyDrawingFor, form);
    QFETCH(QPoint, centre);
    QFETCH(double, s);
    PictureBox buoy;
    buoy.resize(200, 100);
    buoy.SetBackColor(Blue);
    DrawBuoyKind(buoy, 10, centre.x(), centre.y(), s, 0, form);
    const bool onAPixel = centre.x() % 15 == 0;
    // Within the body, three pixels clear of its outline and base line.
    const int middle = Twips::ToPixelsX(centre.x());
    const double cy = (centre.y() - 0.5 * s) / 15.0;
    const double inner = 2.3 * s / 15 - 3;
    const int baseRow = Twips::ToPixelsY(centre.y() + s) - 3;
    for (int row = 1; row < baseRow; ++row)
        for (int col = 1; col < 199; ++col) {
            if (std::hypot(col - middle, row - cy) > inner)
                continue;
            const long colour = buoy.PixelColour(col, row);
            const long mirrored = buoy.PixelColour(2 * middle - col, row);
            QVERIFY2(
                !onAPixel || colour == mirrored,
                qPrintable(
                    QString("colour %1 at (%2, %3), its mirror image %4").arg(colour).arg(col).arg(row).arg(mirrored)));
            if (colour != Red)
                continue;
            for (const QPoint &next : {QPoint(col + 1, row), QPoint(col - 1, row), QPoint(col, row + 1)})
                QVERIFY2(buoy.PixelColour(next.x(), next.y()) != White,
                         qPrintable(QString("red at (%1, %2) touches white").arg(col).arg(row)));
        }
}

// 8s / 250 to the nearest whole pixel, halves to even; a width that rounds
// to 0 is drawn 1 pixel wide.
void TestBuoyDrawing::crossWidth_data()
{
    QTest::addColumn<double>("s");
    QTest::addColumn<int>("width");
    QTest::addRow("large") << 150.0 << 5;
    QTest::addRow("medium") << 120.0 << 4;
    QTest::addRow("small") << 80.0 << 3;
    QTest::addRow("half-to-even-down") << 78.125 << 2;
    QTest::addRow("half-to-even-up") << 109.375 << 4;
    QTest::addRow("tiny-quiz-buoy") << 10.0 << 0;
}

void TestBuoyDrawing::crossWidth()
{
    QFETCH(double, s);
    QFETCH(int, width);
    QCOMPARE(SpecialMarkCrossWidth(s), width);
    // The strokes are yellow at their crossing whatever their width.
    const Drawing d = draw(17, s, -1, BuoyDrawingFor::Quiz);
    QCOMPARE(d.at(0, -4.75), Yellow);
    QCOMPARE(d.pic->DrawWidth(), std::max(width, 1));
}

// Two buoys of one day picture touching: the X of the special mark stick
// stays an X, and the north cardinal stick drawn across it keeps its black.
void TestBuoyDrawing::crossLeavesItsNeighbourAlone()
{
    PictureBox pic;
    pic.resize(200, 200);
    pic.SetBackColor(Blue);
    const double s = 150;
    // The cardinal stick's black upper part spans y - 2s to y at x +- 0.4s;
    // set it where the X's right arms reach, 1 unit right of the X's centre.
    DrawBuoyKind(pic, 1, 1650, 1500 - 600, s, 0, BuoyDrawingFor::Quiz);
    DrawBuoyKind(pic, 17, 1500, 1500, s, -1, BuoyDrawingFor::Quiz);
    const auto px = [](double twips) { return Twips::ToPixelsX(twips); };
    QCOMPARE(pic.PixelColour(px(1650), px(1500 - 600 - 150)), Black);
    QCOMPARE(pic.PixelColour(px(1500), px(1500 - 4.75 * s)), Yellow);
    QCOMPARE(pic.PixelColour(px(1650), px(1500 - 600 + 150)), Yellow);
}

// A routine draws the same picture whatever line width and fill colour the
// surface held before: it sets both before it paints.
void TestBuoyDrawing::routinesSetTheirOwnWidthAndFill()
{
    for (long kind = 0; kind < BuoyKindCount; ++kind) {
        const Drawing plain = draw(kind, 120, -1, BuoyDrawingFor::Quiz);
        Drawing carried;
        carried.s = 120;
        carried.x = plain.x;
        carried.y = plain.y;
        carried.pic = std::make_unique<PictureBox>();
        carried.pic->resize(plain.pic->size());
        carried.pic->SetBackColor(Blue);
        carried.pic->SetDrawWidth(9);
        carried.pic->SetFillColor(16711935);
        DrawBuoyKind(*carried.pic, kind, carried.x, carried.y, 120, -1, BuoyDrawingFor::Quiz);
        QVERIFY2(plain.pic->Image() == carried.pic->Image(), qPrintable(RowName(kind)));
    }
}

QTEST_MAIN(TestBuoyDrawing)
#include "tst_buoydrawing.moc"
