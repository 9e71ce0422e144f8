#pragma once

#include <QString>

#include <vector>

class Database;

// One element of a starter collision picture, as the collision editor stores it.
struct StarterColElement {
    long kind = 0; // CollisionKind
    long size = 0; // size unit in twips, one of the editor's sizes
    float x = 0;   // centre on the editor's 6000 x 3000 canvas
    float y = 0;
};

// A collision picture of the starter set, as written in the starter file.
struct StarterColPicture {
    long record = 0;
    QString hint;
    QString rule;
    QString text;
    QString caption;
    std::vector<StarterColElement> elements;
    std::vector<long> alternatives; // wrong choices, by record
    int line = 0;                   // where the block starts in the file
};

// Reads the blocks of a collision starter file (the format is described at
// the top of data/starter/pictures.collisions). A malformed line throws
// DbError SyntaxError naming its line.
std::vector<StarterColPicture> ReadStarterCollisions(const QString &text);

// Appends every picture of the file to a new database, numbered as the file
// numbers them, its hint and rule stored as "Hint~Rule", then each picture's
// set of alternatives.
void LoadStarterCollisions(Database &db, const QString &file);
