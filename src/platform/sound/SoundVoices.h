#pragma once

#include <QString>
#include <QStringList>

// The speakers, shared by the sound card and the multimedia device: any
// number of sounds play at once, each to its end unless its owner stops it.
// A file is decoded the first time it is asked for and kept; a sound starts
// within a few hundredths of a second of the request. A file that is missing
// or is no sound plays nothing, and without the sound output beside the
// program nothing is heard.
namespace SoundVoices {
// Decodes files now and opens the output, so that even the first sound
// asked for starts on time. Returns what keeps sounds from being heard that
// was not told before: no output, and why; each file that cannot be played.
QStringList Prepare(const QStringList &files);
// Starts file from its beginning as a voice of owner; the voices already
// playing go on.
void Start(const QString &file, const void *owner);
// Ends every voice of owner at once.
void Stop(const void *owner);
// Tests: the output is looked for in folder instead of beside the program,
// anew, and nothing counts as told; an empty folder gives the program's own.
void LookIn(const QString &folder);
} // namespace SoundVoices
