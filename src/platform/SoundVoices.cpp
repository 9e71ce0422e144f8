#include "platform/SoundVoices.h"

#include "platform/WaveFile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <pthread.h>
#include <sched.h>
#endif

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace {
constexpr int Rate = 44100;
// Sound the stream holds ahead of the speakers, and so the longest a new
// sound waits to be heard; small, yet a few feeds deep so a busy moment of
// the machine leaves no gap.
constexpr int AheadMs = 40;
constexpr int FeedMs = 5;
// After this long without a voice the stream rests, so a program left open
// costs no processor time; it wakes at the next sound.
constexpr int RestMs = 3000;

struct Voice {
    std::shared_ptr<const SoundSamples> samples;
    size_t position = 0;
    const void *owner = nullptr;
};

// The voices now sounding; the window thread adds and stops them, the
// sound thread mixes them.
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

// The output stream; lives on the sound thread, where its feed timer runs.
class Output : public QObject
{
public:
    Output(const QAudioDevice &device, Voices &voices) : device(device), voices(voices)
    {
        // A child, so that it moves to the sound thread with its owner.
        feed = new QTimer(this);
        feed->setTimerType(Qt::PreciseTimer);
        feed->setInterval(FeedMs);
        connect(feed, &QTimer::timeout, this, [this] { Feed(); });
    }

    // A voice was added: the stream opens or wakes and takes it at once.
    void Wake()
    {
        if (!sink && !Open())
            return;
        if (sink->state() == QAudio::SuspendedState)
            sink->resume();
        quiet.restart();
        if (!feed->isActive())
            feed->start();
        Feed();
    }

    void Close()
    {
        feed->stop();
        if (sink)
            sink->stop();
        delete sink;
        sink = nullptr;
        stream = nullptr;
    }

private:
    bool Open()
    {
        QAudioFormat format;
        format.setSampleRate(Rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        sink = new QAudioSink(device, format, this);
        sink->setBufferSize(Rate * 2 * AheadMs / 1000);
        stream = sink->start();
        // No sound output: nothing is heard, and the next sound tries again.
        if (!stream || sink->error() != QAudio::NoError) {
            Close();
            return false;
        }
        return true;
    }

    void Feed()
    {
        if (!sink || sink->state() == QAudio::SuspendedState)
            return;
        const qint64 room = sink->bytesFree() / 2;
        if (room <= 0)
            return;
        std::vector<qint16> samples(static_cast<size_t>(room));
        if (voices.Mix(samples.data(), samples.size()))
            quiet.restart();
        stream->write(reinterpret_cast<const char *>(samples.data()), room * 2);
        if (quiet.elapsed() > RestMs) {
            feed->stop();
            sink->suspend();
        }
    }

    QAudioDevice device;
    Voices &voices;
    QAudioSink *sink = nullptr;
    QIODevice *stream = nullptr;
    QTimer *feed = nullptr;
    QElapsedTimer quiet;
};

// The sound thread runs before ordinary work where the system allows it, so
// that a busy machine leaves no gap in a sound; elsewhere it runs as any.
void putSoundFirst()
{
#ifdef Q_OS_UNIX
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    pthread_setschedparam(pthread_self(), SCHED_RR, &param);
#endif
}

// Made at the first sound, ended with the application.
struct Speakers {
    Voices voices;
    QThread thread;
    Output *output = nullptr;
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
    std::unique_ptr<Speakers> &s = speakers();
    if (!s)
        return;
    QMetaObject::invokeMethod(
        s->output,
        [output = s->output] {
            output->Close();
            delete output;
        },
        Qt::BlockingQueuedConnection);
    s->thread.quit();
    s->thread.wait();
    s.reset();
}

Speakers &theSpeakers()
{
    std::unique_ptr<Speakers> &s = speakers();
    if (!s) {
        s = std::make_unique<Speakers>();
        s->thread.setObjectName(QStringLiteral("Sound"));
        s->output = new Output(QMediaDevices::defaultAudioOutput(), s->voices);
        s->output->moveToThread(&s->thread);
        s->thread.start(QThread::HighPriority);
        QMetaObject::invokeMethod(s->output, putSoundFirst, Qt::QueuedConnection);
        qAddPostRoutine(endSpeakers);
    }
    return *s;
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
        QMetaObject::invokeMethod(
            s.output, [output = s.output] { output->Wake(); }, Qt::QueuedConnection);
}

void Start(const QString &file, const void *owner)
{
    Speakers &s = theSpeakers();
    std::shared_ptr<const SoundSamples> samples = decoded(s, file);
    if (!samples || samples->empty())
        return;
    s.voices.Add(Voice{samples, 0, owner});
    QMetaObject::invokeMethod(
        s.output, [output = s.output] { output->Wake(); }, Qt::QueuedConnection);
}

void Stop(const void *owner)
{
    if (speakers())
        speakers()->voices.Stop(owner);
}
} // namespace SoundVoices
