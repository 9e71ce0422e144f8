#pragma once

// A fresh program folder with an empty database of the program's schema, and
// helpers that store lights pictures and links in it.

#include "core/Global.h"
#include "data/CreateDatabase.h"
#include "data/Database.h"

#include <QTemporaryDir>
#include <QVariant>
#include <QtTest>

#include <memory>
#include <vector>

struct StoredLight {
    QVariant colour;
    QVariant flash;
    QVariant x;
    QVariant y;
    QVariant size;
};

inline StoredLight Light(long colour, bool flash, double x, double y, double size)
{
    return {static_cast<qlonglong>(colour), flash, x, y, size};
}

class LightsFixture
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

    // Appends a picture with its lights; returns its RECORD.
    long AddPicture(const QVariant &hint, const QVariant &text, const QVariant &fog, const QVariant &direction,
                    const std::vector<StoredLight> &lights = {})
    {
        auto db = Open();
        Recordset head = db->OpenRecordset("LIGHTHEAD");
        head.AddNew();
        head.SetValue("HINT", hint);
        head.SetValue("TEXT", text);
        head.SetValue("FOGSIGNAL", fog);
        head.SetValue("DIRECTION", direction);
        head.Update();
        head.MoveLastModified();
        const long record = head.LongValue("RECORD");
        head.Close();
        AddLights(*db, record, lights);
        db->Close();
        return record;
    }

    // Appends line rows for a picture number, whether or not it has a head row.
    void AddLights(long record, const std::vector<StoredLight> &lights)
    {
        auto db = Open();
        AddLights(*db, record, lights);
        db->Close();
    }

    void AddLink(int typeOne, long recordOne, int typeTwo, long recordTwo)
    {
        auto db = Open();
        db->Execute("Insert Into LINKS (TYPEONE, RECORDONE, TYPETWO, RECORDTWO) Values (?, ?, ?, ?)",
                    {typeOne, static_cast<qlonglong>(recordOne), typeTwo, static_cast<qlonglong>(recordTwo)});
        db->Close();
    }

    void DeletePicture(long record)
    {
        auto db = Open();
        db->Execute("Delete From LIGHTHEAD Where RECORD = ?", {static_cast<qlonglong>(record)});
        db->Close();
    }

private:
    static void AddLights(Database &db, long record, const std::vector<StoredLight> &lights)
    {
        Recordset line = db.OpenRecordset("LIGHTLINE");
        for (const StoredLight &l : lights) {
            line.AddNew();
            line.SetValue("HEADER", static_cast<qlonglong>(record));
            line.SetValue("COLOUR", l.colour);
            line.SetValue("FLASH", l.flash);
            line.SetValue("XPOS", l.x);
            line.SetValue("YPOS", l.y);
            line.SetValue("SIZE", l.size);
            line.Update();
        }
        line.Close();
    }

    QTemporaryDir dir;
};
