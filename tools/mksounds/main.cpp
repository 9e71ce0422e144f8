// Synthesises the seven sound files of the sound-signals quiz: a ship's horn
// and a whistle, each as a prolonged (about 5 s) and a short (about 1 s)
// blast, one stroke of a ship's bell, the bell rung rapidly for about 5 s, and
// a gong rung rapidly for about 5 s. Mono, 16-bit, 11025 samples a second.
//
//     mksounds <folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {
constexpr int Rate = 11025;
constexpr double Pi = 3.14159265358979323846;

using Samples = std::vector<double>;

Samples silence(double seconds) { return Samples(static_cast<size_t>(seconds * Rate), 0.0); }

// A smooth rise over attack seconds and fall over release seconds at the
// ends of a note lasting length seconds.
double envelope(double t, double length, double attack, double release)
{
    if (t < attack)
        return 0.5 - 0.5 * std::cos(Pi * t / attack);
    if (t > length - release)
        return std::max(0.0, 0.5 - 0.5 * std::cos(Pi * (length - t) / release));
    return 1.0;
}

// Deterministic noise in [-1, 1).
struct Noise {
    uint32_t state = 12345;
    double next()
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
    }
};

// A reed horn sounding a two-note chord: rich in harmonics, its pitch settling
// just after the start, with a slow waver.
Samples horn(double blast, double length)
{
    Samples out = silence(length);
    const double notes[] = {165.0, 208.0};
    double phase[2] = {0, 0};
    for (size_t i = 0; i < static_cast<size_t>(blast * Rate); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double settle = 1.0 - 0.03 * std::exp(-t / 0.05);
        const double waver = 1.0 + 0.003 * std::sin(2 * Pi * 4.5 * t);
        double v = 0;
        for (int n = 0; n < 2; ++n) {
            phase[n] += 2 * Pi * notes[n] * settle * waver / Rate;
            for (int h = 1; h <= 14; ++h) {
                if (notes[n] * h > 4800)
                    break;
                // Harmonics fall off above about 2 kHz, as through a flared bell.
                const double roll = 1.0 / std::pow(h, 0.8) / (1.0 + std::pow(notes[n] * h / 2000.0, 2));
                v += roll * std::sin(h * phase[n]);
            }
        }
        out[i] = v * envelope(t, blast, 0.06, 0.15);
    }
    return out;
}

// A ship's whistle of a small vessel: a steady note of 470 Hz whose
// harmonics fall off slowly up to 4.7 kHz, over a little breath noise. It is
// higher than the horn and brighter: the horn's harmonics fade above 2 kHz.
Samples whistle(double blast, double length)
{
    Samples out = silence(length);
    Noise noise;
    const double pitch = 470.0;
    double phase = 0;
    double breath = 0;
    for (size_t i = 0; i < static_cast<size_t>(blast * Rate); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double settle = 1.0 - 0.02 * std::exp(-t / 0.04);
        phase += 2 * Pi * pitch * settle * (1.0 + 0.002 * std::sin(2 * Pi * 5.0 * t)) / Rate;
        double v = 0;
        for (int h = 1; pitch * h < 4800; ++h)
            v += std::sin(h * phase) / std::pow(h, 0.6);
        breath += 0.5 * (noise.next() - breath);
        out[i] = (v + 0.3 * breath) * envelope(t, blast, 0.04, 0.1);
    }
    return out;
}

struct Partial {
    double ratio;
    double level;
    double decay; // seconds to fall to 1/e
};

// Adds one stroke of a struck metal body at time start.
void strike(Samples &out, double start, double pitch, const std::vector<Partial> &partials, double loudness)
{
    Noise noise;
    const size_t first = static_cast<size_t>(start * Rate);
    for (size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / Rate;
        double v = 0;
        for (const Partial &p : partials) {
            if (pitch * p.ratio > 5000)
                continue;
            v += p.level * std::exp(-t / p.decay) * std::sin(2 * Pi * pitch * p.ratio * t);
        }
        // The clapper's knock.
        if (t < 0.006)
            v += 0.4 * noise.next() * (1.0 - t / 0.006);
        // Ramp in over a millisecond so the stroke does not click.
        out[i] += loudness * v * std::min(1.0, t / 0.001);
    }
}

const std::vector<Partial> BellPartials = {
    {0.5, 0.35, 1.6}, {1.0, 0.6, 1.1}, {1.19, 0.45, 0.9}, {1.5, 0.3, 0.7},
    {2.0, 0.5, 0.6},  {2.5, 0.2, 0.4}, {3.0, 0.15, 0.3},  {4.2, 0.1, 0.15},
};

const std::vector<Partial> GongPartials = {
    {1.0, 0.6, 0.8},  {1.006, 0.4, 0.8}, {1.52, 0.35, 0.6}, {2.0, 0.3, 0.5},
    {2.74, 0.25, 0.4}, {3.9, 0.15, 0.25}, {5.2, 0.1, 0.15},
};

Samples bellStroke()
{
    Samples out = silence(1.2);
    strike(out, 0.0, 880.0, BellPartials, 1.0);
    return out;
}

// The clapper swung fast against both sides of the bell.
Samples bellRapid()
{
    Samples out = silence(5.0);
    int n = 0;
    for (double start = 0.0; start < 4.8; start += 0.13, ++n)
        strike(out, start, n % 2 ? 884.0 : 880.0, BellPartials, n % 2 ? 0.8 : 1.0);
    return out;
}

// A gong beaten fast: each stroke rings on under the next.
Samples gongRapid()
{
    Samples out = silence(5.0);
    int n = 0;
    for (double start = 0.0; start < 4.6; start += 0.2, ++n)
        strike(out, start, 220.0, GongPartials, n % 2 ? 0.85 : 1.0);
    return out;
}

// Brings the peak to most of full scale and fades the last tenth of a second.
void finish(Samples &s)
{
    double peak = 0;
    for (double v : s)
        peak = std::max(peak, std::fabs(v));
    const double gain = peak > 0 ? 0.8 / peak : 0;
    const size_t fade = std::min(s.size(), static_cast<size_t>(0.1 * Rate));
    for (size_t i = 0; i < s.size(); ++i) {
        s[i] *= gain;
        const size_t left = s.size() - i;
        if (left < fade)
            s[i] *= static_cast<double>(left) / fade;
    }
}

void put16(std::ofstream &f, uint16_t v) { f.put(static_cast<char>(v & 0xFF)).put(static_cast<char>(v >> 8)); }
void put32(std::ofstream &f, uint32_t v)
{
    put16(f, static_cast<uint16_t>(v & 0xFFFF));
    put16(f, static_cast<uint16_t>(v >> 16));
}

bool writeWave(const std::string &path, Samples s)
{
    finish(s);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f)
        return false;
    const uint32_t bytes = static_cast<uint32_t>(s.size() * 2);
    f.write("RIFF", 4);
    put32(f, 36 + bytes);
    f.write("WAVEfmt ", 8);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, 1); // mono
    put32(f, Rate);
    put32(f, Rate * 2);
    put16(f, 2);
    put16(f, 16);
    f.write("data", 4);
    put32(f, bytes);
    for (double v : s)
        put16(f, static_cast<uint16_t>(static_cast<int16_t>(std::lround(std::max(-1.0, std::min(1.0, v)) * 32767))));
    return static_cast<bool>(f);
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mksounds <folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const struct {
        const char *name;
        Samples samples;
    } files[] = {
        {"HORN5.WAV", horn(4.5, 5.0)},       {"HORN1.WAV", horn(0.8, 1.0)},
        {"BELL1.WAV", bellStroke()},         {"BELLRAP.WAV", bellRapid()},
        {"GONG.WAV", gongRapid()},           {"WHISTLE5.WAV", whistle(4.5, 5.0)},
        {"WHISTLE1.WAV", whistle(0.8, 1.0)},
    };
    for (const auto &file : files) {
        if (!writeWave(folder + file.name, file.samples)) {
            std::fprintf(stderr, "mksounds: cannot write %s%s\n", folder.c_str(), file.name);
            return 1;
        }
    }
    return 0;
}
