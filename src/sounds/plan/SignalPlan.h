#pragma once

#include "platform/graphics/Colour.h"
#include "sounds/plan/SoundRows.h"

#include <QString>
#include <QStringList>

#include <vector>

// How sound signals are given, the user's sound option (SoundMode).
namespace SoundModes {
constexpr int SoundCard = 0;
constexpr int Graphics = 1;
constexpr int Multimedia = 2;
constexpr int SoundCardAndGraphics = 3;
constexpr int MultimediaAndGraphics = 4;
} // namespace SoundModes

// One step of presenting a signal, in the order the steps run.
struct SignalStep {
    enum class Kind {
        Vessel, // draw the silhouette of row (the picture turns white first)
        Bar,    // filled box (x1, y1)-(x2, y2) in colour: a sound or the gap after it
        Play,   // start file on the sound card, or on the multimedia device
        Wait,   // let seconds pass
        Cycle,  // start the cycle timer, ticking every interval milliseconds
    };
    Kind kind = Kind::Wait;
    SoundRow row;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    long colour = 0;
    QString file;
    bool multimedia = false;
    long seconds = 0;
    long interval = 0;
};

// Ticks of the cycle timer in one cycle: the signal is given again at the
// last of them.
constexpr long TicksPerCycle = 10;

struct SignalPlan {
    // A cycle comes first: it is counted from the signal's start. Every sound
    // is followed by a wait of its duration, the last one too.
    std::vector<SignalStep> steps;
    // The signal written out, as the graphics modes give it; empty otherwise.
    QString signalText;
    // Seconds after the last sound has ended before another signal can be
    // asked for; shorter where the cycle brings the signal again sooner.
    double endPause = 0;
};

// The name of a sound in the signal's text: "Horn", "Bell", "Rapid Bell",
// "Gong", "Whistle"; empty for silence, cycle and any other kind.
QString SignalName(long kind);
// Bar colour of a sound kind 1 to 5 (blue-green-red), -1 for any other.
long BarColour(long kind);
// The sound file of a sound kind 1 to 5 lasting duration seconds; empty for
// any other kind.
QString SoundFileName(long kind, long duration);
// The seven sound files, each once.
QStringList SoundFileNames();

// The steps that present a signal's rows, in display order, in sound mode
// mode, on a picture of scale factor scale whose second of sound takes unit
// twips of bar. Sound files are looked for in folder appPath.
SignalPlan PlanSignal(const std::vector<SoundRow> &rows, int mode, double scale, double unit,
                      const QString &appPath);

// Seconds from the signal's start until its last sound has ended.
double SoundingSeconds(const SignalPlan &plan);
// Seconds from one start of the signal to the next: its cycle, or its own
// length where it is longer than its cycle; 0 for a signal without a cycle.
double RepeatSeconds(const SignalPlan &plan);
