#pragma once

#include <QString>

#include <QtGlobal>

#include <vector>

// Mono 16-bit samples at one fixed rate, ready to be mixed.
using SoundSamples = std::vector<qint16>;

// What keeps a sound file from being played.
enum class WaveFault {
    None,
    Missing,    // no file of that name
    Unreadable, // there, but it cannot be opened
    Empty,      // it holds no sound at all
    Damaged,    // it is no sound the program can read
};

// Reads a RIFF WAVE file of whole-number PCM (8, 16, 24 or 32 bits) or
// floating-point samples, any rate and any number of channels, as mono
// samples at rate. Any fault leaves samples empty.
WaveFault DecodeWave(const QString &path, int rate, SoundSamples &samples);
