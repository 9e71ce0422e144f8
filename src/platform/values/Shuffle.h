#pragma once

#include <functional>
#include <utility>
#include <vector>

// Draws a whole number from 0 to upper inclusive, every value equally likely.
using RandomIndex = std::function<long(long upper)>;

// The program's one generator, seeded once on first use. Tests put their own
// in its place with SetShuffleRandom; an empty source restores the program's.
long DrawRandomIndex(long upper);
void SetShuffleRandom(RandomIndex source);

// Fisher-Yates: every order of the entries is equally likely.
template <class T>
void ShuffleEntries(std::vector<T> &entries)
{
    for (long i = static_cast<long>(entries.size()) - 1; i > 0; --i) {
        const long j = DrawRandomIndex(i);
        if (j != i)
            std::swap(entries[static_cast<size_t>(i)], entries[static_cast<size_t>(j)]);
    }
}
