#include "platform/sound/SoundVoices.h"

#include "platform/sound/SpeakerStream.h"
#include "platform/sound/WaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace {
constexpr int Rate = 44100;

struct Voice {
    std::shared_ptr<const SoundSamples> samples;
    size_t position = 0;
    const void *owner = nullptr;
};

// The voices now sounding; the window thread adds and stops them, the
// stream's own thread mixes them.
class Voices
{
public:
    void Add(Voice voice)
    {
        std::lock_guard<std::mutex> lock(mutex);
        playing.push_back(std::move(voice));
    }

    void Stop(const void *owner)
    {
        std::lock_guard<std::mutex> lock(mutex);
        playing.erase(std::remove_if(playing.begin(), playing.end(), [&](const Voice &v) { return v.owner == owner; }),
                      playing.end());
    }

    // The next count samples of all voices together; true while any voice
    // is left. A voice that has played to its end is let go.
    bool Mix(qint16 *out, size_t count)
    {
        std::vector<int> sum(count, 0);
        std::lock_guard<std::mutex> lock(mutex);
        for (Voice &v : playing) {
            const size_t n = std::min(count, v.samples->size() - v.position);
            for (size_t i = 0; i < n; ++i)
                sum[i] += (*v.samples)[v.position + i];
            v.position += n;
        }
        playing.erase(std::remove_if(playing.begin(), playing.end(),
                                     [](const Voice &v) { return v.position >= v.samples->size(); }),
                      playing.end());
        for (size_t i = 0; i < count; ++i)
            out[i] = static_cast<qint16>(std::clamp(sum[i], -32768, 32767));
        return !playing.empty();
    }

private:
    std::mutex mutex;
    std::vector<Voice> playing;
};

// Made at the first sound, ended with the application.
struct Speakers {
    Voices voices;
    // None when the speakers module cannot be loaded: then nothing is heard.
    std::unique_ptr<SpeakerStream> output;
    // Every file decoded once, at its first use.
    std::map<QString, std::shared_ptr<const SoundSamples>> decoded;
};

std::unique_ptr<Speakers> &speakers()
{
    static std::unique_ptr<Speakers> s;
    return s;
}

void endSpeakers()
{
    speakers().reset();
}

// The speakers module, beside the program, or where the build put it for
// the tests, which run from a folder of their own.
SpeakerStream *makeOutput(Voices &voices)
{
    for (const QString &folder : {QCoreApplication::applicationDirPath(), QStringLiteral(NORVANTA_MODULE_DIR)}) {
        QLibrary module(QDir(folder).filePath(QLatin1String(SpeakerModuleName)));
        if (auto make = reinterpret_cast<SpeakerStreamMaker>(module.resolve(MakeSpeakerStreamName)))
            return make(Rate, [&voices](std::int16_t *out, std::size_t count) { return voices.Mix(out, count); });
    }
    qWarning("No sound can be heard: the module %s is missing.", SpeakerModuleName);
    return nullptr;
}

Speakers &theSpeakers()
{
    std::unique_ptr<Speakers> &s = speakers();
    if (!s) {
        s = std::make_unique<Speakers>();
        s->output.reset(makeOutput(s->voices));
        qAddPostRoutine(endSpeakers);
    }
    return *s;
}

// A voice was added, or is about to be: the stream opens or wakes.
void wake(Speakers &s)
{
    if (s.output)
        s.output->Wake();
}

std::shared_ptr<const SoundSamples> decoded(Speakers &s, const QString &file)
{
    auto found = s.decoded.find(file);
    if (found != s.decoded.end())
        return found->second;
    auto samples = std::make_shared<SoundSamples>();
    // A file that cannot be read is tried again next time: it may be put right.
    if (!DecodeWave(file, Rate, *samples))
        return nullptr;
    s.decoded[file] = samples;
    return samples;
}
} // namespace

namespace SoundVoices {
void Prepare(const QStringList &files)
{
    Speakers &s = theSpeakers();
    bool any = false;
    for (const QString &file : files)
        any = decoded(s, file) || any;
    // Nothing to play, nothing to open.
    if (any)
        wake(s);
}

void Start(const QString &file, const void *owner)
{
    Speakers &s = theSpeakers();
    std::shared_ptr<const SoundSamples> samples = decoded(s, file);
    // Without speakers a voice would wait for ever.
    if (!samples || samples->empty() || !s.output)
        return;
    s.voices.Add(Voice{samples, 0, owner});
    wake(s);
}

void Stop(const void *owner)
{
    if (speakers())
        speakers()->voices.Stop(owner);
}
} // namespace SoundVoices
