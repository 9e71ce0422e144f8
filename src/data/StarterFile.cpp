#include "data/StarterFile.h"

#include "data/Database.h"

#include <QFile>
#include <QStringList>

#include <set>

namespace {
constexpr int LightsTopic = 1;

qlonglong key(long value)
{
    return static_cast<qlonglong>(value);
}

void appendLink(Database &db, int typeOne, long recordOne, int typeTwo, long recordTwo)
{
    Recordset existing =
        db.OpenQuery(QStringLiteral("Select Count(*) As N From LINKS Where TYPEONE = ? And RECORDONE = ? "
                                    "And TYPETWO = ? And RECORDTWO = ?"),
                     {typeOne, key(recordOne), typeTwo, key(recordTwo)});
    const long n = existing.LongValue(QStringLiteral("N"));
    existing.Close();
    if (n > 0)
        return;
    Recordset links = db.OpenRecordset(QStringLiteral("LINKS"));
    links.AddNew();
    links.SetValue(QStringLiteral("TYPEONE"), typeOne);
    links.SetValue(QStringLiteral("RECORDONE"), key(recordOne));
    links.SetValue(QStringLiteral("TYPETWO"), typeTwo);
    links.SetValue(QStringLiteral("RECORDTWO"), key(recordTwo));
    links.Update();
    links.Close();
}

void appendBothWays(Database &db, int typeOne, long recordOne, int typeTwo, long recordTwo)
{
    appendLink(db, typeOne, recordOne, typeTwo, recordTwo);
    appendLink(db, typeTwo, recordTwo, typeOne, recordOne);
}
} // namespace

QString ReadStarterText(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(DbError::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(file));
    return QString::fromUtf8(f.readAll());
}

void StarterFault(const QString &topic, int line, const QString &what)
{
    throw DbError(DbError::SyntaxError, QStringLiteral("Starter %1, line %2: %3").arg(topic).arg(line).arg(what));
}

double StarterNumber(const QString &topic, const QString &text, int line)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        StarterFault(topic, line, QStringLiteral("\"%1\" is not a number").arg(text.trimmed()));
    return value;
}

std::vector<long> StarterNumbers(const QString &topic, const QString &text, int line)
{
    std::vector<long> numbers;
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        numbers.push_back(static_cast<long>(StarterNumber(topic, item, line)));
    return numbers;
}

std::vector<StarterBlock> ReadStarterBlocks(const QString &text, const QString &topic)
{
    std::vector<StarterBlock> blocks;
    StarterBlock block;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        const QString content = lines[i].trimmed();
        if (content.startsWith(QLatin1Char('#')))
            continue;
        if (content.isEmpty()) {
            if (!block.fields.empty())
                blocks.push_back(block);
            block = StarterBlock();
            continue;
        }
        const int colon = content.indexOf(QLatin1Char(':'));
        if (colon < 0)
            StarterFault(topic, line, QStringLiteral("expected \"Name: value\""));
        if (block.fields.empty())
            block.line = line;
        block.fields.push_back({content.left(colon).trimmed(), content.mid(colon + 1).trimmed(), line});
    }
    if (!block.fields.empty())
        blocks.push_back(block);
    return blocks;
}

void CheckStarterRecord(Recordset &head, const QString &topic, long record, int line)
{
    head.MoveLastModified();
    const long stored = head.LongValue(QStringLiteral("RECORD"));
    if (stored != record)
        StarterFault(topic, line,
                     QStringLiteral("picture %1 would be stored as %2; number the pictures 1, 2, 3 ...")
                         .arg(record)
                         .arg(stored));
}

void AppendStarterAlternatives(Database &db, int topic, const QString &topicWord,
                               const std::vector<StarterChoices> &pictures)
{
    std::set<long> records;
    for (const StarterChoices &picture : pictures)
        records.insert(picture.record);
    Recordset alternatives = db.OpenRecordset(QStringLiteral("ALTERNATIVES"));
    auto append = [&](long recordOne, long recordTwo, bool answer) {
        alternatives.AddNew();
        alternatives.SetValue(QStringLiteral("TYPE"), topic);
        alternatives.SetValue(QStringLiteral("RECORDONE"), key(recordOne));
        alternatives.SetValue(QStringLiteral("RECORDTWO"), key(recordTwo));
        alternatives.SetValue(QStringLiteral("ANSWER"), answer);
        alternatives.Update();
    };
    for (const StarterChoices &picture : pictures) {
        if (picture.offered.empty())
            continue;
        std::set<long> others;
        for (long other : picture.offered) {
            if (!records.count(other))
                StarterFault(topicWord, picture.line,
                             QStringLiteral("picture %1 offers picture %2, which is not in the file")
                                 .arg(picture.record)
                                 .arg(other));
            if (other != picture.record)
                others.insert(other);
        }
        append(picture.record, picture.record, true);
        for (long other : others)
            append(picture.record, other, false);
    }
    alternatives.Close();
}

void AppendStarterLinks(Database &db, int topic, const QString &topicWord, long record, int line,
                        const std::vector<long> &lights)
{
    for (long light : lights) {
        Recordset head =
            db.OpenQuery(QStringLiteral("Select Count(*) As N From LIGHTHEAD Where RECORD = ?"), {key(light)});
        const long found = head.LongValue(QStringLiteral("N"));
        head.Close();
        if (found == 0)
            StarterFault(topicWord, line,
                         QStringLiteral("picture %1 links to lights picture %2, which the database lacks")
                             .arg(record)
                             .arg(light));

        // The other views of the same vessel, gathered before this one joins them.
        std::vector<std::pair<int, long>> others;
        Recordset linked =
            db.OpenQuery(QStringLiteral("Select TYPETWO, RECORDTWO From LINKS Where TYPEONE = ? And RECORDONE = ? "
                                        "And TYPETWO <> ? And TYPETWO <> ?"),
                         {LightsTopic, key(light), LightsTopic, topic});
        while (!linked.Eof()) {
            others.emplace_back(static_cast<int>(linked.LongValue(QStringLiteral("TYPETWO"))),
                                linked.LongValue(QStringLiteral("RECORDTWO")));
            linked.MoveNext();
        }
        linked.Close();

        appendBothWays(db, topic, record, LightsTopic, light);
        for (const auto &[type, other] : others)
            appendBothWays(db, topic, record, type, other);
    }
}
