#include "ProgramState.h"

#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"

#include <QPainterPath>
#include <QTest>

#include <cmath>
#include <set>

using namespace Colours;

namespace {
// Twips of a pixel position at 15 twips per pixel.
constexpr double T(int pixels)
{
    return pixels * 15.0;
}

std::set<long> coloursOf(const QImage &image)
{
    std::set<long> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(RgbToBgr(image.pixel(x, y)));
    return colours;
}
} // namespace

class TestPictureBox : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        pic = new PictureBox;
        pic->resize(200, 150);
        pic->SetBackColor(Black);
    }

    void cleanup()
    {
        delete pic;
        ResetProgramState();
    }

    // Box (20,20)-(100,80) px and circle centre (100,75) radius 40 px: the
    // probes lie well inside, on the left edge and just outside.
    void shapeInteriors_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<bool>("fills");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("edge");
        QTest::addColumn<QPoint>("outside");
        QTest::addColumn<long>("insideColour");
        QTest::addColumn<long>("edgeColour");

        QTest::addRow("box-filled") << "box" << true << QPoint(60, 50) << QPoint(20, 50) << QPoint(17, 50) << Yellow
                                    << Red;
        QTest::addRow("box-outline-only")
            << "box" << false << QPoint(60, 50) << QPoint(20, 50) << QPoint(17, 50) << Black << Red;
        QTest::addRow("filled-box-ignores-fill-colour")
            << "filledbox" << true << QPoint(60, 50) << QPoint(20, 50) << QPoint(17, 50) << Red << Red;
        QTest::addRow("filled-box-on-outline-surface")
            << "filledbox" << false << QPoint(60, 50) << QPoint(20, 50) << QPoint(17, 50) << Red << Red;
        QTest::addRow("circle-filled") << "circle" << true << QPoint(100, 75) << QPoint(60, 75) << QPoint(57, 75)
                                       << Yellow << Red;
        QTest::addRow("circle-outline-only")
            << "circle" << false << QPoint(100, 75) << QPoint(60, 75) << QPoint(57, 75) << Black << Red;
        QTest::addRow("circle-top-edge") << "circle" << true << QPoint(100, 40) << QPoint(100, 35) << QPoint(100, 32)
                                         << Yellow << Red;
    }

    void shapeInteriors()
    {
        QFETCH(QString, shape);
        QFETCH(bool, fills);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, edge);
        QFETCH(QPoint, outside);
        QFETCH(long, insideColour);
        QFETCH(long, edgeColour);

        pic->SetFillsShapes(fills);
        pic->SetFillColor(Yellow);
        if (shape == "box")
            pic->Box(T(20), T(20), T(100), T(80), Red);
        else if (shape == "filledbox")
            pic->FilledBox(T(20), T(20), T(100), T(80), Red);
        else
            pic->Circle(T(100), T(75), T(40), Red);

        QCOMPARE(pic->PixelColour(inside.x(), inside.y()), insideColour);
        QCOMPARE(pic->PixelColour(edge.x(), edge.y()), edgeColour);
        QCOMPARE(pic->PixelColour(outside.x(), outside.y()), Black);
        // No smoothing: only the drawn colours appear anywhere.
        const std::set<long> allowed{Black, Red, Yellow};
        for (long c : coloursOf(pic->Image()))
            QVERIFY2(allowed.count(c), qPrintable(QString::number(c)));
    }

    // Corners of a box are inclusive, whichever order they come in.
    void boxCornersInclusive_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addRow("top-left-first") << QPoint(10, 10) << QPoint(30, 20);
        QTest::addRow("bottom-right-first") << QPoint(30, 20) << QPoint(10, 10);
    }

    void boxCornersInclusive()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        pic->Box(T(from.x()), T(from.y()), T(to.x()), T(to.y()), Red);
        QCOMPARE(pic->PixelColour(10, 10), Red);
        QCOMPARE(pic->PixelColour(30, 20), Red);
        QCOMPARE(pic->PixelColour(31, 20), Black);
        QCOMPARE(pic->PixelColour(30, 21), Black);
        QCOMPARE(pic->PixelColour(9, 10), Black);
    }

    // A box whose corners share a y is a line as wide as the line width.
    void flatBoxIsLine()
    {
        pic->SetDrawWidth(3);
        pic->SetFillColor(Yellow);
        pic->Box(T(20), T(50), T(120), T(50), Red);
        int painted = 0;
        for (int y = 40; y < 60; ++y)
            painted += pic->PixelColour(70, y) == Red;
        QCOMPARE(painted, 3);
        QVERIFY(!coloursOf(pic->Image()).count(Yellow));
    }

    // The line width in pixels: a horizontal line covers that many rows.
    void lineWidth_data()
    {
        QTest::addColumn<int>("width");
        for (int w : {1, 2, 3, 5})
            QTest::addRow("width-%d", w) << w;
    }

    void lineWidth()
    {
        QFETCH(int, width);
        pic->SetDrawWidth(width);
        pic->Line(T(20), T(75), T(180), T(75), White);
        int painted = 0;
        for (int y = 60; y < 90; ++y)
            painted += pic->PixelColour(100, y) == White;
        QCOMPARE(painted, width);
        QCOMPARE(pic->PixelColour(20, 75), White);
        QCOMPARE(pic->PixelColour(180, 75), White);
    }

    void lineFromCurrentPoint()
    {
        pic->Line(T(10), T(10), T(50), T(10), Red);
        QCOMPARE(pic->CurrentX(), T(50));
        QCOMPARE(pic->CurrentY(), T(10));
        pic->LineTo(T(50), T(60), Green);
        QCOMPARE(pic->PixelColour(50, 35), Green);
        QCOMPARE(pic->CurrentY(), T(60));
        pic->SetCurrentX(T(100));
        pic->SetCurrentY(T(100));
        pic->LineTo(T(150), T(100), Blue);
        QCOMPARE(pic->PixelColour(125, 100), Blue);
        QCOMPARE(pic->PixelColour(75, 100), Black);

        pic->Cls();
        QCOMPARE(pic->CurrentX(), 0.0);
        QCOMPARE(pic->CurrentY(), 0.0);
        QCOMPARE(coloursOf(pic->Image()), std::set<long>{Black});
    }

    void newBackColourClears()
    {
        pic->FilledBox(0, 0, T(199), T(149), Red);
        pic->SetBackColor(Blue);
        QCOMPARE(coloursOf(pic->Image()), std::set<long>{Blue});
    }

    void pointTakesLineWidth()
    {
        pic->PSet(T(30), T(30), Green);
        QCOMPARE(pic->PixelColour(30, 30), Green);
        QCOMPARE(pic->PixelColour(31, 30), Black);
        pic->SetDrawWidth(4);
        pic->PSet(T(100), T(100), Green);
        int painted = 0;
        for (int y = 90; y < 110; ++y)
            for (int x = 90; x < 110; ++x)
                painted += pic->PixelColour(x, y) == Green;
        QVERIFY2(painted >= 9 && painted <= 16, qPrintable(QString::number(painted)));
        QCOMPARE(pic->CurrentX(), T(100));
    }

    // Centre (100,75), radius 60 px. Angles counter-clockwise on the screen:
    // pi/2 points up, so y of a point at angle a is 75 - 60 sin a.
    void arc_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("drawnAt");
        QTest::addColumn<double>("emptyAt");
        QTest::addRow("first-quarter-runs-upwards") << 0.0 << M_PI / 2 << M_PI / 4 << -M_PI / 4;
        QTest::addRow("upper-half") << 0.0 << 3.12 << 2.5 << 4.0;
        QTest::addRow("end-below-start-runs-through-zero") << 5.6 << 0.5 << 0.0 << M_PI;
        QTest::addRow("lower-right-part") << 5.6 << 6.283185 << 5.9 << 5.0;
    }

    void arc()
    {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(double, drawnAt);
        QFETCH(double, emptyAt);
        pic->SetFillColor(Yellow);
        pic->SetDrawWidth(2);
        pic->Arc(T(100), T(75), T(60), Red, start, end);
        auto near = [&](double a) {
            int hits = 0;
            const int px = 100 + static_cast<int>(std::lround(60 * std::cos(a)));
            const int py = 75 - static_cast<int>(std::lround(60 * std::sin(a)));
            for (int y = py - 2; y <= py + 2; ++y)
                for (int x = px - 2; x <= px + 2; ++x)
                    hits += pic->PixelColour(x, y) == Red;
            return hits;
        };
        QVERIFY(near(drawnAt) > 0);
        QCOMPARE(near(emptyAt), 0);
        // An arc is an outline only, even on a filling surface.
        QVERIFY(!coloursOf(pic->Image()).count(Yellow));
    }

    // Aspect below 1: the radius is the horizontal half-axis; above 1 the
    // vertical one. Radius 60 px about (100,75).
    void ellipseAspect_data()
    {
        QTest::addColumn<double>("aspect");
        QTest::addColumn<int>("halfWidth");
        QTest::addColumn<int>("halfHeight");
        QTest::addRow("flat-0.2") << 0.2 << 60 << 12;
        QTest::addRow("round-1") << 1.0 << 60 << 60;
        QTest::addRow("tall-2") << 2.0 << 30 << 60;
    }

    void ellipseAspect()
    {
        QFETCH(double, aspect);
        QFETCH(int, halfWidth);
        QFETCH(int, halfHeight);
        pic->resize(200, 200);
        pic->SetFillColor(Yellow);
        pic->Circle(T(100), T(100), T(60), Red, aspect);
        QCOMPARE(pic->PixelColour(100 + halfWidth, 100), Red);
        QCOMPARE(pic->PixelColour(100 + halfWidth + 2, 100), Black);
        QCOMPARE(pic->PixelColour(100, 100 - halfHeight), Red);
        QCOMPARE(pic->PixelColour(100, 100 - halfHeight - 2), Black);
        QCOMPARE(pic->PixelColour(100 + halfWidth - 3, 100), Yellow);
        QCOMPARE(pic->CurrentX(), T(100));
    }

    // Twips reach the pixels halves to even: 1.5 -> 2, 2.5 -> 2, 3.5 -> 4.
    void twipsRoundHalvesToEven_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixel");
        QTest::addRow("1.5-up") << 22.5 << 2;
        QTest::addRow("2.5-down") << 37.5 << 2;
        QTest::addRow("3.5-up") << 52.5 << 4;
        QTest::addRow("below-half") << 37.4 << 2;
        QTest::addRow("above-half") << 37.6 << 3;
    }

    void twipsRoundHalvesToEven()
    {
        QFETCH(double, twips);
        QFETCH(int, pixel);
        pic->PSet(twips, twips, White);
        QCOMPARE(pic->PixelColour(pixel, pixel), White);
        QCOMPARE(coloursOf(pic->Image().copy(0, 0, 10, 10)).count(White), size_t(1));
        int painted = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                painted += pic->PixelColour(x, y) == White;
        QCOMPARE(painted, 1);
    }

    // Black square outline (20,20)-(80,80) of 1-pixel lines on a white
    // surface; the fill colour is red.
    void floodFill_data()
    {
        QTest::addColumn<QPoint>("seed");
        QTest::addColumn<bool>("painted");
        QTest::addColumn<long>("insideAfter");
        QTest::addColumn<long>("outsideAfter");
        QTest::addRow("inside-stops-at-border") << QPoint(50, 50) << true << Red << White;
        QTest::addRow("outside-stops-at-border") << QPoint(5, 5) << true << White << Red;
        QTest::addRow("seed-on-border") << QPoint(20, 50) << false << White << White;
        QTest::addRow("seed-left-of-surface") << QPoint(-1, 50) << false << White << White;
        QTest::addRow("seed-below-surface") << QPoint(50, 150) << false << White << White;
        QTest::addRow("seed-right-of-surface") << QPoint(200, 5) << false << White << White;
    }

    void floodFill()
    {
        QFETCH(QPoint, seed);
        QFETCH(bool, painted);
        QFETCH(long, insideAfter);
        QFETCH(long, outsideAfter);
        pic->SetBackColor(White);
        squareOutline(20, 20, 80, 80, Black);
        pic->SetFillColor(Red);
        const QImage before = pic->Image().copy();

        QCOMPARE(pic->FloodFill(seed.x(), seed.y(), Black), painted);

        if (!painted)
            QCOMPARE(pic->Image(), before);
        QCOMPARE(pic->PixelColour(50, 50), insideAfter);
        QCOMPARE(pic->PixelColour(21, 79), insideAfter);
        QCOMPARE(pic->PixelColour(150, 100), outsideAfter);
        QCOMPARE(pic->PixelColour(19, 19), outsideAfter);
        QCOMPARE(pic->PixelColour(20, 20), Black);
        QCOMPARE(pic->PixelColour(80, 50), Black);
    }

    // Other colours inside the outline are painted over; only the border
    // colour stops the fill, and the fill may be the border colour itself.
    void floodFillStopsOnlyAtBorderColour_data()
    {
        QTest::addColumn<long>("fill");
        QTest::addRow("red") << Red;
        QTest::addRow("same-as-border") << Black;
    }

    void floodFillStopsOnlyAtBorderColour()
    {
        QFETCH(long, fill);
        pic->SetBackColor(White);
        squareOutline(20, 20, 80, 80, Black);
        pic->Line(T(30), T(50), T(70), T(50), Green);
        pic->SetFillColor(fill);
        QVERIFY(pic->FloodFill(50, 40, Black));
        QCOMPARE(pic->PixelColour(50, 50), fill);
        QCOMPARE(pic->PixelColour(50, 60), fill);
        QCOMPARE(pic->PixelColour(150, 100), White);
    }

    // A 1-pixel slanted line touches its neighbours only at corners; the
    // fill must not slip through those corners. A real gap lets it out.
    void floodFillDiagonalLine_data()
    {
        QTest::addColumn<bool>("gap");
        QTest::addColumn<long>("otherSide");
        QTest::addRow("closed-diagonal-holds") << false << White;
        QTest::addRow("gap-in-outline-lets-fill-out") << true << Red;
    }

    void floodFillDiagonalLine()
    {
        QFETCH(bool, gap);
        QFETCH(long, otherSide);
        pic->SetBackColor(White);
        // The square split by its diagonal from (20,20) to (80,80).
        squareOutline(20, 20, 80, 80, Black);
        pic->Line(T(20), T(20), T(80), T(80), Black);
        if (gap)
            pic->PSet(T(50), T(50), White);
        // Every step of the diagonal is a corner-to-corner step.
        QCOMPARE(pic->PixelColour(49, 50), White);
        QCOMPARE(pic->PixelColour(50, 49), White);
        pic->SetFillColor(Red);
        QVERIFY(pic->FloodFill(70, 40, Black)); // above the diagonal
        QCOMPARE(pic->PixelColour(70, 40), Red);
        QCOMPARE(pic->PixelColour(40, 70), otherSide);
        QCOMPARE(pic->PixelColour(150, 100), White);
    }

    // The square outline again, for a fill that must stay within a
    // rectangle: only an area that does is painted, from the seed or the
    // nearest pixel within reach whose area does. The inside is the pixels
    // (21, 21)-(79, 79).
    void floodFillWithin_data()
    {
        QTest::addColumn<QPoint>("seed");
        QTest::addColumn<QRect>("within");
        QTest::addColumn<int>("reach");
        QTest::addColumn<bool>("gap");
        QTest::addColumn<bool>("painted");
        QTest::addColumn<long>("outsideAfter");
        const QRect outline(QPoint(20, 20), QPoint(80, 80));
        QTest::addRow("inside-within-outline") << QPoint(50, 50) << outline << 0 << false << true << White;
        QTest::addRow("inside-reaches-last-column")
            << QPoint(50, 50) << outline.adjusted(0, 0, -1, 0) << 0 << false << true << White;
        QTest::addRow("inside-runs-past-right")
            << QPoint(50, 50) << outline.adjusted(0, 0, -2, 0) << 0 << false << false << White;
        QTest::addRow("inside-runs-past-top")
            << QPoint(50, 50) << outline.adjusted(0, 2, 0, 0) << 0 << false << false << White;
        QTest::addRow("gap-lets-area-out") << QPoint(50, 50) << outline << 0 << true << false << White;
        QTest::addRow("gap-within-whole-surface")
            << QPoint(50, 50) << QRect(-5, -5, 210, 160) << 0 << true << true << Red;
        QTest::addRow("seed-on-outline-finds-inside") << QPoint(20, 50) << outline << 2 << false << true << White;
        QTest::addRow("seed-outside-reaches-nothing") << QPoint(10, 50) << outline << 2 << false << false << White;
        QTest::addRow("seed-outside-reaches-inside") << QPoint(18, 50) << outline << 3 << false << true << White;
    }

    void floodFillWithin()
    {
        QFETCH(QPoint, seed);
        QFETCH(QRect, within);
        QFETCH(int, reach);
        QFETCH(bool, gap);
        QFETCH(bool, painted);
        QFETCH(long, outsideAfter);
        pic->SetBackColor(White);
        squareOutline(20, 20, 80, 80, Black);
        if (gap)
            pic->PSet(T(50), T(20), White);
        pic->SetFillColor(Red);
        const QImage before = pic->Image().copy();

        QCOMPARE(pic->FloodFillWithin(seed.x(), seed.y(), Black, within, reach), painted);

        if (!painted)
            QCOMPARE(pic->Image(), before);
        const long inside = painted ? Red : White;
        for (const QPoint &p : {QPoint(21, 21), QPoint(79, 79), QPoint(50, 50), QPoint(21, 79)})
            QCOMPARE(pic->PixelColour(p.x(), p.y()), inside);
        QCOMPARE(pic->PixelColour(19, 19), outsideAfter);
        QCOMPARE(pic->PixelColour(199, 149), outsideAfter);
        QCOMPARE(pic->PixelColour(20, 50), Black);
    }

    // A path from (20, 20) to (80, 60) pixels covers pixels 21 to 80 across
    // and 21 to 60 down, the pixels of its right and lower sides and not of
    // its left and upper ones, over a white surface with a black line and a
    // yellow dot inside. A fill keeps the border colour's pixels; a paint covers
    // everything; an edge draws only the shape's outermost pixels.
    void paths_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<long>("onTheLine");
        QTest::addColumn<long>("onTheDot");
        QTest::addColumn<long>("inside");
        QTest::addColumn<long>("edge");
        QTest::addRow("fill-keeps-the-border") << "fill" << Black << Red << Red << Red;
        QTest::addRow("paint-covers-everything") << "paint" << Red << Red << Red << Red;
        QTest::addRow("edge-one-pixel-wide") << "edge" << Black << Yellow << White << Green;
    }

    void paths()
    {
        QFETCH(QString, how);
        pic->SetBackColor(White);
        pic->Line(T(30), T(40), T(70), T(40), Black);
        pic->PSet(T(50), T(30), Yellow);
        QPainterPath path;
        path.addRect(QRectF(T(20), T(20), T(60), T(40)));
        pic->SetFillColor(Red);
        if (how == "fill")
            pic->FillPath(path, Black);
        else if (how == "paint")
            pic->PaintPath(path);
        else
            pic->EdgePath(path, Green);
        QTEST(pic->PixelColour(50, 40), "onTheLine");
        QTEST(pic->PixelColour(50, 30), "onTheDot");
        QTEST(pic->PixelColour(25, 50), "inside");
        for (const QPoint &p : {QPoint(21, 21), QPoint(80, 21), QPoint(21, 60), QPoint(80, 60), QPoint(50, 60)})
            QTEST(pic->PixelColour(p.x(), p.y()), "edge");
        for (const QPoint &p : {QPoint(20, 30), QPoint(81, 30), QPoint(50, 20), QPoint(50, 61)})
            QCOMPARE(pic->PixelColour(p.x(), p.y()), White);
    }

    // The drawing lives in the backing image, which the widget only shows.
    void drawingSurvivesHideMoveAndCover()
    {
        QWidget window;
        window.resize(400, 300);
        pic->setParent(&window);
        pic->move(10, 10);
        pic->SetFillColor(Yellow);
        pic->Circle(T(100), T(75), T(40), Red);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        pic->hide();
        pic->PSet(T(5), T(5), Green); // drawn while hidden
        QCoreApplication::processEvents();
        pic->show();
        pic->move(150, 120);
        QWidget cover(&window);
        cover.setGeometry(150, 120, 200, 150);
        cover.setAutoFillBackground(true);
        cover.show();
        QCoreApplication::processEvents();
        cover.hide();
        QCoreApplication::processEvents();

        const QImage shown = pic->grab().toImage();
        QCOMPARE(RgbToBgr(shown.pixel(100, 75)), Yellow);
        QCOMPARE(RgbToBgr(shown.pixel(60, 75)), Red);
        QCOMPARE(RgbToBgr(shown.pixel(5, 5)), Green);
        QCOMPARE(RgbToBgr(shown.pixel(190, 140)), Black);
        const QImage whole = window.grab().toImage();
        QCOMPARE(RgbToBgr(whole.pixel(150 + 100, 120 + 75)), Yellow);
        pic->setParent(nullptr);
    }

    // Growing keeps the drawing and shows the back colour in the new part;
    // shrinking keeps what still fits. Also while the surface is hidden.
    void resizeKeepsDrawing()
    {
        pic->PSet(T(10), T(10), Red);
        pic->resize(300, 250);
        QCOMPARE(pic->Image().size(), QSize(300, 250));
        QCOMPARE(pic->PixelColour(10, 10), Red);
        QCOMPARE(pic->PixelColour(290, 240), Black);
        pic->resize(50, 40);
        QCOMPARE(pic->Image().size(), QSize(50, 40));
        QCOMPARE(pic->PixelColour(10, 10), Red);
        QCOMPARE(pic->PixelColour(60, 10), -1L);
        QCOMPARE(pic->ScaleWidth(), 750);
        QCOMPARE(pic->ScaleHeight(), 600);
    }

    // Drawing on a surface with no size does nothing and does not crash.
    void emptySurface()
    {
        pic->resize(0, 0);
        pic->Circle(T(10), T(10), T(5), Red);
        pic->Line(0, 0, T(10), T(10), Red);
        QVERIFY(!pic->FloodFill(0, 0, Black));
        QCOMPARE(pic->PixelColour(0, 0), -1L);
    }

    // Every operation on one surface; with NORVANTA_SHOTS_DIR set the result
    // is saved for a look.
    void allOperations()
    {
        pic->resize(400, 300);
        pic->SetBackColor(Blue);
        pic->SetDrawWidth(2);
        pic->Line(T(10), T(10), T(390), T(10), White);
        pic->LineTo(T(390), T(290), White);
        pic->SetFillColor(Yellow);
        pic->Box(T(20), T(30), T(120), T(100), Black);
        pic->FilledBox(T(140), T(30), T(240), T(100), Red);
        pic->Circle(T(310), T(65), T(35), Black);
        pic->SetFillColor(Green);
        pic->Circle(T(70), T(170), T(50), Black, 0.2);
        pic->Arc(T(200), T(200), T(60), Black, 0.0f, 3.12f);
        pic->Line(T(140), T(200), T(260), T(200), Black);
        pic->SetFillColor(Grey);
        QVERIFY(pic->FloodFill(200, 180, Black));
        pic->SetDrawWidth(1);
        for (int i = 0; i < 10; ++i)
            pic->PSet(T(300 + 6 * i), T(250), White);
        QCOMPARE(pic->PixelColour(200, 180), Grey);
        QCOMPARE(pic->PixelColour(190, 60), Red);
        QCOMPARE(pic->PixelColour(70, 65), Yellow);
        QCOMPARE(pic->PixelColour(70, 170), Green);
        QCOMPARE(pic->PixelColour(200, 250), Blue);
        const QString dir = qEnvironmentVariable("NORVANTA_SHOTS_DIR");
        if (!dir.isEmpty())
            QVERIFY(pic->grab().save(dir + "/surface.png"));
    }

private:
    void squareOutline(int x1, int y1, int x2, int y2, long colour)
    {
        pic->Line(T(x1), T(y1), T(x2), T(y1), colour);
        pic->LineTo(T(x2), T(y2), colour);
        pic->LineTo(T(x1), T(y2), colour);
        pic->LineTo(T(x1), T(y1), colour);
    }

    PictureBox *pic = nullptr;
};

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
