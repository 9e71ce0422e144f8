#pragma once

#include <QString>
#include <QStringList>

// The speakers, shared by the sound card and the multimedia device: any
// number of sounds play at once, each to its end unless its owner stops it.
// A file is decoded the first time it is asked for and kept; a sound starts
// within a few hundredths of a second of the request, because one output
// stream, fed from memory on a thread of its own, stays open once opened.
// A file that is missing or is no sound plays nothing.
namespace SoundVoices {
// Decodes files now and opens the output, so that even the first sound
// asked for starts on time.
void Prepare(const QStringList &files);
// Starts file from its beginning as a voice of owner; the voices already
// playing go on.
void Start(const QString &file, const void *owner);
// Ends every voice of owner at once.
void Stop(const void *owner);
} // namespace SoundVoices
