#include "LightPictures.h"

#include "quiz/session/PictureRecords.h"
#include "quiz/session/PictureScale.h"

#include <QTest>

class TestPictureRecords : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
    }
    void cleanup() { fixture.reset(); }

    // The examples of the scaling rule: a light at (3000, 1500), radius 100,
    // drawn on boxes of several sizes, from the top-left corner, not centred.
    void scaling_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("value");
        QTest::addColumn<long>("expected");
        QTest::addRow("design-size-x") << 6000 << 3000 << 3000.0 << 3000L;
        QTest::addRow("design-size-radius") << 6000 << 3000 << 100.0 << 100L;
        QTest::addRow("wide-box-height-limits-x") << 9000 << 3000 << 3000.0 << 3000L;
        QTest::addRow("wide-box-height-limits-y") << 9000 << 3000 << 1500.0 << 1500L;
        QTest::addRow("square-box-half-x") << 3000 << 3000 << 3000.0 << 1500L;
        QTest::addRow("square-box-half-y") << 3000 << 3000 << 1500.0 << 750L;
        QTest::addRow("square-box-half-radius") << 3000 << 3000 << 100.0 << 50L;
        // Exact halves go to the even neighbour, not away from zero.
        QTest::addRow("half-125-to-even-62") << 3000 << 3000 << 125.0 << 62L;
        QTest::addRow("half-135-to-even-68") << 3000 << 3000 << 135.0 << 68L;
        QTest::addRow("half-5-to-even-2") << 3000 << 1500 << 5.0 << 2L;
        QTest::addRow("narrow-tall-box-width-limits") << 3000 << 9000 << 1500.0 << 750L;
        QTest::addRow("rounds-to-nearest") << 7000 << 3500 << 100.0 << 117L;
    }
    void scaling()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, value);
        QFETCH(long, expected);
        QCOMPARE(ScaleToPicture(value, PictureScale(width, height)), expected);
    }

    // Every head row joins the series, in key order, however many there are.
    void allPicturesInKeyOrder()
    {
        std::vector<long> added;
        for (int i = 0; i < 250; ++i)
            added.push_back(AddLightPicture(*fixture, "h", QString("t%1").arg(i), "f", 0));
        auto db = fixture->Open();
        const std::vector<long> read = ReadAllPictures(*db, "LightHEAD");
        db->Close();
        QCOMPARE(read, added);
    }

    // Link mode takes RECORDTWO of the rows from one picture toward one topic only.
    void linkedPictures()
    {
        fixture->AddLink(2, 7, 1, 30);
        fixture->AddLink(2, 7, 1, 31);
        fixture->AddLink(2, 7, 3, 40); // toward another topic
        fixture->AddLink(2, 8, 1, 50); // from another picture
        fixture->AddLink(3, 7, 1, 60); // from another topic
        auto db = fixture->Open();
        const std::vector<long> read = ReadLinkedPictures(*db, 2, 7, 1);
        db->Close();
        QCOMPARE(read, (std::vector<long>{30, 31}));
    }

    // Null texts read as the defaults; empty texts stay empty.
    void headTexts_data()
    {
        QTest::addColumn<QVariant>("hint");
        QTest::addColumn<QVariant>("text");
        QTest::addColumn<QVariant>("fog");
        QTest::addColumn<QString>("hintRead");
        QTest::addColumn<QString>("textRead");
        QTest::addColumn<QString>("fogRead");
        QTest::addRow("stored") << QVariant("Two masthead") << QVariant("Power over 50m") << QVariant("One long")
                                << "Two masthead" << "Power over 50m" << "One long";
        QTest::addRow("all-null") << QVariant() << QVariant() << QVariant() << "No Hint" << "No Text" << "Unknown";
        QTest::addRow("empty-fog-kept") << QVariant("h") << QVariant("t") << QVariant("") << "h" << "t" << "";
    }
    void headTexts()
    {
        QFETCH(QVariant, hint);
        QFETCH(QVariant, text);
        QFETCH(QVariant, fog);
        const long record = AddLightPicture(*fixture, hint, text, fog, 2);
        auto db = fixture->Open();
        int direction = -1;
        const PictureHead head = ReadPictureHead(*db, "LIGHTHEAD", record, "FOGSIGNAL", [&](const Recordset &rs) {
            direction = static_cast<int>(rs.LongValue("DIRECTION"));
        });
        db->Close();
        QVERIFY(head.found);
        QTEST(head.hintText, "hintRead");
        QTEST(head.answerText, "textRead");
        QTEST(head.furtherText, "fogRead");
        QCOMPARE(direction, 2);
    }

    // A number without a head row (a deleted picture) is not an error: the
    // defaults stand and the topic's own fields are not read.
    void missingHead()
    {
        const long record = AddLightPicture(*fixture, "h", "t", "f", 1);
        fixture->DeleteHead("LIGHTHEAD", record);
        auto db = fixture->Open();
        bool readMore = false;
        const PictureHead head =
            ReadPictureHead(*db, "LIGHTHEAD", record, "FOGSIGNAL", [&](const Recordset &) { readMore = true; });
        db->Close();
        QVERIFY(!head.found);
        QVERIFY(!readMore);
        QCOMPARE(head.hintText, QString("No Hint"));
        QCOMPARE(head.answerText, QString("No Text"));
        QCOMPARE(head.furtherText, QString("Unknown"));
    }

    // The walk hands over the picture's own rows only: it stops at the next
    // picture's first row, and at the end of the table for the last picture.
    void walkStopsAtNextPicture_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QList<double>>("expectedX");
        QTest::addRow("first-rows-added-apart") << 0 << QList<double>{10, 11, 12};
        QTest::addRow("middle") << 1 << QList<double>{20};
        QTest::addRow("last-rows-of-table") << 2 << QList<double>{30, 31};
    }
    void walkStopsAtNextPicture()
    {
        QFETCH(int, which);
        QFETCH(QList<double>, expectedX);
        const long a = AddLightPicture(*fixture, "h", "a", "f", 0, {Light(255, false, 10, 0, 40), Light(255, false, 11, 0, 40)});
        const long b = AddLightPicture(*fixture, "h", "b", "f", 0, {Light(255, false, 20, 0, 40)});
        const long c = AddLightPicture(*fixture, "h", "c", "f", 0, {Light(255, false, 30, 0, 40), Light(255, false, 31, 0, 40)});
        // A row of the first picture stored after the others still belongs to it.
        AddLights(*fixture, a, {Light(255, false, 12, 0, 40)});
        const long records[] = {a, b, c};
        auto db = fixture->Open();
        QList<double> walked;
        WalkPictureLines(*db, "LIGHTLINE", records[which],
                         [&](const Recordset &rs) { walked << rs.DoubleValue("XPOS"); });
        db->Close();
        QCOMPARE(walked, expectedX);
    }

    void walkOfPictureWithoutLines()
    {
        const long a = AddLightPicture(*fixture, "h", "a", "f", 0);
        AddLightPicture(*fixture, "h", "b", "f", 0, {Light(255, false, 20, 0, 40)});
        auto db = fixture->Open();
        int rows = 0;
        WalkPictureLines(*db, "LIGHTLINE", a, [&](const Recordset &) { ++rows; });
        db->Close();
        QCOMPARE(rows, 0);
    }

private:
    std::unique_ptr<PictureFixture> fixture;
};

QTEST_GUILESS_MAIN(TestPictureRecords)
#include "tst_picturerecords.moc"
