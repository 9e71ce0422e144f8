#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// Makes both sound devices ready for files before the first is asked for,
// so that the first sound starts as soon as the next. Returns what keeps
// sounds from being heard, each told once while the program runs: no sound
// output, and why; each file that is missing, empty or damaged.
QStringList PrepareSounds(const QStringList &files);

// The sound card: starts playing a WAV file and returns at once. Sounds
// started earlier play on to their end, so a new sound never cuts one short.
// A file that is missing or cannot be played is not heard, and no default
// sound is given in its place.
namespace SoundCard {
void Play(const QString &file);
// Ends every sound of the card at once.
void Stop();
} // namespace SoundCard

// The multimedia device, used as a player of sound files: it is given a file
// name and then commands. "Open" takes the file named, "Play" starts it from
// its beginning and returns at once, "Stop" ends every sound the device
// started, "Close" lets the file go. A sound once started plays to its end
// unless stopped, so "Close" and the next "Play" never cut it short. Any
// other word does nothing; a file that cannot be opened plays nothing.
class MMControl : public QObject
{
    Q_OBJECT

public:
    explicit MMControl(QObject *parent = nullptr);
    ~MMControl() override;

    QString FileName() const { return fileName; }
    void SetFileName(const QString &file) { fileName = file; }
    void Command(const QString &command);

private:
    QString fileName;
    QString opened;
};

// Tests: every request to a device goes to the recorder instead of the
// speakers. device is "card" or "multimedia", command what was asked
// ("Play", "Stop", "Open", "Close"), file the file concerned, if any. An
// empty recorder gives the sounds back to the devices.
struct SoundCall {
    QString device;
    QString command;
    QString file;
};
using SoundRecorder = std::function<void(const SoundCall &)>;
void SetSoundRecorder(SoundRecorder recorder);
// Tests: the watcher sees every request as it is made, and the request then
// goes on to the devices (or the recorder) as usual.
void SetSoundWatcher(SoundRecorder watcher);
// Tests: the sound output is looked for in folder, not beside the test, and
// nothing counts as told yet; an empty folder gives the program's own.
void SetSpeakerFolder(const QString &folder);
