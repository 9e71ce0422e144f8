#pragma once

// Measures taken from sound samples: reading a WAVE file, the level of one
// frequency over time, where a sound starts and how long it lasts, and the
// frequencies it is made of.

#include <QFile>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <vector>

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<qint16> samples;

    std::vector<double> Values() const { return std::vector<double>(samples.begin(), samples.end()); }
};

// Reads a plain RIFF WAVE file: the "fmt " and "data" chunks.
inline bool ReadWave(const QString &path, Wave &wave)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        if (at + 8 + size > bytes.size())
            return false;
        if (id == "fmt ") {
            wave.format = u16(at + 8);
            wave.channels = u16(at + 10);
            wave.rate = static_cast<int>(u32(at + 12));
            wave.bits = u16(at + 22);
        } else if (id == "data") {
            for (qsizetype i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(static_cast<qint16>(u16(at + 8 + i)));
        }
        at += 8 + size + (size & 1);
    }
    return wave.rate > 0 && !wave.samples.empty();
}

namespace SoundMeasure {
constexpr double Pi = 3.14159265358979323846;
// Each level is taken over 40 ms, one every 10 ms.
constexpr double Window = 0.04;
constexpr double Hop = 0.01;

// A Hann window of count samples, so that neighbouring frequencies leak
// little; made once for every frequency and step that uses it.
inline std::vector<double> Hann(size_t count)
{
    std::vector<double> window(count);
    for (size_t i = 0; i < count; ++i)
        window[i] = 0.5 - 0.5 * std::cos(2 * Pi * (i + 0.5) / count);
    return window;
}

// The amplitude of frequency in the samples from index from on, through
// the window.
inline double Amplitude(const std::vector<double> &samples, size_t from, const std::vector<double> &window, int rate,
                        double frequency)
{
    const double w = 2 * Pi * frequency / rate;
    const double coeff = 2 * std::cos(w);
    double s1 = 0, s2 = 0, weight = 0;
    for (size_t i = 0; i < window.size() && from + i < samples.size(); ++i) {
        const double s0 = samples[from + i] * window[i] + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
        weight += window[i];
    }
    const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
    return weight > 0 ? 2 * std::sqrt(std::max(0.0, power)) / weight : 0;
}

// The level of frequency over time, one value per Hop seconds.
inline std::vector<double> Level(const std::vector<double> &samples, int rate, double frequency)
{
    const std::vector<double> window = Hann(static_cast<size_t>(Window * rate));
    const size_t hop = static_cast<size_t>(Hop * rate);
    std::vector<double> level;
    for (size_t from = 0; from + window.size() <= samples.size(); from += hop)
        level.push_back(Amplitude(samples, from, window, rate, frequency));
    return level;
}

// The spectrum of samples[from, from + count) from 50 Hz to 5 kHz in steps
// of 2 Hz: entry i is the amplitude at 50 + 2i Hz.
inline std::vector<double> Spectrum(const std::vector<double> &samples, size_t from, size_t count, int rate)
{
    const std::vector<double> window = Hann(count);
    std::vector<double> spectrum;
    for (double f = 50; f <= 5000 && f < rate / 2.0; f += 2)
        spectrum.push_back(Amplitude(samples, from, window, rate, f));
    return spectrum;
}
inline double SpectrumFrequency(size_t index)
{
    return 50 + 2.0 * index;
}

// The strongest frequency of a sound's steady middle half second.
inline double Strongest(const std::vector<double> &samples, int rate, double at)
{
    const std::vector<double> s = Spectrum(samples, static_cast<size_t>(at * rate), rate / 2, rate);
    return SpectrumFrequency(static_cast<size_t>(std::max_element(s.begin(), s.end()) - s.begin()));
}

// The fundamental: the lowest peak of the spectrum that reaches a third of
// the strongest.
inline double Fundamental(const std::vector<double> &samples, int rate, double at)
{
    const std::vector<double> s = Spectrum(samples, static_cast<size_t>(at * rate), rate / 2, rate);
    const double top = *std::max_element(s.begin(), s.end());
    for (size_t i = 1; i + 1 < s.size(); ++i) {
        if (s[i] >= top / 3 && s[i] >= s[i - 1] && s[i] >= s[i + 1])
            return SpectrumFrequency(i);
    }
    return 0;
}

// The frequency below which half of the spectrum's amplitude lies: higher
// for a brighter sound.
inline double Centre(const std::vector<double> &samples, int rate, double at)
{
    const std::vector<double> s = Spectrum(samples, static_cast<size_t>(at * rate), rate / 2, rate);
    double total = 0;
    for (double a : s)
        total += a;
    double sum = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        sum += s[i];
        if (sum >= total / 2)
            return SpectrumFrequency(i);
    }
    return 0;
}

// Where a level first reaches threshold at or after index from, and for how
// many steps it stays there, short dips bridged; found is false when it never
// does before to.
struct Span {
    bool found = false;
    bool soundingBefore = false; // the level was already up at from
    size_t start = 0;
    size_t length = 0;
    double peak = 0;
};

// A dip shorter than this many steps is a gap in the output, not the end
// of the sound.
constexpr size_t Dip = 15;

inline Span Sounding(const std::vector<double> &level, double threshold, size_t from, size_t to)
{
    Span span;
    to = std::min(to, level.size());
    if (from >= to)
        return span;
    span.soundingBefore = level[from] >= threshold;
    size_t i = from;
    while (i < to && level[i] < threshold)
        ++i;
    if (i == to)
        return span;
    span.found = true;
    span.start = i;
    size_t end = i;
    for (; i < level.size() && i < end + Dip; ++i) {
        if (level[i] >= threshold) {
            span.peak = std::max(span.peak, level[i]);
            end = i + 1;
        }
    }
    span.length = end - span.start;
    return span;
}
// The silences inside samples[from, to), in seconds each: runs of whole
// milliseconds in which no sample reaches a twentieth of the loudest. A tone
// of the files' lowest pitch (some 160 Hz) reaches half its height within
// any millisecond, so only a break in the sound stays that low.
inline std::vector<double> Gaps(const std::vector<double> &samples, size_t from, size_t to, int rate)
{
    to = std::min(to, samples.size());
    double loudest = 0;
    for (size_t i = from; i < to; ++i)
        loudest = std::max(loudest, std::fabs(samples[i]));
    const size_t ms = static_cast<size_t>(rate / 1000);
    std::vector<double> gaps;
    size_t quiet = 0;
    for (size_t at = from; at + ms <= to; at += ms) {
        double top = 0;
        for (size_t i = at; i < at + ms; ++i)
            top = std::max(top, std::fabs(samples[i]));
        if (top < loudest / 20) {
            ++quiet;
        } else if (quiet > 0) {
            gaps.push_back(double(quiet) / 1000);
            quiet = 0;
        }
    }
    if (quiet > 0)
        gaps.push_back(double(quiet) / 1000);
    return gaps;
}

// The size of the loudest sample.
inline double Peak(const Wave &wave)
{
    double peak = 0;
    for (qint16 s : wave.samples)
        peak = std::max(peak, std::fabs(double(s)));
    return peak;
}

// Seconds from the start to the last tenth of a second in which the sound
// is still clearly heard.
inline double SoundingSeconds(const Wave &wave)
{
    const double peak = Peak(wave);
    const size_t window = static_cast<size_t>(wave.rate / 10);
    double last = 0;
    for (size_t start = 0; start + window <= wave.samples.size(); start += window) {
        double sum = 0;
        for (size_t i = start; i < start + window; ++i)
            sum += double(wave.samples[i]) * wave.samples[i];
        if (std::sqrt(sum / window) > 0.05 * peak)
            last = double(start + window) / wave.rate;
    }
    return last;
}
} // namespace SoundMeasure
