// The speakers module: the output stream of the sound thread over the
// multimedia libraries' audio sink.

#include "platform/SpeakerStream.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTimer>

#include <vector>

namespace {
// Sound the stream holds ahead of the speakers, and so the longest a new
// sound waits to be heard; small, yet a few feeds deep so a busy moment of
// the machine leaves no gap.
constexpr int AheadMs = 40;
constexpr int FeedMs = 5;
// After this long without a voice the stream rests, so a program left open
// costs no processor time; it wakes at the next sound.
constexpr int RestMs = 3000;

class Output : public SpeakerStream
{
public:
    Output(const QAudioDevice &device, int rate, Mix mix) : device(device), rate(rate), mix(std::move(mix))
    {
        // A child, so that it moves to the sound thread with its owner.
        feed = new QTimer(this);
        feed->setTimerType(Qt::PreciseTimer);
        feed->setInterval(FeedMs);
        connect(feed, &QTimer::timeout, this, [this] { Feed(); });
    }

    void Wake() override
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

    void Close() override
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
        format.setSampleRate(rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        sink = new QAudioSink(device, format, this);
        sink->setBufferSize(rate * 2 * AheadMs / 1000);
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
        if (mix(samples.data(), samples.size()))
            quiet.restart();
        stream->write(reinterpret_cast<const char *>(samples.data()), room * 2);
        if (quiet.elapsed() > RestMs) {
            feed->stop();
            sink->suspend();
        }
    }

    QAudioDevice device;
    const int rate;
    const Mix mix;
    QAudioSink *sink = nullptr;
    QIODevice *stream = nullptr;
    QTimer *feed = nullptr;
    QElapsedTimer quiet;
};
} // namespace

extern "C" Q_DECL_EXPORT SpeakerStream *MakeSpeakerStream(int rate, SpeakerStream::Mix mix)
{
    return new Output(QMediaDevices::defaultAudioOutput(), rate, std::move(mix));
}
