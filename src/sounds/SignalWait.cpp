#include "sounds/SignalWait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cmath>

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
    // A monotonic clock measures the wait; a timer wakes the event loop at
    // its end, so a long silence takes no processor time.
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (;;) {
        if (stopped())
            return false;
        const double left = std::ceil((seconds * 1e9 - static_cast<double>(clock.nsecsElapsed())) / 1e6);
        if (left <= 0)
            return true;
        wake.start(static_cast<int>(std::min(left, 1e9)));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}
