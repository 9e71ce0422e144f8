#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAudioOutput;
class QMediaPlayer;

// The sound card: starts playing a WAV file and returns at once. It gives one
// sound at a time, so a new sound cuts short the one still playing. A file
// that is missing or cannot be played is not heard, and no default sound is
// given in its place.
namespace SoundCard {
void Play(const QString &file);
void Stop();
} // namespace SoundCard

// The multimedia device, used as a player of sound files: it is given a file
// name and then commands. "Open" takes the file named, "Play" starts it from
// its beginning and returns at once, "Stop" ends the playing, "Close" ends it
// and lets the file go. Any other word does nothing; a file that cannot be
// opened plays nothing.
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
    QMediaPlayer *player = nullptr;
    QAudioOutput *output = nullptr;
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
