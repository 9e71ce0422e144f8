#include "sounds/plan/SoundRows.h"

#include "data/Database.h"
#include "platform/values/Rounding.h"
#include "quiz/session/PictureScale.h"

SoundRow ReadSoundRow(const Recordset &row, double scale)
{
    SoundRow r;
    r.x = ScaleToPicture(row.DoubleValue(QStringLiteral("XPOS")), scale);
    r.y = ScaleToPicture(row.DoubleValue(QStringLiteral("YPOS")), scale);
    r.size = ScaleToPicture(row.DoubleValue(QStringLiteral("SIZE")), scale);
    r.kind = RoundHalfEven(row.DoubleValue(QStringLiteral("LISTPTR")));
    if (!r.IsPicture()) {
        r.number = RoundHalfEven(row.DoubleValue(QStringLiteral("NUMBER")));
        r.duration = RoundHalfEven(row.DoubleValue(QStringLiteral("DURATION")));
    }
    return r;
}

void WalkSoundRows(Database &db, long record, const std::function<void(const Recordset &)> &take)
{
    Recordset rs = db.OpenQuery(QStringLiteral("Select * From SOUNDLINE Where HEADER = ? Order By SIZE Desc, RECORD"),
                                {static_cast<qlonglong>(record)});
    while (!rs.Eof()) {
        take(rs);
        rs.MoveNext();
    }
    rs.Close();
}
