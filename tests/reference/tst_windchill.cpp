#include "reference/WindChill.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestWindChill : public QObject
{
    Q_OBJECT

private slots:
    // Hand-computed from W = (7.1766 x sqrt(V) + 10.45 - 0.5145 x V) x 0.045 x (T - 33) + 33,
    // e.g. T 0, V 10: (22.6947 + 10.45 - 5.145) x 0.045 x -33 + 33 = -8.5791.
    void windChill_data()
    {
        QTest::addColumn<double>("temperature");
        QTest::addColumn<double>("wind");
        QTest::addColumn<double>("chill");
        QTest::addColumn<QString>("shown");
        QTest::addRow("freezing-10kn") << 0.0 << 10.0 << -8.5791 << "-8.6";
        QTest::addRow("freezing-5kn") << 0.0 << 5.0 << -2.5284 << "-2.5";
        QTest::addRow("lowest-strongest") << -50.0 << 80.0 << -92.0458 << "-92.0";
        QTest::addRow("mild-20kn") << 10.0 << 20.0 << -0.3836 << "-0.4";
        QTest::addRow("warm-5kn") << 20.0 << 5.0 << 19.0040 << "19.0";
        QTest::addRow("cold-30kn") << -20.0 << 30.0 << -48.8600 << "-48.9";
        QTest::addRow("beyond-limits-100kn") << 0.0 << 100.0 << -12.6875 << "-12.7";
        QTest::addRow("at-33-no-chill") << 33.0 << 40.0 << 33.0 << "33.0";
        QTest::addRow("no-wind-keeps-temperature") << 12.34 << 0.0 << 12.34 << "12.3";
        QTest::addRow("no-wind-negative") << -7.0 << 0.0 << -7.0 << "-7.0";
    }
    void windChill()
    {
        QFETCH(double, temperature);
        QFETCH(double, wind);
        QFETCH(double, chill);
        QFETCH(QString, shown);
        const std::optional<double> result = WindChill(temperature, wind);
        QVERIFY(result.has_value());
        QVERIFY2(std::abs(*result - chill) < 1e-4, qPrintable(QString::number(*result, 'g', 10)));
        QCOMPARE(ChillText(*result), shown);
    }

    // No square root of a negative wind, and no result beyond a double's range.
    void noResult_data()
    {
        QTest::addColumn<double>("temperature");
        QTest::addColumn<double>("wind");
        QTest::addRow("negative-wind") << 0.0 << -5.0;
        QTest::addRow("infinite-temperature") << std::numeric_limits<double>::infinity() << 10.0;
        QTest::addRow("infinite-wind") << 0.0 << std::numeric_limits<double>::infinity();
        QTest::addRow("overflowing-result") << -1e307 << 1e10;
    }
    void noResult()
    {
        QFETCH(double, temperature);
        QFETCH(double, wind);
        QVERIFY(!WindChill(temperature, wind).has_value());
    }

    // "#0.0": one decimal, a digit before the point, no thousands separator.
    void chillText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("zero") << 0.0 << "0.0";
        QTest::addRow("negative-zero") << -0.0 << "0.0";
        QTest::addRow("below-one") << 0.44 << "0.4";
        QTest::addRow("small-negative") << -0.04 << "-0.0";
        QTest::addRow("rounds-up") << 5.96 << "6.0";
        QTest::addRow("thousands") << 1234.56 << "1234.6";
    }
    void chillText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(ChillText(value), text);
    }

    // Leaving a box keeps it within its limits, the limits themselves included.
    void limitedInput_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addRow("temperature-below") << 0 << "-60"
                                           << "-50";
        QTest::addRow("temperature-lowest") << 0 << "-50"
                                            << "-50";
        QTest::addRow("temperature-inside") << 0 << "12.5 degrees"
                                            << "12.5 degrees";
        QTest::addRow("temperature-highest") << 0 << "33"
                                             << "33";
        QTest::addRow("temperature-above") << 0 << "33.1"
                                           << "33";
        QTest::addRow("temperature-empty-stays-empty") << 0 << ""
                                                       << "";
        QTest::addRow("temperature-letters-read-0") << 0 << "warm"
                                                    << "warm";
        QTest::addRow("temperature-overflow") << 0 << "-1e999"
                                              << "-50";
        QTest::addRow("wind-below") << 1 << "4.9"
                                    << "5";
        QTest::addRow("wind-lowest") << 1 << "5"
                                     << "5";
        QTest::addRow("wind-highest") << 1 << "80"
                                      << "80";
        QTest::addRow("wind-above") << 1 << "100"
                                    << "80";
        QTest::addRow("wind-empty-becomes-5") << 1 << ""
                                              << "5";
        QTest::addRow("wind-negative") << 1 << "-10"
                                       << "5";
        QTest::addRow("wind-overflow") << 1 << "1e999"
                                       << "80";
        QTest::addRow("result-untouched") << 2 << "-100"
                                          << "-100";
    }
    void limitedInput()
    {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(LimitedInput(box, typed), kept);
    }
};

QTEST_GUILESS_MAIN(TestWindChill)
#include "tst_windchill.moc"
