#pragma once

#include "data/Database.h"

#include <QString>

#include <set>
#include <vector>

// The blocks of a starter file: "Name: value" lines, one block per picture,
// blocks apart by a blank line, lines starting with "#" ignored.
struct StarterField {
    QString name;
    QString value;
    int line = 0;
};

struct StarterBlock {
    std::vector<StarterField> fields; // in the file's order
    int line = 0;                     // where the block starts
};

// Reads the blocks; a line without "Name:" throws DbError SyntaxError naming
// the topic and the line.
std::vector<StarterBlock> ReadStarterBlocks(const QString &text, const QString &topic);

// Throws DbError SyntaxError: "Starter <topic>, line <line>: <what>".
[[noreturn]] void StarterFault(const QString &topic, int line, const QString &what);

// A field's value as a number; anything else is a fault on its line.
double StarterNumber(const QString &topic, const StarterField &field, const QString &text);

// A list of record numbers, "3, 5, 7".
std::vector<long> StarterRecords(const QString &topic, const StarterField &field);

// Stores the head row being added and returns the number the engine gave
// it; a number other than the file's is a fault on the block's line.
long StoreStarterHead(Recordset &head, long fileRecord, const QString &topic, int line);

// The whole text of a starter file; a file that cannot be read throws
// DbError FileNotFound.
QString ReadStarterFile(const QString &file);

// A picture's wrong choices, by record, as its block names them.
struct StarterChoices {
    long record = 0;
    std::vector<long> alternatives;
    int line = 0;
};

// Appends each picture's set of alternatives of a topic: its own row first,
// then the others by number. A picture offering a record that is not among
// `records` is a fault on its block's line.
void AppendStarterAlternatives(Database &db, int topic, const QString &topicName, const std::set<long> &records,
                               const std::vector<StarterChoices> &choices);
