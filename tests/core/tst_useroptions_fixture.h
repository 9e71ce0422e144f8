#pragma once

#include "ProgramState.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/CreateDatabase.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"
#include "platform/window/Form.h"

#include <QDir>
#include <QTemporaryDir>
#include <QVariant>
#include <QWidget>

#include <memory>

// A program folder with a fresh database made from the program's schema, as
// AppPath; the message boxes shown meanwhile are recorded and answered OK.
struct UserOptionsFixture {
    QTemporaryDir folder;
    QStringList messages;

    UserOptionsFixture()
    {
        CreateDatabase(DatabaseFile(), qEnvironmentVariable("NORVANTA_SOURCE_DIR") + QStringLiteral("/data/schema.sql"));
        ResetProgramState();
        AppPath = folder.path() + QLatin1Char('/');
        SetMsgBoxHandler([this](const MsgBoxCall &call) {
            messages << call.prompt;
            return MsgBoxAnswer::Ok;
        });
    }

    ~UserOptionsFixture() { ResetProgramState(); }

    QString DatabaseFile() const { return folder.filePath(QStringLiteral("CALVOREN.MDB")); }

    // The stored options, written or read straight in the USER table.
    void Store(const QVariant &option1, const QVariant &option2, const QVariant &option10)
    {
        auto db = Database::OpenDatabase(DatabaseFile());
        db->Execute(QStringLiteral("Update USER Set OPTION1 = ?, OPTION2 = ?, OPTION10 = ?"), {option1, option2, option10});
        db->Close();
    }

    void RemoveRecord()
    {
        auto db = Database::OpenDatabase(DatabaseFile());
        db->Execute(QStringLiteral("Delete * From USER"));
        db->Close();
    }

    // Every USER record as "OPTION1/OPTION2/OPTION10", Null shown as "null".
    QStringList Records()
    {
        auto db = Database::OpenDatabase(DatabaseFile());
        Recordset rs = db->OpenQuery(QStringLiteral("Select OPTION1, OPTION2, OPTION10 From USER"));
        QStringList records;
        auto text = [](const QVariant &v) { return v.isNull() ? QStringLiteral("null") : v.toString(); };
        for (; !rs.Eof(); rs.MoveNext())
            records << text(rs.Value(QStringLiteral("OPTION1"))) + QLatin1Char('/') +
                           text(rs.Value(QStringLiteral("OPTION2"))) + QLatin1Char('/') +
                           text(rs.Value(QStringLiteral("OPTION10")));
        rs.Close();
        db->Close();
        return records;
    }
};

// Saves a picture of a window when a folder for screenshots is given.
inline void SaveShot(QWidget &window, const QString &name)
{
    const QString dir = qEnvironmentVariable("NORVANTA_SHOT_DIR");
    if (dir.isEmpty())
        return;
    window.show();
    window.grab().save(QDir(dir).filePath(name));
}
