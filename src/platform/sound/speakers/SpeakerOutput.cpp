// The speakers module: a PulseAudio playback stream that asks for the mix as
// it needs it. Nothing here waits on the sound server, so a server that goes
// away can neither hang the program nor keep it from closing; the next sound
// connects anew.

#include "platform/sound/SpeakerStream.h"

#include <pulse/pulseaudio.h>

#include <pthread.h>
#include <sched.h>

#include <chrono>
#include <vector>

namespace {
// Sound the stream holds ahead of the speakers, and so the longest a new
// sound waits to be heard; small, yet a few requests deep so a busy moment
// of the machine leaves no gap.
constexpr int AheadMs = 40;
constexpr int RequestMs = 5;
// After this long without a voice the stream rests, so a program left open
// costs no processor time; it wakes at the next sound.
constexpr std::chrono::seconds Rest{3};

using Clock = std::chrono::steady_clock;

// The thread that fills the stream runs before ordinary work where the
// system allows it, so that a busy machine leaves no gap in a sound;
// elsewhere it runs as any.
void putSoundFirst()
{
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    pthread_setschedparam(pthread_self(), SCHED_RR, &param);
}

class Output : public SpeakerStream
{
public:
    Output(int rate, Mix mix) : rate(rate), mix(std::move(mix)) {}
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

    void Wake() override
    {
        if (!loop && !StartLoop())
            return;
        pa_threaded_mainloop_lock(loop);
        quietSince = Clock::now();
        // The server went away: start over, it may be back.
        if (context && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
            Drop();
        if (stream && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
            DropStream();
        if (!context)
            Connect();
        else if (!stream && pa_context_get_state(context) == PA_CONTEXT_READY)
            OpenStream();
        else if (stream && corked)
            Cork(false);
        pa_threaded_mainloop_unlock(loop);
    }

private:
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

    void Connect()
    {
        context = pa_context_new(pa_threaded_mainloop_get_api(loop), "Norvanta");
        if (!context)
            return;
        pa_context_set_state_callback(context, &Output::ContextChanged, this);
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0) {
            Discard();
            Drop();
        }
    }

    void OpenStream()
    {
        const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<uint32_t>(rate), 1};
        stream = pa_stream_new(context, "Signals", &format, nullptr);
        if (!stream)
            return;
        pa_stream_set_state_callback(stream, &Output::StreamChanged, this);
        pa_stream_set_write_callback(stream, &Output::Requested, this);
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(AheadMs * 1000, &format));
        attr.prebuf = static_cast<uint32_t>(-1);
        attr.minreq = static_cast<uint32_t>(pa_usec_to_bytes(RequestMs * 1000, &format));
        attr.fragsize = static_cast<uint32_t>(-1);
        corked = false;
        if (pa_stream_connect_playback(stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
            Discard();
            DropStream();
        }
    }

    void Cork(bool rest)
    {
        corked = rest;
        if (pa_operation *op = pa_stream_cork(stream, rest ? 1 : 0, nullptr, nullptr))
            pa_operation_unref(op);
    }

    void DropStream()
    {
        if (!stream)
            return;
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
    }

    void Drop()
    {
        DropStream();
        if (!context)
            return;
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }

    // Voices that cannot be heard now are let go, so that they do not all
    // sound at once, late, when the server is back.
    void Discard()
    {
        std::vector<std::int16_t> scratch(4096);
        while (mix(scratch.data(), scratch.size())) {
        }
    }

    // The callbacks run on the stream's thread with the loop locked.
    static void ContextChanged(pa_context *c, void *self)
    {
        auto *output = static_cast<Output *>(self);
        const pa_context_state_t state = pa_context_get_state(c);
        if (state == PA_CONTEXT_READY && !output->stream)
            output->OpenStream();
        else if (!PA_CONTEXT_IS_GOOD(state))
            output->Discard();
    }

    static void StreamChanged(pa_stream *s, void *self)
    {
        if (!PA_STREAM_IS_GOOD(pa_stream_get_state(s)))
            static_cast<Output *>(self)->Discard();
    }

    static void Requested(pa_stream *s, size_t bytes, void *self)
    {
        static_cast<Output *>(self)->Fill(s, bytes);
    }

    void Fill(pa_stream *s, size_t bytes)
    {
        if (!raised) {
            putSoundFirst();
            raised = true;
        }
        bool sounding = false;
        while (bytes >= sizeof(std::int16_t)) {
            void *data = nullptr;
            size_t size = bytes;
            if (pa_stream_begin_write(s, &data, &size) < 0 || !data)
                return;
            const size_t count = size / sizeof(std::int16_t);
            sounding = mix(static_cast<std::int16_t *>(data), count) || sounding;
            if (pa_stream_write(s, data, count * sizeof(std::int16_t), nullptr, 0, PA_SEEK_RELATIVE) < 0)
                return;
            bytes -= count * sizeof(std::int16_t);
        }
        if (sounding)
            quietSince = Clock::now();
        else if (!corked && Clock::now() - quietSince > Rest)
            Cork(true);
    }

    const int rate;
    const Mix mix;
    pa_threaded_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;
    // What follows is kept under the loop's lock.
    bool corked = false;
    bool raised = false;
    Clock::time_point quietSince = Clock::now();
};
} // namespace

extern "C" __attribute__((visibility("default"))) SpeakerStream *MakeSpeakerStream(int rate, SpeakerStream::Mix mix)
{
    return new Output(rate, std::move(mix));
}
