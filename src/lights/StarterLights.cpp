#include "lights/StarterLights.h"

#include "data/Database.h"
#include "data/StarterFile.h"
#include "lights/LightChoices.h"
#include "lights/LightRows.h"

#include <QStringList>

namespace {
constexpr int LightsTopic = 1;
const QString Topic = QStringLiteral("lights");

[[noreturn]] void fault(int line, const QString &what)
{
    StarterFault(Topic, line, what);
}

double number(const QString &text, int line)
{
    return StarterNumber(Topic, text, line);
}

LightLine readLight(const QString &value, int line)
{
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 4)
        fault(line, QStringLiteral("a light is colour, size, x, y"));
    const int colour = LightColourPosition(parts[0].trimmed());
    if (colour < 0)
        fault(line, QStringLiteral("no colour \"%1\" in the editor").arg(parts[0].trimmed()));
    const int size = LightSizePosition(parts[1].trimmed());
    if (size < 0)
        fault(line, QStringLiteral("no size \"%1\" in the editor").arg(parts[1].trimmed()));
    return StoredLight(LightColourChoices[colour].colour, static_cast<float>(number(parts[2], line)),
                       static_cast<float>(number(parts[3], line)), LightRadius(size));
}

StarterPicture readPicture(const StarterBlock &block)
{
    StarterPicture picture;
    picture.line = block.line;
    for (const StarterField &field : block.fields) {
        const QString &key = field.name;
        const QString &value = field.value;
        const int line = field.line;
        if (key == QLatin1String("Record")) {
            picture.record = static_cast<long>(number(value, line));
        } else if (key == QLatin1String("Hint")) {
            picture.hint = value;
        } else if (key == QLatin1String("Text")) {
            picture.text = value;
        } else if (key == QLatin1String("Fog Signal")) {
            picture.fogSignal = value;
        } else if (key == QLatin1String("Direction")) {
            picture.direction = LightDirectionPosition(value);
            if (picture.direction < 0)
                fault(line, QStringLiteral("no direction \"%1\"").arg(value));
        } else if (key == QLatin1String("Light")) {
            picture.lights.push_back(readLight(value, line));
        } else if (key == QLatin1String("Alternatives")) {
            picture.alternatives = StarterNumbers(Topic, value, line);
        } else {
            fault(line, QStringLiteral("unknown name \"%1\"").arg(key));
        }
    }
    if (picture.record <= 0)
        fault(picture.line, QStringLiteral("the block has no record number"));
    if (picture.hint.isEmpty() || picture.text.isEmpty() || picture.fogSignal.isEmpty())
        fault(picture.line, QStringLiteral("picture %1 needs a hint, a text and a fog signal").arg(picture.record));
    if (picture.lights.empty())
        fault(picture.line, QStringLiteral("picture %1 has no light").arg(picture.record));
    return picture;
}
} // namespace

std::vector<StarterPicture> ReadStarterLights(const QString &text)
{
    std::vector<StarterPicture> pictures;
    for (const StarterBlock &block : ReadStarterBlocks(text, Topic))
        pictures.push_back(readPicture(block));
    return pictures;
}

void LoadStarterLights(Database &db, const QString &file)
{
    const std::vector<StarterPicture> pictures = ReadStarterLights(ReadStarterText(file));

    Recordset head = db.OpenRecordset(QStringLiteral("LIGHTHEAD"));
    Recordset lines = db.OpenRecordset(QStringLiteral("LIGHTLINE"));
    std::vector<StarterChoices> choices;
    for (const StarterPicture &picture : pictures) {
        head.AddNew();
        SetLightHead(head, picture.hint, picture.text, picture.fogSignal, picture.direction);
        head.Update();
        CheckStarterRecord(head, Topic, picture.record, picture.line);
        const long record = picture.record;
        for (const LightLine &light : picture.lights) {
            lines.AddNew();
            lines.SetValue(QStringLiteral("HEADER"), static_cast<qlonglong>(record));
            SetLightLine(lines, light);
            lines.Update();
        }
        choices.push_back({picture.record, picture.line, picture.alternatives});
    }
    lines.Close();
    head.Close();
    AppendStarterAlternatives(db, LightsTopic, Topic, choices);
}
