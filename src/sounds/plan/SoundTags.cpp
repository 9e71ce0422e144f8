#include "sounds/plan/SoundTags.h"

#include "quiz/session/ElementTag.h"

const std::array<const char *, 8> SoundChoiceTexts = {
    "No Sound", "Horn", "Bell Stroke", "Bell Rapid", "Gong", "Whistle", "Silence", "Cycle",
};

const std::array<DurationChoice, 13> DurationChoices = {{
    {"1 Second", 1},
    {"2 Seconds", 2},
    {"3 Seconds", 3},
    {"4 Seconds", 4},
    {"5 Seconds", 5},
    {"10 Seconds", 10},
    {"30 Seconds", 30},
    {"1 Minute", 60},
    {"2 Minutes", 120},
    {"3 Minutes", 180},
    {"4 Minutes", 240},
    {"5 Minutes", 300},
    {"10 Minutes", 600},
}};

QStringList RepetitionTexts()
{
    QStringList texts;
    for (int n = 1; n <= 9; ++n)
        texts << QString::number(n);
    return texts;
}

QString FormatSoundTag(long kind, long seconds, const QString &repetitions)
{
    return QString::number(kind) + QLatin1Char('\\') + QString::number(seconds) + QLatin1Char('/') + repetitions;
}

SoundTagParts ParseSoundTag(const QString &tag)
{
    SoundTagParts parts;
    parts.kind = TagNumberBefore(tag, QLatin1Char('\\'));
    parts.seconds = TagNumberAfter(tag, QLatin1Char('\\'));
    parts.repetitions = TagNumberAfter(tag, QLatin1Char('/'));
    return parts;
}
