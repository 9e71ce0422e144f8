#pragma once

#include <QString>

#include <vector>

class Database;

// One buoy of a starter picture, as the buoy editor stores it.
struct StarterBuoy {
    long kind = 0;    // BuoyKind
    int size = 0;     // size unit in twips, one of the editor's sizes
    long topmark = 0; // -1 with topmark, 0 without
    float x = 0;      // centre on the editor's 3000 x 3000 canvas
    float y = 0;
};

// A buoy picture of the starter set, as written in the starter file.
struct StarterBuoyPicture {
    long record = 0;
    QString hint;
    QString text;
    QString light;
    std::vector<StarterBuoy> buoys;
    std::vector<long> alternatives; // wrong choices, by record
    int line = 0;                   // where the block starts in the file
};

// Reads the blocks of a buoy starter file (the format is described at the
// top of data/starter/pictures.buoys). A malformed line throws DbError
// SyntaxError naming its line.
std::vector<StarterBuoyPicture> ReadStarterBuoys(const QString &text);

// Appends every picture of the file to a new database, numbered as the file
// numbers them, then each picture's set of alternatives.
void LoadStarterBuoys(Database &db, const QString &file);
