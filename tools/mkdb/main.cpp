// Creates the program's database from its schema and starter files when the
// program's folder has none. An existing database is never touched, so what
// the user has stored survives every rebuild.
//
//     mkdb <database file> <schema.sql> [<starter folder>]

#include "buoys/StarterBuoys.h"
#include "collisions/StarterCollisions.h"
#include "data/CreateDatabase.h"
#include "lights/StarterLights.h"
#include "shapes/StarterShapes.h"
#include "sounds/StarterSounds.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: mkdb <database file> <schema.sql> [<starter folder>]\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    const QString schema = QString::fromLocal8Bit(argv[2]);
    const QString starter = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    if (QFileInfo::exists(target))
        return 0;

    // Starter files that are not SQL are read by the loader registered here
    // for their suffix: loaders.insert("suffix", Loader), with the loader's
    // library linked in this folder's CMakeLists.txt.
    StarterLoaders loaders;
    loaders.insert(QStringLiteral("lights"), LoadStarterLights);
    loaders.insert(QStringLiteral("shapes"), LoadStarterShapes);
    loaders.insert(QStringLiteral("sounds"), LoadStarterSounds);
    loaders.insert(QStringLiteral("buoys"), LoadStarterBuoys);
    loaders.insert(QStringLiteral("collisions"), LoadStarterCollisions);

    try {
        QDir().mkpath(QFileInfo(target).absolutePath());
        CreateDatabase(target, schema, starter, loaders);
    } catch (const DbError &e) {
        std::fprintf(stderr, "mkdb: error %ld: %s\n", e.Number(), e.what());
        return 1;
    }
    std::printf("mkdb: created %s\n", qPrintable(QDir::toNativeSeparators(target)));
    return 0;
}
