#include "sounds/plan/SignalPlan.h"

#include <algorithm>

namespace {
bool drawsGraphics(int mode)
{
    return mode == SoundModes::Graphics || mode == SoundModes::SoundCardAndGraphics ||
           mode == SoundModes::MultimediaAndGraphics;
}

bool playsSound(int mode)
{
    return mode == SoundModes::SoundCard || mode == SoundModes::Multimedia ||
           mode == SoundModes::SoundCardAndGraphics || mode == SoundModes::MultimediaAndGraphics;
}

bool onMultimedia(int mode)
{
    return mode == SoundModes::Multimedia || mode == SoundModes::MultimediaAndGraphics;
}

bool isSound(long kind)
{
    return kind >= SoundKind::Horn && kind <= SoundKind::Whistle;
}

// The pause after a signal that was heard, before the next can be asked for.
constexpr double AfterSound = 2;

SignalStep cycleStep(long seconds)
{
    SignalStep step;
    step.kind = SignalStep::Kind::Cycle;
    step.interval = seconds * 1000 / TicksPerCycle;
    return step;
}

SignalStep barStep(double x1, double x2, double bottom, long colour)
{
    SignalStep step;
    step.kind = SignalStep::Kind::Bar;
    step.x1 = x1;
    step.y1 = 1;
    step.x2 = x2;
    step.y2 = bottom;
    step.colour = colour;
    return step;
}

SignalStep waitStep(long seconds)
{
    SignalStep step;
    step.kind = SignalStep::Kind::Wait;
    step.seconds = seconds;
    return step;
}
} // namespace

QString SignalName(long kind)
{
    switch (kind) {
    case SoundKind::Horn:
        return QStringLiteral("Horn");
    case SoundKind::BellStroke:
        return QStringLiteral("Bell");
    case SoundKind::BellRapid:
        return QStringLiteral("Rapid Bell");
    case SoundKind::Gong:
        return QStringLiteral("Gong");
    case SoundKind::Whistle:
        return QStringLiteral("Whistle");
    default:
        return QString();
    }
}

long BarColour(long kind)
{
    switch (kind) {
    case SoundKind::Horn:
        return 0x800000;
    case SoundKind::BellStroke:
        return 0x008000;
    case SoundKind::BellRapid:
        return 0x808000;
    case SoundKind::Gong:
        return 0x000080;
    case SoundKind::Whistle:
        return 0x800080;
    default:
        return -1;
    }
}

QString SoundFileName(long kind, long duration)
{
    switch (kind) {
    case SoundKind::Horn:
        return duration == 5 ? QStringLiteral("HORN5.WAV") : QStringLiteral("HORN1.WAV");
    case SoundKind::BellStroke:
        return QStringLiteral("BELL1.WAV");
    case SoundKind::BellRapid:
        return QStringLiteral("BELLRAP.WAV");
    case SoundKind::Gong:
        return QStringLiteral("GONG.WAV");
    case SoundKind::Whistle:
        return duration == 5 ? QStringLiteral("WHISTLE5.WAV") : QStringLiteral("WHISTLE1.WAV");
    default:
        return QString();
    }
}

QStringList SoundFileNames()
{
    QStringList names;
    for (long kind = SoundKind::Horn; kind <= SoundKind::Whistle; ++kind) {
        for (long duration : {1L, 5L}) {
            if (!names.contains(SoundFileName(kind, duration)))
                names << SoundFileName(kind, duration);
        }
    }
    return names;
}

SignalPlan PlanSignal(const std::vector<SoundRow> &rows, int mode, double scale, double unit, const QString &appPath)
{
    SignalPlan plan;
    double barX = 0;
    const double barBottom = 100 * scale;
    // The gaps take the picture's background: light grey for a signal heard
    // without a vessel in sight, white once a vessel is drawn.
    long background = Colours::LightGrey;
    long cycle = 0;
    for (const SoundRow &row : rows) {
        if (row.IsPicture()) {
            SignalStep step;
            step.kind = SignalStep::Kind::Vessel;
            step.row = row;
            plan.steps.push_back(step);
            background = Colours::White;
            continue;
        }
        // Any kind that is neither a sound nor silence brings the signal
        // again after its duration, as a cycle does; the last such row counts.
        if (!isSound(row.kind) && row.kind != SoundKind::Silence) {
            if (drawsGraphics(mode) || playsSound(mode))
                cycle = row.duration;
            continue;
        }

        if (drawsGraphics(mode)) {
            const QString name = SignalName(row.kind);
            if (!name.isEmpty()) {
                QString rowText;
                for (long i = 0; i < row.number; ++i)
                    rowText += QLatin1Char(' ') + name;
                plan.signalText =
                    plan.signalText.isEmpty() ? rowText : plan.signalText + QStringLiteral(", ") + rowText;
            }
            if (isSound(row.kind)) {
                for (long i = 0; i < row.number; ++i) {
                    plan.steps.push_back(barStep(barX + 1, barX + unit * row.duration, barBottom, BarColour(row.kind)));
                    barX += unit * row.duration;
                    plan.steps.push_back(barStep(barX + 1, barX + unit, barBottom, background));
                    barX += unit;
                }
            }
        }

        if (playsSound(mode)) {
            if (isSound(row.kind)) {
                // Each sound is heard for its duration before what follows
                // it: the next sound, a silence, or the pause that ends the
                // signal.
                for (long i = 0; i < row.number; ++i) {
                    SignalStep play;
                    play.kind = SignalStep::Kind::Play;
                    play.file = appPath + SoundFileName(row.kind, row.duration);
                    play.multimedia = onMultimedia(mode);
                    plan.steps.push_back(play);
                    plan.steps.push_back(waitStep(row.duration));
                }
            } else {
                // A silence.
                plan.steps.push_back(waitStep(row.duration));
            }
        }
    }
    // The rules give the interval from one start of a signal to the next.
    if (cycle > 0)
        plan.steps.insert(plan.steps.begin(), cycleStep(cycle));
    if (mode != SoundModes::Graphics) {
        const double repeat = RepeatSeconds(plan);
        plan.endPause = repeat > 0 ? std::min(AfterSound, repeat - SoundingSeconds(plan)) : AfterSound;
    }
    return plan;
}

double SoundingSeconds(const SignalPlan &plan)
{
    double seconds = 0;
    for (const SignalStep &step : plan.steps)
        if (step.kind == SignalStep::Kind::Wait)
            seconds += step.seconds;
    return seconds;
}

double RepeatSeconds(const SignalPlan &plan)
{
    double at = 0;
    double due = 0;
    for (const SignalStep &step : plan.steps) {
        if (step.kind == SignalStep::Kind::Cycle)
            due = at + step.interval * TicksPerCycle / 1000.0;
        else if (step.kind == SignalStep::Kind::Wait)
            at += step.seconds;
    }
    return due > 0 ? std::max(due, at) : 0;
}
