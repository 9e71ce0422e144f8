#pragma once

// Helpers that store pictures of any topic and their alternatives, and read
// alternatives and links back.

#include "LightsFixture.h"

#include "quiz/Topics.h"

#include <vector>

struct AlternativeRow {
    long recordOne;
    long recordTwo;
    bool answer;
    bool operator==(const AlternativeRow &o) const
    {
        return recordOne == o.recordOne && recordTwo == o.recordTwo && answer == o.answer;
    }
};

struct LinkRow {
    int typeOne;
    long recordOne;
    int typeTwo;
    long recordTwo;
    bool operator==(const LinkRow &o) const
    {
        return typeOne == o.typeOne && recordOne == o.recordOne && typeTwo == o.typeTwo && recordTwo == o.recordTwo;
    }
};

// Extends the lights fixture (database, AppPath, links) to every topic.
class TopicsFixture : public LightsFixture
{
public:
    // Appends a picture of the topic with its answer text (a null QVariant
    // stores Null) and lineCount line rows; returns its RECORD.
    long AddPicture(int topic, const QVariant &text, int lineCount = 1)
    {
        auto db = Open();
        Recordset head = db->OpenRecordset(Topics::HeadTable(topic));
        head.AddNew();
        head.SetValue("TEXT", text);
        head.Update();
        head.MoveLastModified();
        const long record = head.LongValue("RECORD");
        head.Close();
        for (int i = 0; i < lineCount; ++i)
            db->Execute(QString("Insert Into %1 (HEADER) Values (?)").arg(Topics::LineTable(topic)),
                        {static_cast<qlonglong>(record)});
        db->Close();
        return record;
    }

    void AddAlternative(int type, long recordOne, long recordTwo, bool answer)
    {
        auto db = Open();
        db->Execute("Insert Into ALTERNATIVES (TYPE, RECORDONE, RECORDTWO, ANSWER) Values (?, ?, ?, ?)",
                    {type, static_cast<qlonglong>(recordOne), static_cast<qlonglong>(recordTwo), answer ? -1 : 0});
        db->Close();
    }

    // The set of one picture in stored order.
    std::vector<AlternativeRow> Alternatives(int type, long recordOne) const
    {
        std::vector<AlternativeRow> rows;
        auto db = Open();
        Recordset rs = db->OpenQuery("Select RECORDONE, RECORDTWO, ANSWER From ALTERNATIVES Where TYPE = ? "
                                     "And RECORDONE = ? Order By rowid",
                                     {type, static_cast<qlonglong>(recordOne)});
        for (; !rs.Eof(); rs.MoveNext())
            rows.push_back({rs.LongValue("RECORDONE"), rs.LongValue("RECORDTWO"), rs.BoolValue("ANSWER")});
        rs.Close();
        db->Close();
        return rows;
    }

    // Every LINKS row in stored order.
    std::vector<LinkRow> Links() const
    {
        std::vector<LinkRow> rows;
        auto db = Open();
        Recordset rs = db->OpenQuery("Select * From LINKS Order By rowid");
        for (; !rs.Eof(); rs.MoveNext())
            rows.push_back({static_cast<int>(rs.LongValue("TYPEONE")), rs.LongValue("RECORDONE"),
                            static_cast<int>(rs.LongValue("TYPETWO")), rs.LongValue("RECORDTWO")});
        rs.Close();
        db->Close();
        return rows;
    }

    long Count(const QString &sql, const QVariantList &params = {}) const
    {
        auto db = Open();
        Recordset rs = db->OpenQuery(sql, params);
        const long n = rs.LongValue("N");
        rs.Close();
        db->Close();
        return n;
    }
};
