#include "platform/Sound.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {
SoundRecorder &recorder()
{
    static SoundRecorder r;
    return r;
}

bool recorded(const QString &device, const QString &command, const QString &file = QString())
{
    if (!recorder())
        return false;
    recorder()(SoundCall{device, command, file});
    return true;
}

// The card's one voice, made on first use and kept until the program ends.
QSoundEffect *cardVoice(bool create)
{
    static QPointer<QSoundEffect> voice;
    if (!voice && create)
        voice = new QSoundEffect(QCoreApplication::instance());
    return voice;
}
} // namespace

void SetSoundRecorder(SoundRecorder r) { recorder() = std::move(r); }

namespace SoundCard {
void Play(const QString &file)
{
    if (recorded(QStringLiteral("card"), QStringLiteral("Play"), file))
        return;
    QSoundEffect *voice = cardVoice(QFileInfo(file).isFile());
    if (!voice)
        return;
    voice->stop();
    // A file that cannot be played leaves the card silent.
    if (!QFileInfo(file).isFile())
        return;
    voice->setSource(QUrl::fromLocalFile(file));
    voice->play();
}

void Stop()
{
    if (recorded(QStringLiteral("card"), QStringLiteral("Stop")))
        return;
    if (QSoundEffect *voice = cardVoice(false))
        voice->stop();
}
} // namespace SoundCard

MMControl::MMControl(QObject *parent) : QObject(parent) {}

MMControl::~MMControl()
{
    if (player)
        player->stop();
}

void MMControl::Command(const QString &command)
{
    const QString word = command.trimmed();
    if (recorded(QStringLiteral("multimedia"), word, word == QLatin1String("Open") ? fileName : QString()))
        return;
    if (word.compare(QLatin1String("Open"), Qt::CaseInsensitive) == 0) {
        if (!QFileInfo(fileName).isFile()) {
            if (player) {
                player->stop();
                player->setSource(QUrl());
            }
            return;
        }
        // The player is made only once a file is to be played.
        if (!player) {
            player = new QMediaPlayer(this);
            output = new QAudioOutput(this);
            player->setAudioOutput(output);
        }
        player->setSource(QUrl::fromLocalFile(fileName));
    } else if (word.compare(QLatin1String("Play"), Qt::CaseInsensitive) == 0) {
        if (player && !player->source().isEmpty()) {
            player->setPosition(0);
            player->play();
        }
    } else if (word.compare(QLatin1String("Stop"), Qt::CaseInsensitive) == 0) {
        if (player)
            player->stop();
    } else if (word.compare(QLatin1String("Close"), Qt::CaseInsensitive) == 0) {
        if (player) {
            player->stop();
            player->setSource(QUrl());
        }
    }
}
