#include "printing/FormatDate.h"

namespace {
std::function<QDate()> &dateSource()
{
    static std::function<QDate()> source;
    return source;
}
} // namespace

void SetDateSource(std::function<QDate()> today) { dateSource() = std::move(today); }

QString FormatDate(const QString &DateText, long SortKey)
{
    if (DateText != QLatin1String("T") || SortKey != 0)
        return QString();
    const QDate today = dateSource() ? dateSource()() : QDate::currentDate();
    if (!today.isValid())
        return QString();
    return QStringLiteral("%1/%2/%3")
        .arg(today.day(), 2, 10, QLatin1Char('0'))
        .arg(today.month(), 2, 10, QLatin1Char('0'))
        .arg(today.year(), 4, 10, QLatin1Char('0'));
}
