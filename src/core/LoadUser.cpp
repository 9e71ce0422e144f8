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
    // A failure is reported once: no later step runs on a database or a
    // record that could not be opened.
    std::unique_ptr<Database> db;
    Recordset rs;
    if (!Trap(location, [&] { db = Database::OpenDatabase(AppPath + QStringLiteral("CALVOREN.MDB")); }))
        return;
    if (Trap(location, [&] { rs = OpenUserRecord(*db); })) {
        for (const UserStep &step : steps)
            Trap(location, [&] { step(rs); });
        Trap(location, [&] { rs.Close(); });
    }
    Trap(location, [&] { db->Close(); });
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
