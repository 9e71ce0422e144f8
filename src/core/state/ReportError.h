#pragma once

#include "data/Database.h"

#include <QString>

#include <chrono>
#include <exception>
#include <functional>
#include <utility>

// The one error reporter. A lock error (the file busy or locked by someone
// else) is retried silently after a short random pause, and the user is asked
// only when it persists; any other error is shown once and skipped.
// Returns -1 (run the failing step again) or 0 (go on with the next step).
long ReportError(const QString &Location, long ErrNumber, const QString &Description);

// The reporter's state, kept for the whole run.
extern long LastError;   // error number of the previous call
extern long RepeatCount; // how many times in a row the current lock error came back
extern long FirstTime;   // seconds since midnight when the current run of lock errors began

// True for the engine's lock and sharing conflicts.
bool IsLockError(long ErrNumber);

// What the reporter needs from outside, replaceable by tests. An empty member
// keeps the real one: time of day, a draw in [0, 1) from one generator seeded
// once, a real wait, and the engine's Database::Idle.
struct ReportErrorHooks {
    std::function<double()> clock;                          // seconds since midnight, with fraction
    std::function<double()> random;                         // r in [0, 1)
    std::function<void(std::chrono::microseconds)> wait;    // the back-off
    std::function<void()> idle;                             // engine idle
};
void SetReportErrorHooks(ReportErrorHooks hooks);

// State back to 0 and the real hooks (tests).
void ResetReportError();

// A failure as the reporter sees it: the engine's or the printer's own
// error number, 5 ("invalid procedure call") for an error of the program
// itself, and its text.
struct StepError {
    long number;
    QString description;
};
StepError ErrorOf(const std::exception &e);

// The one way a failing step is handled: runs the step, and on an error asks
// onError, which returns true to run the step again. Returns true when the
// step finally completed, false when it was skipped.
template <class OnError, class Step>
bool Handle(OnError &&onError, Step &&step)
{
    for (;;) {
        try {
            step();
            return true;
        } catch (const std::exception &e) {
            if (!onError(ErrorOf(e)))
                return false;
        }
    }
}

// A step that succeeds ends the run of lock errors: the next lock error
// starts a run of its own, with a fresh count and a fresh minute.
void EndLockRun();

// The handler convention: an error is reported with the procedure's location
// text ("Window:Procedure"), and the step runs again while the answer asks.
template <class Step>
bool Trap(const QString &Location, Step &&step)
{
    const bool done =
        Handle([&Location](const StepError &e) { return ReportError(Location, e.number, e.description) != 0; },
               std::forward<Step>(step));
    if (done)
        EndLockRun();
    return done;
}

// Event handlers and small procedures ignore every error: the failing step is
// skipped with nothing shown.
template <class Step>
bool IgnoreErrors(Step &&step)
{
    return Handle([](const StepError &) { return false; }, std::forward<Step>(step));
}
