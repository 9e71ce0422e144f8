#pragma once

#include <QObject>

#include <cstddef>
#include <functional>

// The stream that carries the mixed voices to the speakers. Only it needs
// the multimedia libraries, which take a start-up several milliseconds to
// load; so it is made by a module of its own, loaded at the first sound.
// It lives on the sound thread.
class SpeakerStream : public QObject
{
public:
    // Fills count samples with the voices now sounding; true while any is left.
    using Mix = std::function<bool(qint16 *out, std::size_t count)>;

    // A voice was added: the stream opens or wakes and takes it at once.
    virtual void Wake() = 0;
    // Stops the stream and lets the output go.
    virtual void Close() = 0;
};

// The module's one entry, by this name: a stream to the system's default
// output at rate samples a second, one channel, fed by mix.
using SpeakerStreamMaker = SpeakerStream *(*)(int rate, SpeakerStream::Mix mix);
constexpr const char *MakeSpeakerStreamName = "MakeSpeakerStream";
// The module's file, beside the program.
constexpr const char *SpeakerModuleName = "norvanta_speakers";
