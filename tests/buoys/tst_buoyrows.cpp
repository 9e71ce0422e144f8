// From an element's tag to the stored numbers, and from a stored row to the
// centre, unit, kind and topmark the quiz draws it with.

#include "ProgramState.h"

#include "buoys/BuoyPlacement.h"
#include "buoys/BuoyTag.h"

#include <QTest>

class TestBuoyRows : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    void tagText_data();
    void tagText();
    void tagReadBack_data();
    void tagReadBack();
    void pictureScale_data();
    void pictureScale();
    void storedRowPlaced_data();
    void storedRowPlaced();
};

void TestBuoyRows::tagText_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<long>("kind");
    QTest::addColumn<long>("topmark");
    QTest::addColumn<QString>("tag");
    QTest::addRow("large-north-cardinal-buoy-with-topmark") << 150 << 0L << -1L << "150\\0/-1";
    QTest::addRow("small-preferred-to-port-without") << 80 << 23L << 0L << "80\\23/0";
    QTest::addRow("medium-special-mark-stick") << 120 << 17L << 0L << "120\\17/0";
}

void TestBuoyRows::tagText()
{
    QFETCH(int, size);
    QFETCH(long, kind);
    QFETCH(long, topmark);
    QFETCH(QString, tag);
    QCOMPARE(BuoyTag(size, kind, topmark), tag);
}

// SIZE before the backslash, LISTPTR after it up to the slash, TOPMARK after
// the slash; each the leading number of its text.
void TestBuoyRows::tagReadBack_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("kind");
    QTest::addColumn<double>("topmark");
    QTest::addRow("medium-without") << "120\\17/0" << 120.0 << 17.0 << 0.0;
    QTest::addRow("large-with") << "150\\9/-1" << 150.0 << 9.0 << -1.0;
    QTest::addRow("small-last-kind") << "80\\23/0" << 80.0 << 23.0 << 0.0;
    QTest::addRow("first-slash-counts") << "150\\4/-1/7" << 150.0 << 4.0 << -1.0;
    QTest::addRow("empty-tag") << "" << 0.0 << 0.0 << 0.0;
    QTest::addRow("no-marks") << "150" << 0.0 << 0.0 << 0.0;
}

void TestBuoyRows::tagReadBack()
{
    QFETCH(QString, tag);
    QFETCH(double, size);
    QFETCH(double, kind);
    QFETCH(double, topmark);
    const BuoyTagValues values = ParseBuoyTag(tag);
    QCOMPARE(values.size, size);
    QCOMPARE(values.kind, kind);
    QCOMPARE(values.topmark, topmark);
}

// The smaller of width / 3000 and height / 1500.
void TestBuoyRows::pictureScale_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<float>("k");
    QTest::addRow("wide-picture-height-limits") << 6000.0 << 2000.0 << static_cast<float>(2000.0 / 1500);
    QTest::addRow("width-limits") << 4500.0 << 2400.0 << 1.5f;
    QTest::addRow("design-size") << 3000.0 << 1500.0 << 1.f;
    QTest::addRow("quiz-window-as-built") << 3015.0 << 3000.0 << 1.005f;
    QTest::addRow("wide-and-low") << 6000.0 << 1500.0 << 1.f;
}

void TestBuoyRows::pictureScale()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(float, k);
    QCOMPARE(BuoyPictureScale(width, height), k);
}

// Centres to the nearest twip, halves to even; the unit unrounded; kind and
// flag to the nearest whole number, halves to even.
void TestBuoyRows::storedRowPlaced_data()
{
    QTest::addColumn<float>("xpos");
    QTest::addColumn<float>("ypos");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("listptr");
    QTest::addColumn<double>("topmark");
    QTest::addColumn<float>("k");
    QTest::addColumn<long>("x");
    QTest::addColumn<long>("y");
    QTest::addColumn<float>("s");
    QTest::addColumn<long>("kind");
    QTest::addColumn<long>("flag");

    QTest::addRow("half-down-to-even") << 1000.5f << 1001.5f << 150.0 << 0.0 << -1.0 << 1.f << 1000L << 1002L << 150.f
                                       << 0L << -1L;
    QTest::addRow("scaled-halves") << 1001.f << 1003.f << 120.0 << 5.0 << 0.0 << 1.5f << 1502L << 1504L << 180.f << 5L
                                   << 0L;
    QTest::addRow("unit-keeps-its-fraction")
        << 602.5f << 1082.5f << 150.0 << 23.0 << -1.0 << 1.25f << 753L << 1353L << 187.5f << 23L << -1L;
    QTest::addRow("kind-halves-to-even") << 0.f << 0.f << 80.0 << 2.5 << 0.5 << 1.f << 0L << 0L << 80.f << 2L << 0L;
    QTest::addRow("kind-and-flag-up") << 0.f << 0.f << 80.0 << 3.5 << -1.5 << 1.f << 0L << 0L << 80.f << 4L << -2L;
    QTest::addRow("foreign-kind-kept") << 10.f << 20.f << 80.0 << -1.0 << 1.0 << 2.f << 20L << 40L << 160.f << -1L
                                       << 1L;
    QTest::addRow("below-the-kept-half") << 1500.f << 2000.f << 150.0 << 12.0 << 0.0 << 1.5f << 2250L << 3000L << 225.f
                                         << 12L << 0L;
}

void TestBuoyRows::storedRowPlaced()
{
    QFETCH(float, xpos);
    QFETCH(float, ypos);
    QFETCH(double, size);
    QFETCH(double, listptr);
    QFETCH(double, topmark);
    QFETCH(float, k);
    QFETCH(long, x);
    QFETCH(long, y);
    QFETCH(float, s);
    QFETCH(long, kind);
    QFETCH(long, flag);

    const PlacedBuoy placed = PlaceStoredBuoy(xpos, ypos, size, listptr, topmark, k);
    QCOMPARE(placed.x, x);
    QCOMPARE(placed.y, y);
    QCOMPARE(placed.s, s);
    QCOMPARE(placed.kind, kind);
    QCOMPARE(placed.topmark, flag);
}

QTEST_GUILESS_MAIN(TestBuoyRows)
#include "tst_buoyrows.moc"
