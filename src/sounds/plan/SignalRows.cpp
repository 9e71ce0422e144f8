#include "sounds/plan/SignalRows.h"

void SignalRows::DrawLine(const Recordset &row)
{
    session.ReadLineRow([&] { rows.push_back(ReadSoundRow(row, scale)); });
}

void SignalRows::WalkLines(Database &db, const QString &, long record)
{
    WalkSoundRows(db, record, [this](const Recordset &row) { DrawLine(row); });
}
