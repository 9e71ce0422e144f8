#pragma once

// Starter files for tests: the repository's own, and a new database made from
// one file of a test's own content.

#include "TestDatabase.h"

#include "data/CreateDatabase.h"
#include "data/Database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
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

// Runs the build's database tool on the repository's schema and starter
// folder; returns its exit code, -1 when it does not finish.
inline int RunBuildTool(const QString &tool, const QString &path)
{
    QProcess process;
    process.start(tool, {path, TestSchemaFile(), SourceFile(QStringLiteral("data/starter"))});
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitCode();
}

// The first ALTERNATIVES row of a picture is its own answer.
inline bool OwnAnswerComesFirst(Database &db, int topic, long record)
{
    Recordset set = db.OpenRecordset(QStringLiteral("ALTERNATIVES"));
    set.Index(QStringLiteral("HEADTYPE"));
    set.Seek(QStringLiteral("="), topic, static_cast<qlonglong>(record));
    const bool own = !set.NoMatch() && set.LongValue(QStringLiteral("RECORDTWO")) == record &&
                     set.LongValue(QStringLiteral("ANSWER")) == -1;
    set.Close();
    return own;
}
