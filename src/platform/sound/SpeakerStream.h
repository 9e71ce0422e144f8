#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// The stream that carries the mixed voices to the speakers. The sound
// system's libraries take a start-up several milliseconds to load; so it is
// made by a module of its own, loaded at the first sound. It asks for the
// mix from a thread of its own and never waits on the sound server.
class SpeakerStream
{
public:
    // Fills count samples with the voices now sounding; true while any is left.
    using Mix = std::function<bool(std::int16_t *out, std::size_t count)>;

    // Stops the stream and lets the output go.
    virtual ~SpeakerStream() = default;
    // A voice was added, or is about to be: the stream opens, wakes from its
    // rest, or connects anew when the sound server went away, and takes it.
    virtual void Wake() = 0;
};

// The module's one entry, by this name: a stream to the system's default
// output at rate samples a second, one channel, fed by mix.
using SpeakerStreamMaker = SpeakerStream *(*)(int rate, SpeakerStream::Mix mix);
constexpr const char *MakeSpeakerStreamName = "MakeSpeakerStream";
// The module's file, beside the program.
constexpr const char *SpeakerModuleName = "norvanta_speakers";
