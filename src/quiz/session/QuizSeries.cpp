#include "quiz/session/QuizSeries.h"

#include "platform/values/Shuffle.h"

#include <algorithm>

void QuizSeries::Load(std::vector<long> records)
{
    items = std::move(records);
    position = 0;
    recordNo = items.empty() ? 0 : items.front();
}

void QuizSeries::Shuffle() { ShuffleEntries(items); }

void QuizSeries::MoveTo(long index)
{
    if (items.empty()) {
        position = 0;
        recordNo = 0;
        return;
    }
    position = std::clamp(index, 0L, LastIndex());
    recordNo = items[static_cast<size_t>(position)];
}

bool QuizSeries::JumpTo(long record)
{
    const auto found = std::find(items.begin(), items.end(), record);
    if (record == 0 || found == items.end())
        return false;
    MoveTo(static_cast<long>(found - items.begin()));
    return true;
}
