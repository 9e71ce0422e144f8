#include "platform/sound/Sound.h"

#include "platform/sound/SoundVoices.h"

namespace {
SoundRecorder &recorder()
{
    static SoundRecorder r;
    return r;
}

SoundRecorder &watcher()
{
    static SoundRecorder w;
    return w;
}

bool recorded(const QString &device, const QString &command, const QString &file = QString())
{
    if (watcher())
        watcher()(SoundCall{device, command, file});
    if (!recorder())
        return false;
    recorder()(SoundCall{device, command, file});
    return true;
}

// The owner of the card's voices.
const char CardVoices = 0;
} // namespace

void SetSoundRecorder(SoundRecorder r)
{
    recorder() = std::move(r);
}
void SetSoundWatcher(SoundRecorder w)
{
    watcher() = std::move(w);
}

void SetSpeakerFolder(const QString &folder)
{
    SoundVoices::LookIn(folder);
}

QStringList PrepareSounds(const QStringList &files)
{
    // A test that records the requests keeps the speakers shut.
    if (recorder())
        return {};
    return SoundVoices::Prepare(files);
}

namespace SoundCard {
void Play(const QString &file)
{
    if (recorded(QStringLiteral("card"), QStringLiteral("Play"), file))
        return;
    SoundVoices::Start(file, &CardVoices);
}

void Stop()
{
    if (recorded(QStringLiteral("card"), QStringLiteral("Stop")))
        return;
    SoundVoices::Stop(&CardVoices);
}
} // namespace SoundCard

MMControl::MMControl(QObject *parent) : QObject(parent) {}

MMControl::~MMControl()
{
    SoundVoices::Stop(this);
}

void MMControl::Command(const QString &command)
{
    const QString word = command.trimmed();
    if (recorded(QStringLiteral("multimedia"), word, word == QLatin1String("Open") ? fileName : QString()))
        return;
    if (word.compare(QLatin1String("Open"), Qt::CaseInsensitive) == 0) {
        opened = fileName;
    } else if (word.compare(QLatin1String("Play"), Qt::CaseInsensitive) == 0) {
        if (!opened.isEmpty())
            SoundVoices::Start(opened, this);
    } else if (word.compare(QLatin1String("Stop"), Qt::CaseInsensitive) == 0) {
        SoundVoices::Stop(this);
    } else if (word.compare(QLatin1String("Close"), Qt::CaseInsensitive) == 0) {
        opened.clear();
    }
}
