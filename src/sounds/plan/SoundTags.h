#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The choices of the sound editor's lists and the tag texts its elements
// carry from "&Add" to "&Save".

// "No Sound", then the sound kinds 1 "Horn" to 7 "Cycle" at their own index.
extern const std::array<const char *, 8> SoundChoiceTexts;

struct DurationChoice {
    const char *text;
    long seconds;
};
// "1 Second" to "10 Minutes".
extern const std::array<DurationChoice, 13> DurationChoices;

// "1" to "9": how often a sound is given.
QStringList RepetitionTexts();

// A vessel element carries the day-shapes editor's tag (ParsePictureTag).
// A sound element's tag: the sound kind, a backslash, the seconds, a slash and
// the repetitions as listed ("1\5/2").
QString FormatSoundTag(long kind, long seconds, const QString &repetitions);

// Each part is the number its text begins with, read up to the first
// character that cannot continue it (the slash ends the seconds); 0 when
// the part does not begin with a number.
struct SoundTagParts {
    double kind = 0;
    double seconds = 0;
    double repetitions = 0;
};
SoundTagParts ParseSoundTag(const QString &tag);
