#include "platform/sound/WaveFile.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr int PcmFormat = 1;
constexpr int FloatFormat = 3;
constexpr int ExtensibleFormat = 0xFFFE;

struct Format {
    int tag = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

// One sample in [-1, 1] from its bytes.
double sampleAt(const char *p, const Format &f)
{
    if (f.tag == FloatFormat) {
        if (f.bits == 32) {
            const quint32 bits = qFromLittleEndian<quint32>(p);
            float v;
            std::memcpy(&v, &bits, sizeof v);
            return v;
        }
        const quint64 bits = qFromLittleEndian<quint64>(p);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    switch (f.bits) {
    case 8:
        return (static_cast<unsigned char>(*p) - 128) / 128.0;
    case 16:
        return qFromLittleEndian<qint16>(p) / 32768.0;
    case 24: {
        const qint32 v = static_cast<qint32>(static_cast<quint32>(static_cast<unsigned char>(p[0])) |
                                             static_cast<quint32>(static_cast<unsigned char>(p[1])) << 8 |
                                             static_cast<quint32>(static_cast<unsigned char>(p[2])) << 16 |
                                             (static_cast<signed char>(p[2]) < 0 ? 0xFF000000u : 0u));
        return v / 8388608.0;
    }
    default:
        return qFromLittleEndian<qint32>(p) / 2147483648.0;
    }
}

bool usable(const Format &f)
{
    if (f.channels < 1 || f.rate < 1000 || f.rate > 384000)
        return false;
    if (f.tag == PcmFormat)
        return f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32;
    return f.tag == FloatFormat && (f.bits == 32 || f.bits == 64);
}
} // namespace

WaveFault DecodeWave(const QString &path, int rate, SoundSamples &samples)
{
    samples.clear();
    QFile file(path);
    if (!file.exists())
        return WaveFault::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return WaveFault::Unreadable;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return WaveFault::Empty;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return WaveFault::Damaged;

    Format format;
    const char *data = nullptr;
    qsizetype dataSize = 0;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const char *chunk = bytes.constData() + at;
        // A last chunk cut short keeps what it holds.
        const qsizetype size = std::min<qsizetype>(qFromLittleEndian<quint32>(chunk + 4), bytes.size() - at - 8);
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            format.tag = qFromLittleEndian<quint16>(chunk + 8);
            format.channels = qFromLittleEndian<quint16>(chunk + 10);
            format.rate = static_cast<int>(qFromLittleEndian<quint32>(chunk + 12));
            format.bits = qFromLittleEndian<quint16>(chunk + 22);
            // The extensible form names its sample format in its first two
            // bytes of sub-format.
            if (format.tag == ExtensibleFormat && size >= 26)
                format.tag = qFromLittleEndian<quint16>(chunk + 32);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            data = chunk + 8;
            dataSize = size;
        }
        at += 8 + size + (size & 1);
    }
    if (!data || !usable(format))
        return WaveFault::Damaged;

    // Channels averaged into one, then read at the new rate by straight
    // lines between neighbouring samples.
    const int width = format.bits / 8;
    const qsizetype frames = dataSize / (width * format.channels);
    if (frames < 1)
        return WaveFault::Empty;
    std::vector<double> mono(static_cast<size_t>(frames));
    for (qsizetype i = 0; i < frames; ++i) {
        double sum = 0;
        for (int c = 0; c < format.channels; ++c)
            sum += sampleAt(data + (i * format.channels + c) * width, format);
        mono[static_cast<size_t>(i)] = sum / format.channels;
    }
    const double step = double(format.rate) / rate;
    const auto count = static_cast<size_t>(std::floor((frames - 1) / step)) + 1;
    samples.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const double at = i * step;
        const auto left = static_cast<size_t>(at);
        const size_t right = std::min(left + 1, mono.size() - 1);
        const double v = mono[left] + (mono[right] - mono[left]) * (at - static_cast<double>(left));
        samples[i] = static_cast<qint16>(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
    }
    return WaveFault::None;
}
