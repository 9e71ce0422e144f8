#pragma once

#include <QString>

#include <QtGlobal>

#include <vector>

// Mono 16-bit samples at one fixed rate, ready to be mixed.
using SoundSamples = std::vector<qint16>;

// Reads a RIFF WAVE file of whole-number PCM (8, 16, 24 or 32 bits) or
// floating-point samples, any rate and any number of channels, as mono
// samples at rate. False, with samples left empty, for a file that is
// missing or is no such sound.
bool DecodeWave(const QString &path, int rate, SoundSamples &samples);
