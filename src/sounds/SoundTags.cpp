#include "sounds/SoundTags.h"

#include "platform/Val.h"

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
    const qsizetype p = tag.indexOf(QLatin1Char('\\'));
    const qsizetype q = tag.indexOf(QLatin1Char('/'));
    SoundTagParts parts;
    parts.kind = Val(tag.left(p < 0 ? 0 : p));
    parts.seconds = Val(p < 0 ? QString() : tag.mid(p + 1));
    parts.repetitions = Val(q < 0 ? QString() : tag.mid(q + 1));
    return parts;
}
