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
        QTest::addRow("lowest-strongest") << -50.0 << 80.0 << -99.5030 << "-99.5";
        QTest::addRow("mild-20kn") << 10.0 << 20.0 << -0.3836 << "-0.4";
        QTest::addRow("warm-5kn") << 20.0 << 5.0 << 19.0040 << "19.0";
        QTest::addRow("cold-30kn") << -20.0 << 30.0 << -48.8600 << "-48.9";
        QTest::addRow("beyond-limits-100kn") << 0.0 << 100.0 << -19.6819 << "-19.7";
        QTest::addRow("at-33-no-chill") << 33.0 << 40.0 << 33.0 << "33.0";
        QTest::addRow("above-33-no-warmer") << 40.0 << 10.0 << 40.0 << "40.0";
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

    // Where the formula turns: below about 3 knots it would give more than
    // the air, above its coldest wind (7.1766 / (2 x 0.5145))^2 = 48.64 kn
    // less chill for more wind. The figure is the formula's, but never above
    // the air and, for a stronger wind, the formula's at 48.64 kn
    // (7.1766 x 6.97434 + 10.45 - 0.5145 x 48.6415 = 35.47604). E.g. 5 C
    // at 80 kn: 35.47604 x 0.045 x -28 + 33 = -11.6998, not -9.1841.
    void edgesOfTheFormula_data()
    {
        QTest::addColumn<double>("temperature");
        QTest::addColumn<double>("wind");
        QTest::addColumn<double>("chill");
        const double winds[] = {0, 1, 3, 48, 49, 60, 80};
        const struct {
            double temperature;
            double chills[7];
        } rows[] = {
            {-20, {-20, -20, -20, -51.6077, -51.6104, -51.6104, -51.6104}},
            {0, {0, 0, 0, -19.6803, -19.6819, -19.6819, -19.6819}},
            {5, {5, 5, 5, -11.6984, -11.6998, -11.6998, -11.6998}},
            {20, {20, 20, 20, 12.2472, 12.2465, 12.2465, 12.2465}},
        };
        for (const auto &row : rows)
            for (int i = 0; i < 7; ++i)
                QTest::addRow("%gC-%gkn", row.temperature, winds[i]) << row.temperature << winds[i] << row.chills[i];
    }
    void edgesOfTheFormula()
    {
        QFETCH(double, temperature);
        QFETCH(double, wind);
        QFETCH(double, chill);
        const std::optional<double> result = WindChill(temperature, wind);
        QVERIFY(result.has_value());
        QVERIFY2(std::abs(*result - chill) < 1e-4, qPrintable(QString::number(*result, 'g', 10)));
    }

    // Over every tenth of a knot to 100 kn: never above the air, never
    // warmer with more wind, also in air at skin temperature (33) and above,
    // where the formula would have wind warm it.
    void neverWarmer_data()
    {
        QTest::addColumn<double>("temperature");
        for (double t : {-50.0, -20.0, 0.0, 5.0, 20.0, 33.0, 40.0})
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
