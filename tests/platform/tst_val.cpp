// The number a text begins with: wind-chill input, stored sound modes and the
// tags editor elements carry are all read this way.

#include "ProgramState.h"

#include "platform/values/Val.h"

#include <QTest>

#include <limits>

class TestVal : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addRow("empty") << "" << 0.0;
        QTest::addRow("whole") << "12" << 12.0;
        QTest::addRow("followed-by-letters") << "12abc" << 12.0;
        QTest::addRow("letters-only") << "abc" << 0.0;
        QTest::addRow("letters-first") << "x12" << 0.0;
        QTest::addRow("negative") << "-1" << -1.0;
        QTest::addRow("negative-decimal") << "-3.5" << -3.5;
        QTest::addRow("plus-sign") << "+7" << 7.0;
        QTest::addRow("fraction") << "80.5" << 80.5;
        QTest::addRow("point-first") << ".5" << 0.5;
        QTest::addRow("trailing-point") << "5." << 5.0;
        QTest::addRow("exponent") << "1e2" << 100.0;
        QTest::addRow("negative-exponent") << "25E-1" << 2.5;
        QTest::addRow("d-exponent") << "1d2" << 100.0;
        QTest::addRow("upper-d-exponent") << "5D-1" << 0.5;
        QTest::addRow("exponent-without-digits") << "4e" << 4.0;
        QTest::addRow("exponent-sign-without-digits") << "4e-x" << 4.0;
        QTest::addRow("second-point-stops") << "2.5.1" << 2.5;
        QTest::addRow("comma-stops") << "1,5" << 1.0;
        QTest::addRow("backslash-stops") << "150\\17" << 150.0;
        QTest::addRow("slash-stops") << "-1/7" << -1.0;
        QTest::addRow("unit-letters-stop") << "150px" << 150.0;
        QTest::addRow("ordinal-letters-stop") << "4th" << 4.0;
        QTest::addRow("leading-blank") << " 120" << 120.0;
        QTest::addRow("blanks-around") << " 3 " << 3.0;
        QTest::addRow("blanks-anywhere") << " 1 2 .5 " << 12.5;
        QTest::addRow("blank-after-sign") << "- 4" << -4.0;
        QTest::addRow("tabs-and-line-feeds-passed-over") << "\t1\n2" << 12.0;
        QTest::addRow("sign-alone") << "-" << 0.0;
        QTest::addRow("sign-and-point-alone") << "-." << 0.0;
        QTest::addRow("degree-sign-stops") << "20\u00B0C" << 20.0;
        QTest::addRow("other-script-digits-are-no-number") << "\u0661\u0662" << 0.0;
        // Beyond the range of a double: an infinity of the number's sign.
        QTest::addRow("beyond-range") << "1e999" << std::numeric_limits<double>::infinity();
        QTest::addRow("beyond-range-negative") << "-1e999" << -std::numeric_limits<double>::infinity();
        QTest::addRow("beyond-range-d-exponent") << "1d400" << std::numeric_limits<double>::infinity();
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text), value);
    }

    // Whether a text holds a number at its start or reads 0 for want of one.
    void beginsWithNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addRow("zero") << "0" << true;
        QTest::addRow("followed-by-letters") << "12abc" << true;
        QTest::addRow("point-first") << ".5" << true;
        QTest::addRow("blank-after-sign") << "- 4" << true;
        QTest::addRow("beyond-range") << "1e999" << true;
        QTest::addRow("letters-first") << "abc20" << false;
        QTest::addRow("empty") << "" << false;
        QTest::addRow("blanks-only") << "  " << false;
        QTest::addRow("sign-alone") << "-" << false;
        QTest::addRow("point-alone") << "." << false;
        QTest::addRow("exponent-alone") << "e5" << false;
    }
    void beginsWithNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QCOMPARE(BeginsWithNumber(text), number);
    }
};

QTEST_GUILESS_MAIN(TestVal)
#include "tst_val.moc"
