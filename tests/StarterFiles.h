#pragma once

// Starter files for tests: the repository's own, and a new database made from
// one file of a test's own content.

#include "TestDatabase.h"

#include "data/CreateDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

inline QString SourceFile(const QString &relative)
{
    return qEnvironmentVariable("NORVANTA_SOURCE_DIR") + QLatin1Char('/') + relative;
}

inline QString ReadSourceFile(const QString &relative)
{
    QFile f(SourceFile(relative));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// Makes a new database from a starter folder holding one file "pictures.<suffix>"
// of the content. Returns the refusal's description, or "" when the database
// was made; a refused database must leave no file behind ("left a file").
inline QString StarterRefusal(const QString &suffix, const QString &content, const StarterLoader &loader)
{
    QTemporaryDir tmp;
    const QString starterDir = tmp.filePath(QStringLiteral("starter"));
    QDir().mkpath(starterDir);
    QFile f(starterDir + QStringLiteral("/pictures.") + suffix);
    if (!f.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write the starter file");
    f.write(content.toUtf8());
    f.close();
    const QString path = tmp.filePath(QStringLiteral("CALVOREN.MDB"));
    try {
        CreateDatabase(path, TestSchemaFile(), starterDir, {{suffix, loader}});
    } catch (const DbError &e) {
        return QFile::exists(path) ? QStringLiteral("left a file") : e.Description();
    }
    return QString();
}
