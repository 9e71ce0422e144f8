#include "sounds/SoundTags.h"

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

namespace {
double LeadingNumber(const QString &text)
{
    int end = 0;
    const int n = static_cast<int>(text.size());
    if (end < n && (text[end] == QLatin1Char('-') || text[end] == QLatin1Char('+')))
        ++end;
    bool digits = false;
    while (end < n && text[end].isDigit()) {
        ++end;
        digits = true;
    }
    if (end < n && text[end] == QLatin1Char('.')) {
        ++end;
        while (end < n && text[end].isDigit()) {
            ++end;
            digits = true;
        }
    }
    return digits ? text.left(end).toDouble() : 0;
}
} // namespace

SoundTagParts ParseSoundTag(const QString &tag)
{
    const qsizetype p = tag.indexOf(QLatin1Char('\\'));
    const qsizetype q = tag.indexOf(QLatin1Char('/'));
    SoundTagParts parts;
    parts.kind = LeadingNumber(tag.left(p < 0 ? 0 : p));
    parts.seconds = LeadingNumber(p < 0 ? QString() : tag.mid(p + 1));
    parts.repetitions = LeadingNumber(q < 0 ? QString() : tag.mid(q + 1));
    return parts;
}
