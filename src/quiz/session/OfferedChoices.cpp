#include "quiz/session/OfferedChoices.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/values/Shuffle.h"
#include "quiz/session/LinkServices.h"

#include <memory>

std::vector<Choice> ReadOfferedChoices(Database &db, long topicCode, long recordNo, const QString &answerText)
{
    std::vector<Choice> choices;
    Recordset rs = db.OpenRecordset(QStringLiteral("ALTERNATIVES"));
    rs.Index(QStringLiteral("HEADTYPE"));
    rs.Seek(QStringLiteral("="), static_cast<qlonglong>(topicCode), static_cast<qlonglong>(recordNo));
    if (rs.NoMatch()) {
        choices.push_back({answerText, -1});
    } else {
        // The set ends at the first row of another picture or topic.
        while (!rs.Eof() && rs.LongValue(QStringLiteral("TYPE")) == topicCode &&
               rs.LongValue(QStringLiteral("RECORDONE")) == recordNo) {
            const long offered = rs.LongValue(QStringLiteral("RECORDTWO"));
            const int value = rs.BoolValue(QStringLiteral("ANSWER")) ? -1 : 0;
            choices.push_back({ReadPossible(topicCode, offered), value});
            rs.MoveNext();
        }
    }
    rs.Close();
    return choices;
}

std::vector<Choice> OfferedChoices(long topicCode, long recordNo, const QString &answerText, const QString &location)
{
    std::vector<Choice> choices;
    std::unique_ptr<Database> db;
    Trap(location, [&] { db = Database::OpenDatabase(AppPath + QStringLiteral("CALVOREN.MDB")); });
    if (db) {
        Trap(location, [&] { choices = ReadOfferedChoices(*db, topicCode, recordNo, answerText); });
        Trap(location, [&] { db->Close(); });
    }
    if (choices.size() > 1)
        ShuffleEntries(choices);
    return choices;
}
