#include "reference/MeteorologyTables.h"

#include <stdexcept>
#include <vector>

namespace {
struct Table {
    QStringList headings;
    // One entry per data row, its answer texts in column order.
    std::vector<QStringList> rows;
};

const std::array<Table, MeteorologyTableCount> &Tables()
{
    static const std::array<Table, MeteorologyTableCount> tables{{
        {{"Number", "Description", "Sea State", "Knots"},
         {
             {"Calm", "Sea Like Mirror", "<1"},
             {"Light Air", "Ripples Formed, No Foam Crests", "1-3"},
             {"Light Breeze", "Small Wavelets, Short But More Pronounced. Crests Glassy But Do Not Break", "4-6"},
             {"Gentle Breeze", "Large Wavelets, Crests Start To Break, Foam Glassy, Scattered White Horses", "7-10"},
             {"Moderate Breeze", "Small Waves Becoming Longer, Fairly Frequent White Horses", "11-16"},
             {"Fresh Breeze", "Moderate Waves, Taking More Pronounced Form. Many White Horses, Perhaps Some Spray",
              "17-21"},
             {"Strong Breeze", "Large Waves Forming, White Foam Crests More Extensive, Probably Some Spray", "22-27"},
             {"Near Gale", "Sea Heaps Up, White Foam From Breaking Waves Begins To Blow In Streaks", "28-33"},
             {"Gale",
              "Moderately High Waves Of Greater Length, Edge Of Crests Break Into Spindrift, Foam Blown In "
              "Well-marked Streaks",
              "34-40"},
             {"Severe Gale", "High Waves With Tumbling Crests, Dense Streaks Of Foam, Spray May Affect Visibility",
              "41-47"},
             {"Storm",
              "Very High Waves With Long Overhanging Crests, Dense Streams Of Foam Make Surface Of Sea White, "
              "Heavy Tumbling Sea, Visibility Affected",
              "48-55"},
         }},
        {{"Term", "Meaning"},
         {
             {"Gale",
              "Average Wind Speed Is Expected To Increase To F8 (34kn) Or More, Or Gusts Of 43 Knots Are Expected"},
             {"Severe Gale",
              "Average Wind Speed Is Expected To Increase To F9 (41kn) Or More, Or Gusts Of 52 Knots Are Expected"},
             {"Storm",
              "Average Wind Speed Is Expected To Increase To F10 (48kn) Or More, Or Gusts Of 61 Knots Are Expected"},
         }},
        {{"Term", "Meaning"},
         {
             {"Imminent", "Within 6 Hours From The Time Of Issue Of The Warning"},
             {"Soon", "6 To 12 Hours From The Time Of Issue Of The Warning"},
             {"Later", "More Than 12 Hours From The Time Of Issue Of The Warning"},
         }},
        {{"Term", "Meaning"},
         {
             {"Good", "More Than 5 Miles (>5nM)"},
             {"Moderate", "2 To 5 Miles (2-5nM)"},
             {"Poor", "1000 Metres To 2 Miles (1000m-2nM)"},
             {"Fog", "Less Than 1000 (<1000m)"},
         }},
        {{"Term", "Meaning"},
         {
             {"Steady", "Change Less Than 0.1mb In 3 Hours"},
             {"Rising Or Falling Slowly", "Change 0.1 To 1.5mb In Last 3 Hours"},
             {"Rising Or Falling", "Change 1.6 To 3.5mb In Last 3 Hours"},
             {"Rising Or Falling Quickly", "Change 3.6 To 6.0mb In Last 3 Hours"},
             {"Rising Or Falling Very Rapidly", "Change More Than 6.0mb In Last 3 Hours"},
             {"Now Rising Or Falling", "Change From Opposite Direction In Last 3 Hours"},
         }},
        {{"Term", "Meaning"},
         {
             {"Slowly", "Up To 15 Knots"},
             {"Steadily", "15 To 25 Knots"},
             {"Rather Quickly", "25 To 35 Knots"},
             {"Rapidly", "35 To 45 Knots"},
             {"Very Rapidly", "More Than 45 Knots"},
         }},
        {{"Change", "Meaning"},
         {
             {"Fall Of Over 8 mb In Three Hours", "Predicts Gale, Whatever The Starting Wind"},
             {"Fall Of Over 5 mb In Three Hours", "Predicts Force 6, Force 8 If Wind Already Force 7"},
             {"Rise Of Over 8 mb In Three Hours, After A Trough", "Predicts Gale, Whatever The Starting Wind"},
             {"Rise Of Over 5 mb In Three Hours, After A Trough", "Predicts Force 6"},
         }},
    }};
    return tables;
}

const Table &TableAt(int tableNo)
{
    if (tableNo < 0 || tableNo >= MeteorologyTableCount)
        throw std::out_of_range("No such meteorology table");
    return Tables()[static_cast<size_t>(tableNo)];
}
} // namespace

int DataRowCount(int tableNo)
{
    return static_cast<int>(TableAt(tableNo).rows.size());
}

TableLayout MeteorologyLayout(int tableNo)
{
    const Table &table = TableAt(tableNo);
    return {DataRowCount(tableNo) + 1, static_cast<int>(table.headings.size()), table.headings};
}

void LoadTableTexts(int tableNo, AnswerTexts &Answers)
{
    const Table &table = TableAt(tableNo);
    for (size_t i = 0; i < table.rows.size(); ++i)
        for (int k = 0; k < table.rows[i].size(); ++k)
            Answers[i][static_cast<size_t>(k)] = table.rows[i][k];
}
