#pragma once

#include <QString>

#include <vector>

class Database;

// What the item list reads and writes: a topic's pictures, the deletion of a
// picture, and the alternatives and links saved for one. Topic codes run 1 to
// 5; failures throw DbError. A replacement or a deletion is one transaction:
// after a failure the previous rows are all still there.

struct HeadEntry {
    long record = 0;
    QString text;
    bool textMissing = false; // TEXT is Null; text is then empty
};

// Every picture of the topic, by ascending RECORD (index "PRIMARY").
std::vector<HeadEntry> ReadHeadEntries(Database &db, long topicCode);

// Removes the picture's head row and its line rows. Its LINKS and
// ALTERNATIVES rows stay: numbers are never given out again, so they can
// never attach to a new picture.
void DeletePicture(Database &db, long topicCode, long record);

// RECORDTWO of the saved set of (topicCode, record).
std::vector<long> ReadSavedAlternatives(Database &db, long topicCode, long record);
// RECORDTWO of the saved links of (topicCode, record) toward topic typeTwo.
std::vector<long> ReadSavedLinks(Database &db, long topicCode, long record, long typeTwo);

// Replaces the set of (topicCode, record): the self row, marked right, then
// one wrong row per further picture (the picture itself is never repeated).
void ReplaceAlternatives(Database &db, long topicCode, long record, const std::vector<long> &others);
// Replaces the links of (topicCode, record) toward typeTwo; the links toward
// the other topics stay. A picture never links to itself.
void ReplaceLinks(Database &db, long topicCode, long record, long typeTwo, const std::vector<long> &linked);
