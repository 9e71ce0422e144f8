#include "sounds/plan/SignalPlan.h"

namespace {
bool drawsGraphics(int mode)
{
    return mode == SoundModes::Graphics || mode == SoundModes::SoundCardAndGraphics
           || mode == SoundModes::MultimediaAndGraphics;
}

bool playsSound(int mode)
{
    return mode == SoundModes::SoundCard || mode == SoundModes::Multimedia
           || mode == SoundModes::SoundCardAndGraphics || mode == SoundModes::MultimediaAndGraphics;
}

bool onMultimedia(int mode) { return mode == SoundModes::Multimedia || mode == SoundModes::MultimediaAndGraphics; }

bool isSound(long kind) { return kind >= SoundKind::Horn && kind <= SoundKind::Whistle; }

// Any kind that is neither a sound nor silence restarts the signal after
// its duration, as a cycle does.
SignalStep cycleStep(long duration)
{
    SignalStep step;
    step.kind = SignalStep::Kind::Cycle;
    step.interval = duration * 100;
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

SignalPlan PlanSignal(const std::vector<SoundRow> &rows, int mode, double scale, double unit,
                      const QString &appPath)
{
    SignalPlan plan;
    double barX = 0;
    const double barBottom = 100 * scale;
    // The gaps take the picture's background: light grey for a signal heard
    // without a vessel in sight, white once a vessel is drawn.
    long background = Colours::LightGrey;
    for (size_t r = 0; r < rows.size(); ++r) {
        const SoundRow &row = rows[r];
        if (row.IsPicture()) {
            SignalStep step;
            step.kind = SignalStep::Kind::Vessel;
            step.row = row;
            plan.steps.push_back(step);
            background = Colours::White;
            continue;
        }

        if (drawsGraphics(mode)) {
            const QString name = SignalName(row.kind);
            if (!name.isEmpty()) {
                QString rowText;
                for (long i = 0; i < row.number; ++i)
                    rowText += QLatin1Char(' ') + name;
                plan.signalText = plan.signalText.isEmpty() ? rowText : plan.signalText + QStringLiteral(", ") + rowText;
            }
            if (isSound(row.kind)) {
                for (long i = 0; i < row.number; ++i) {
                    plan.steps.push_back(barStep(barX + 1, barX + unit * row.duration, barBottom, BarColour(row.kind)));
                    barX += unit * row.duration;
                    plan.steps.push_back(barStep(barX + 1, barX + unit, barBottom, background));
                    barX += unit;
                }
            } else if (row.kind != SoundKind::Silence) {
                plan.steps.push_back(cycleStep(row.duration));
            }
        }

        if (playsSound(mode)) {
            if (isSound(row.kind)) {
                // A sound or a silence straight after this row waits for its
                // last sound too: each sound is heard for its Duration, and a
                // silence is a pause after the sound, not over it.
                const bool soundFollows = r + 1 < rows.size() && !rows[r + 1].IsPicture()
                                          && (isSound(rows[r + 1].kind) || rows[r + 1].kind == SoundKind::Silence);
                for (long i = 1; i <= row.number; ++i) {
                    SignalStep play;
                    play.kind = SignalStep::Kind::Play;
                    play.file = appPath + SoundFileName(row.kind, row.duration);
                    play.multimedia = onMultimedia(mode);
                    plan.steps.push_back(play);
                    if (i != row.number || soundFollows)
                        plan.steps.push_back(waitStep(row.duration));
                }
            } else if (row.kind == SoundKind::Silence) {
                plan.steps.push_back(waitStep(row.duration));
            } else {
                plan.steps.push_back(cycleStep(row.duration));
            }
        }
    }
    return plan;
}
