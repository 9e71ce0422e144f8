#include "buoys/StarterBuoys.h"

#include "buoys/BuoyKinds.h"
#include "data/Database.h"
#include "data/StarterFile.h"

#include <QStringList>


namespace {
constexpr int BuoysTopic = 3;
const QString Topic = QStringLiteral("buoys");

long kindOf(const QString &text, const StarterField &field)
{
    for (long kind = 0; kind < BuoyKindCount; ++kind)
        if (BuoyKindText(kind) == text)
            return kind;
    StarterFault(Topic, field.line, QStringLiteral("no kind \"%1\" in the editor").arg(text));
}

int sizeOf(const QString &text, const StarterField &field)
{
    for (const BuoySize &size : BuoySizes)
        if (text == QLatin1String(size.text))
            return size.unit;
    StarterFault(Topic, field.line, QStringLiteral("no size \"%1\" in the editor").arg(text));
}

long topmarkOf(const QString &text, const StarterField &field)
{
    if (text == QLatin1String(BuoyTopmarkTexts[0]))
        return -1;
    if (text == QLatin1String(BuoyTopmarkTexts[1]))
        return 0;
    StarterFault(Topic, field.line, QStringLiteral("no topmark choice \"%1\" in the editor").arg(text));
}

StarterBuoy readBuoy(const StarterField &field)
{
    const QStringList parts = field.value.split(QLatin1Char(','));
    if (parts.size() != 5)
        StarterFault(Topic, field.line, QStringLiteral("a buoy is kind, size, topmark, x, y"));
    StarterBuoy buoy;
    buoy.kind = kindOf(parts[0].trimmed(), field);
    buoy.size = sizeOf(parts[1].trimmed(), field);
    buoy.topmark = topmarkOf(parts[2].trimmed(), field);
    buoy.x = static_cast<float>(StarterNumber(Topic, parts[3], field.line));
    buoy.y = static_cast<float>(StarterNumber(Topic, parts[4], field.line));
    return buoy;
}

StarterBuoyPicture readPicture(const StarterBlock &block)
{
    StarterBuoyPicture picture;
    picture.line = block.line;
    for (const StarterField &field : block.fields) {
        if (field.name == QLatin1String("Record")) {
            picture.record = static_cast<long>(StarterNumber(Topic, field.value, field.line));
        } else if (field.name == QLatin1String("Hint")) {
            picture.hint = field.value;
        } else if (field.name == QLatin1String("Text")) {
            picture.text = field.value;
        } else if (field.name == QLatin1String("Light")) {
            picture.light = field.value;
        } else if (field.name == QLatin1String("Buoy")) {
            picture.buoys.push_back(readBuoy(field));
        } else if (field.name == QLatin1String("Alternatives")) {
            picture.alternatives = StarterNumbers(Topic, field.value, field.line);
        } else {
            StarterFault(Topic, field.line, QStringLiteral("unknown name \"%1\"").arg(field.name));
        }
    }
    if (picture.record <= 0)
        StarterFault(Topic, block.line, QStringLiteral("the block has no record number"));
    // The editor saves no picture without a buoy, a hint and an answer.
    if (picture.hint.isEmpty() || picture.text.isEmpty())
        StarterFault(Topic, block.line, QStringLiteral("picture %1 needs a hint and a text").arg(picture.record));
    if (picture.buoys.empty())
        StarterFault(Topic, block.line, QStringLiteral("picture %1 has no buoy").arg(picture.record));
    return picture;
}
} // namespace

std::vector<StarterBuoyPicture> ReadStarterBuoys(const QString &text)
{
    std::vector<StarterBuoyPicture> pictures;
    for (const StarterBlock &block : ReadStarterBlocks(text, Topic))
        pictures.push_back(readPicture(block));
    return pictures;
}

void LoadStarterBuoys(Database &db, const QString &file)
{
    const std::vector<StarterBuoyPicture> pictures = ReadStarterBuoys(ReadStarterText(file));
    std::vector<StarterChoices> choices;
    Recordset head = db.OpenRecordset(QStringLiteral("BUOYHEAD"));
    Recordset lines = db.OpenRecordset(QStringLiteral("BUOYLINE"));
    for (const StarterBuoyPicture &picture : pictures) {
        head.AddNew();
        head.SetValue(QStringLiteral("HINT"), picture.hint);
        head.SetValue(QStringLiteral("TEXT"), picture.text);
        head.SetValue(QStringLiteral("LIGHT"), picture.light);
        head.Update();
        CheckStarterRecord(head, Topic, picture.record, picture.line);
        const long record = picture.record;
        choices.push_back({record, picture.line, picture.alternatives});
        for (const StarterBuoy &buoy : picture.buoys) {
            lines.AddNew();
            lines.SetValue(QStringLiteral("HEADER"), static_cast<qlonglong>(record));
            lines.SetValue(QStringLiteral("XPOS"), buoy.x);
            lines.SetValue(QStringLiteral("YPOS"), buoy.y);
            lines.SetValue(QStringLiteral("SIZE"), static_cast<double>(buoy.size));
            lines.SetValue(QStringLiteral("LISTPTR"), static_cast<double>(buoy.kind));
            lines.SetValue(QStringLiteral("TOPMARK"), static_cast<double>(buoy.topmark));
            lines.Update();
        }
    }
    lines.Close();
    head.Close();
    AppendStarterAlternatives(db, BuoysTopic, Topic, choices);
}
