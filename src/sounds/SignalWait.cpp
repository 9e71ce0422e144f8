#include "sounds/SignalWait.h"

#include "core/WindowServices.h"

namespace {
SignalWaitHook &hook()
{
    static SignalWaitHook h;
    return h;
}
} // namespace

void SetSignalWaitHook(SignalWaitHook h) { hook() = std::move(h); }

bool SignalWait(double seconds, const std::function<bool()> &stopped)
{
    if (hook()) {
        hook()(seconds);
        return !stopped();
    }
    return !WaitUntil(stopped, seconds, QEventLoop::AllEvents);
}
