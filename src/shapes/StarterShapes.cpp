#include "shapes/StarterShapes.h"

#include "data/Database.h"
#include "data/StarterFile.h"
#include "shapes/ShapeRows.h"
#include "silhouettes/ShapeKinds.h"

#include <QStringList>

namespace {
constexpr int ShapesTopic = 2;
const QString Topic = QStringLiteral("shapes");

[[noreturn]] void fault(int line, const QString &what)
{
    StarterFault(Topic, line, what);
}

int position(const char *const *texts, size_t count, const QString &text)
{
    for (size_t i = 0; i < count; ++i)
        if (text == QLatin1String(texts[i]))
            return static_cast<int>(i);
    return -1;
}

ShapeLine readShape(const QString &value, int line)
{
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 4)
        fault(line, QStringLiteral("a shape is kind, size, x, y"));
    const int kind = position(ShapeKindTexts.data(), ShapeKindTexts.size(), parts[0].trimmed());
    if (kind < 0)
        fault(line, QStringLiteral("no kind \"%1\" in the editor").arg(parts[0].trimmed()));
    int unit = 0;
    for (const ShapeSizeChoice &choice : ShapeSizeChoices)
        if (parts[1].trimmed() == QLatin1String(choice.text))
            unit = choice.unit;
    if (unit == 0)
        fault(line, QStringLiteral("no size \"%1\" in the editor").arg(parts[1].trimmed()));
    ShapeLine shape;
    shape.kind = kind;
    shape.size = unit;
    shape.x = static_cast<float>(StarterNumber(Topic, parts[2], line));
    shape.y = static_cast<float>(StarterNumber(Topic, parts[3], line));
    return shape;
}

StarterShapePicture readPicture(const StarterBlock &block)
{
    StarterShapePicture picture;
    picture.line = block.line;
    for (const StarterField &field : block.fields) {
        const QString &key = field.name;
        if (key == QLatin1String("Record"))
            picture.record = static_cast<long>(StarterNumber(Topic, field.value, field.line));
        else if (key == QLatin1String("Hint"))
            picture.hint = field.value;
        else if (key == QLatin1String("Text"))
            picture.text = field.value;
        else if (key == QLatin1String("Fog Signal"))
            picture.fogSignal = field.value;
        else if (key == QLatin1String("Shape"))
            picture.shapes.push_back(readShape(field.value, field.line));
        else if (key == QLatin1String("Alternatives"))
            picture.alternatives = StarterNumbers(Topic, field.value, field.line);
        else if (key == QLatin1String("Lights"))
            picture.lights = StarterNumbers(Topic, field.value, field.line);
        else
            fault(field.line, QStringLiteral("unknown name \"%1\"").arg(key));
    }
    if (picture.record <= 0)
        fault(picture.line, QStringLiteral("the block has no record number"));
    if (picture.hint.isEmpty() || picture.text.isEmpty() || picture.fogSignal.isEmpty())
        fault(picture.line, QStringLiteral("picture %1 needs a hint, a text and a fog signal").arg(picture.record));
    if (picture.shapes.empty())
        fault(picture.line, QStringLiteral("picture %1 has no shape").arg(picture.record));
    return picture;
}
} // namespace

std::vector<StarterShapePicture> ReadStarterShapes(const QString &text)
{
    std::vector<StarterShapePicture> pictures;
    for (const StarterBlock &block : ReadStarterBlocks(text, Topic))
        pictures.push_back(readPicture(block));
    return pictures;
}

void LoadStarterShapes(Database &db, const QString &file)
{
    const std::vector<StarterShapePicture> pictures = ReadStarterShapes(ReadStarterText(file));

    Recordset head = db.OpenRecordset(QStringLiteral("SHAPEHEAD"));
    Recordset lines = db.OpenRecordset(QStringLiteral("SHAPELINE"));
    std::vector<StarterChoices> choices;
    for (const StarterShapePicture &picture : pictures) {
        head.AddNew();
        SetShapeHead(head, picture.hint, picture.text, picture.fogSignal);
        head.Update();
        CheckStarterRecord(head, Topic, picture.record, picture.line);
        const long record = picture.record;
        for (const ShapeLine &shape : picture.shapes) {
            lines.AddNew();
            lines.SetValue(QStringLiteral("HEADER"), static_cast<qlonglong>(record));
            SetShapeLine(lines, shape);
            lines.Update();
        }
        choices.push_back({picture.record, picture.line, picture.alternatives});
    }
    lines.Close();
    head.Close();
    AppendStarterAlternatives(db, ShapesTopic, Topic, choices);
    for (const StarterShapePicture &picture : pictures)
        AppendStarterLinks(db, ShapesTopic, Topic, picture.record, picture.line, picture.lights);
}
