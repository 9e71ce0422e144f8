#pragma once

#include "silhouettes/DrawShape.h"

#include <QString>

#include <vector>

class Database;

// A day-shapes picture of the starter set, as written in the starter file.
struct StarterShapePicture {
    long record = 0;
    QString hint;
    QString text;
    QString fogSignal;
    std::vector<ShapeLine> shapes;  // as the editor stores them
    std::vector<long> alternatives; // wrong choices, by record
    std::vector<long> lights;       // lights pictures of the same vessel and state
    int line = 0;                   // where the block starts in the file
};

// Reads the blocks of a starter file (the format is described at the top of
// data/starter/pictures.shapes). A malformed line throws DbError
// SyntaxError naming its line.
std::vector<StarterShapePicture> ReadStarterShapes(const QString &text);

// Appends every picture of the file to a new database that already holds
// the starter lights, numbered as the file numbers them; then each
// picture's alternatives and its links with the lights pictures.
void LoadStarterShapes(Database &db, const QString &file);
