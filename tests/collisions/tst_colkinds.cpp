// What a collision picture is made of, without drawing: the kind and size
// lists, the element's tag, the hint split from its rule, and where a stored
// element lands on the quiz picture.

#include "ProgramState.h"

#include "collisions/ColKinds.h"
#include "collisions/ColRows.h"

#include <QTest>

#include "data/Database.h"

class TestColKinds : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    // The list texts exactly as the editor shows them, by kind number.
    void kindTexts()
    {
        const QStringList expected{"Mast",
                                   "Ball",
                                   "Cone Up",
                                   "Cone Down",
                                   "Diamond",
                                   "Cylinder",
                                   "Vertical",
                                   "Horizontal",
                                   "Head On Vessel",
                                   "Side Vessel Starboard",
                                   "Side Vessel Port",
                                   "Head On Barge",
                                   "Side Barge",
                                   "Fishing Vessel Startboard",
                                   "Fishing Vessel Port",
                                   "Sailing Vessel Startboard",
                                   "Sailing Vessel Port",
                                   "Fog",
                                   "Channel"};
        QStringList texts;
        for (const char *text : CollisionKindTexts)
            texts << QString::fromLatin1(text);
        QCOMPARE(texts, expected);
        QCOMPARE(int(Channel), 18);
        QCOMPARE(int(FishingVesselStarboard), 13);
    }

    void sizes()
    {
        QCOMPARE(QString(ColSizeChoices[0].text), QString("Large"));
        QCOMPARE(ColSizeChoices[0].unit, 150L);
        QCOMPARE(QString(ColSizeChoices[1].text), QString("Medium"));
        QCOMPARE(ColSizeChoices[1].unit, 120L);
        QCOMPARE(QString(ColSizeChoices[2].text), QString("Small"));
        QCOMPARE(ColSizeChoices[2].unit, 80L);
        QCOMPARE(QString(ColSizeChoices[3].text), QString("Very Small"));
        QCOMPARE(ColSizeChoices[3].unit, 40L);
    }

    // The tag is written as size, backslash, kind and read back the same way.
    void tagWrittenAndRead_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("tag");
        QTest::addRow("large-fog") << 150 << 17 << "150\\17";
        QTest::addRow("very-small-mast") << 40 << 0 << "40\\0";
        QTest::addRow("medium-channel") << 120 << 18 << "120\\18";
        QTest::addRow("small-side-vessel-port") << 80 << 10 << "80\\10";
    }
    void tagWrittenAndRead()
    {
        QFETCH(int, size);
        QFETCH(int, kind);
        QFETCH(QString, tag);
        QCOMPARE(FormatElementTag(size, kind), tag);
        const ElementTag read = ParseColTag(tag);
        QCOMPARE(read.size, double(size));
        QCOMPARE(read.kind, double(kind));
    }

    // Each part reads as the number it begins with; no number reads 0.
    void tagPartsReadAsLeadingNumbers_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("kind");
        QTest::addRow("second-backslash-ends-kind") << "150\\17\\3" << 150.0 << 17.0;
        QTest::addRow("fraction") << "40.5\\2.5" << 40.5 << 2.5;
        QTest::addRow("trailing-letters") << "80px\\4x" << 80.0 << 4.0;
        QTest::addRow("no-number") << "abc\\" << 0.0 << 0.0;
        QTest::addRow("negative-kind") << "40\\-1" << 40.0 << -1.0;
        QTest::addRow("no-backslash-read-whole-as-kind") << "17" << 0.0 << 17.0;
    }
    void tagPartsReadAsLeadingNumbers()
    {
        QFETCH(QString, tag);
        const ElementTag read = ParseColTag(tag);
        QTEST(read.size, "size");
        QTEST(read.kind, "kind");
    }

    // The hint stands before the first "~", the rule after it.
    void hintSplitFromRule_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("rule");
        QTest::addRow("hint-and-rule") << "Who gives way?~Rule 15" << "Who gives way?" << "Rule 15";
        QTest::addRow("no-tilde-no-rule") << "Look at the shapes" << "Look at the shapes" << "";
        QTest::addRow("leading-tilde-empty-hint") << "~Rule 12" << "" << "Rule 12";
        QTest::addRow("further-tildes-stay-in-rule") << "A~B~C" << "A" << "B~C";
        QTest::addRow("trailing-tilde-empty-rule") << "A~" << "A" << "";
        QTest::addRow("blanks-kept") << " A ~ B " << " A " << " B ";
        QTest::addRow("empty") << "" << "" << "";
    }
    void hintSplitFromRule()
    {
        QFETCH(QString, stored);
        const HintAndRule parts = SplitHint(stored);
        QTEST(parts.hint, "hint");
        QTEST(parts.rule, "rule");
    }

    // Centre and unit are the nearest twips to the stored values times k,
    // halves to even; the kind is the nearest whole number.
    void placement_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("kind");
        QTest::addColumn<float>("k");
        QTest::addColumn<QList<long>>("expected"); // cx, cy, s, kind
        QTest::addRow("design-size") << 3000.0 << 1500.0 << 150.0 << 0.0 << 1.0f << QList<long>{3000, 1500, 150, 0};
        QTest::addRow("half-odd-down") << 1001.0 << 1003.0 << 75.0 << 1.0 << 0.5f << QList<long>{500, 502, 38, 1};
        QTest::addRow("kind-2.5-is-2") << 0.0 << 0.0 << 40.0 << 2.5 << 1.0f << QList<long>{0, 0, 40, 2};
        QTest::addRow("kind-3.5-is-4") << 0.0 << 0.0 << 40.0 << 3.5 << 1.0f << QList<long>{0, 0, 40, 4};
        QTest::addRow("unit-22.5-is-22") << 0.0 << 0.0 << 40.0 << 9.0 << 0.5625f << QList<long>{0, 0, 22, 9};
        QTest::addRow("three-quarters") << 4000.0 << 2000.0 << 120.0 << 18.0 << 0.75f
                                        << QList<long>{3000, 1500, 90, 18};
        QTest::addRow("off-canvas-negative") << -300.0 << 3300.0 << 80.0 << 5.0 << 1.0f
                                             << QList<long>{-300, 3300, 80, 5};
        QTest::addRow("kind-19-kept-for-nothing") << 0.0 << 0.0 << 40.0 << 19.0 << 1.0f << QList<long>{0, 0, 40, 19};
        QTest::addRow("kind-far-out-is-none") << 0.0 << 0.0 << 40.0 << 1e12 << 1.0f << QList<long>{0, 0, 40, -1};
    }
    void placement()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, size);
        QFETCH(double, kind);
        QFETCH(float, k);
        QFETCH(QList<long>, expected);
        const ColPlacement at = PlaceColLine(ColLine{x, y, size, kind}, k);
        QCOMPARE((QList<long>{at.cx, at.cy, at.s, at.kind}), expected);
    }

    // A place or unit beyond the 32-bit range is an overflow, not a wrapped number.
    void placementOverflows_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("size");
        QTest::addRow("x") << 3e9 << 40.0;
        QTest::addRow("unit") << 0.0 << -3e9;
    }
    void placementOverflows()
    {
        QFETCH(double, x);
        QFETCH(double, size);
        QVERIFY_THROWS_EXCEPTION(DbError, PlaceColLine(ColLine{x, 0, size, 0}, 1.0f));
    }
};

QTEST_GUILESS_MAIN(TestColKinds)
#include "tst_colkinds.moc"
