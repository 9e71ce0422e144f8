#pragma once

// A fresh program folder for a test of the program's windows: an empty
// database of the program's schema with AppPath pointing at it, and helpers
// that store rows of any topic in it and read them back. Made in init() and
// dropped in cleanup(), it starts each test from the program's first state
// and leaves no window and no test hook behind (ResetProgramState). A topic's
// own pictures are stored by the helpers of its header (LightPictures.h and
// its twins), each given the folder.

#include "ProgramState.h"
#include "TestDatabase.h"

#include "core/state/Global.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"
#include "quiz/session/Topics.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>
#include <utility>
#include <vector>

// The fields of one row, by name, in the order they are set.
using RowFields = std::vector<std::pair<QString, QVariant>>;

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

class PictureFixture
{
public:
    PictureFixture() { ResetProgramState(); }
    ~PictureFixture() { ResetProgramState(); }
    PictureFixture(const PictureFixture &) = delete;
    PictureFixture &operator=(const PictureFixture &) = delete;

    // Makes the database and points AppPath at its folder.
    bool Create()
    {
        if (!dir.isValid())
            return false;
        AppPath = MakeTestDatabase(dir.path());
        return true;
    }

    std::unique_ptr<Database> Open() const { return Database::OpenDatabase(AppPath + "CALVOREN.MDB"); }

    // Appends a head row with the fields given; returns its RECORD.
    long AddHead(const QString &table, const RowFields &fields)
    {
        auto db = Open();
        Recordset head = db->OpenRecordset(table);
        head.AddNew();
        for (const auto &[name, value] : fields)
            head.SetValue(name, value);
        head.Update();
        head.MoveLastModified();
        const long record = head.LongValue("RECORD");
        head.Close();
        db->Close();
        return record;
    }

    // Appends line rows for a picture number, whether or not it has a head
    // row: HEADER, then each row's own fields.
    void AddLines(const QString &table, long record, const std::vector<RowFields> &rows)
    {
        auto db = Open();
        Recordset line = db->OpenRecordset(table);
        for (const RowFields &fields : rows) {
            line.AddNew();
            line.SetValue("HEADER", static_cast<qlonglong>(record));
            for (const auto &[name, value] : fields)
                line.SetValue(name, value);
            line.Update();
        }
        line.Close();
        db->Close();
    }

    // Puts a value that the program's own writer refuses (a text where a
    // number belongs), as another tool could store it, into the field of
    // every line row where it holds marker.
    void OverwriteLines(const QString &table, const QString &field, double marker, const QVariant &value)
    {
        auto db = Open();
        db->Execute(QString("Update %1 Set %2 = ? Where %2 = ?").arg(table, field), {value, marker});
        db->Close();
    }

    void AddLink(int typeOne, long recordOne, int typeTwo, long recordTwo)
    {
        auto db = Open();
        db->Execute("Insert Into LINKS (TYPEONE, RECORDONE, TYPETWO, RECORDTWO) Values (?, ?, ?, ?)",
                    {typeOne, static_cast<qlonglong>(recordOne), typeTwo, static_cast<qlonglong>(recordTwo)});
        db->Close();
    }

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

    // Deletes a head row and leaves its line rows, as another tool could.
    void DeleteHead(const QString &table, long record)
    {
        auto db = Open();
        db->Execute(QString("Delete From %1 Where RECORD = ?").arg(table), {static_cast<qlonglong>(record)});
        db->Close();
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

    // The N of a counting query.
    long Count(const QString &sql, const QVariantList &params = {}) const
    {
        auto db = Open();
        Recordset rs = db->OpenQuery(sql, params);
        const long n = rs.LongValue("N");
        rs.Close();
        db->Close();
        return n;
    }

private:
    QTemporaryDir dir;
};

// Answers every message box with the answer given and keeps its prompt, in
// a list emptied first.
inline void RecordMessageBoxes(QStringList &prompts, int answer)
{
    prompts.clear();
    SetMsgBoxHandler([&prompts, answer](const MsgBoxCall &call) {
        prompts << call.prompt;
        return answer;
    });
}
