#pragma once

#include <QDate>
#include <QString>

#include <functional>

// FormatDate("T", 0) is today's date as the report titles show it,
// dd/mm/yyyy. Any other request, and any failure, gives the empty text.
QString FormatDate(const QString &DateText, long SortKey);

// Tests fix "today"; an empty source restores the system clock.
void SetDateSource(std::function<QDate()> today);
