#pragma once

#include <functional>

// Waits seconds while the window events run (Pause), and ends early once
// stopped answers true, so a window closed during a long silence lets its
// presentation go at once. Returns false when the wait was stopped.
bool SignalWait(double seconds, const std::function<bool()> &stopped);

// Tests: the hook runs in place of every wait, given its length. An empty
// hook restores the real wait.
using SignalWaitHook = std::function<void(double seconds)>;
void SetSignalWaitHook(SignalWaitHook hook);
