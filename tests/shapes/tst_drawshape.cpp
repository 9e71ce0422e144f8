// The shape renderer: element boxes, the quiz's rounding, what each kind
// draws in the editor and in the quiz, fills kept inside their outlines and
// overflowing arithmetic.

#include "ProgramState.h"

#include "data/Database.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"
#include "quiz/MaintForm.h"
#include "silhouettes/DrawShape.h"
#include "silhouettes/ElementShape.h"
#include "silhouettes/ShapeKinds.h"

#include <QTest>

namespace {
constexpr long White = 16777215;
constexpr long Black = Colours::Black;
constexpr long Grey = Colours::Grey;
constexpr long LightGrey = Colours::LightGrey;

long At(const PictureBox &surface, double xTwips, double yTwips)
{
    return surface.PixelColour(Twips::ToPixelsX(xTwips), Twips::ToPixelsY(yTwips));
}

// A white quiz picture of the design size, 400 x 200 pixels at 15 twips.
std::unique_ptr<PictureBox> QuizPicture(int width = 6000, int height = 3000)
{
    auto picture = std::make_unique<PictureBox>();
    picture->resize(Twips::ToPixelsX(width), Twips::ToPixelsY(height));
    picture->SetBackColor(White);
    return picture;
}

// An element picture as the editor makes it from its template.
std::unique_ptr<MaintElement> NewElement(int kind, int s)
{
    auto element = std::make_unique<MaintElement>();
    element->SetSize(400, 400);
    element->SetBackColor(White);
    element->SetFillColor(Black);
    DrawNewElement(*element, kind, s);
    return element;
}

ShapeLine Row(double x, double y, double size, double kind)
{
    ShapeLine line;
    line.x = static_cast<float>(x);
    line.y = static_cast<float>(y);
    line.size = size;
    line.kind = kind;
    return line;
}

bool AllWhite(const PictureBox &surface)
{
    const QImage &image = surface.Image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (surface.PixelColour(x, y) != White)
                return false;
    return true;
}

bool CornersWhite(const PictureBox &surface)
{
    const int w = surface.Image().width() - 1;
    const int h = surface.Image().height() - 1;
    return surface.PixelColour(0, 0) == White && surface.PixelColour(w, 0) == White
           && surface.PixelColour(0, h) == White && surface.PixelColour(w, h) == White;
}
} // namespace

class TestDrawShape : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        Twips::SetScreenSize(1024 * 15, 768 * 15);
    }
    void cleanup() { ResetProgramState(); }

    // Element boxes in multiples of s, s' = s x 1.6 for the side and fishing
    // vessels; the cones keep the template's 400 x 400.
    void elementBoxes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("s");
        QTest::addColumn<QSize>("box");
        QTest::addRow("large-mast-8s-by-18s") << 0 << 150 << QSize(1200, 2700);
        QTest::addRow("small-ball-3s") << 1 << 80 << QSize(240, 240);
        QTest::addRow("large-cone-up-keeps-template") << 2 << 150 << QSize(400, 400);
        QTest::addRow("small-cone-down-keeps-template") << 3 << 80 << QSize(400, 400);
        QTest::addRow("medium-diamond-3s") << 4 << 120 << QSize(360, 360);
        QTest::addRow("large-cylinder-2s-by-6s") << 5 << 150 << QSize(300, 900);
        QTest::addRow("medium-vertical-s-by-8s") << 6 << 120 << QSize(120, 960);
        QTest::addRow("small-horizontal-8s-by-s") << 7 << 80 << QSize(640, 80);
        QTest::addRow("large-head-on-vessel") << 8 << 150 << QSize(3000, 1500);
        QTest::addRow("large-side-vessel") << 9 << 150 << QSize(5760, 4320);
        QTest::addRow("medium-side-vessel") << 9 << 120 << QSize(4608, 3456);
        QTest::addRow("small-side-vessel") << 9 << 80 << QSize(3072, 2304);
        QTest::addRow("medium-head-on-barge") << 10 << 120 << QSize(1200, 720);
        QTest::addRow("small-side-barge") << 11 << 80 << QSize(1600, 480);
        QTest::addRow("large-fishing-vessel") << 12 << 150 << QSize(5280, 2880);
        QTest::addRow("medium-fishing-vessel") << 12 << 120 << QSize(4224, 2304);
        QTest::addRow("small-fishing-vessel") << 12 << 80 << QSize(2816, 1536);
        QTest::addRow("medium-sailing-vessel") << 13 << 120 << QSize(2640, 2880);
        QTest::addRow("no-kind-stays-blank-template") << 14 << 150 << QSize(400, 400);
        QTest::addRow("negative-kind-stays-blank-template") << -1 << 150 << QSize(400, 400);
    }
    void elementBoxes()
    {
        QFETCH(int, kind);
        QFETCH(int, s);
        QFETCH(QSize, box);
        const auto element = NewElement(kind, s);
        QCOMPARE(QSizeF(element->Width(), element->Height()), QSizeF(box));
        QCOMPARE(element->size(), QSize(Twips::ToPixelsX(box.width()), Twips::ToPixelsY(box.height())));
        if (!IsShapeKind(kind))
            QVERIFY(AllWhite(*element));
    }

    // s' for the editor's sizes, and in the quiz from the already rounded s.
    void enlargedUnit_data()
    {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("enlarged");
        QTest::addRow("large") << 150 << 240;
        QTest::addRow("medium") << 120 << 192;
        QTest::addRow("small") << 80 << 128;
        QTest::addRow("quiz-92-from-120-at-0.77") << 92 << 147;
    }
    void enlargedUnit()
    {
        QFETCH(int, s);
        QFETCH(int, enlarged);
        QCOMPARE(EnlargedUnit(s).Value(), enlarged);
    }

    // The quiz takes centre, unit and kind to the nearest whole number,
    // halves to even; the position's product with k is single precision.
    void quizRounding_data()
    {
        QTest::addColumn<float>("k");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("expected");
        QTest::addRow("x-1000.5-down-to-even") << 1.0f << 1000.5 << "x" << 1000;
        QTest::addRow("x-1001.5-up-to-even") << 1.0f << 1001.5 << "x" << 1002;
        QTest::addRow("y-2.5-to-2") << 1.0f << 2.5 << "y" << 2;
        QTest::addRow("x-negative-off-canvas") << 1.0f << -30.0 << "x" << -30;
        QTest::addRow("x-scaled-by-two") << 2.0f << 1234.25 << "x" << 2468;
        QTest::addRow("size-120-at-0.77-is-92") << 0.77f << 120.0 << "s" << 92;
        QTest::addRow("size-150-at-1.5") << 1.5f << 150.0 << "s" << 225;
        QTest::addRow("kind-0.5-is-mast") << 1.0f << 0.5 << "kind" << 0;
        QTest::addRow("kind-1.5-is-cone-up") << 1.0f << 1.5 << "kind" << 2;
        QTest::addRow("kind-not-scaled") << 2.0f << 13.0 << "kind" << 13;
    }
    void quizRounding()
    {
        QFETCH(float, k);
        QFETCH(double, stored);
        QFETCH(QString, field);
        QFETCH(int, expected);
        ShapeLine line = Row(3000, 1500, 150, 1);
        if (field == "x") line.x = static_cast<float>(stored);
        if (field == "y") line.y = static_cast<float>(stored);
        if (field == "s") line.size = stored;
        if (field == "kind") line.kind = stored;
        const PlacedShape placed = PlaceShape(line, k);
        const Whole got = field == "x" ? placed.x : field == "y" ? placed.y : field == "s" ? placed.s : placed.kind;
        QCOMPARE(got.Value(), expected);
    }

    // What the editor draws on a new element picture, probed at points whose
    // colour the kind's steps fix (twips of the element picture).
    void editorDrawing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("s");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<long>("colour");
        // Large mast: centre (600, 1350), cross-bar across the whole width.
        QTest::addRow("mast-cross-bar-at-left-edge") << 0 << 150 << QPoint(75, 1350) << Black;
        QTest::addRow("mast-below-centre") << 0 << 150 << QPoint(600, 2400) << Black;
        QTest::addRow("mast-runs-to-picture-bottom") << 0 << 150 << QPoint(600, 2690) << Black;
        QTest::addRow("mast-nothing-above-top") << 0 << 150 << QPoint(600, 700) << White;
        // Large ball: black through to its rim, centre (225, 225).
        QTest::addRow("ball-centre") << 1 << 150 << QPoint(225, 225) << Black;
        QTest::addRow("ball-rim-black") << 1 << 150 << QPoint(375, 225) << Black;
        QTest::addRow("ball-outside") << 1 << 150 << QPoint(420, 420) << White;
        // Large cones in 400 x 400: base 300 wide at 350 (up) or 50 (down).
        QTest::addRow("cone-up-wide-near-base") << 2 << 150 << QPoint(300, 320) << Black;
        QTest::addRow("cone-up-narrow-near-top") << 2 << 150 << QPoint(300, 80) << White;
        QTest::addRow("cone-down-narrow-near-bottom") << 3 << 150 << QPoint(300, 320) << White;
        QTest::addRow("cone-down-wide-near-top") << 3 << 150 << QPoint(300, 80) << Black;
        QTest::addRow("small-cone-inside") << 2 << 80 << QPoint(200, 230) << Black;
        QTest::addRow("small-cone-corner") << 2 << 80 << QPoint(10, 10) << White;
        // Editor diamond is square: at 60 twips above its top it is white.
        QTest::addRow("diamond-centre") << 4 << 150 << QPoint(225, 225) << Black;
        QTest::addRow("diamond-square-not-taller") << 4 << 150 << QPoint(225, 30) << White;
        // Large cylinder: centre (150, 450), face ellipse at 150, corner dots at 750.
        QTest::addRow("cylinder-body") << 5 << 150 << QPoint(150, 600) << Black;
        QTest::addRow("cylinder-top-face") << 5 << 150 << QPoint(150, 150) << LightGrey;
        QTest::addRow("cylinder-bottom-left-dot") << 5 << 150 << QPoint(0, 750) << LightGrey;
        QTest::addRow("cylinder-above-face") << 5 << 150 << QPoint(150, 30) << White;
        QTest::addRow("vertical-bar") << 6 << 150 << QPoint(75, 600) << Black;
        QTest::addRow("vertical-bar-ends-at-2s") << 6 << 150 << QPoint(75, 200) << White;
        QTest::addRow("horizontal-bar") << 7 << 150 << QPoint(600, 75) << Black;
        QTest::addRow("horizontal-bar-ends-at-2s") << 7 << 150 << QPoint(200, 75) << White;
        // Small head-on vessel: centre (800, 400).
        QTest::addRow("head-on-hull") << 8 << 80 << QPoint(1100, 560) << LightGrey;
        QTest::addRow("head-on-superstructure") << 8 << 80 << QPoint(800, 280) << LightGrey;
        QTest::addRow("head-on-sky") << 8 << 80 << QPoint(200, 200) << White;
        // Large side vessel: s' 240, centre (2880, 2160), deck at 2160.
        QTest::addRow("side-vessel-hull-filled") << 9 << 150 << QPoint(2880, 2520) << LightGrey;
        QTest::addRow("side-vessel-hull-far-end") << 9 << 150 << QPoint(5000, 2300) << LightGrey;
        QTest::addRow("side-vessel-superstructure") << 9 << 150 << QPoint(1500, 1900) << LightGrey;
        QTest::addRow("side-vessel-below-hull") << 9 << 150 << QPoint(2880, 3500) << White;
        QTest::addRow("side-vessel-sky-right") << 9 << 150 << QPoint(4000, 2000) << White;
        QTest::addRow("head-on-barge") << 10 << 120 << QPoint(600, 360) << LightGrey;
        QTest::addRow("head-on-barge-beside") << 10 << 120 << QPoint(60, 360) << White;
        // The editor's side barge is 18s long in a box of 20s.
        QTest::addRow("side-barge-reaches-9s") << 11 << 150 << QPoint(225, 450) << LightGrey;
        QTest::addRow("side-barge-not-10s") << 11 << 150 << QPoint(60, 450) << White;
        // Large fishing vessel: s' 240, centre (2640, 1440).
        QTest::addRow("fishing-hull") << 12 << 150 << QPoint(2640, 2000) << LightGrey;
        QTest::addRow("fishing-deckhouse") << 12 << 150 << QPoint(3000, 1100) << LightGrey;
        QTest::addRow("fishing-under-the-stay-unfilled") << 12 << 150 << QPoint(1500, 1100) << White;
        QTest::addRow("fishing-sky") << 12 << 150 << QPoint(1000, 500) << White;
        // Small sailing vessel: centre (880, 960); sails are outlines only.
        QTest::addRow("sailing-hull") << 13 << 80 << QPoint(880, 1280) << LightGrey;
        QTest::addRow("sailing-left-sail-unfilled") << 13 << 80 << QPoint(560, 720) << White;
        QTest::addRow("sailing-right-sail-unfilled") << 13 << 80 << QPoint(1120, 693) << White;
    }
    void editorDrawing()
    {
        QFETCH(int, kind);
        QFETCH(int, s);
        QFETCH(QPoint, probe);
        QFETCH(long, colour);
        const auto element = NewElement(kind, s);
        QCOMPARE(At(*element, probe.x(), probe.y()), colour);
    }

    // What the quiz draws where it differs from the editor, on one picture.
    void quizDrawing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<long>("colour");
        // Every element at (1500, 1500), s 150.
        QTest::addRow("ball-centre-black") << 1 << QPoint(1500, 1500) << Black;
        QTest::addRow("ball-rim-grey") << 1 << QPoint(1650, 1500) << Grey;
        QTest::addRow("ball-just-inside-rim-black") << 1 << QPoint(1635, 1500) << Black;
        QTest::addRow("mast-drawn-whole") << 0 << QPoint(1500, 2980) << Black;
        QTest::addRow("side-barge-ends-at-8s") << 11 << QPoint(225, 1500) << White;
        QTest::addRow("side-barge-inside-8s") << 11 << QPoint(375, 1500) << LightGrey;
        QTest::addRow("side-vessel-hull") << 9 << QPoint(1500, 1860) << LightGrey;
    }
    void quizDrawing()
    {
        QFETCH(int, kind);
        QFETCH(QPoint, probe);
        QFETCH(long, colour);
        const auto picture = QuizPicture();
        DrawShape(*picture, Row(1500, 1500, 150, kind), 1.0f);
        QCOMPARE(At(*picture, probe.x(), probe.y()), colour);
    }

    // The quiz's diamond is stretched by the screen's width to height: at 180
    // twips above the centre it is still black when taller than wide.
    void quizDiamondFollowsScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<long>("colour");
        QTest::addRow("1024x768-third-taller") << QSize(1024, 768) << Black;
        QTest::addRow("1280x1024-quarter-taller") << QSize(1280, 1024) << Black;
        QTest::addRow("square-screen-square-diamond") << QSize(1024, 1024) << White;
    }
    void quizDiamondFollowsScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(long, colour);
        Twips::SetScreenSize(screen.width() * 15, screen.height() * 15);
        const auto picture = QuizPicture();
        DrawShape(*picture, Row(1500, 1500, 150, 4), 1.0f);
        QCOMPARE(At(*picture, 1500, 1500), Black);
        QCOMPARE(At(*picture, 1500, 1320), colour);
    }

    // The cylinder leaves light grey as fill colour; the next element starts
    // from black again, so a cone after it is black.
    void coneAfterCylinderIsBlack()
    {
        const auto picture = QuizPicture();
        DrawShape(*picture, Row(1500, 1500, 150, 5), 1.0f);
        QCOMPARE(picture->FillColor(), LightGrey);
        DrawShape(*picture, Row(3000, 1500, 150, 2), 1.0f);
        QCOMPARE(At(*picture, 3000, 1550), Black);
        QCOMPARE(At(*picture, 1500, 1200), LightGrey);
    }

    // A later element overdraws an earlier one; a fill stops at any black,
    // whichever element drew it.
    void laterElementOverdraws()
    {
        const auto picture = QuizPicture();
        DrawShape(*picture, Row(3000, 1500, 150, 10), 1.0f); // barge 1200 x 300
        DrawShape(*picture, Row(3000, 1500, 150, 1), 1.0f);  // ball over its middle
        QCOMPARE(At(*picture, 3000, 1500), Black);
        QCOMPARE(At(*picture, 2500, 1500), LightGrey);
    }

    // A kind outside 0 to 13 draws nothing.
    void noKindDrawsNothing_data()
    {
        QTest::addColumn<double>("kind");
        QTest::addRow("fourteen") << 14.0;
        QTest::addRow("minus-one") << -1.0;
        QTest::addRow("thousand") << 1000.0;
        QTest::addRow("13.5-rounds-to-14") << 13.5;
    }
    void noKindDrawsNothing()
    {
        QFETCH(double, kind);
        const auto picture = QuizPicture();
        DrawShape(*picture, Row(3000, 1500, 150, kind), 1.0f);
        QVERIFY(AllWhite(*picture));
    }

    // Whole-twip arithmetic beyond 32 bits is the "Overflow" error (6), not a
    // wrapped coordinate drawn somewhere else.
    void overflowIsAnError_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("kind");
        QTest::addRow("centre-beyond-32-bits") << 3e9 << 150.0 << 1.0;
        QTest::addRow("size-beyond-32-bits") << 3000.0 << 3e9 << 0.0;
        QTest::addRow("kind-beyond-32-bits") << 3000.0 << 150.0 << 1e12;
        QTest::addRow("multiple-of-s-overflows") << 3000.0 << 2e8 << 13.0;
        QTest::addRow("sum-with-centre-overflows") << 2.14748e9 << 1500.0 << 9.0;
        QTest::addRow("enlarged-unit-multiple-overflows") << 3000.0 << 1.5e8 << 12.0;
    }
    void overflowIsAnError()
    {
        QFETCH(double, x);
        QFETCH(double, size);
        QFETCH(double, kind);
        const auto picture = QuizPicture();
        long number = 0;
        try {
            DrawShape(*picture, Row(x, 1500, size, kind), 1.0f);
        } catch (const DbError &e) {
            number = e.Number();
        }
        QCOMPARE(number, 6L);
    }

    // Every flood fill stays inside its outline: the corners of the picture
    // around the element stay white, at every size, screen resolution and
    // in both forms. Sizes of a few twips (only another writer stores them)
    // shrink the outline below a pixel or leave the vessels' fixed 30-twip
    // seed outside the hull; those fills paint nothing.
    void fillsStayInside_data()
    {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("twipsPerPixel");
        const int filledKinds[] = {1, 2, 3, 4, 9, 12, 13};
        for (int tpp : {10, 12, 15, 20})
            for (int kind : filledKinds)
                for (int s : {80, 120, 150}) {
                    QTest::addRow("editor-%s-%d-at-%d", ShapeKindTexts[kind], s, tpp) << true << kind << s << tpp;
                    QTest::addRow("quiz-%s-%d-at-%d", ShapeKindTexts[kind], s, tpp) << false << kind << s << tpp;
                }
        for (int kind : filledKinds)
            for (int s : {1, 3, 5, 8})
                QTest::addRow("quiz-tiny-%s-%d", ShapeKindTexts[kind], s) << false << kind << s << 15;
    }
    void fillsStayInside()
    {
        QFETCH(bool, editor);
        QFETCH(int, kind);
        QFETCH(int, s);
        QFETCH(int, twipsPerPixel);
        Twips::SetTwipsPerPixel(twipsPerPixel, twipsPerPixel);
        if (editor) {
            const auto element = NewElement(kind, s);
            QVERIFY(CornersWhite(*element));
            return;
        }
        const auto picture = QuizPicture(40 * s + 600, 40 * s + 600);
        DrawShape(*picture, Row(20 * s + 300, 20 * s + 300, s, kind), 1.0f);
        QVERIFY(CornersWhite(*picture));
    }

    // The side vessel's right end lies on the element picture's right edge;
    // the hull still fills and the picture around it stays white.
    void sideVesselAtPictureEdge()
    {
        for (int s : {80, 120, 150}) {
            const auto element = NewElement(9, s);
            const int u = EnlargedUnit(s).Value();
            QCOMPARE(element->Width(), float(24 * u));
            // Centre (12s', 9s'); one s' below the deck the hull reaches past 19s'.
            QCOMPARE(At(*element, 19 * u, 10 * u), LightGrey);
            QCOMPARE(At(*element, 24 * u - 20, 17 * u), White);
            QCOMPARE(At(*element, 24 * u - 20, 3 * u), White);
        }
    }
};

QTEST_MAIN(TestDrawShape)
#include "tst_drawshape.moc"
