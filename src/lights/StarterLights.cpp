#include "lights/StarterLights.h"

#include "data/Database.h"
#include "data/StarterBlocks.h"
#include "lights/LightChoices.h"
#include "lights/LightRows.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <set>

namespace {
constexpr int LightsTopic = 1;

[[noreturn]] void fault(int line, const QString &what)
{
    throw DbError(DbError::SyntaxError, QStringLiteral("Starter lights, line %1: %2").arg(line).arg(what));
}

double number(const QString &text, int line)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        fault(line, QStringLiteral("\"%1\" is not a number").arg(text.trimmed()));
    return value;
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

void finish(std::vector<StarterPicture> &pictures, StarterPicture &block, bool &open)
{
    if (!open)
        return;
    if (block.record <= 0)
        fault(block.line, QStringLiteral("the block has no record number"));
    if (block.hint.isEmpty() || block.text.isEmpty() || block.fogSignal.isEmpty())
        fault(block.line, QStringLiteral("picture %1 needs a hint, a text and a fog signal").arg(block.record));
    if (block.lights.empty())
        fault(block.line, QStringLiteral("picture %1 has no light").arg(block.record));
    pictures.push_back(block);
    block = StarterPicture();
    open = false;
}
} // namespace

std::vector<StarterPicture> ReadStarterLights(const QString &text)
{
    std::vector<StarterPicture> pictures;
    StarterPicture block;
    bool open = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        const QString content = lines[i].trimmed();
        if (content.startsWith(QLatin1Char('#')))
            continue;
        if (content.isEmpty()) {
            finish(pictures, block, open);
            continue;
        }
        const int colon = content.indexOf(QLatin1Char(':'));
        if (colon < 0)
            fault(line, QStringLiteral("expected \"Name: value\""));
        const QString key = content.left(colon).trimmed();
        const QString value = content.mid(colon + 1).trimmed();
        if (!open) {
            open = true;
            block.line = line;
        }
        if (key == QLatin1String("Record")) {
            block.record = static_cast<long>(number(value, line));
        } else if (key == QLatin1String("Hint")) {
            block.hint = value;
        } else if (key == QLatin1String("Text")) {
            block.text = value;
        } else if (key == QLatin1String("Fog Signal")) {
            block.fogSignal = value;
        } else if (key == QLatin1String("Direction")) {
            block.direction = LightDirectionPosition(value);
            if (block.direction < 0)
                fault(line, QStringLiteral("no direction \"%1\"").arg(value));
        } else if (key == QLatin1String("Light")) {
            block.lights.push_back(readLight(value, line));
        } else if (key == QLatin1String("Alternatives")) {
            for (const QString &item : value.split(QLatin1Char(','), Qt::SkipEmptyParts))
                block.alternatives.push_back(static_cast<long>(number(item, line)));
        } else {
            fault(line, QStringLiteral("unknown name \"%1\"").arg(key));
        }
    }
    finish(pictures, block, open);
    return pictures;
}

void LoadStarterLights(Database &db, const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(DbError::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(file));
    const std::vector<StarterPicture> pictures = ReadStarterLights(QString::fromUtf8(f.readAll()));

    std::set<long> records;
    Recordset head = db.OpenRecordset(QStringLiteral("LIGHTHEAD"));
    Recordset lines = db.OpenRecordset(QStringLiteral("LIGHTLINE"));
    for (const StarterPicture &picture : pictures) {
        head.AddNew();
        SetLightHead(head, picture.hint, picture.text, picture.fogSignal, picture.direction);
        head.Update();
        head.MoveLastModified();
        // The engine numbers the pictures; in a new database that is the
        // file's own numbering only when the file counts 1, 2, 3 ...
        const long record = head.LongValue(QStringLiteral("RECORD"));
        if (record != picture.record)
            fault(picture.line, QStringLiteral("picture %1 would be stored as %2; number the pictures 1, 2, 3 ...")
                                    .arg(picture.record)
                                    .arg(record));
        records.insert(record);
        for (const LightLine &light : picture.lights) {
            lines.AddNew();
            lines.SetValue(QStringLiteral("HEADER"), static_cast<qlonglong>(record));
            SetLightLine(lines, light);
            lines.Update();
        }
    }
    lines.Close();
    head.Close();

    std::vector<StarterChoices> choices;
    for (const StarterPicture &picture : pictures)
        choices.push_back({picture.record, picture.alternatives, picture.line});
    AppendStarterAlternatives(db, LightsTopic, QStringLiteral("lights"), records, choices);
}
