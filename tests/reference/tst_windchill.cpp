#include "ProgramState.h"

#include "reference/WindChill.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestWindChill : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    // Reference values worked out from the index, 13.12 + 0.6215 T -
    // 11.37 V^0.16 + 0.3965 T V^0.16 (T in C, V in km/h), across its whole
    // range; the wind is typed in knots, km/h / 1.852. E.g. -10 C at 40 km/h:
    // 13.12 - 6.215 - 11.37 x 1.80431 - 3.965 x 1.80431 = -20.7653.
    void index_data()
    {
        QTest::addColumn<double>("temperature");
        QTest::addColumn<double>("kmh");
        QTest::addColumn<double>("chill");
        QTest::addColumn<QString>("shown");
        QTest::addRow("10C-5kmh") << 10.0 << 5.0 << 9.7551 << "9.8";
        QTest::addRow("10C-100kmh") << 10.0 << 100.0 << 3.8638 << "3.9";
        QTest::addRow("5C-10kmh") << 5.0 << 10.0 << 2.6584 << "2.7";
        QTest::addRow("0C-20kmh") << 0.0 << 20.0 << -5.2422 << "-5.2";
        QTest::addRow("0C-100kmh") << 0.0 << 100.0 << -10.6353 << "-10.6";
        QTest::addRow("-5C-30kmh") << -5.0 << 30.0 << -12.9967 << "-13.0";
        QTest::addRow("-10C-40kmh") << -10.0 << 40.0 << -20.7653 << "-20.8";
        QTest::addRow("-15C-15kmh") << -15.0 << 15.0 << -22.9116 << "-22.9";
        QTest::addRow("-20C-60kmh") << -20.0 << 60.0 << -36.4688 << "-36.5";
        QTest::addRow("-25C-20kmh") << -25.0 << 20.0 << -36.7881 << "-36.8";
        QTest::addRow("-30C-80kmh") << -30.0 << 80.0 << -52.4277 << "-52.4";
        QTest::addRow("-35C-50kmh") << -35.0 << 50.0 << -55.8446 << "-55.8";
        QTest::addRow("-40C-25kmh") << -40.0 << 25.0 << -57.3141 << "-57.3";
        QTest::addRow("-45C-70kmh") << -45.0 << 70.0 << -72.4955 << "-72.5";
        QTest::addRow("-50C-5kmh") << -50.0 << 5.0 << -58.3121 << "-58.3";
        QTest::addRow("-50C-100kmh") << -50.0 << 100.0 << -83.1306 << "-83.1";
        // Knots as typed: -10 C at 30 kn and 10 C at 20 kn.
        QTest::addRow("-10C-30kn") << -10.0 << 30 * 1.852 << -22.2589 << "-22.3";
        QTest::addRow("10C-20kn") << 10.0 << 20 * 1.852 << 6.1369 << "6.1";
    }
    void index()
    {
        QFETCH(double, temperature);
        QFETCH(double, kmh);
        QFETCH(double, chill);
        QFETCH(QString, shown);
        const std::optional<double> result = WindChill(temperature, kmh / 1.852);
        QVERIFY(result.has_value());
        QVERIFY2(std::abs(*result - chill) < 1e-3, qPrintable(QString::number(*result, 'g', 10)));
        QCOMPARE(ChillText(*result), shown);
    }

    // Environment Canada's wind chill chart (Meteorological Service of
    // Canada), which gives the index to whole degrees.
    void publishedChart_data()
    {
        QTest::addColumn<double>("temperature");
        QTest::addColumn<double>("kmh");
        QTest::addColumn<int>("chart");
        QTest::addRow("5C-10kmh") << 5.0 << 10.0 << 3;
        QTest::addRow("0C-5kmh") << 0.0 << 5.0 << -2;
        QTest::addRow("-10C-30kmh") << -10.0 << 30.0 << -20;
        QTest::addRow("-25C-20kmh") << -25.0 << 20.0 << -37;
        QTest::addRow("-35C-65kmh") << -35.0 << 65.0 << -58;
        QTest::addRow("-50C-80kmh") << -50.0 << 80.0 << -81;
    }
    void publishedChart()
    {
        QFETCH(double, temperature);
        QFETCH(double, kmh);
        QFETCH(int, chart);
        const std::optional<double> result = WindChill(temperature, kmh / 1.852);
        QVERIFY(result.has_value());
        QCOMPARE(static_cast<int>(std::lround(*result)), chart);
    }

    // Outside the index's range the air temperature itself: air warmer than
    // 10 C, or wind under 4.8 km/h (2.59 kn). At 10 C and at 4.8 km/h the
    // index holds: 13.12 + 6.215 - 11.37 x 1.28526 + 3.965 x 1.28526 = 9.8175.
    void outsideTheIndex_data()
    {
        QTest::addColumn<double>("temperature");
        QTest::addColumn<double>("kmh");
        QTest::addColumn<double>("chill");
        QTest::addRow("no-wind") << -7.0 << 0.0 << -7.0;
        QTest::addRow("light-air") << -20.0 << 4.7 << -20.0;
        QTest::addRow("walking-pace") << 10.0 << 4.8 << 9.8175;
        QTest::addRow("just-above-10C") << 10.01 << 50.0 << 10.01;
        QTest::addRow("warm-gale") << 20.0 << 80.0 << 20.0;
        QTest::addRow("skin-warm") << 33.0 << 40.0 << 33.0;
        QTest::addRow("hot") << 40.0 << 10.0 << 40.0;
    }
    void outsideTheIndex()
    {
        QFETCH(double, temperature);
        QFETCH(double, kmh);
        QFETCH(double, chill);
        const std::optional<double> result = WindChill(temperature, kmh / 1.852);
        QVERIFY(result.has_value());
        QVERIFY2(std::abs(*result - chill) < 1e-3, qPrintable(QString::number(*result, 'g', 10)));
    }

    // Over every tenth of a knot to 100 kn: never above the air, never
    // warmer with more wind, also where the index gives way to the air
    // temperature.
    void neverWarmer_data()
    {
        QTest::addColumn<double>("temperature");
        for (double t : {-50.0, -20.0, 0.0, 5.0, 10.0, 10.5, 20.0, 33.0, 40.0})
            QTest::addRow("%gC", t) << t;
    }
    void neverWarmer()
    {
        QFETCH(double, temperature);
        double last = temperature;
        for (int tenths = 0; tenths <= 1000; ++tenths) {
            const double wind = tenths / 10.0;
            const std::optional<double> chill = WindChill(temperature, wind);
            QVERIFY(chill.has_value());
            QVERIFY2(*chill <= temperature, qPrintable(QString("%1 kn: %2").arg(wind).arg(*chill)));
            QVERIFY2(*chill <= last, qPrintable(QString("%1 kn: %2 after %3").arg(wind).arg(*chill).arg(last)));
            last = *chill;
        }
    }

    // No square root of a negative wind, and no result beyond a double's range.
    void noResult_data()
    {
        QTest::addColumn<double>("temperature");
        QTest::addColumn<double>("wind");
        QTest::addRow("negative-wind") << 0.0 << -5.0;
        QTest::addRow("infinite-temperature") << std::numeric_limits<double>::infinity() << 10.0;
        QTest::addRow("infinite-wind") << 0.0 << std::numeric_limits<double>::infinity();
        QTest::addRow("overflowing-result") << -1.5e308 << 10.0;
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

    // Leaving a box keeps it within its limits, the limits themselves
    // included; a text that is no number stays as typed.
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
        QTest::addRow("wind-blanks-become-5") << 1 << "  "
                                              << "5";
        // Left as typed for the calculation to report.
        QTest::addRow("wind-letters-kept") << 1 << "calm"
                                           << "calm";
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
