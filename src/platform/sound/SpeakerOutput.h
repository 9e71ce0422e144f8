#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The speakers: each sound is handed to the sound server whole as it is
// asked for, and the server mixes the sounds. The sound system's libraries
// take a start-up several milliseconds to load; so the output is made by a
// module of its own, loaded at the first sound. Nothing here waits on the
// sound server.
class SpeakerOutput
{
public:
    using Samples = std::vector<std::int16_t>;

    // Stops every sound and lets the output go.
    virtual ~SpeakerOutput() = default;
    // Connects to the sound server, or connects anew when it went away, so
    // that the next sound starts on time.
    virtual void Open() = 0;
    // Plays samples from their beginning as a voice of owner; the voices
    // already playing go on. A sound asked for while the server cannot be
    // reached is never heard.
    virtual void Start(std::shared_ptr<const Samples> samples, const void *owner) = 0;
    // Ends every voice of owner at once.
    virtual void Stop(const void *owner) = 0;
};

// The module's one entry, by this name: the output to the system's default
// speakers at rate samples a second, one channel.
using SpeakerOutputMaker = SpeakerOutput *(*)(int rate);
constexpr const char *MakeSpeakerOutputName = "MakeSpeakerOutput";
// The module's file, beside the program.
constexpr const char *SpeakerModuleFile = "norvanta_speakers.so";
