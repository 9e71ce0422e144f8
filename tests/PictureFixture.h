#pragma once

// A fresh program folder for a test of the program's windows: an empty
// database of the program's schema with AppPath pointing at it, and helpers
// that store pictures in it. Made in init() and dropped in cleanup(), it
// starts each test from the program's first state (program-wide variables,
// error reporter) and leaves no window and no test hook behind. The twips
// scale stays the test's own: some set it once for all their tests.

#include "TestDatabase.h"

#include "core/Global.h"
#include "core/ReportError.h"
#include "data/Database.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "quiz/Shuffle.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>
#include <utility>
#include <vector>

// The fields of one row, by name, in the order they are set.
using RowFields = std::vector<std::pair<QString, QVariant>>;

class PictureFixture
{
public:
    PictureFixture()
    {
        ResetGlobals();
        ResetReportError();
    }
    // The windows go while the test's message-box handler still answers.
    ~PictureFixture()
    {
        Forms::DestroyAll();
        Form::SetModalHook({});
        SetMsgBoxHandler({});
        SetShuffleRandom({});
        Database::SetWriteHook({});
    }
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
