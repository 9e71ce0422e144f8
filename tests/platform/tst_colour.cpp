// The named colours are blue-green-red integers: red in the low byte.

#include "ProgramState.h"

#include "platform/graphics/Colour.h"

#include <QTest>

class TestColour : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    void named_data()
    {
        QTest::addColumn<long>("bgr");
        QTest::addColumn<QColor>("colour");
        QTest::addRow("black") << Colours::Black << QColor(0, 0, 0);
        QTest::addRow("red") << Colours::Red << QColor(255, 0, 0);
        QTest::addRow("green") << Colours::Green << QColor(0, 255, 0);
        QTest::addRow("yellow") << Colours::Yellow << QColor(255, 255, 0);
        QTest::addRow("blue") << Colours::Blue << QColor(0, 0, 255);
        QTest::addRow("white") << Colours::White << QColor(255, 255, 255);
        QTest::addRow("grey") << Colours::Grey << QColor(128, 128, 128);
        QTest::addRow("light-grey") << Colours::LightGrey << QColor(192, 192, 192);
    }
    void named()
    {
        QFETCH(long, bgr);
        QFETCH(QColor, colour);
        QCOMPARE(BgrToQColor(bgr), colour);
        QCOMPARE(QColorToBgr(colour), bgr);
    }
};

QTEST_GUILESS_MAIN(TestColour)
#include "tst_colour.moc"
