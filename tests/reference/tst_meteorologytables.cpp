#include "ProgramState.h"

#include "reference/MeteorologyTables.h"

#include <QTest>

#include <stdexcept>

class TestMeteorologyTables : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    // Shape and heading row of every table, in the order of TableNo.
    void layout_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<QStringList>("headings");
        QTest::addRow("beaufort") << 0 << 12 << 4 << QStringList{"Number", "Description", "Sea State", "Knots"};
        QTest::addRow("warnings") << 1 << 4 << 2 << QStringList{"Term", "Meaning"};
        QTest::addRow("times") << 2 << 4 << 2 << QStringList{"Term", "Meaning"};
        QTest::addRow("visibility") << 3 << 5 << 2 << QStringList{"Term", "Meaning"};
        QTest::addRow("pressure-tendency") << 4 << 7 << 2 << QStringList{"Term", "Meaning"};
        QTest::addRow("speed") << 5 << 6 << 2 << QStringList{"Term", "Meaning"};
        QTest::addRow("pressure-changes") << 6 << 5 << 2 << QStringList{"Change", "Meaning"};
    }
    void layout()
    {
        QFETCH(int, table);
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(QStringList, headings);
        const TableLayout layout = MeteorologyLayout(table);
        QCOMPARE(layout.gridRows, rows);
        QCOMPARE(layout.gridCols, cols);
        QCOMPARE(layout.headings, headings);
        QCOMPARE(DataRowCount(table), rows - 1);
    }

    // Every answer text, character for character; the Beaufort scale's force
    // number is not among its answers.
    void texts_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("answers");
        QTest::addRow("beaufort-0") << 0 << 0 << QStringList{"Calm", "Sea Like Mirror", "<1"};
        QTest::addRow("beaufort-1") << 0 << 1 << QStringList{"Light Air", "Ripples Formed, No Foam Crests", "1-3"};
        QTest::addRow("beaufort-2") << 0 << 2
                                    << QStringList{
                                           "Light Breeze",
                                           "Small Wavelets, Short But More Pronounced. Crests Glassy But Do Not Break",
                                           "4-6"};
        QTest::addRow("beaufort-3") << 0 << 3
                                    << QStringList{
                                           "Gentle Breeze",
                                           "Large Wavelets, Crests Start To Break, Foam Glassy, Scattered White Horses",
                                           "7-10"};
        QTest::addRow("beaufort-4") << 0 << 4
                                    << QStringList{"Moderate Breeze",
                                                   "Small Waves Becoming Longer, Fairly Frequent White Horses",
                                                   "11-16"};
        QTest::addRow("beaufort-5")
            << 0 << 5
            << QStringList{"Fresh Breeze",
                           "Moderate Waves, Taking More Pronounced Form. Many White Horses, Perhaps Some Spray",
                           "17-21"};
        QTest::addRow("beaufort-6") << 0 << 6
                                    << QStringList{
                                           "Strong Breeze",
                                           "Large Waves Forming, White Foam Crests More Extensive, Probably Some Spray",
                                           "22-27"};
        QTest::addRow("beaufort-7") << 0 << 7
                                    << QStringList{
                                           "Near Gale",
                                           "Sea Heaps Up, White Foam From Breaking Waves Begins To Blow In Streaks",
                                           "28-33"};
        QTest::addRow("beaufort-8") << 0 << 8
                                    << QStringList{"Gale",
                                                   "Moderately High Waves Of Greater Length, Edge Of Crests Break Into "
                                                   "Spindrift, Foam Blown In Well-marked Streaks",
                                                   "34-40"};
        QTest::addRow("beaufort-9")
            << 0 << 9
            << QStringList{"Severe Gale",
                           "High Waves With Tumbling Crests, Dense Streaks Of Foam, Spray May Affect Visibility",
                           "41-47"};
        QTest::addRow("beaufort-10") << 0 << 10
                                     << QStringList{
                                            "Storm",
                                            "Very High Waves With Long Overhanging Crests, Dense Streams Of Foam Make "
                                            "Surface Of Sea White, Heavy Tumbling Sea, Visibility Affected",
                                            "48-55"};
        QTest::addRow("warnings-0") << 1 << 0
                                    << QStringList{"Gale", "Average Wind Speed Is Expected To Increase To F8 (34kn) Or "
                                                           "More, Or Gusts Of 43 Knots Are Expected"};
        QTest::addRow("warnings-1") << 1 << 1
                                    << QStringList{"Severe Gale", "Average Wind Speed Is Expected To Increase To F9 "
                                                                  "(41kn) Or More, Or Gusts Of 52 Knots Are Expected"};
        QTest::addRow("warnings-2") << 1 << 2
                                    << QStringList{"Storm", "Average Wind Speed Is Expected To Increase To F10 (48kn) "
                                                            "Or More, Or Gusts Of 61 Knots Are Expected"};
        QTest::addRow("times-0") << 2 << 0
                                 << QStringList{"Imminent", "Within 6 Hours From The Time Of Issue Of The Warning"};
        QTest::addRow("times-1") << 2 << 1
                                 << QStringList{"Soon", "6 To 12 Hours From The Time Of Issue Of The Warning"};
        QTest::addRow("times-2") << 2 << 2
                                 << QStringList{"Later", "More Than 12 Hours From The Time Of Issue Of The Warning"};
        QTest::addRow("visibility-0") << 3 << 0 << QStringList{"Good", "More Than 5 Miles (>5nM)"};
        QTest::addRow("visibility-1") << 3 << 1 << QStringList{"Moderate", "2 To 5 Miles (2-5nM)"};
        QTest::addRow("visibility-2") << 3 << 2 << QStringList{"Poor", "1000 Metres To 2 Miles (1000m-2nM)"};
        QTest::addRow("visibility-3") << 3 << 3 << QStringList{"Fog", "Less Than 1000 (<1000m)"};
        QTest::addRow("pressure-tendency-0") << 4 << 0 << QStringList{"Steady", "Change Less Than 0.1mb In 3 Hours"};
        QTest::addRow("pressure-tendency-1")
            << 4 << 1 << QStringList{"Rising Or Falling Slowly", "Change 0.1 To 1.5mb In Last 3 Hours"};
        QTest::addRow("pressure-tendency-2")
            << 4 << 2 << QStringList{"Rising Or Falling", "Change 1.6 To 3.5mb In Last 3 Hours"};
        QTest::addRow("pressure-tendency-3")
            << 4 << 3 << QStringList{"Rising Or Falling Quickly", "Change 3.6 To 6.0mb In Last 3 Hours"};
        QTest::addRow("pressure-tendency-4")
            << 4 << 4 << QStringList{"Rising Or Falling Very Rapidly", "Change More Than 6.0mb In Last 3 Hours"};
        QTest::addRow("pressure-tendency-5")
            << 4 << 5 << QStringList{"Now Rising Or Falling", "Change From Opposite Direction In Last 3 Hours"};
        QTest::addRow("speed-0") << 5 << 0 << QStringList{"Slowly", "Up To 15 Knots"};
        QTest::addRow("speed-1") << 5 << 1 << QStringList{"Steadily", "15 To 25 Knots"};
        QTest::addRow("speed-2") << 5 << 2 << QStringList{"Rather Quickly", "25 To 35 Knots"};
        QTest::addRow("speed-3") << 5 << 3 << QStringList{"Rapidly", "35 To 45 Knots"};
        QTest::addRow("speed-4") << 5 << 4 << QStringList{"Very Rapidly", "More Than 45 Knots"};
        QTest::addRow("pressure-changes-0")
            << 6 << 0 << QStringList{"Fall Of Over 8 mb In Three Hours", "Predicts Gale, Whatever The Starting Wind"};
        QTest::addRow("pressure-changes-1")
            << 6 << 1
            << QStringList{"Fall Of Over 5 mb In Three Hours", "Predicts Force 6, Force 8 If Wind Already Force 7"};
        QTest::addRow("pressure-changes-2") << 6 << 2
                                            << QStringList{"Rise Of Over 8 mb In Three Hours, After A Trough",
                                                           "Predicts Gale, Whatever The Starting Wind"};
        QTest::addRow("pressure-changes-3")
            << 6 << 3 << QStringList{"Rise Of Over 5 mb In Three Hours, After A Trough", "Predicts Force 6"};
    }
    void texts()
    {
        QFETCH(int, table);
        QFETCH(int, row);
        QFETCH(QStringList, answers);
        AnswerTexts texts;
        LoadTableTexts(table, texts);
        for (int k = 0; k < answers.size(); ++k)
            QCOMPARE(texts[row][k], answers[k]);
    }

    // Only the entries a table uses are written: after the Beaufort scale the
    // warnings leave its rows 3 to 10 and its knots column as they were, and
    // no table writes row 11.
    void unusedEntriesKeepEarlierTexts()
    {
        AnswerTexts texts;
        for (auto &row : texts)
            row.fill("unused");
        LoadTableTexts(0, texts);
        LoadTableTexts(1, texts);
        QCOMPARE(texts[0][0], QString("Gale"));
        QCOMPARE(
            texts[2][1],
            QString(
                "Average Wind Speed Is Expected To Increase To F10 (48kn) Or More, Or Gusts Of 61 Knots Are Expected"));
        QCOMPARE(texts[0][2], QString("<1"));
        QCOMPARE(texts[2][2], QString("4-6"));
        QCOMPARE(texts[3][0], QString("Gentle Breeze"));
        QCOMPARE(texts[10][0], QString("Storm"));
        QCOMPARE(texts[10][2], QString("48-55"));
        for (int table = 0; table < MeteorologyTableCount; ++table)
            LoadTableTexts(table, texts);
        for (const QString &text : texts[11])
            QCOMPARE(text, QString("unused"));
    }

    void noTableBeyondTheSeven()
    {
        AnswerTexts texts;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, LoadTableTexts(MeteorologyTableCount, texts));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, MeteorologyLayout(-1));
    }
};

QTEST_GUILESS_MAIN(TestMeteorologyTables)
#include "tst_meteorologytables.moc"
