// The collision renderer: what each element kind draws, in the quiz picture
// and in the editor's element box; fills that stay inside their shapes; the
// drawing state one quiz row leaves for the next.

#include "ProgramState.h"

#include "collisions/ColDraw.h"
#include "collisions/ColKinds.h"
#include "collisions/ColRows.h"
#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"
#include "quiz/MaintForm.h"

#include <QTest>

#include "data/Database.h"
#include <memory>

namespace {
constexpr long Black = 0;
constexpr long Grey = 12632256;
constexpr long Red = 255;
constexpr long White = 16777215;

// A white quiz picture of 800 x 400 pixels (12000 x 6000 twips at 15).
std::unique_ptr<PictureBox> quizPicture(int width = 800, int height = 400)
{
    auto picture = std::make_unique<PictureBox>();
    picture->resize(width, height);
    picture->SetBackColor(White);
    return picture;
}

// An element box on a canvas of 6000 x 3000 twips, as the editor adds it:
// a copy of the 400 x 400 template at (100, 100), filled black.
struct EditorElement {
    QWidget canvas;
    MaintElement *box = nullptr;

    EditorElement()
    {
        canvas.resize(Twips::ToPixelsX(6000), Twips::ToPixelsY(3000));
        box = new MaintElement(&canvas);
        box->SetSize(400, 400);
        box->SetLeft(100);
        box->SetTop(100);
        box->SetBackColor(White);
        box->SetFillColor(Black);
    }

    ColDraw Add(long kind, long s)
    {
        ColDraw draw(*box, 6000, 3000, s);
        DrawColKind(draw, kind);
        return draw;
    }
};

// How far each kind reaches from its centre, in units of the element's s
// (the vessels seen from the side in their own unit, 1.6 s): left, top,
// right, bottom.
QRectF reach(long kind, double s)
{
    const double S = std::nearbyint(1.6 * s);
    switch (kind) {
    case Mast:
        return QRectF(QPointF(-4 * s, -4 * s), QPointF(4 * s, 10 * s));
    case Cylinder:
        return QRectF(QPointF(-s, -2.16 * s), QPointF(s, 2 * s));
    case Vertical:
        return QRectF(QPointF(0, -2 * s), QPointF(0, 2 * s));
    case Horizontal:
        return QRectF(QPointF(-2 * s, 0), QPointF(2 * s, 0));
    case HeadOnVessel:
        return QRectF(QPointF(-8 * s, -4 * s), QPointF(8 * s, 4 * s));
    case SideVesselStarboard:
        return QRectF(QPointF(-10 * S, -8 * S), QPointF(12 * S, 3 * S));
    case SideVesselPort:
        return QRectF(QPointF(-12 * S, -8 * S), QPointF(10 * S, 3 * S));
    case HeadOnBarge:
        return QRectF(QPointF(-4 * s, -s), QPointF(4 * s, s));
    case SideBarge:
        return QRectF(QPointF(-9 * s, -s), QPointF(9 * s, s));
    case FishingVesselStarboard:
    case FishingVesselPort:
        return QRectF(QPointF(-10 * S, -6 * S), QPointF(10 * S, 3 * S));
    case SailingVesselStarboard:
    case SailingVesselPort:
        return QRectF(QPointF(-10 * s, -12 * s), QPointF(10 * s, 6 * s));
    default: // ball, cones, diamond
        return QRectF(QPointF(-s, -s), QPointF(s, s));
    }
}

// Pixels of the image that are not white and lie more than the pen's width
// outside the rectangle of twips.
int pixelsOutside(const QImage &image, const QRectF &twips)
{
    const QRect allowed(QPoint(Twips::ToPixelsX(twips.left()) - 2, Twips::ToPixelsY(twips.top()) - 2),
                        QPoint(Twips::ToPixelsX(twips.right()) + 2, Twips::ToPixelsY(twips.bottom()) + 2));
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!allowed.contains(x, y) && (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                ++outside;
    return outside;
}

int countColour(const QImage &image, long colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (RgbToBgr(image.pixel(x, y)) == colour)
                ++n;
    return n;
}
} // namespace

class TestColDraw : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
    }
    void cleanup() { ResetProgramState(); }

    void quizProbes_data();
    void quizProbes();
    void fillsStayInside_data();
    void fillsStayInside();
    void unitRescaledAfterRounding_data();
    void unitRescaledAfterRounding();
    void editorBoxes_data();
    void editorBoxes();
    void editorProbes_data();
    void editorProbes();
    void editorSurroundings();
    void channelFollowsPictureSize_data();
    void channelFollowsPictureSize();
    void fillColourBackToBlackEveryRow();
    void ballOutlineFollowsEarlierPen();
    void laterRowsDrawOver_data();
    void laterRowsDrawOver();
    void kindsOutsideTheListDrawNothing_data();
    void kindsOutsideTheListDrawNothing();
    void overflowDrawsNothing();
    void coneOverBarFilledWhole();
};

// Each kind drawn alone at the centre (6000, 3000) twips of the 800 x 400
// pixel picture with unit 150 twips: centre pixel (400, 200), s = 10 pixels
// and the side views' own unit 1.6 s = 240 twips = 16 pixels. The points are
// read off the drawing rules: inside a filled region, on a line, or clear of
// the figure.
void TestColDraw::quizProbes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<long>("colour");
    auto row = [](const char *name, int kind, QPoint at, long colour) {
        QTest::addRow("%s", name) << kind << at << colour;
    };
    row("mast-above-centre", Mast, {400, 170}, Black);
    row("mast-foot-ten-units-down", Mast, {400, 290}, Black);
    row("mast-yard", Mast, {370, 200}, Black);
    row("mast-clear-beside", Mast, {390, 170}, White);
    row("mast-clear-below-foot", Mast, {400, 305}, White);
    row("ball-centre", Ball, {400, 200}, Black);
    row("ball-near-rim", Ball, {408, 200}, Black);
    row("ball-clear-outside", Ball, {414, 200}, White);
    row("cone-up-centre-filled", ConeUp, {400, 200}, Black);
    row("cone-up-near-apex", ConeUp, {400, 194}, Black);
    row("cone-up-near-base", ConeUp, {395, 208}, Black);
    row("cone-up-clear-above-apex", ConeUp, {400, 186}, White);
    row("cone-up-clear-beside-flank", ConeUp, {391, 196}, White);
    row("cone-down-centre-filled", ConeDown, {400, 200}, Black);
    row("cone-down-near-apex", ConeDown, {400, 206}, Black);
    row("cone-down-near-base", ConeDown, {395, 192}, Black);
    row("cone-down-clear-below-apex", ConeDown, {400, 214}, White);
    row("cone-down-clear-beside-flank", ConeDown, {391, 204}, White);
    row("diamond-centre-filled", Diamond, {400, 200}, Black);
    row("diamond-inside", Diamond, {405, 201}, Black);
    row("diamond-clear-off-corner", Diamond, {410, 196}, White);
    row("diamond-clear-below", Diamond, {400, 213}, White);
    row("cylinder-body", Cylinder, {400, 210}, Black);
    row("cylinder-body-upper", Cylinder, {395, 190}, Black);
    row("cylinder-grey-top", Cylinder, {400, 180}, Grey);
    row("cylinder-grey-dot-left", Cylinder, {390, 220}, Grey);
    row("cylinder-grey-dot-right", Cylinder, {410, 220}, Grey);
    row("cylinder-clear-beside", Cylinder, {415, 200}, White);
    row("vertical-top", Vertical, {400, 185}, Black);
    row("vertical-bottom", Vertical, {400, 215}, Black);
    row("vertical-clear-beyond", Vertical, {400, 225}, White);
    row("vertical-clear-beside", Vertical, {405, 200}, White);
    row("horizontal-left", Horizontal, {385, 200}, Black);
    row("horizontal-right", Horizontal, {415, 200}, Black);
    row("horizontal-clear-beyond", Horizontal, {425, 200}, White);
    row("horizontal-clear-below", Horizontal, {400, 205}, White);
    row("head-on-hull-starboard-half", HeadOnVessel, {420, 220}, Grey);
    row("head-on-hull-port-half", HeadOnVessel, {380, 220}, Grey);
    row("head-on-deckhouse", HeadOnVessel, {400, 185}, Grey);
    row("head-on-top", HeadOnVessel, {400, 165}, Grey);
    row("head-on-keel-outline", HeadOnVessel, {400, 240}, Black);
    row("head-on-side-outline", HeadOnVessel, {480, 220}, Black);
    row("head-on-centre-line", HeadOnVessel, {400, 220}, Black);
    row("head-on-clear-beside-deckhouse", HeadOnVessel, {450, 180}, White);
    row("head-on-clear-above-top", HeadOnVessel, {400, 150}, White);
    row("side-vessel-hull", SideVesselStarboard, {400, 230}, Grey);
    row("side-vessel-hull-in-bow", SideVesselStarboard, {570, 210}, Grey);
    row("side-vessel-clear-before-bow", SideVesselStarboard, {585, 210}, White);
    row("side-vessel-hull-in-stern", SideVesselStarboard, {260, 230}, Grey);
    row("side-vessel-clear-abaft-stern", SideVesselStarboard, {245, 230}, White);
    row("side-vessel-deckhouse", SideVesselStarboard, {310, 185}, Grey);
    row("side-vessel-upper-deckhouse", SideVesselStarboard, {304, 160}, Grey);
    row("side-vessel-mast", SideVesselStarboard, {320, 100}, Black);
    row("side-vessel-yard", SideVesselStarboard, {300, 88}, Black);
    row("side-vessel-clear-above-foredeck", SideVesselStarboard, {450, 190}, White);
    row("side-vessel-port-hull", SideVesselPort, {400, 230}, Grey);
    row("side-vessel-port-hull-in-bow", SideVesselPort, {230, 210}, Grey);
    row("side-vessel-port-clear-before-bow", SideVesselPort, {215, 210}, White);
    row("side-vessel-port-hull-in-stern", SideVesselPort, {540, 230}, Grey);
    row("side-vessel-port-clear-abaft-stern", SideVesselPort, {555, 230}, White);
    row("side-vessel-port-deckhouse", SideVesselPort, {490, 185}, Grey);
    row("side-vessel-port-upper-deckhouse", SideVesselPort, {496, 160}, Grey);
    row("side-vessel-port-mast", SideVesselPort, {480, 100}, Black);
    row("side-vessel-port-yard", SideVesselPort, {500, 88}, Black);
    row("side-vessel-port-clear-above-foredeck", SideVesselPort, {350, 190}, White);
    row("head-on-barge", HeadOnBarge, {400, 200}, Grey);
    row("head-on-barge-end", HeadOnBarge, {440, 200}, Black);
    row("head-on-barge-clear-beyond", HeadOnBarge, {445, 200}, White);
    row("head-on-barge-clear-above", HeadOnBarge, {400, 186}, White);
    row("side-barge-eight-units-long", SideBarge, {470, 200}, Grey);
    row("side-barge-end", SideBarge, {480, 200}, Black);
    row("side-barge-clear-beyond", SideBarge, {485, 200}, White);
    row("fishing-hull", FishingVesselStarboard, {400, 230}, Grey);
    row("fishing-wheelhouse", FishingVesselStarboard, {376, 176}, Grey);
    row("fishing-mast", FishingVesselStarboard, {352, 120}, Black);
    row("fishing-clear-under-stay", FishingVesselStarboard, {450, 170}, White);
    row("fishing-clear-under-boom", FishingVesselStarboard, {320, 195}, White);
    row("fishing-clear-before-bow", FishingVesselStarboard, {565, 200}, White);
    row("fishing-port-hull", FishingVesselPort, {400, 230}, Grey);
    row("fishing-port-wheelhouse", FishingVesselPort, {424, 176}, Grey);
    row("fishing-port-mast", FishingVesselPort, {448, 120}, Black);
    row("fishing-port-clear-under-stay", FishingVesselPort, {350, 170}, White);
    row("fishing-port-clear-under-boom", FishingVesselPort, {480, 195}, White);
    row("fishing-port-clear-before-bow", FishingVesselPort, {235, 200}, White);
    row("sailing-hull", SailingVesselStarboard, {400, 245}, Grey);
    row("sailing-headsail", SailingVesselStarboard, {430, 180}, Red);
    row("sailing-headsail-foot-abaft-mast", SailingVesselStarboard, {390, 215}, Red);
    row("sailing-mainsail-unfilled", SailingVesselStarboard, {370, 180}, White);
    row("sailing-mast", SailingVesselStarboard, {400, 150}, Black);
    row("sailing-clear-under-boom", SailingVesselStarboard, {350, 220}, White);
    row("sailing-port-hull", SailingVesselPort, {400, 245}, Grey);
    row("sailing-port-headsail", SailingVesselPort, {370, 180}, Red);
    row("sailing-port-headsail-foot-abaft-mast", SailingVesselPort, {410, 215}, Red);
    row("sailing-port-mainsail-unfilled", SailingVesselPort, {430, 180}, White);
    row("sailing-port-mast", SailingVesselPort, {400, 150}, Black);
    row("fog-top-left", Fog, {10, 10}, Grey);
    row("fog-middle", Fog, {400, 100}, Grey);
    row("fog-four-fifths-down", Fog, {795, 315}, Grey);
    row("fog-clear-below", Fog, {400, 330}, White);
    row("channel-left-bank", Channel, {20, 100}, Grey);
    row("channel-left-edge", Channel, {80, 200}, Black);
    row("channel-water-left", Channel, {140, 100}, White);
    row("channel-water-middle", Channel, {400, 200}, White);
    row("channel-water-right", Channel, {660, 100}, White);
    row("channel-right-bank", Channel, {780, 100}, Grey);
}

void TestColDraw::quizProbes()
{
    QFETCH(int, kind);
    QFETCH(QPoint, at);
    QFETCH(long, colour);
    auto picture = quizPicture();
    DrawCol(*picture, ColLine{6000, 3000, 150, double(kind)}, 1.0f);
    QCOMPARE(picture->PixelColour(at.x(), at.y()), colour);
}

// No fill leaves its shape: whatever is not white lies within the kind's
// reach (plus the pen) around its centre, at every size, in the quiz and in
// the editor, at the common pixel densities.
void TestColDraw::fillsStayInside_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("twipsPerPixel");
    QTest::addColumn<bool>("editor");
    for (int kind = Mast; kind <= SailingVesselPort; ++kind) {
        for (int size : {150, 120, 80, 40, 35})
            QTest::addRow("quiz-%s-%d", CollisionKindTexts[kind], size) << kind << size << 15 << false;
        for (int tpp : {8, 12, 20})
            QTest::addRow("quiz-%s-40-at-%d", CollisionKindTexts[kind], tpp) << kind << 40 << tpp << false;
        for (const ColSizeChoice &size : ColSizeChoices)
            QTest::addRow("editor-%s-%s", CollisionKindTexts[kind], size.text)
                << kind << int(size.unit) << 15 << true;
    }
}

void TestColDraw::fillsStayInside()
{
    QFETCH(int, kind);
    QFETCH(int, size);
    QFETCH(int, twipsPerPixel);
    QFETCH(bool, editor);
    Twips::SetTwipsPerPixel(twipsPerPixel, twipsPerPixel);
    if (editor) {
        EditorElement element;
        const ColDraw draw = element.Add(kind, size);
        const QRectF figure = reach(kind, size).translated(draw.cx, draw.cy);
        QCOMPARE(pixelsOutside(element.box->Image(), figure), 0);
        return;
    }
    auto picture = quizPicture(12000 / twipsPerPixel, 6000 / twipsPerPixel);
    // Off the pixel grid, so rounding meets the figure in every way.
    const double x = 6000 + size % 7;
    const double y = 3000 + size % 5;
    DrawCol(*picture, ColLine{x, y, double(size), double(kind)}, 1.0f);
    QCOMPARE(pixelsOutside(picture->Image(), reach(kind, size).translated(x, y)), 0);
}

// The side views scale the unit that the row set-up has already rounded:
// at 0.5625 a SIZE of 40 becomes 22 (22.5 halves to even) and then 35, not
// 36; 150 becomes 84 and then 134, not 135; the fishing vessel's 120 becomes
// 68 and then 109, not 108. At one twip to the pixel the figure's ends show
// which: the first point lies on the figure, the second just past it.
void TestColDraw::unitRescaledAfterRounding_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("size");
    QTest::addColumn<QPoint>("onFigure");
    QTest::addColumn<QPoint>("pastFigure");
    // Centre (576, 288): XPOS 1024, YPOS 512 at 0.5625.
    // Deck to cx + 12 S = 996 with S = 35 (1008 with 36).
    QTest::addRow("side-vessel-very-small") << int(SideVesselStarboard) << 40.0 << QPoint(996, 288)
                                            << QPoint(1002, 288);
    // Keel at cy + 3 S = 690 with S = 134 (693 with 135).
    QTest::addRow("side-vessel-large") << int(SideVesselStarboard) << 150.0 << QPoint(576, 690) << QPoint(576, 692);
    // Keel at cy + 3 S = 615 with S = 109 (612 with 108).
    QTest::addRow("fishing-vessel-medium") << int(FishingVesselStarboard) << 120.0 << QPoint(576, 615)
                                           << QPoint(576, 617);
}

void TestColDraw::unitRescaledAfterRounding()
{
    QFETCH(int, kind);
    QFETCH(double, size);
    QFETCH(QPoint, onFigure);
    QFETCH(QPoint, pastFigure);
    Twips::SetTwipsPerPixel(1, 1);
    auto picture = quizPicture(2000, 800);
    DrawCol(*picture, ColLine{1024, 512, size, double(kind)}, 0.5625f);
    QCOMPARE(picture->PixelColour(onFigure.x(), onFigure.y()), Black);
    QCOMPARE(picture->PixelColour(pastFigure.x(), pastFigure.y()), White);
}

// Each kind sizes its element box in units of the chosen size and centres
// itself in it; the cones keep the template's 400 x 400; the fog and the
// channel cover the canvas from its corner.
void TestColDraw::editorBoxes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<QRectF>("box");
    QTest::addColumn<QPoint>("centre");
    auto row = [](const char *name, int kind, int size, QRectF box, QPoint centre) {
        QTest::addRow("%s", name) << kind << size << box << centre;
    };
    row("mast-large", Mast, 150, {100, 100, 1200, 2700}, {600, 1350});
    row("ball-medium", Ball, 120, {100, 100, 360, 360}, {180, 180});
    row("cone-up-large-keeps-template", ConeUp, 150, {100, 100, 400, 400}, {200, 200});
    row("cone-down-very-small-keeps-template", ConeDown, 40, {100, 100, 400, 400}, {200, 200});
    row("diamond-small", Diamond, 80, {100, 100, 240, 240}, {120, 120});
    row("cylinder-large", Cylinder, 150, {100, 100, 300, 900}, {150, 450});
    row("vertical-small", Vertical, 80, {100, 100, 80, 640}, {40, 320});
    row("horizontal-small", Horizontal, 80, {100, 100, 640, 80}, {320, 40});
    row("head-on-vessel-large", HeadOnVessel, 150, {100, 100, 3000, 1500}, {1500, 750});
    row("side-vessel-large", SideVesselStarboard, 150, {100, 100, 5760, 4320}, {2880, 2160});
    row("side-vessel-medium", SideVesselStarboard, 120, {100, 100, 4608, 3456}, {2304, 1728});
    row("side-vessel-small", SideVesselPort, 80, {100, 100, 3072, 2304}, {1536, 1152});
    row("side-vessel-very-small", SideVesselPort, 40, {100, 100, 1536, 1152}, {768, 576});
    row("head-on-barge-medium", HeadOnBarge, 120, {100, 100, 1200, 720}, {600, 360});
    row("side-barge-large", SideBarge, 150, {100, 100, 3000, 900}, {1500, 450});
    row("fishing-large", FishingVesselStarboard, 150, {100, 100, 5280, 2880}, {2640, 1440});
    row("fishing-medium", FishingVesselStarboard, 120, {100, 100, 4224, 2304}, {2112, 1152});
    row("fishing-small", FishingVesselPort, 80, {100, 100, 2816, 1536}, {1408, 768});
    row("fishing-very-small", FishingVesselPort, 40, {100, 100, 1408, 768}, {704, 384});
    row("sailing-large", SailingVesselStarboard, 150, {100, 100, 3300, 3600}, {1650, 1800});
    row("sailing-medium", SailingVesselStarboard, 120, {100, 100, 2640, 2880}, {1320, 1440});
    row("sailing-small", SailingVesselPort, 80, {100, 100, 1760, 1920}, {880, 960});
    row("sailing-very-small", SailingVesselPort, 40, {100, 100, 880, 960}, {440, 480});
    row("fog-very-small", Fog, 40, {0, 0, 6000, 2400}, {200, 200});
    row("fog-large", Fog, 150, {0, 0, 6000, 2400}, {200, 200});
    row("channel-very-small", Channel, 40, {0, 0, 6000, 3000}, {200, 200});
}

void TestColDraw::editorBoxes()
{
    QFETCH(int, kind);
    QFETCH(int, size);
    QFETCH(QRectF, box);
    QFETCH(QPoint, centre);
    EditorElement element;
    const ColDraw draw = element.Add(kind, size);
    const MaintElement &b = *element.box;
    QCOMPARE(QRectF(b.Left(), b.Top(), b.Width(), b.Height()), box);
    // The fog and the channel ignore the centre: it stays the template's.
    QCOMPARE(QPoint(int(draw.cx), int(draw.cy)), centre);
}

// Pixels of the element box at 15 twips to the pixel, where the fills are
// seeded and where the editor's figure differs from the quiz's.
void TestColDraw::editorProbes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<long>("colour");
    auto row = [](const char *name, int kind, int size, QPoint at, long colour) {
        QTest::addRow("%s", name) << kind << size << at << colour;
    };
    row("mast-cut-off-by-box", Mast, 150, {40, 178}, Black);
    row("mast-head", Mast, 150, {40, 52}, Black);
    row("mast-clear-above-head", Mast, 150, {40, 46}, White);
    row("mast-yard", Mast, 150, {10, 90}, Black);
    row("cone-up-in-template-box", ConeUp, 150, {13, 13}, Black);
    row("side-barge-nine-units-each-way", SideBarge, 150, {15, 30}, Grey);
    row("side-barge-end", SideBarge, 150, {10, 30}, Black);
    row("side-vessel-large-hull-seed", SideVesselStarboard, 150, {192, 146}, Grey);
    row("side-vessel-port-large-hull-seed", SideVesselPort, 150, {192, 146}, Grey);
    row("side-vessel-very-small-hull-seed", SideVesselStarboard, 40, {51, 40}, Grey);
    row("fishing-large-hull-seed", FishingVesselStarboard, 150, {176, 98}, Grey);
    row("fishing-large-wheelhouse-seed", FishingVesselStarboard, 150, {174, 94}, Grey);
    row("fishing-port-large-wheelhouse-seed", FishingVesselPort, 150, {178, 94}, Grey);
    row("fishing-very-small-hull-seed", FishingVesselStarboard, 40, {47, 28}, Grey);
    row("fishing-very-small-wheelhouse-seed", FishingVesselStarboard, 40, {45, 24}, Grey);
    row("fishing-port-very-small-wheelhouse-seed", FishingVesselPort, 40, {49, 24}, Grey);
    row("sailing-large-hull-seed", SailingVesselStarboard, 150, {110, 160}, Grey);
    row("sailing-large-headsail-seed", SailingVesselStarboard, 150, {120, 110}, Red);
    row("sailing-large-foot-seed", SailingVesselStarboard, 150, {100, 135}, Red);
    row("sailing-port-large-headsail-seed", SailingVesselPort, 150, {100, 110}, Red);
    row("sailing-port-large-foot-seed", SailingVesselPort, 150, {120, 135}, Red);
    row("sailing-large-masthead-on-top-edge", SailingVesselStarboard, 150, {110, 0}, Black);
    row("sailing-large-empty-below-keel", SailingVesselStarboard, 150, {110, 220}, White);
    row("sailing-very-small-hull-seed", SailingVesselStarboard, 40, {29, 43}, Grey);
    row("sailing-very-small-headsail-seed", SailingVesselStarboard, 40, {32, 29}, Red);
}

void TestColDraw::editorProbes()
{
    QFETCH(int, kind);
    QFETCH(int, size);
    QFETCH(QPoint, at);
    QFETCH(long, colour);
    EditorElement element;
    element.Add(kind, size);
    QCOMPARE(element.box->PixelColour(at.x(), at.y()), colour);
}

// The editor's fog is a grey box and draws nothing; its channel is the
// quiz's figure on a box as large as the canvas.
void TestColDraw::editorSurroundings()
{
    EditorElement fog;
    fog.Add(Fog, 40);
    const QImage &grey = fog.box->Image();
    QCOMPARE(grey.size(), QSize(400, 160));
    QCOMPARE(countColour(grey, Grey), 400 * 160);
    QCOMPARE(fog.box->FillColor(), Black);
    QCOMPARE(fog.box->DrawWidth(), 1);

    EditorElement channel;
    channel.Add(Channel, 40);
    const MaintElement &box = *channel.box;
    QCOMPARE(box.Image().size(), QSize(400, 200));
    QCOMPARE(box.PixelColour(10, 10), Grey);
    QCOMPARE(box.PixelColour(390, 10), Grey);
    QCOMPARE(box.PixelColour(200, 100), White);
    QCOMPARE(box.PixelColour(40, 100), Black);
    QCOMPARE(box.PixelColour(360, 100), Black);
    QCOMPARE(box.DrawWidth(), 2);
}

// The banks are laid out from the picture's own size, not from the design
// canvas scaled: on 4500 x 2000 twips they run to (900, 1) and (3600, 1) and
// the right bank is seeded at pixel (290, 10).
void TestColDraw::channelFollowsPictureSize_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QPoint>("leftBank");
    QTest::addColumn<QPoint>("water");
    QTest::addColumn<QPoint>("rightBank");
    QTest::addRow("6000x3000") << QSize(400, 200) << QPoint(20, 100) << QPoint(60, 100) << QPoint(380, 100);
    QTest::addRow("4500x2000") << QSize(300, 133) << QPoint(20, 67) << QPoint(40, 67) << QPoint(280, 67);
    QTest::addRow("right-seed-290") << QSize(300, 133) << QPoint(5, 5) << QPoint(150, 5) << QPoint(290, 10);
    QTest::addRow("wide-picture") << QSize(900, 200) << QPoint(80, 100) << QPoint(450, 100) << QPoint(820, 100);
}

void TestColDraw::channelFollowsPictureSize()
{
    QFETCH(QSize, pixels);
    QFETCH(QPoint, leftBank);
    QFETCH(QPoint, water);
    QFETCH(QPoint, rightBank);
    auto picture = quizPicture(pixels.width(), pixels.height());
    // The element's own place and size do not matter.
    DrawCol(*picture, ColLine{100, 2900, 40, double(Channel)}, 1.0f);
    QCOMPARE(picture->PixelColour(leftBank.x(), leftBank.y()), Grey);
    QCOMPARE(picture->PixelColour(water.x(), water.y()), White);
    QCOMPARE(picture->PixelColour(rightBank.x(), rightBank.y()), Grey);
}

// A row starts from a black fill, whatever colour the row before left: a
// cone inside a grey hull, or after a sailing vessel's red, is black.
void TestColDraw::fillColourBackToBlackEveryRow()
{
    auto picture = quizPicture();
    DrawCol(*picture, ColLine{6000, 3000, 150, double(HeadOnVessel)}, 1.0f);
    QCOMPARE(picture->FillColor(), Grey);
    DrawCol(*picture, ColLine{6600, 3300, 80, double(ConeUp)}, 1.0f);
    QCOMPARE(picture->PixelColour(440, 220), Black);

    auto second = quizPicture();
    DrawCol(*second, ColLine{3000, 3000, 80, double(SailingVesselStarboard)}, 1.0f);
    QCOMPARE(second->FillColor(), Red);
    DrawCol(*second, ColLine{9000, 3000, 80, double(Diamond)}, 1.0f);
    QCOMPARE(second->PixelColour(600, 200), Black);
}

// The ball keeps whatever pen the picture has: 1 pixel on a fresh picture,
// 2 after any row that set it, also once the picture is cleared for the
// next one. The wider pen shows as a larger disc.
void TestColDraw::ballOutlineFollowsEarlierPen()
{
    auto fresh = quizPicture();
    DrawCol(*fresh, ColLine{6000, 3000, 150, double(Ball)}, 1.0f);
    QCOMPARE(fresh->DrawWidth(), 1);
    const int thin = countColour(fresh->Image(), Black);

    auto used = quizPicture();
    DrawCol(*used, ColLine{1500, 1500, 40, double(Mast)}, 1.0f);
    used->Cls();
    DrawCol(*used, ColLine{6000, 3000, 150, double(Ball)}, 1.0f);
    QCOMPARE(used->DrawWidth(), 2);
    const int thick = countColour(used->Image(), Black);
    QVERIFY2(thick > thin, qPrintable(QString("%1 black pixels with pen 2, %2 with pen 1").arg(thick).arg(thin)));

    // The fog leaves the pen as it found it.
    auto fog = quizPicture();
    DrawCol(*fog, ColLine{0, 0, 40, double(Fog)}, 1.0f);
    QCOMPARE(fog->DrawWidth(), 1);
}

// Rows are drawn in order, each over the ones before.
void TestColDraw::laterRowsDrawOver_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<long>("colour");
    // The side vessel's mast at (320, 100) lies in the fog's upper four fifths.
    QTest::addRow("fog-hides-earlier-mast") << int(SideVesselStarboard) << int(Fog) << QPoint(320, 100) << Grey;
    QTest::addRow("vessel-stands-on-fog") << int(Fog) << int(SideVesselStarboard) << QPoint(320, 100) << Black;
    QTest::addRow("vessel-hull-on-fog") << int(Fog) << int(SideVesselStarboard) << QPoint(400, 230) << Grey;
    // The channel's banks stop at earlier black outlines; the water keeps what was there.
    QTest::addRow("channel-keeps-vessel-mid-picture")
        << int(SideVesselStarboard) << int(Channel) << QPoint(320, 100) << Black;
}

void TestColDraw::laterRowsDrawOver()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QPoint, at);
    QFETCH(long, colour);
    auto picture = quizPicture();
    DrawCol(*picture, ColLine{6000, 3000, 150, double(first)}, 1.0f);
    DrawCol(*picture, ColLine{6000, 3000, 150, double(second)}, 1.0f);
    QCOMPARE(picture->PixelColour(at.x(), at.y()), colour);
}

// A kind outside 0 to 18 draws nothing and leaves the picture's state for
// the next row.
void TestColDraw::kindsOutsideTheListDrawNothing_data()
{
    QTest::addColumn<double>("kind");
    QTest::addRow("19") << 19.0;
    QTest::addRow("minus-one") << -1.0;
    QTest::addRow("18.5-halves-to-18-not") << 19.5;
    QTest::addRow("huge") << 1e15;
}

void TestColDraw::kindsOutsideTheListDrawNothing()
{
    QFETCH(double, kind);
    auto picture = quizPicture();
    DrawCol(*picture, ColLine{6000, 3000, 150, kind}, 1.0f);
    QCOMPARE(countColour(picture->Image(), White), 800 * 400);
    QCOMPARE(picture->DrawWidth(), 1);
    DrawCol(*picture, ColLine{6000, 3000, 150, double(Ball)}, 1.0f);
    QCOMPARE(picture->PixelColour(400, 200), Black);
}

// An element that would reach beyond the 32-bit twips range overflows
// before anything of it is drawn.
void TestColDraw::overflowDrawsNothing()
{
    auto picture = quizPicture();
    QVERIFY_THROWS_EXCEPTION(DbError,
                             DrawCol(*picture, ColLine{2147483000.0, 3000, 150, double(Mast)}, 1.0f));
    QVERIFY_THROWS_EXCEPTION(DbError,
                             DrawCol(*picture, ColLine{6000, 3000, 1e8, double(SideVesselPort)}, 1.0f));
    QCOMPARE(countColour(picture->Image(), White), 800 * 400);
}

// A cone is solid black also where a bar drawn before crosses its centre:
// its inside above the bar and below it is black.
void TestColDraw::coneOverBarFilledWhole()
{
    auto picture = quizPicture();
    DrawCol(*picture, ColLine{6000, 3000, 150, double(Horizontal)}, 1.0f);
    DrawCol(*picture, ColLine{6000, 3000, 150, double(ConeUp)}, 1.0f);
    QCOMPARE(picture->PixelColour(400, 194), Black);
    QCOMPARE(picture->PixelColour(400, 200), Black);
    QCOMPARE(picture->PixelColour(400, 206), Black);
    QCOMPARE(picture->PixelColour(400, 180), White);
}

QTEST_MAIN(TestColDraw)
#include "tst_coldraw.moc"
