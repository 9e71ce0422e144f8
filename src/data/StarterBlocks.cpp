#include "data/StarterBlocks.h"

#include <QFile>
#include <QStringList>

void StarterFault(const QString &topic, int line, const QString &what)
{
    throw DbError(DbError::SyntaxError, QStringLiteral("Starter %1, line %2: %3").arg(topic).arg(line).arg(what));
}

double StarterNumber(const QString &topic, const StarterField &field, const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        StarterFault(topic, field.line, QStringLiteral("\"%1\" is not a number").arg(text.trimmed()));
    return value;
}

std::vector<long> StarterRecords(const QString &topic, const StarterField &field)
{
    std::vector<long> records;
    for (const QString &item : field.value.split(QLatin1Char(','), Qt::SkipEmptyParts))
        records.push_back(static_cast<long>(StarterNumber(topic, field, item)));
    return records;
}

long StoreStarterHead(Recordset &head, long fileRecord, const QString &topic, int line)
{
    head.Update();
    head.MoveLastModified();
    // The engine numbers the pictures; in a new database that is the file's
    // own numbering only when the file counts 1, 2, 3 ...
    const long record = head.LongValue(QStringLiteral("RECORD"));
    if (record != fileRecord)
        StarterFault(topic, line,
                     QStringLiteral("picture %1 would be stored as %2; number the pictures 1, 2, 3 ...")
                         .arg(fileRecord)
                         .arg(record));
    return record;
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

QString ReadStarterFile(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(DbError::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(file));
    return QString::fromUtf8(f.readAll());
}

void AppendStarterAlternatives(Database &db, int topic, const QString &topicName, const std::set<long> &records,
                               const std::vector<StarterChoices> &choices)
{
    Recordset alternatives = db.OpenRecordset(QStringLiteral("ALTERNATIVES"));
    auto append = [&](long recordOne, long recordTwo, bool answer) {
        alternatives.AddNew();
        alternatives.SetValue(QStringLiteral("TYPE"), topic);
        alternatives.SetValue(QStringLiteral("RECORDONE"), static_cast<qlonglong>(recordOne));
        alternatives.SetValue(QStringLiteral("RECORDTWO"), static_cast<qlonglong>(recordTwo));
        alternatives.SetValue(QStringLiteral("ANSWER"), answer);
        alternatives.Update();
    };
    for (const StarterChoices &picture : choices) {
        if (picture.alternatives.empty())
            continue;
        std::set<long> others;
        for (long other : picture.alternatives) {
            if (!records.count(other))
                StarterFault(topicName, picture.line,
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
