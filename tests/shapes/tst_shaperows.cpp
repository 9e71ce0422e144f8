// The day-shapes tables as the editor writes and the quiz reads them, and the
// tag text an element carries from "&Add" to "&Save".

#include "ProgramState.h"
#include "TestDatabase.h"

#include "data/Database.h"
#include "shapes/ShapeRows.h"
#include "silhouettes/ElementShape.h"
#include "silhouettes/ShapeKinds.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestShapeRows : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        path = MakeTestDatabase(dir->path()) + "CALVOREN.MDB";
    }
    void cleanup() { ResetProgramState(); }

    // The editor's lists: the fourteen kinds in kind order, three sizes.
    void kindsAndSizes()
    {
        const QStringList kinds{"Mast",          "Ball",           "Cone Up",       "Cone Down",  "Diamond",
                                "Cylinder",      "Vertical",       "Horizontal",    "Head On Vessel",
                                "Side Vessel",   "Head On Barge",  "Side Barge",    "Fishing Vessel",
                                "Sailing Vessel"};
        QCOMPARE(int(ShapeKindTexts.size()), kinds.size());
        for (int i = 0; i < kinds.size(); ++i)
            QCOMPARE(QString::fromLatin1(ShapeKindTexts[i]), kinds[i]);
        QCOMPARE(QString(ShapeSizeChoices[0].text), QString("Large"));
        QCOMPARE(ShapeSizeChoices[0].unit, 150);
        QCOMPARE(QString(ShapeSizeChoices[1].text), QString("Medium"));
        QCOMPARE(ShapeSizeChoices[1].unit, 120);
        QCOMPARE(QString(ShapeSizeChoices[2].text), QString("Small"));
        QCOMPARE(ShapeSizeChoices[2].unit, 80);
    }

    void formatTag_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("tag");
        QTest::addRow("large-mast") << 150 << 0 << "150\\0";
        QTest::addRow("small-ball") << 80 << 1 << "80\\1";
        QTest::addRow("small-sailing-vessel") << 80 << 13 << "80\\13";
        QTest::addRow("no-kind-chosen") << 120 << -1 << "120\\-1";
    }
    void formatTag()
    {
        QFETCH(int, size);
        QFETCH(int, kind);
        QTEST(FormatElementTag(size, kind), "tag");
    }

    // Size before the first backslash, kind after it, each the leading
    // number of its text.
    void parseTag_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("kind");
        QTest::addRow("large-mast") << "150\\0" << 150.0 << 0.0;
        QTest::addRow("small-sailing-vessel") << "80\\13" << 80.0 << 13.0;
        QTest::addRow("leading-blanks") << " 120\\ 7" << 120.0 << 7.0;
        QTest::addRow("trailing-text-ignored") << "150px\\4th" << 150.0 << 4.0;
        QTest::addRow("second-backslash-ends-kind") << "80\\5\\9" << 80.0 << 5.0;
        QTest::addRow("empty-parts-are-zero") << "\\" << 0.0 << 0.0;
        QTest::addRow("fraction") << "80.5\\1.5" << 80.5 << 1.5;
    }
    void parseTag()
    {
        QFETCH(QString, tag);
        QFETCH(double, size);
        QFETCH(double, kind);
        const ElementTag parsed = ParsePictureTag(tag);
        QCOMPARE(parsed.size, size);
        QCOMPARE(parsed.kind, kind);
    }

    void tagWithoutBackslashIsAnError()
    {
        long number = 0;
        try {
            ParsePictureTag("150");
        } catch (const DbError &e) {
            number = e.Number();
        }
        QCOMPARE(number, 5L);
    }

    // A row written and read back: COLOUR 0, positions in single precision,
    // size and kind in double.
    void lineRoundTrip()
    {
        auto db = Database::OpenDatabase(path);
        Recordset line = db->OpenRecordset("ShapeLINE");
        ShapeLine element;
        element.x = 700.25f;
        element.y = -30.5f;
        element.size = 150;
        element.kind = 13;
        line.AddNew();
        line.SetValue("HEADER", 7);
        SetShapeLine(line, element);
        line.Update();
        line.Close();

        Recordset back = db->OpenRecordset("SHAPELINE");
        QCOMPARE(back.LongValue("COLOUR"), 0L);
        const ShapeLine read = ReadShapeLine(back);
        QCOMPARE(read.x, 700.25f);
        QCOMPARE(read.y, -30.5f);
        QCOMPARE(read.size, 150.0);
        QCOMPARE(read.kind, 13.0);
        back.Close();
        db->Close();
    }

    // A Null position, size or kind cannot be drawn: "Invalid use of Null"
    // (94). A Null colour is never read.
    void nullFieldOfLine_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<long>("error");
        QTest::addRow("xpos") << "XPOS" << 94L;
        QTest::addRow("ypos") << "YPOS" << 94L;
        QTest::addRow("size") << "SIZE" << 94L;
        QTest::addRow("listptr") << "LISTPTR" << 94L;
        QTest::addRow("colour-not-read") << "COLOUR" << 0L;
    }
    void nullFieldOfLine()
    {
        QFETCH(QString, field);
        QFETCH(long, error);
        auto db = Database::OpenDatabase(path);
        Recordset line = db->OpenRecordset("SHAPELINE");
        line.AddNew();
        line.SetValue("HEADER", 1);
        SetShapeLine(line, ShapeLine{});
        line.SetValue(field, QVariant());
        line.Update();
        line.Close();
        Recordset back = db->OpenRecordset("SHAPELINE");
        long number = 0;
        try {
            ReadShapeLine(back);
        } catch (const DbError &e) {
            number = e.Number();
        }
        QCOMPARE(number, error);
        back.Close();
        db->Close();
    }

    // The texts are stored exactly as typed, an empty fog signal as "".
    void headTexts()
    {
        auto db = Database::OpenDatabase(path);
        Recordset head = db->OpenRecordset("ShapeHEAD");
        head.AddNew();
        SetShapeHead(head, "  Two Cones ", "Vessel Fishing", "");
        head.Update();
        head.Close();
        Recordset back = db->OpenRecordset("SHAPEHEAD");
        QCOMPARE(back.TextValue("HINT"), QString("  Two Cones "));
        QCOMPARE(back.TextValue("TEXT"), QString("Vessel Fishing"));
        QVERIFY(!back.Value("FOGSIGNAL").isNull());
        QCOMPARE(back.TextValue("FOGSIGNAL"), QString(""));
        back.Close();
        db->Close();
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path;
};

QTEST_GUILESS_MAIN(TestShapeRows)
#include "tst_shaperows.moc"
