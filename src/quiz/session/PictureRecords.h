#pragma once

#include <QString>

#include <functional>
#include <vector>

class Database;
class Recordset;

// The texts of a picture's head row, with what a reader puts in place of a
// missing value. found is false when no head row has the number: the texts
// then keep their defaults and the picture has nothing to draw.
struct PictureHead {
    bool found = false;
    QString hintText = QStringLiteral("No Hint");
    QString answerText = QStringLiteral("No Text");
    QString furtherText = QStringLiteral("Unknown");
};

// RECORD of every head row in key order ("PRIMARY").
std::vector<long> ReadAllPictures(Database &db, const QString &headTable);

// RECORDTWO of every LINKS row from picture recordOne of topic typeOne toward
// topic typeTwo, in the order the query returns them.
std::vector<long> ReadLinkedPictures(Database &db, int typeOne, long recordOne, int typeTwo);

// Seeks picture record in the head table and reads HINT, TEXT and the topic's
// further text field; readMore, when given, reads the topic's own fields from
// the head row found.
PictureHead ReadPictureHead(Database &db, const QString &headTable, long record, const QString &furtherField,
                            const std::function<void(const Recordset &)> &readMore = {});

// Hands every line row of picture record to draw, in the order of the index
// "ALTERNATE", and stops at the first row of another picture.
void WalkPictureLines(Database &db, const QString &lineTable, long record,
                      const std::function<void(const Recordset &)> &draw);
