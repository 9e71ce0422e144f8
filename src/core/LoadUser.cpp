#include "core/LoadUser.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/graphics/MousePointer.h"
#include "platform/values/Rounding.h"
#include "platform/values/Val.h"

#include <memory>

namespace {
constexpr int SoundModeCount = 5;

// What a step meets when an earlier step could not make the database or the record.
[[noreturn]] void throwNotSet()
{
    throw DbError(91, QStringLiteral("Object variable or With block variable not set"));
}
} // namespace

Recordset OpenUserRecord(Database &db)
{
    Recordset rs = db.OpenRecordset(QStringLiteral("USER"));
    if (rs.Eof()) {
        rs.AddNew();
        rs.SetValue(QStringLiteral("OPTION1"), QStringLiteral("0"));
        rs.SetValue(QStringLiteral("OPTION10"), QStringLiteral("Y"));
        rs.SetValue(QStringLiteral("OPTION2"), QStringLiteral("Y"));
        rs.Update();
        rs.MoveLastModified();
    }
    return rs;
}

int SoundModeFrom(const QVariant &option1)
{
    if (option1.isNull())
        return 0;
    const double value = Val(option1.toString());
    // Far outside the modes (or beyond any number) before rounding can overflow.
    if (!(value > -1 && value < SoundModeCount))
        return 0;
    const long mode = RoundHalfEven(value);
    return mode >= 0 && mode < SoundModeCount ? static_cast<int>(mode) : 0;
}

bool OptionOn(const QVariant &value) { return value.isNull() || value.toString() == QLatin1String("Y"); }

void WithUserRecord(const QString &location, std::initializer_list<UserStep> steps)
{
    std::unique_ptr<Database> db;
    Recordset rs;
    bool open = false;
    Trap(location, [&] { db = Database::OpenDatabase(AppPath + QStringLiteral("CALVOREN.MDB")); });
    Trap(location, [&] {
        if (!db)
            throwNotSet();
        rs = OpenUserRecord(*db);
        open = true;
    });
    for (const UserStep &step : steps)
        Trap(location, [&] {
            if (!open)
                throwNotSet();
            step(rs);
        });
    Trap(location, [&] {
        if (!open)
            throwNotSet();
        rs.Close();
    });
    Trap(location, [&] {
        if (!db)
            throwNotSet();
        db->Close();
    });
}

StoredOptions ReadUserRecord(const QString &location)
{
    StoredOptions stored;
    WithUserRecord(location, {[&](Recordset &rs) { stored.option1 = rs.Value(QStringLiteral("OPTION1")); },
                              [&](Recordset &rs) { stored.option2 = rs.Value(QStringLiteral("OPTION2")); },
                              [&](Recordset &rs) { stored.option10 = rs.Value(QStringLiteral("OPTION10")); }});
    return stored;
}

void LoadUser()
{
    MousePointer::Set(MousePointer::Hourglass);
    const StoredOptions stored = ReadUserRecord(QStringLiteral("Mainmod:LoadUser"));
    SoundMode = SoundModeFrom(stored.option1);
    MultiChoice = OptionOn(stored.option2);
    ShowIntro = OptionOn(stored.option10);
    MousePointer::Set(MousePointer::Default);
}
