#pragma once

// A fresh program database for a test: made from the schema the build uses,
// with every table empty but the one USER row.
//
//     QTemporaryDir dir;
//     AppPath = MakeTestDatabase(dir.path());

#include "data/CreateDatabase.h"

#include <QString>

inline QString TestSchemaFile()
{
    return qEnvironmentVariable("NORVANTA_SOURCE_DIR") + QStringLiteral("/data/schema.sql");
}

// Creates folder/CALVOREN.MDB; returns the folder with a trailing separator.
inline QString MakeTestDatabase(const QString &folder)
{
    CreateDatabase(folder + QStringLiteral("/CALVOREN.MDB"), TestSchemaFile());
    return folder + QLatin1Char('/');
}
