#include "core/state/ReportError.h"

#include "platform/ask/MsgBox.h"
#include "platform/values/NumberedError.h"
#include "platform/values/Rounding.h"

#include <QCoreApplication>
#include <QTime>

#include <algorithm>
#include <array>
#include <random>
#include <thread>

long LastError = 0;
long RepeatCount = 0;
long FirstTime = 0;

namespace {

constexpr std::array<long, 21> LockErrors = {3000, 3006, 3008, 3009, 3046, 3050, 3051,
                                             3158, 3186, 3187, 3188, 3189, 3196, 3197,
                                             3202, 3211, 3212, 3218, 3260, 3261, 3262};

// Longest back-off: a draw of 1 waits this long. With the engine's own short
// wait for the file, the hundred silent retries before the question take
// about a second.
constexpr std::chrono::microseconds LongestPause{5000};

ReportErrorHooks &hooks()
{
    static ReportErrorHooks h;
    return h;
}

double clockNow()
{
    if (hooks().clock)
        return hooks().clock();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double randomDraw()
{
    if (hooks().random)
        return hooks().random();
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

// The windows go on painting while the reporter waits; neither the user's
// input nor a timer runs, so no other step of the program starts meanwhile.
void pause(std::chrono::microseconds length)
{
    if (hooks().wait) {
        hooks().wait(length);
        return;
    }
    const auto end = std::chrono::steady_clock::now() + length;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
    std::this_thread::sleep_until(end);
}

void idle()
{
    if (hooks().idle)
        hooks().idle();
    else
        Database::Idle();
}

// Seconds since the current run of lock errors began; a run that crosses
// midnight keeps counting instead of going negative. FirstTime is rounded to
// the whole second, so a reading up to half a second before it is the same
// moment, not a day later.
double secondsSinceFirst(double now)
{
    double elapsed = now - FirstTime;
    if (elapsed < -1)
        elapsed += 24 * 60 * 60;
    return elapsed;
}

void reportLock(long ErrNumber, long &answer)
{
    answer = -1;
    if (ErrNumber == LastError) {
        RepeatCount = RepeatCount + 1;
        const double now = clockNow();
        if (secondsSinceFirst(now) > 60 || RepeatCount > 100) {
            const int choice = MsgBox(QStringLiteral("The Program Is Having Trouble Accessing The Database\r\n"
                                                     "If You Choose Cancel, The Results Will Be Unpredictable"),
                                      MsgBoxStyle::RetryCancel + MsgBoxStyle::Information, QStringLiteral("Help"));
            answer = (choice == MsgBoxAnswer::Retry) ? -1 : 0;
            RepeatCount = 0;
            FirstTime = RoundHalfEven(clockNow());
        } else {
            // A real short wait, so that the other user gets the file.
            const long n = RoundHalfEven(randomDraw() * 1000);
            pause(LongestPause * n / 1000);
        }
    } else {
        RepeatCount = 0;
        FirstTime = RoundHalfEven(clockNow());
    }
    idle();
}

// The number as decimal text with a leading blank, or its minus sign there.
QString numberText(long n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

} // namespace

bool IsLockError(long ErrNumber)
{
    return std::find(LockErrors.begin(), LockErrors.end(), ErrNumber) != LockErrors.end();
}

long ReportError(const QString &Location, long ErrNumber, const QString &Description)
{
    long answer = 0;
    try {
        if (IsLockError(ErrNumber)) {
            reportLock(ErrNumber, answer);
        } else {
            RepeatCount = 0;
            MsgBox(QStringLiteral("Unexpected Error In - ") + Location + QStringLiteral(", Error Number") +
                       numberText(ErrNumber) + QStringLiteral(", ") + Description,
                   MsgBoxStyle::Information, QStringLiteral("Help"));
        }
    } catch (...) {
        // The reporter ignores errors of its own.
    }
    LastError = ErrNumber;
    return answer;
}

void EndLockRun()
{
    LastError = 0;
    RepeatCount = 0;
}

void SetReportErrorHooks(ReportErrorHooks h) { hooks() = std::move(h); }

void ResetReportError()
{
    EndLockRun();
    FirstTime = 0;
    hooks() = ReportErrorHooks{};
}

StepError ErrorOf(const std::exception &e)
{
    if (const auto *db = dynamic_cast<const DbError *>(&e))
        return {db->Number(), db->Description()};
    if (const auto *device = dynamic_cast<const NumberedError *>(&e))
        return {device->Number(), QString::fromUtf8(device->what())};
    return {5, QString::fromUtf8(e.what())};
}
