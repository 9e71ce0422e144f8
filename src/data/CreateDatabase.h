#pragma once

#include "data/Database.h"

#include <QHash>
#include <QString>

#include <functional>

// Reads one starter file that is not SQL into a database being created.
using StarterLoader = std::function<void(Database &db, const QString &file)>;
// Loaders by file suffix, lower case, without the dot ("txt", "lights").
using StarterLoaders = QHash<QString, StarterLoader>;

// Creates a new database file at `path`: runs the SQL script `schemaFile`,
// then every file of `starterDir` (if given) in file-name order, *.sql as SQL
// scripts and any other file by the loader of its suffix. All or nothing: the
// file appears only when every step has succeeded. Throws DbError when `path`
// already exists, a file cannot be read, a file has no loader, or a step fails.
void CreateDatabase(const QString &path, const QString &schemaFile, const QString &starterDir = QString(),
                    const StarterLoaders &loaders = StarterLoaders());
