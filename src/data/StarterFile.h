#pragma once

#include <QString>

#include <vector>

class Database;
class Recordset;

// The plain-text starter files that give a new database its pictures: blocks
// of "Name: value" lines, blocks apart by a blank line, "#" lines ignored.
// Every fault throws DbError SyntaxError "Starter <topic>, line <n>: ...".

struct StarterField {
    QString name;
    QString value;
    int line = 0;
};

struct StarterBlock {
    int line = 0; // where the block starts
    std::vector<StarterField> fields;
};

// The file's text; a missing file is DbError FileNotFound.
QString ReadStarterText(const QString &file);

std::vector<StarterBlock> ReadStarterBlocks(const QString &text, const QString &topic);

[[noreturn]] void StarterFault(const QString &topic, int line, const QString &what);

double StarterNumber(const QString &topic, const QString &text, int line);

// A comma list of numbers ("5, 8, 9").
std::vector<long> StarterNumbers(const QString &topic, const QString &text, int line);

// The engine numbers a new picture; in a new database that is the file's
// own numbering only when the file counts 1, 2, 3 ... A head row just
// appended is made current and its number checked against the file's.
void CheckStarterRecord(Recordset &head, const QString &topic, long record, int line);

// A picture's multiple-choice set as the file gives it.
struct StarterChoices {
    long record = 0;
    int line = 0;
    std::vector<long> offered; // wrong choices, by record
};

// Appends each picture's set of alternatives of topic code `topic`: its own
// row first, the others by number. Every offered picture must be one of the
// file's.
void AppendStarterAlternatives(Database &db, int topic, const QString &topicWord,
                               const std::vector<StarterChoices> &pictures);

// Links picture `record` of topic `topic` with each lights picture named,
// both ways, and with every picture of a third topic already linked to one
// of those lights pictures, both ways, so the Links menu moves between all
// views of one vessel. A lights picture the database lacks is a fault.
void AppendStarterLinks(Database &db, int topic, const QString &topicWord, long record, int line,
                        const std::vector<long> &lights);
