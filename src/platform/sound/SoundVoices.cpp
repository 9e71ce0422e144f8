#include "platform/sound/SoundVoices.h"

#include "platform/sound/SpeakerModule.h"
#include "platform/sound/WaveFile.h"

#include <QCoreApplication>
#include <QDir>

#include <map>
#include <memory>
#include <set>
#include <type_traits>

namespace {
constexpr int Rate = 44100;

static_assert(std::is_same_v<SoundSamples, SpeakerOutput::Samples>, "the output plays decoded samples as they are");

// Made at the first sound, ended with the application.
struct Speakers {
    // None when the speakers module cannot be used: then nothing is heard.
    std::unique_ptr<SpeakerOutput> output;
    // Why there is no output.
    QString unheard;
    // Every file decoded once, at its first use.
    std::map<QString, std::shared_ptr<const SoundSamples>> decoded;
    // What keeps a sound from being heard, once it has been told.
    std::set<QString> told;
};

std::unique_ptr<Speakers> &speakers()
{
    static std::unique_ptr<Speakers> s;
    return s;
}

QString &lookedIn()
{
    static QString folder;
    return folder;
}

void endSpeakers()
{
    speakers().reset();
}

Speakers &theSpeakers()
{
    std::unique_ptr<Speakers> &s = speakers();
    if (!s) {
        s = std::make_unique<Speakers>();
        const QString folder = lookedIn().isEmpty() ? QCoreApplication::applicationDirPath() : lookedIn();
        const SpeakerModule module = FindSpeakerModule(folder);
        if (module.make)
            s->output.reset(module.make(Rate));
        else
            s->unheard = module.problem;
        static bool endsWithTheApplication = false;
        if (!endsWithTheApplication)
            qAddPostRoutine(endSpeakers);
        endsWithTheApplication = true;
    }
    return *s;
}

QString faultText(WaveFault fault, const QString &file)
{
    const QString name = QDir::toNativeSeparators(file);
    switch (fault) {
    case WaveFault::Missing:
        return QStringLiteral("The sound file %1 is missing, so it cannot be heard.").arg(name);
    case WaveFault::Unreadable:
        return QStringLiteral("The sound file %1 cannot be read, so it cannot be heard.").arg(name);
    case WaveFault::Empty:
        return QStringLiteral("The sound file %1 is empty, so it cannot be heard.").arg(name);
    case WaveFault::Damaged:
        return QStringLiteral("The sound file %1 is damaged, so it cannot be heard.").arg(name);
    case WaveFault::None:
        break;
    }
    return QString();
}

// The samples of file, or nothing with the reason in fault.
std::shared_ptr<const SoundSamples> decoded(Speakers &s, const QString &file, WaveFault &fault)
{
    fault = WaveFault::None;
    auto found = s.decoded.find(file);
    if (found != s.decoded.end())
        return found->second;
    auto samples = std::make_shared<SoundSamples>();
    // A file that cannot be read is tried again next time: it may be put right.
    fault = DecodeWave(file, Rate, *samples);
    if (fault != WaveFault::None)
        return nullptr;
    s.decoded[file] = samples;
    return samples;
}
} // namespace

namespace SoundVoices {
QStringList Prepare(const QStringList &files)
{
    Speakers &s = theSpeakers();
    QStringList problems;
    if (!s.output)
        problems << QStringLiteral("No sound can be heard: ") + s.unheard;
    bool any = false;
    for (const QString &file : files) {
        WaveFault fault;
        any = decoded(s, file, fault) || any;
        if (fault != WaveFault::None)
            problems << faultText(fault, file);
    }
    // Nothing to play, nothing to open.
    if (any && s.output)
        s.output->Open();
    QStringList untold;
    for (const QString &problem : problems)
        if (s.told.insert(problem).second)
            untold << problem;
    return untold;
}

void Start(const QString &file, const void *owner)
{
    Speakers &s = theSpeakers();
    WaveFault fault;
    std::shared_ptr<const SoundSamples> samples = decoded(s, file, fault);
    if (!samples || samples->empty() || !s.output)
        return;
    s.output->Start(std::move(samples), owner);
}

void Stop(const void *owner)
{
    if (speakers() && speakers()->output)
        speakers()->output->Stop(owner);
}

void LookIn(const QString &folder)
{
    speakers().reset();
    lookedIn() = folder;
}
} // namespace SoundVoices
