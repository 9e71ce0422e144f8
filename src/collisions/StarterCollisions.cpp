#include "collisions/StarterCollisions.h"

#include "collisions/ColKinds.h"
#include "collisions/ColRows.h"
#include "data/Database.h"
#include "data/StarterFile.h"

#include <QStringList>


namespace {
constexpr int CollisionsTopic = 5;
const QString Topic = QStringLiteral("collisions");

long kindOf(const QString &text, const StarterField &field)
{
    for (int kind = 0; kind < CollisionKindCount; ++kind)
        if (text == QLatin1String(CollisionKindTexts[static_cast<size_t>(kind)]))
            return kind;
    StarterFault(Topic, field.line, QStringLiteral("no kind \"%1\" in the editor").arg(text));
}

long sizeOf(const QString &text, const StarterField &field)
{
    for (const ColSizeChoice &size : ColSizeChoices)
        if (text == QLatin1String(size.text))
            return size.unit;
    StarterFault(Topic, field.line, QStringLiteral("no size \"%1\" in the editor").arg(text));
}

StarterColElement readElement(const StarterField &field)
{
    const QStringList parts = field.value.split(QLatin1Char(','));
    if (parts.size() != 4)
        StarterFault(Topic, field.line, QStringLiteral("an element is kind, size, x, y"));
    StarterColElement element;
    element.kind = kindOf(parts[0].trimmed(), field);
    element.size = sizeOf(parts[1].trimmed(), field);
    element.x = static_cast<float>(StarterNumber(Topic, parts[2], field.line));
    element.y = static_cast<float>(StarterNumber(Topic, parts[3], field.line));
    return element;
}

StarterColPicture readPicture(const StarterBlock &block)
{
    StarterColPicture picture;
    picture.line = block.line;
    for (const StarterField &field : block.fields) {
        if (field.name == QLatin1String("Record")) {
            picture.record = static_cast<long>(StarterNumber(Topic, field.value, field.line));
        } else if (field.name == QLatin1String("Hint")) {
            picture.hint = field.value;
        } else if (field.name == QLatin1String("Rule")) {
            picture.rule = field.value;
        } else if (field.name == QLatin1String("Text")) {
            picture.text = field.value;
        } else if (field.name == QLatin1String("Caption")) {
            picture.caption = field.value;
        } else if (field.name == QLatin1String("Element")) {
            picture.elements.push_back(readElement(field));
        } else if (field.name == QLatin1String("Alternatives")) {
            picture.alternatives = StarterNumbers(Topic, field.value, field.line);
        } else {
            StarterFault(Topic, field.line, QStringLiteral("unknown name \"%1\"").arg(field.name));
        }
    }
    if (picture.record <= 0)
        StarterFault(Topic, block.line, QStringLiteral("the block has no record number"));
    // The quiz splits the stored hint at its first "~": a hint holding one
    // would cut the rule short.
    if (picture.hint.isEmpty() || picture.rule.isEmpty() || picture.text.isEmpty())
        StarterFault(Topic, block.line,
                     QStringLiteral("picture %1 needs a hint, a rule and a text").arg(picture.record));
    if (picture.hint.contains(QLatin1Char('~')))
        StarterFault(Topic, block.line, QStringLiteral("picture %1 has a \"~\" in its hint").arg(picture.record));
    if (picture.elements.empty())
        StarterFault(Topic, block.line, QStringLiteral("picture %1 has no element").arg(picture.record));
    return picture;
}
} // namespace

std::vector<StarterColPicture> ReadStarterCollisions(const QString &text)
{
    std::vector<StarterColPicture> pictures;
    for (const StarterBlock &block : ReadStarterBlocks(text, Topic))
        pictures.push_back(readPicture(block));
    return pictures;
}

void LoadStarterCollisions(Database &db, const QString &file)
{
    const std::vector<StarterColPicture> pictures = ReadStarterCollisions(ReadStarterText(file));
    std::vector<StarterChoices> choices;
    Recordset head = db.OpenRecordset(QStringLiteral("COLHEAD"));
    Recordset lines = db.OpenRecordset(QStringLiteral("COLLINE"));
    for (const StarterColPicture &picture : pictures) {
        head.AddNew();
        SetColHead(head, picture.hint + QLatin1Char('~') + picture.rule, picture.text, picture.caption);
        head.Update();
        CheckStarterRecord(head, Topic, picture.record, picture.line);
        const long record = picture.record;
        choices.push_back({record, picture.line, picture.alternatives});
        for (const StarterColElement &element : picture.elements) {
            lines.AddNew();
            lines.SetValue(QStringLiteral("HEADER"), static_cast<qlonglong>(record));
            SetColLine(lines, element.x, element.y, static_cast<double>(element.size),
                       static_cast<double>(element.kind));
            lines.Update();
        }
    }
    lines.Close();
    head.Close();
    AppendStarterAlternatives(db, CollisionsTopic, Topic, choices);
}
