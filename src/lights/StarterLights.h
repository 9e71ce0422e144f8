#pragma once

#include "lights/DrawLight.h"

#include <QString>

#include <vector>

class Database;

// A lights picture of the starter set, as written in the starter file.
struct StarterPicture {
    long record = 0;
    QString hint;
    QString text;
    QString fogSignal;
    int direction = 0;               // LightDirection
    std::vector<LightLine> lights;   // as the editor stores them
    std::vector<long> alternatives;  // wrong choices, by record
    int line = 0;                    // where the block starts in the file
};

// Reads the blocks of a starter file (the format is described at the top of
// data/starter/pictures.lights). A malformed line throws DbError
// SyntaxError naming its line.
std::vector<StarterPicture> ReadStarterLights(const QString &text);

// Appends every picture of the file to a new database, numbered as the file
// numbers them, then each picture's set of alternatives: its own row first,
// the others by number.
void LoadStarterLights(Database &db, const QString &file);
