// The speakers module: every sound goes to the PulseAudio server whole, in
// a playback stream of its own, the moment it is asked for, and the server
// mixes the streams. A sound the server already holds cannot break up while
// the machine is busy, and a stream kept ready beforehand lets it start at
// once. Nothing here waits on the server, so a server that goes away can
// neither hang the program nor keep it from closing; the next sound
// connects anew.

#include "platform/sound/SpeakerOutput.h"

#include <pulse/pulseaudio.h>

#include <pthread.h>
#include <sched.h>

#include <algorithm>

namespace {
// Streams made and corked ahead of the sounds, so that a sound never waits
// for the server to make one.
constexpr std::size_t ReadyStreams = 2;
// What the server holds before the speakers: a sound is heard this soon
// after it is handed over, and ends this soon after it is stopped.
constexpr int LatencyMs = 40;

// The thread that talks to the server runs before ordinary work where the
// system allows it, so that a busy machine does not hold a sound back;
// elsewhere it runs as any.
void putSoundFirst()
{
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    pthread_setschedparam(pthread_self(), SCHED_RR, &param);
}

class Output : public SpeakerOutput
{
public:
    explicit Output(int rate) : rate(rate) {}
    ~Output() override
    {
        if (!loop)
            return;
        pa_threaded_mainloop_lock(loop);
        Drop();
        pa_threaded_mainloop_unlock(loop);
        pa_threaded_mainloop_stop(loop);
        pa_threaded_mainloop_free(loop);
    }

    void Open() override
    {
        if (!loop && !StartLoop())
            return;
        pa_threaded_mainloop_lock(loop);
        Connect();
        pa_threaded_mainloop_unlock(loop);
    }

    void Start(std::shared_ptr<const Samples> samples, const void *owner) override
    {
        if (!loop && !StartLoop())
            return;
        pa_threaded_mainloop_lock(loop);
        Connect();
        // A server that cannot be reached now never hears this sound: it
        // would come late, with every other asked for meanwhile.
        if (context) {
            waiting.push_back(Voice{std::move(samples), owner, nullptr});
            Serve();
        }
        pa_threaded_mainloop_unlock(loop);
    }

    void Stop(const void *owner) override
    {
        if (!loop)
            return;
        pa_threaded_mainloop_lock(loop);
        const auto owned = [owner](const Voice &v) { return v.owner == owner; };
        waiting.erase(std::remove_if(waiting.begin(), waiting.end(), owned), waiting.end());
        for (Voice &v : playing)
            if (owned(v))
                Close(v.stream);
        playing.erase(std::remove_if(playing.begin(), playing.end(), owned), playing.end());
        pa_threaded_mainloop_unlock(loop);
    }

private:
    struct Voice {
        std::shared_ptr<const Samples> samples;
        const void *owner = nullptr;
        pa_stream *stream = nullptr; // once playing
    };

    bool StartLoop()
    {
        loop = pa_threaded_mainloop_new();
        if (loop && pa_threaded_mainloop_start(loop) == 0)
            return true;
        if (loop)
            pa_threaded_mainloop_free(loop);
        loop = nullptr;
        return false;
    }

    // Connects unless connected or on the way; a server that went away is
    // tried again, it may be back.
    void Connect()
    {
        if (context && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
            Drop();
        if (context)
            return;
        context = pa_context_new(pa_threaded_mainloop_get_api(loop), "Norvanta");
        if (!context)
            return;
        pa_context_set_state_callback(context, &Output::ContextChanged, this);
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
            Drop();
    }

    // Hands each waiting voice to a ready stream, then makes streams for the
    // voices still waiting and for the next sounds.
    void Serve()
    {
        while (!waiting.empty()) {
            const auto ready = std::find_if(spares.begin(), spares.end(), [](pa_stream *s) {
                return pa_stream_get_state(s) == PA_STREAM_READY;
            });
            if (ready == spares.end())
                break;
            Voice voice = std::move(waiting.front());
            waiting.erase(waiting.begin());
            voice.stream = *ready;
            spares.erase(ready);
            Play(voice);
        }
        if (!context || pa_context_get_state(context) != PA_CONTEXT_READY)
            return;
        while (spares.size() < ReadyStreams + waiting.size() && MakeStream()) {
        }
    }

    // The whole sound goes to the server at once; the stream goes once the
    // server has played all of it.
    void Play(Voice &voice)
    {
        pa_stream *s = voice.stream;
        if (pa_stream_write(s, voice.samples->data(), voice.samples->size() * sizeof(std::int16_t), nullptr, 0,
                            PA_SEEK_RELATIVE) < 0) {
            Close(s);
            return;
        }
        done(pa_stream_cork(s, 0, nullptr, nullptr));
        done(pa_stream_drain(s, &Output::Drained, this));
        voice.samples.reset();
        playing.push_back(std::move(voice));
    }

    bool MakeStream()
    {
        const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<uint32_t>(rate), 1};
        pa_stream *s = pa_stream_new(context, "Signal", &format, nullptr);
        if (!s)
            return false;
        pa_stream_set_state_callback(s, &Output::StreamChanged, this);
        pa_buffer_attr attr{};
        // Room for the longest sound; the latency asked for sets only how
        // much of it waits before the speakers.
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(LatencyMs * 1000, &format));
        attr.prebuf = static_cast<uint32_t>(-1);
        attr.minreq = static_cast<uint32_t>(-1);
        attr.fragsize = static_cast<uint32_t>(-1);
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
        if (pa_stream_connect_playback(s, nullptr, &attr, flags, nullptr, nullptr) < 0) {
            Close(s);
            return false;
        }
        spares.push_back(s);
        return true;
    }

    static void done(pa_operation *op)
    {
        if (op)
            pa_operation_unref(op);
    }

    static void Close(pa_stream *s)
    {
        pa_stream_set_state_callback(s, nullptr, nullptr);
        pa_stream_disconnect(s);
        pa_stream_unref(s);
    }

    // Lets a stream go, wherever it is kept.
    void Forget(pa_stream *s)
    {
        spares.erase(std::remove(spares.begin(), spares.end(), s), spares.end());
        playing.erase(std::remove_if(playing.begin(), playing.end(), [s](const Voice &v) { return v.stream == s; }),
                      playing.end());
        Close(s);
    }

    // Every stream and every waiting voice is let go: what cannot be heard
    // now must not sound late, all at once, when the server is back.
    void LetGo()
    {
        for (pa_stream *s : spares)
            Close(s);
        spares.clear();
        for (Voice &v : playing)
            Close(v.stream);
        playing.clear();
        waiting.clear();
    }

    void Drop()
    {
        LetGo();
        if (!context)
            return;
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }

    // The callbacks run on the loop's thread with the loop locked.
    static void ContextChanged(pa_context *c, void *self)
    {
        auto *output = static_cast<Output *>(self);
        if (!output->raised) {
            putSoundFirst();
            output->raised = true;
        }
        const pa_context_state_t state = pa_context_get_state(c);
        // A context that failed is dropped at the next sound, not inside its
        // own call.
        if (state == PA_CONTEXT_READY)
            output->Serve();
        else if (!PA_CONTEXT_IS_GOOD(state))
            output->LetGo();
    }

    static void StreamChanged(pa_stream *s, void *self)
    {
        auto *output = static_cast<Output *>(self);
        const pa_stream_state_t state = pa_stream_get_state(s);
        if (state == PA_STREAM_READY)
            output->Serve();
        else if (!PA_STREAM_IS_GOOD(state))
            output->Forget(s);
    }

    static void Drained(pa_stream *s, int, void *self)
    {
        auto *output = static_cast<Output *>(self);
        const auto played = std::find_if(output->playing.begin(), output->playing.end(),
                                         [s](const Voice &v) { return v.stream == s; });
        if (played != output->playing.end())
            output->Forget(s);
    }

    const int rate;
    pa_threaded_mainloop *loop = nullptr;
    // What follows is kept under the loop's lock.
    pa_context *context = nullptr;
    std::vector<pa_stream *> spares;
    std::vector<Voice> waiting;
    std::vector<Voice> playing;
    bool raised = false;
};
} // namespace

extern "C" __attribute__((visibility("default"))) SpeakerOutput *MakeSpeakerOutput(int rate)
{
    return new Output(rate);
}
