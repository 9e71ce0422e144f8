#pragma once

// A fresh program folder with an empty database of the program's schema, and
// helpers that store sound signals in it the way the editor does.

#include "core/Global.h"
#include "data/CreateDatabase.h"
#include "data/Database.h"

#include <QTemporaryDir>
#include <QVariant>

#include <memory>
#include <vector>

// A line row as stored: a vessel (TYPE 0, no DURATION or NUMBER written) or
// a sound (TYPE 1, position and size 0).
struct StoredSoundLine {
    QVariant x;
    QVariant y;
    QVariant size;
    QVariant listPtr;
    int type = 0;
    QVariant duration;
    QVariant number;
};

inline StoredSoundLine Vessel(double x, double y, double size, long kind)
{
    return {x, y, size, static_cast<double>(kind), 0, QVariant(), QVariant()};
}

inline StoredSoundLine Sound(long kind, long seconds, long times)
{
    return {0, 0, 0, static_cast<double>(kind), 1, static_cast<double>(seconds), static_cast<double>(times)};
}

class SoundsFixture
{
public:
    // Makes the database and points AppPath at its folder.
    bool Create()
    {
        if (!dir.isValid())
            return false;
        AppPath = dir.path() + '/';
        CreateDatabase(AppPath + "CALVOREN.MDB", qEnvironmentVariable("NORVANTA_SOURCE_DIR") + "/data/schema.sql");
        return true;
    }

    std::unique_ptr<Database> Open() const { return Database::OpenDatabase(AppPath + "CALVOREN.MDB"); }

    // Appends a signal's head row and its line rows in the order given;
    // returns its RECORD.
    long AddSignal(const QVariant &hint, const QVariant &text, const QVariant &extra,
                   const std::vector<StoredSoundLine> &lines = {})
    {
        auto db = Open();
        Recordset head = db->OpenRecordset("SOUNDHEAD");
        head.AddNew();
        head.SetValue("HINT", hint);
        head.SetValue("TEXT", text);
        head.SetValue("EXTRA", extra);
        head.Update();
        head.MoveLastModified();
        const long record = head.LongValue("RECORD");
        head.Close();
        db->Close();
        AddLines(record, lines);
        return record;
    }

    // Appends line rows for a signal number, whether or not it has a head row.
    void AddLines(long record, const std::vector<StoredSoundLine> &lines)
    {
        auto db = Open();
        Recordset rs = db->OpenRecordset("SOUNDLINE");
        for (const StoredSoundLine &l : lines) {
            rs.AddNew();
            rs.SetValue("HEADER", static_cast<qlonglong>(record));
            rs.SetValue("XPOS", l.x);
            rs.SetValue("YPOS", l.y);
            rs.SetValue("SIZE", l.size);
            rs.SetValue("LISTPTR", l.listPtr);
            rs.SetValue("TYPE", l.type);
            if (l.type == 1) {
                rs.SetValue("DURATION", l.duration);
                rs.SetValue("NUMBER", l.number);
            }
            rs.Update();
        }
        rs.Close();
        db->Close();
    }

    void AddLink(int typeOne, long recordOne, int typeTwo, long recordTwo)
    {
        auto db = Open();
        db->Execute("Insert Into LINKS (TYPEONE, RECORDONE, TYPETWO, RECORDTWO) Values (?, ?, ?, ?)",
                    {typeOne, static_cast<qlonglong>(recordOne), typeTwo, static_cast<qlonglong>(recordTwo)});
        db->Close();
    }

    void AddAlternative(long recordOne, long recordTwo, bool right)
    {
        auto db = Open();
        db->Execute("Insert Into ALTERNATIVES (TYPE, RECORDONE, RECORDTWO, ANSWER) Values (4, ?, ?, ?)",
                    {static_cast<qlonglong>(recordOne), static_cast<qlonglong>(recordTwo), right ? -1 : 0});
        db->Close();
    }

private:
    QTemporaryDir dir;
};
