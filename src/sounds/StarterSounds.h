#pragma once

#include <QString>

#include <vector>

class Database;

// A vessel of a starter signal's picture, as the editor stores it.
struct StarterVessel {
    long kind = 0; // 1 "Head On Vessel" .. 6 "Sailing Vessel"
    long size = 0; // the size unit
    double x = 0;  // centre on the 6000 x 3000 design space
    double y = 0;
};

// A sound element of a starter signal.
struct StarterSound {
    long kind = 0;        // SoundKind
    long seconds = 0;     // one of the editor's durations
    long repetitions = 0; // 1 to 9
};

// A sound signal of the starter set, as written in the starter file.
struct StarterSignal {
    long record = 0;
    QString hint;
    QString text;
    QString extra;
    std::vector<StarterVessel> vessels;
    std::vector<StarterSound> sounds;
    std::vector<long> alternatives; // wrong choices, by record
    std::vector<long> lights;       // lights pictures of the same vessel and state
    int line = 0;                   // where the block starts in the file
};

// Reads the blocks of a starter file (the format is described at the top of
// data/starter/pictures.sounds). A malformed line throws DbError
// SyntaxError naming its line.
std::vector<StarterSignal> ReadStarterSounds(const QString &text);

// Appends every signal of the file to a new database that already holds the
// starter lights (and shapes), numbered as the file numbers them, the
// vessels before the sounds as the editor saves them; then each signal's
// alternatives and its links with the lights pictures and, through them,
// with the shapes pictures of the same vessel.
void LoadStarterSounds(Database &db, const QString &file);
