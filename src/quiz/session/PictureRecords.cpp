#include "quiz/session/PictureRecords.h"

#include "data/Database.h"

namespace {
// A Null text reads as the reader's default.
void readText(const Recordset &rs, const QString &field, QString &text)
{
    const QVariant value = rs.Value(field);
    if (!value.isNull())
        text = value.toString();
}
} // namespace

std::vector<long> ReadAllPictures(Database &db, const QString &headTable)
{
    std::vector<long> records;
    Recordset rs = db.OpenRecordset(headTable);
    rs.Index(QStringLiteral("PRIMARY"));
    while (!rs.Eof()) {
        records.push_back(rs.LongValue(QStringLiteral("RECORD")));
        rs.MoveNext();
    }
    rs.Close();
    return records;
}

std::vector<long> ReadLinkedPictures(Database &db, int typeOne, long recordOne, int typeTwo)
{
    std::vector<long> records;
    Recordset rs = db.OpenQuery(
        QStringLiteral("Select * From LINKS Where TYPEONE = ? And RECORDONE = ? And TYPETWO = ?"),
        {typeOne, static_cast<qlonglong>(recordOne), typeTwo});
    while (!rs.Eof()) {
        records.push_back(rs.LongValue(QStringLiteral("RECORDTWO")));
        rs.MoveNext();
    }
    rs.Close();
    return records;
}

PictureHead ReadPictureHead(Database &db, const QString &headTable, long record, const QString &furtherField,
                            const std::function<void(const Recordset &)> &readMore)
{
    PictureHead head;
    Recordset rs = db.OpenRecordset(headTable);
    rs.Index(QStringLiteral("PRIMARY"));
    rs.Seek(QStringLiteral("="), static_cast<qlonglong>(record));
    if (!rs.NoMatch()) {
        head.found = true;
        readText(rs, QStringLiteral("HINT"), head.hintText);
        readText(rs, QStringLiteral("TEXT"), head.answerText);
        readText(rs, furtherField, head.furtherText);
        if (readMore)
            readMore(rs);
    }
    rs.Close();
    return head;
}

void WalkPictureLines(Database &db, const QString &lineTable, long record,
                      const std::function<void(const Recordset &)> &draw)
{
    Recordset rs = db.OpenRecordset(lineTable);
    rs.Index(QStringLiteral("ALTERNATE"));
    rs.Seek(QStringLiteral("="), static_cast<qlonglong>(record));
    while (!rs.NoMatch() && !rs.Eof() && rs.LongValue(QStringLiteral("HEADER")) == record) {
        draw(rs);
        rs.MoveNext();
    }
    rs.Close();
}
