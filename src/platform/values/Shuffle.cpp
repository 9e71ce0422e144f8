#include "platform/values/Shuffle.h"

#include <random>

namespace {
RandomIndex &injected()
{
    static RandomIndex source;
    return source;
}

std::mt19937 &generator()
{
    static std::mt19937 engine{std::random_device{}()};
    return engine;
}
} // namespace

long DrawRandomIndex(long upper)
{
    if (upper <= 0)
        return 0;
    if (injected())
        return injected()(upper);
    std::uniform_int_distribution<long> pick(0, upper);
    return pick(generator());
}

void SetShuffleRandom(RandomIndex source) { injected() = std::move(source); }
