#include "quiz/session/ListRows.h"

#include "data/Database.h"
#include "quiz/session/Topics.h"

namespace {
std::vector<long> ReadRecordTwo(Database &db, const QString &sql, const QVariantList &params)
{
    std::vector<long> records;
    Recordset rs = db.OpenQuery(sql, params);
    while (!rs.Eof()) {
        records.push_back(rs.LongValue(QStringLiteral("RECORDTWO")));
        rs.MoveNext();
    }
    rs.Close();
    return records;
}

qlonglong Key(long value)
{
    return static_cast<qlonglong>(value);
}
} // namespace

std::vector<HeadEntry> ReadHeadEntries(Database &db, long topicCode)
{
    std::vector<HeadEntry> entries;
    Recordset rs = db.OpenRecordset(Topics::HeadTable(topicCode));
    rs.Index(QStringLiteral("PRIMARY"));
    while (!rs.Eof()) {
        HeadEntry entry;
        entry.record = rs.LongValue(QStringLiteral("RECORD"));
        const QVariant text = rs.Value(QStringLiteral("TEXT"));
        entry.textMissing = text.isNull();
        entry.text = text.toString();
        entries.push_back(entry);
        rs.MoveNext();
    }
    rs.Close();
    return entries;
}

void DeletePicture(Database &db, long topicCode, long record)
{
    Transaction transaction(db);
    db.Execute(QStringLiteral("Delete * From %1 Where RECORD = ?").arg(Topics::HeadTable(topicCode)), {Key(record)});
    db.Execute(QStringLiteral("Delete * From %1 Where HEADER = ?").arg(Topics::LineTable(topicCode)), {Key(record)});
    transaction.Commit();
}

std::vector<long> ReadSavedAlternatives(Database &db, long topicCode, long record)
{
    return ReadRecordTwo(db, QStringLiteral("Select RECORDTWO From ALTERNATIVES Where TYPE = ? And RECORDONE = ?"),
                         {Key(topicCode), Key(record)});
}

std::vector<long> ReadSavedLinks(Database &db, long topicCode, long record, long typeTwo)
{
    return ReadRecordTwo(
        db, QStringLiteral("Select RECORDTWO From LINKS Where TYPEONE = ? And RECORDONE = ? And TYPETWO = ?"),
        {Key(topicCode), Key(record), Key(typeTwo)});
}

void ReplaceAlternatives(Database &db, long topicCode, long record, const std::vector<long> &others)
{
    Transaction transaction(db);
    db.Execute(QStringLiteral("Delete * From ALTERNATIVES Where TYPE = ? And RECORDONE = ?"),
               {Key(topicCode), Key(record)});
    Recordset rs = db.OpenRecordset(QStringLiteral("ALTERNATIVES"));
    auto append = [&](long offered, bool answer) {
        rs.AddNew();
        rs.SetValue(QStringLiteral("TYPE"), Key(topicCode));
        rs.SetValue(QStringLiteral("RECORDONE"), Key(record));
        rs.SetValue(QStringLiteral("RECORDTWO"), Key(offered));
        rs.SetValue(QStringLiteral("ANSWER"), answer);
        rs.Update();
    };
    append(record, true);
    for (long offered : others)
        if (offered != record)
            append(offered, false);
    rs.Close();
    transaction.Commit();
}

void ReplaceLinks(Database &db, long topicCode, long record, long typeTwo, const std::vector<long> &linked)
{
    Transaction transaction(db);
    db.Execute(QStringLiteral("Delete * From LINKS Where TYPEONE = ? And RECORDONE = ? And TYPETWO = ?"),
               {Key(topicCode), Key(record), Key(typeTwo)});
    Recordset rs = db.OpenRecordset(QStringLiteral("LINKS"));
    for (long target : linked) {
        if (typeTwo == topicCode && target == record)
            continue;
        rs.AddNew();
        rs.SetValue(QStringLiteral("TYPEONE"), Key(topicCode));
        rs.SetValue(QStringLiteral("RECORDONE"), Key(record));
        rs.SetValue(QStringLiteral("TYPETWO"), Key(typeTwo));
        rs.SetValue(QStringLiteral("RECORDTWO"), Key(target));
        rs.Update();
    }
    rs.Close();
    transaction.Commit();
}
