#pragma once

#include "data/Database.h"

#include <QString>

#include <chrono>
#include <exception>
#include <functional>

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

// The handler convention: runs the step; on an error asks ReportError with the
// procedure's location text ("Window:Procedure"), stores the answer in
// ErrorResume, and runs the step again while the answer is non-zero. Returns
// true when the step finally completed, false when it was skipped.
template <class Step>
bool Trap(const QString &Location, long &ErrorResume, Step &&step)
{
    for (;;) {
        try {
            step();
            return true;
        } catch (const DbError &e) {
            ErrorResume = ReportError(Location, e.Number(), e.Description());
        } catch (const std::exception &e) {
            // Errors of the program itself carry the "invalid procedure call" number.
            ErrorResume = ReportError(Location, 5, QString::fromUtf8(e.what()));
        }
        if (ErrorResume == 0)
            return false;
    }
}

// Event handlers and small procedures ignore every error: the failing step is
// skipped with nothing shown. Returns true when the step completed.
template <class Step>
bool IgnoreErrors(Step &&step)
{
    try {
        step();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}
