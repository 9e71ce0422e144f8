#include "ProgramState.h"

#include "mainwindow/CoverPicture.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Rounding.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"

#include <QTest>

namespace {

constexpr long Water = 16777088;
constexpr long Black = 0;
constexpr long Grey = 8421504;
constexpr long LightGrey = 12632256;
constexpr long Red = 255;
constexpr long Green = 65280;
constexpr long Yellow = 65535;
constexpr int TwipsPerPixel = 15;

struct Probe {
    const char *what;
    double x; // scene units
    double y;
    long colour;
};

// Points inside the regions the picture fills or leaves alone, in scene units
// from the anchor tables (anchor + a x unit), away from every outline.
const Probe ObjectProbes[] = {
    {"sloop hull", 5000, 1234 + 4 * 40, LightGrey},
    {"sloop hull near stern", 5000 + 7 * 40, 1234 + 5 * 40, LightGrey},
    {"foresail before the mast", 5000 - 1 * 40, 1234 - 1 * 40, Red},
    {"foresail low before the mast", 5000 - 5 * 40, 1234 + 1 * 40, Red},
    {"foresail behind the mast", 5000 + 1.1 * 40, 1234 + 1.5 * 40, Red},
    {"mainsail keeps the water colour", 5000 + 4 * 40, 1234 - 1 * 40, Water},
    {"small vessel hull", 3600 + 5 * 64, 2500 + 1.8 * 64, LightGrey},
    {"small vessel deckhouse", 3600 + 1.5 * 64, 2500 - 1.5 * 64, LightGrey},
    {"motor vessel hull", 5500 - 2 * 96, 3500 + 1.5 * 96, LightGrey},
    {"motor vessel superstructure", 5500 + 4 * 96, 3500 - 1 * 96, LightGrey},
    {"motor vessel wheelhouse", 5500 + 6 * 96, 3500 - 2.5 * 96, LightGrey},
    {"distant vessel right half", 2500 + 4 * 40, 405 + 2 * 40, LightGrey},
    {"distant vessel left half", 2500 - 4 * 40, 405 + 2 * 40, LightGrey},
    {"distant vessel superstructure", 2500 + 2 * 40, 405 - 1.5 * 40, LightGrey},
    {"distant vessel top", 2500, 405 - 3.5 * 40, LightGrey},
    {"near conical buoy", 7000, 4000, Green},
    {"middle conical buoy", 6000, 2000, Green},
    {"far conical buoy", 5800, 700, Green},
    {"near conical buoy low left", 7000 - 1.2 * 80, 4000 + 0.6 * 80, Green},
    {"far can buoy", 1800, 300, Red},
    {"near can buoy", 2000, 2000, Red},
    {"near can buoy low left", 2000 - 2 * 60, 2000 + 0.5 * 60, Red},
    {"cardinal base", 1000 + 2.5 * 100, 4000 + 1.5 * 100, Yellow},
    {"cardinal lower band", 1000, 4050, Yellow},
    {"cardinal lower band at its side", 1000 - 1.6 * 100, 4000 + 0.5 * 100, Yellow},
    {"cardinal middle band", 1000, 3950, Black},
    {"cardinal upper band", 1000, 3850, Yellow},
    {"cardinal lower cone", 1000, 3700, Black},
    {"cardinal upper cone", 1000, 3550, Black},
    {"between the topmark cones", 1000, 3625, Water},
};

// Open water that no fill may reach: the channel around and between the
// objects.
const Probe WaterProbes[] = {
    {"channel middle", 3900, 1000, Water},
    {"left of the near can", 1500, 3000, Water},
    {"below the small vessel", 3600, 3300, Water},
    {"between the motor vessel and the near cone", 6700, 3300, Water},
    {"beside the middle cone", 6000 - 5 * 60, 2000, Water},
    {"beside the far cone", 5800 - 4 * 40, 700, Water},
    {"beside the cardinal body", 1000 - 2.5 * 100, 3900, Water},
    {"beside the far can", 1800 + 4 * 40, 300, Water},
    {"above the sloop's bow", 4600, 1100, Water},
    {"bottom middle", 3900, 4600, Water},
};

} // namespace

class TestCoverPicture : public QObject
{
    Q_OBJECT

private:
    // A cover picture of the given outer size in twips, drawn at the scale the
    // scene would give it.
    static std::unique_ptr<PictureBox> Drawn(int widthTwips, int heightTwips, float *scale = nullptr)
    {
        auto cover = std::make_unique<PictureBox>();
        ResizeControl(*cover, widthTwips, heightTwips);
        cover->SetBackColor(Water);
        const float s = CoverSceneScale(*cover);
        DrawCoverPicture(*cover, s);
        if (scale)
            *scale = s;
        return cover;
    }

    static long At(const PictureBox &cover, float s, double x, double y)
    {
        return cover.PixelColour(static_cast<int>(RoundHalfEven(s * x / TwipsPerPixel)),
                                 static_cast<int>(RoundHalfEven(s * y / TwipsPerPixel)));
    }

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(TwipsPerPixel, TwipsPerPixel);
    }
    void cleanup() { ResetProgramState(); }

    // The smaller of width / 7845 and height / 4710.
    void scale_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<float>("expected");
        QTest::addRow("design-size") << 7845 << 4710 << 1.0f;
        QTest::addRow("wide-height-limits") << 7845 << 3000 << 3000.0f / 4710;
        QTest::addRow("tall-width-limits") << 6000 << 4710 << 6000.0f / 7845;
        QTest::addRow("double") << 15690 << 9420 << 2.0f;
    }
    void scale()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(float, expected);
        PictureBox cover;
        ResizeControl(cover, width, height);
        QCOMPARE(CoverSceneScale(cover), expected);
    }

    // Every filled region shows its colour, the mainsail and the water stay
    // in the back colour, at sizes whose regions are wide enough for a seed
    // off the outlines.
    void objects_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("probe");
        const struct {
            const char *name;
            int w, h;
        } sizes[] = {{"scale-1.5", 11768, 7065}, {"scale-2", 15690, 9420}, {"wide-scale-2", 24000, 9420}};
        for (const auto &size : sizes)
            for (int i = 0; i < int(std::size(ObjectProbes)); ++i)
                QTest::addRow("%s-%s", size.name, ObjectProbes[i].what) << size.w << size.h << i;
    }
    void objects()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, probe);
        float s = 0;
        const auto cover = Drawn(width, height, &s);
        const Probe &p = ObjectProbes[probe];
        QCOMPARE(At(*cover, s, p.x, p.y), p.colour);
    }

    // Open water keeps the back colour at every size and pixel size, and
    // the cardinal mark's bands keep their colours: no fill escapes from its
    // outline. The large pictures at 12 twips to the pixel are where a cone
    // left open at its apex or base would flood the channel green.
    void openWater_data()
    {
        QTest::addColumn<int>("twipsPerPixel");
        QTest::addColumn<int>("width");
        for (int w : {4000, 5230, 7845, 9000, 11768, 15690, 19000, 23535})
            QTest::addRow("15-width-%d", w) << 15 << w;
        for (int w : {33585, 33973, 35331})
            QTest::addRow("12-width-%d", w) << 12 << w;
        QTest::addRow("20-width-30000") << 20 << 30000;
    }
    void openWater()
    {
        QFETCH(int, twipsPerPixel);
        QFETCH(int, width);
        Twips::SetTwipsPerPixel(twipsPerPixel, twipsPerPixel);
        const int height = int(RoundHalfEven(width * double(SceneUnitsHigh) / SceneUnitsWide));
        float s = 0;
        const auto cover = Drawn(width, height, &s);
        auto at = [&](double x, double y) {
            return cover->PixelColour(int(RoundHalfEven(s * x / twipsPerPixel)),
                                      int(RoundHalfEven(s * y / twipsPerPixel)));
        };
        for (const Probe &p : WaterProbes)
            QVERIFY2(at(p.x, p.y) == Water, p.what);
        if (s >= 1) {
            QCOMPARE(at(1000, 4050), Yellow);
            QCOMPARE(at(1000, 3950), Black);
            QCOMPARE(at(1000, 3850), Yellow);
        }
    }

    // The far red can, at the scene's top left, stands in open water clear
    // of the left bank at any shape of picture, maximised on a wide screen
    // too: along its foot and just above it, from its middle leftwards, its
    // red, its outline, then water before anything else.
    void farCanClearOfTheBank_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addRow("design-size") << 7845 << 4710;
        QTest::addRow("maximised-1280x1024") << 18960 << 13500;
        QTest::addRow("maximised-1920x1080") << 28560 << 14355;
        QTest::addRow("wide-scale-2") << 24000 << 9420;
        QTest::addRow("four-to-one") << 18840 << 4710;
    }
    void farCanClearOfTheBank()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        float s = 0;
        const auto cover = Drawn(width, height, &s);
        const int middle = static_cast<int>(RoundHalfEven(s * 1800 / TwipsPerPixel));
        const int foot = static_cast<int>(RoundHalfEven(s * 340 / TwipsPerPixel));
        for (int row : {foot, foot - 2}) {
            int x = middle;
            while (cover->PixelColour(x, row) == Red)
                --x;
            QCOMPARE(cover->PixelColour(x, row), Black);
            while (cover->PixelColour(x, row) == Black)
                --x;
            for (int water = 0; water < 2; ++water, --x)
                QVERIFY2(cover->PixelColour(x, row) == Water,
                         qPrintable(QString("colour %1 at %2,%3").arg(cover->PixelColour(x, row)).arg(x).arg(row)));
        }
    }

    // The banks follow the picture's own size, not the scale: from the
    // bottom corners each reaches in a fifth of the width at the top, so the
    // water spans the top's middle three-fifths. On a picture wider than the
    // scene, a fifth of the scene's width (7845 scene units at the scale).
    void banks_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("reach"); // twips the banks reach in at the top
        QTest::addRow("design-size") << 7845 << 4710 << 1569;
        QTest::addRow("tall") << 7845 << 9000 << 1569;
        QTest::addRow("double") << 15690 << 9420 << 3138;
        QTest::addRow("wide") << 20000 << 4710 << 1569;
        QTest::addRow("wide-scale-2") << 24000 << 9420 << 3138;
    }
    void banks()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, reach);
        const auto cover = Drawn(width, height);
        const int w = width / TwipsPerPixel;
        const int h = height / TwipsPerPixel;
        const double r = double(reach) / TwipsPerPixel;
        QCOMPARE(cover->PixelColour(10, 10), Grey);
        QCOMPARE(cover->PixelColour(w - 10, 10), Grey);
        // Half way down each bank reaches in half as far.
        QCOMPARE(cover->PixelColour(int(0.35 * r), h / 2), Grey);
        QCOMPARE(cover->PixelColour(w - int(0.35 * r), h / 2), Grey);
        QCOMPARE(cover->PixelColour(int(0.65 * r), h / 2), Water);
        QCOMPARE(cover->PixelColour(w - int(0.65 * r), h / 2), Water);
        QCOMPARE(cover->PixelColour(int(0.85 * r), 3), Grey);
        QCOMPARE(cover->PixelColour(int(1.15 * r), 3), Water);
        QCOMPARE(cover->PixelColour(w - int(1.15 * r), 3), Water);
        QCOMPARE(cover->PixelColour(w - int(0.85 * r), 3), Grey);
    }

    // On a wide picture the objects stay within the left 7845 scene units;
    // on a tall one within the top 4710.
    void objectsStayInTheDesignSpace_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addRow("wide") << 20000 << 4710;
        QTest::addRow("tall") << 7845 << 12000;
    }
    void objectsStayInTheDesignSpace()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        float s = 0;
        const auto cover = Drawn(width, height, &s);
        QCOMPARE(s, 1.0f);
        QCOMPARE(At(*cover, s, 7000, 4000), Green);
        const QImage &image = cover->Image();
        const int right = 7845 / TwipsPerPixel;
        const int bottom = 4710 / TwipsPerPixel;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (x < right && y < bottom)
                    continue;
                const long c = cover->PixelColour(x, y);
                QVERIFY2(c == Water || c == Grey || c == Black,
                         qPrintable(QStringLiteral("colour %1 at %2,%3").arg(c).arg(x).arg(y)));
            }
    }

    // The masts and the yard are boxes without width or height: they show
    // as black lines two pixels wide.
    void zeroWidthBoxesShowAsLines()
    {
        float s = 0;
        const auto cover = Drawn(15690, 9420, &s);
        // Small vessel mast from (3, -3) to (3, -6); motor vessel mast (5, -3)
        // to (5, -8) and yard (7, -7) to (3, -7).
        QCOMPARE(At(*cover, s, 3600 + 3 * 64, 2500 - 4.5 * 64), Black);
        QCOMPARE(At(*cover, s, 5500 + 5 * 96, 3500 - 6 * 96), Black);
        QCOMPARE(At(*cover, s, 5500 + 4 * 96, 3500 - 7 * 96), Black);
        QCOMPARE(At(*cover, s, 5500 + 5.5 * 96, 3500 - 6 * 96), Water);
        const int x = static_cast<int>(RoundHalfEven(s * (5500 + 5 * 96) / TwipsPerPixel));
        const int y = static_cast<int>(RoundHalfEven(s * (3500 - 6 * 96) / TwipsPerPixel));
        int blackRun = 0;
        for (int dx = -4; dx <= 4; ++dx)
            blackRun += cover->PixelColour(x + dx, y) == Black;
        QCOMPARE(blackRun, 2);
    }

    // A small picture: regions shrink to a few pixels and some seeds land
    // on outlines, but nothing escapes and the drawing ends.
    void smallPicture()
    {
        float s = 0;
        const auto cover = Drawn(1500, 900, &s);
        QCOMPARE(cover->PixelColour(10, 10), Grey);
        QCOMPARE(At(*cover, s, 3900, 1000), Water);
    }

    // The picture ends with fill colour black and line width 2, and drawing
    // it again over an old drawing gives the same picture.
    void redrawIsIdentical()
    {
        float s = 0;
        auto cover = Drawn(11768, 7065, &s);
        QCOMPARE(cover->FillColor(), Black);
        QCOMPARE(cover->DrawWidth(), 2);
        const QImage first = cover->Image().copy();
        DrawCoverPicture(*cover, s);
        QCOMPARE(cover->Image(), first);
    }
};

QTEST_MAIN(TestCoverPicture)
#include "tst_coverpicture.moc"
