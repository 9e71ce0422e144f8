#pragma once

// A buoy light timed as a sailor times it, against what its chart name says:
// a flash shorter than two seconds and than the dark beside it, the dark that
// closes a group clearly the longest, a long flash of two seconds or more,
// quick and very quick flashes at their rates, isophase light and dark alike,
// occulting light longer than dark, and the period the name gives.

#include "platform/graphics/Colour.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <numeric>

namespace LightChart {

using namespace Colours;

// A tick is a tenth of a second; a long flash lasts 20 ticks or more.
inline constexpr int LongFlash = 20;

// A chart name read: "VQ(6)+LFl 10s" is very quick flashes in a group of
// six, a long flash after them, every 10 seconds; "Fl(2+1) 10s" groups of
// two and one. A continuous quick light names no period: its flashes come
// one a second (Q) or two (VQ).
struct ChartName {
    QString rhythm;
    QList<int> groups;
    bool longFlashAfter = false;
    int periodTicks = 0;

    int Flashes() const { return std::accumulate(groups.begin(), groups.end(), 0) + (longFlashAfter ? 1 : 0); }
    bool Quick() const { return rhythm == "Q" || rhythm == "VQ"; }
};

inline ChartName ReadChartName(const QString &name)
{
    static const QRegularExpression pattern(R"(^(VQ|Q|LFl|Fl|Iso|Oc)(?:\(([0-9+]+)\))?(\+LFl)?(?: ([0-9]+)s)?$)");
    const QRegularExpressionMatch m = pattern.match(name);
    ChartName chart;
    if (!m.hasMatch())
        return chart;
    chart.rhythm = m.captured(1);
    for (const QString &group : m.captured(2).split('+', Qt::SkipEmptyParts))
        chart.groups << group.toInt();
    if (chart.groups.isEmpty())
        chart.groups << 1;
    chart.longFlashAfter = !m.captured(3).isEmpty();
    chart.periodTicks = m.captured(4).isEmpty() ? (chart.rhythm == "VQ" ? 5 : 10) : m.captured(4).toInt() * 10;
    return chart;
}

// One period of a light: its flashes and the dark after each, in ticks,
// beginning with the first flash after the longest dark.
struct Period {
    QList<int> flashes;
    QList<int> eclipses;
};

// The smallest shift that repeats the states seen, 0 when none does.
inline int MeasuredPeriod(const QList<bool> &lit)
{
    for (int p = 1; p <= lit.size() / 2; ++p) {
        bool repeats = true;
        for (int t = 0; repeats && t + p < lit.size(); ++t)
            repeats = lit[t] == lit[t + p];
        if (repeats)
            return p;
    }
    return 0;
}

inline Period OnePeriod(const QList<bool> &lit, int period)
{
    // The runs of one period, read round from its start.
    QList<QPair<bool, int>> runs;
    for (int t = 0; t < period; ++t) {
        if (!runs.isEmpty() && runs.back().first == lit[t])
            ++runs.back().second;
        else
            runs.append({lit[t], 1});
    }
    if (runs.size() > 1 && runs.front().first == runs.back().first) {
        runs.front().second += runs.back().second;
        runs.removeLast();
    }
    // Round to the first flash after the longest dark.
    int longest = -1;
    for (int i = 0; i < runs.size(); ++i)
        if (!runs[i].first && (longest < 0 || runs[i].second > runs[longest].second))
            longest = i;
    std::rotate(runs.begin(), runs.begin() + (longest + 1) % runs.size(), runs.end());
    Period p;
    for (const auto &run : runs)
        (run.first ? p.flashes : p.eclipses) << run.second;
    return p;
}

inline QString Seconds(int ticks)
{
    return QString::number(ticks / 10.0, 'f', 1);
}

// "on 0.5, off 1.0, on 0.5, off 8.0"
inline QString Times(const Period &p)
{
    QStringList parts;
    for (int i = 0; i < p.flashes.size(); ++i)
        parts << "on " + Seconds(p.flashes[i]) << "off " + Seconds(i < p.eclipses.size() ? p.eclipses[i] : 0);
    return parts.join(", ");
}

inline QString PeriodFault(const ChartName &chart, int period)
{
    if (period == chart.periodTicks)
        return {};
    return QString("period %1 s, named %2 s").arg(Seconds(period), Seconds(chart.periodTicks));
}

// What the chart name asks of one period; empty when it all holds.
inline QString Fault(const ChartName &chart, const Period &p, int period)
{
    const int n = static_cast<int>(p.flashes.size());
    if (p.eclipses.size() != n)
        return "never dark";
    if (chart.rhythm == "Iso" && (n != 1 || p.flashes[0] != p.eclipses[0]))
        return "light and dark unequal";
    if (chart.rhythm == "Oc" && (n != 1 || p.flashes[0] <= p.eclipses[0]))
        return "light not longer than dark";
    if (chart.rhythm == "Iso" || chart.rhythm == "Oc")
        return PeriodFault(chart, period);
    if (n != chart.Flashes())
        return QString("%1 flashes, named %2").arg(n).arg(chart.Flashes());
    const int light = std::accumulate(p.flashes.begin(), p.flashes.end(), 0);
    if (light >= period - light)
        return "light not shorter than dark";
    for (int i = 0; i < n; ++i) {
        const bool isLong = chart.rhythm == "LFl" || (chart.longFlashAfter && i == n - 1);
        if (isLong) {
            if (p.flashes[i] < LongFlash)
                return QString("long flash of %1 s").arg(Seconds(p.flashes[i]));
            continue;
        }
        const int before = p.eclipses[(i + n - 1) % n];
        if (p.flashes[i] >= LongFlash || p.flashes[i] >= before || p.flashes[i] >= p.eclipses[i])
            return QString("flash %1 of %2 s between darks of %3 and %4 s")
                .arg(i + 1)
                .arg(Seconds(p.flashes[i]), Seconds(before), Seconds(p.eclipses[i]));
    }
    // A composite group's groups stand apart: the dark after a group at
    // least twice any dark within it. The dark that closes the whole is at
    // least twice any other.
    int first = 0;
    for (int g = 0; g + 1 < chart.groups.size(); ++g) {
        const int last = first + chart.groups[g] - 1;
        for (int k = first; k < last; ++k)
            if (2 * p.eclipses[k] > p.eclipses[last])
                return QString("group %1 not apart from the next").arg(g + 1);
        first = last + 1;
    }
    if (n > 1) {
        const int widest = *std::max_element(p.eclipses.begin(), p.eclipses.end() - 1);
        if (2 * widest > p.eclipses[n - 1])
            return QString("closing dark of %1 s beside %2 s within").arg(Seconds(p.eclipses[n - 1]), Seconds(widest));
    }
    if (chart.Quick()) {
        // Flashes a minute, from one flash to the next.
        const double perMinute = 600.0 / (n > 1 ? p.flashes[0] + p.eclipses[0] : period);
        const bool inRange =
            chart.rhythm == "Q" ? perMinute >= 50 && perMinute < 80 : perMinute >= 80 && perMinute < 160;
        if (!inRange)
            return QString("%1 flashes a minute").arg(perMinute);
    }
    return PeriodFault(chart, period);
}

inline long ChartColour(long code)
{
    if (code >= 14 && code <= 18)
        return Yellow;
    if (code == 19 || code == 20 || code == 23)
        return Red;
    if (code == 21 || code == 22 || code == 24)
        return Green;
    return White;
}

// The chart name of each light code in light modes 0, 1 and 2.
inline QStringList ChartNames(long code)
{
    switch (code) {
    case 1:
    case 2:
        return {"VQ", "Q", "Q"};
    case 3:
    case 4:
        return {"VQ(3) 5s", "Q(3) 10s", "Q(3) 10s"};
    case 5:
    case 6:
        return {"VQ(6)+LFl 10s", "Q(6)+LFl 15s", "Q(6)+LFl 15s"};
    case 7:
    case 8:
        return {"VQ(9) 10s", "Q(9) 15s", "Q(9) 15s"};
    case 9:
    case 10:
        return {"Fl(2) 10s", "Fl(2) 10s", "Fl(2) 10s"};
    case 11:
    case 12:
    case 13:
        return {"Iso 4s", "Oc 5s", "LFl 10s"};
    case 19:
    case 20:
        return {"Fl 8s", "Fl(2) 10s", "Fl(4) 15s"};
    case 21:
    case 22:
        return {"Fl(4) 15s", "Fl 8s", "Fl(2) 10s"};
    case 23:
    case 24:
        return {"Fl(2+1) 10s", "Fl(2+1) 10s", "Fl(2+1) 10s"};
    default: // the special marks
        return {"Fl 5s", "Fl 5s", "Fl 5s"};
    }
}
} // namespace LightChart
