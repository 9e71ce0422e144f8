#include "sounds/StarterSounds.h"

#include "data/Database.h"
#include "data/StarterFile.h"
#include "silhouettes/ShapeKinds.h"
#include "sounds/VesselDrawing.h"
#include "sounds/plan/SoundTags.h"

#include <QStringList>

namespace {
constexpr int SoundsTopic = 4;
const QString Topic = QStringLiteral("sounds");

[[noreturn]] void fault(int line, const QString &what)
{
    StarterFault(Topic, line, what);
}

QStringList parts(const QString &value, int count, const QString &form, int line)
{
    QStringList list = value.split(QLatin1Char(','));
    if (list.size() != count)
        fault(line, form);
    for (QString &part : list)
        part = part.trimmed();
    return list;
}

StarterVessel readVessel(const QString &value, int line)
{
    const QStringList p = parts(value, 4, QStringLiteral("a vessel is kind, size, x, y"), line);
    StarterVessel vessel;
    for (long kind = 1; kind <= VesselKindCount; ++kind)
        if (p[0] == VesselName(kind))
            vessel.kind = kind;
    if (vessel.kind == 0)
        fault(line, QStringLiteral("no vessel \"%1\" in the editor").arg(p[0]));
    for (const ShapeSizeChoice &choice : ShapeSizeChoices)
        if (p[1] == QLatin1String(choice.text))
            vessel.size = choice.unit;
    if (vessel.size == 0)
        fault(line, QStringLiteral("no size \"%1\" in the editor").arg(p[1]));
    vessel.x = StarterNumber(Topic, p[2], line);
    vessel.y = StarterNumber(Topic, p[3], line);
    return vessel;
}

StarterSound readSound(const QString &value, int line)
{
    const QStringList p = parts(value, 3, QStringLiteral("a sound is kind, duration, repetitions"), line);
    StarterSound sound;
    // Entry 0, "No Sound", adds nothing in the editor.
    for (size_t kind = 1; kind < SoundChoiceTexts.size(); ++kind)
        if (p[0] == QLatin1String(SoundChoiceTexts[kind]))
            sound.kind = static_cast<long>(kind);
    if (sound.kind == 0)
        fault(line, QStringLiteral("no sound \"%1\" in the editor").arg(p[0]));
    for (const DurationChoice &choice : DurationChoices)
        if (p[1] == QLatin1String(choice.text))
            sound.seconds = choice.seconds;
    if (sound.seconds == 0)
        fault(line, QStringLiteral("no duration \"%1\" in the editor").arg(p[1]));
    if (!RepetitionTexts().contains(p[2]))
        fault(line, QStringLiteral("no repetitions \"%1\" in the editor").arg(p[2]));
    sound.repetitions = p[2].toLong();
    return sound;
}

StarterSignal readSignal(const StarterBlock &block)
{
    StarterSignal entry;
    entry.line = block.line;
    for (const StarterField &field : block.fields) {
        const QString &key = field.name;
        if (key == QLatin1String("Record"))
            entry.record = static_cast<long>(StarterNumber(Topic, field.value, field.line));
        else if (key == QLatin1String("Hint"))
            entry.hint = field.value;
        else if (key == QLatin1String("Text"))
            entry.text = field.value;
        else if (key == QLatin1String("Extra"))
            entry.extra = field.value;
        else if (key == QLatin1String("Vessel"))
            entry.vessels.push_back(readVessel(field.value, field.line));
        else if (key == QLatin1String("Sound"))
            entry.sounds.push_back(readSound(field.value, field.line));
        else if (key == QLatin1String("Alternatives"))
            entry.alternatives = StarterNumbers(Topic, field.value, field.line);
        else if (key == QLatin1String("Lights"))
            entry.lights = StarterNumbers(Topic, field.value, field.line);
        else
            fault(field.line, QStringLiteral("unknown name \"%1\"").arg(key));
    }
    if (entry.record <= 0)
        fault(entry.line, QStringLiteral("the block has no record number"));
    if (entry.hint.isEmpty() || entry.text.isEmpty())
        fault(entry.line, QStringLiteral("signal %1 needs a hint and a text").arg(entry.record));
    if (entry.sounds.empty())
        fault(entry.line, QStringLiteral("signal %1 has no sound").arg(entry.record));
    return entry;
}

void appendVessel(Recordset &lines, long record, const StarterVessel &vessel)
{
    lines.AddNew();
    lines.SetValue(QStringLiteral("HEADER"), static_cast<qlonglong>(record));
    lines.SetValue(QStringLiteral("XPOS"), vessel.x);
    lines.SetValue(QStringLiteral("YPOS"), vessel.y);
    lines.SetValue(QStringLiteral("SIZE"), static_cast<double>(vessel.size));
    lines.SetValue(QStringLiteral("LISTPTR"), static_cast<double>(vessel.kind));
    lines.SetValue(QStringLiteral("TYPE"), 0);
    lines.Update();
}

void appendSound(Recordset &lines, long record, const StarterSound &sound)
{
    lines.AddNew();
    lines.SetValue(QStringLiteral("HEADER"), static_cast<qlonglong>(record));
    lines.SetValue(QStringLiteral("XPOS"), 0);
    lines.SetValue(QStringLiteral("YPOS"), 0);
    lines.SetValue(QStringLiteral("SIZE"), 0);
    lines.SetValue(QStringLiteral("LISTPTR"), static_cast<double>(sound.kind));
    lines.SetValue(QStringLiteral("DURATION"), static_cast<double>(sound.seconds));
    lines.SetValue(QStringLiteral("NUMBER"), static_cast<double>(sound.repetitions));
    lines.SetValue(QStringLiteral("TYPE"), 1);
    lines.Update();
}
} // namespace

std::vector<StarterSignal> ReadStarterSounds(const QString &text)
{
    std::vector<StarterSignal> starterSignals;
    for (const StarterBlock &block : ReadStarterBlocks(text, Topic))
        starterSignals.push_back(readSignal(block));
    return starterSignals;
}

void LoadStarterSounds(Database &db, const QString &file)
{
    const std::vector<StarterSignal> starterSignals = ReadStarterSounds(ReadStarterText(file));

    Recordset head = db.OpenRecordset(QStringLiteral("SOUNDHEAD"));
    Recordset lines = db.OpenRecordset(QStringLiteral("SOUNDLINE"));
    std::vector<StarterChoices> choices;
    for (const StarterSignal &entry : starterSignals) {
        head.AddNew();
        head.SetValue(QStringLiteral("HINT"), entry.hint);
        head.SetValue(QStringLiteral("TEXT"), entry.text);
        head.SetValue(QStringLiteral("EXTRA"), entry.extra);
        head.Update();
        CheckStarterRecord(head, Topic, entry.record, entry.line);
        for (const StarterVessel &vessel : entry.vessels)
            appendVessel(lines, entry.record, vessel);
        for (const StarterSound &sound : entry.sounds)
            appendSound(lines, entry.record, sound);
        choices.push_back({entry.record, entry.line, entry.alternatives});
    }
    lines.Close();
    head.Close();
    AppendStarterAlternatives(db, SoundsTopic, Topic, choices);
    for (const StarterSignal &entry : starterSignals)
        AppendStarterLinks(db, SoundsTopic, Topic, entry.record, entry.line, entry.lights);
}
