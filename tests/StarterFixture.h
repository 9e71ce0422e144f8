#pragma once

// Reading the starter files and the regulations tables kept beside them, and
// making a new database the way the build does, with its own tool (MKDB_PATH,
// given by the test's CMakeLists.txt).

#include "TestDatabase.h"

#include "data/CreateDatabase.h"
#include "data/Database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <map>

inline QString SourceFile(const QString &relative)
{
    return qEnvironmentVariable("NORVANTA_SOURCE_DIR") + QLatin1Char('/') + relative;
}

inline QString ReadSourceText(const QString &relative)
{
    QFile f(SourceFile(relative));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// The situation rows of a regulations table, each cut at "|" and trimmed;
// comment lines and "Fog" rows left out.
inline std::vector<QStringList> RegulationRows(const QString &relative)
{
    std::vector<QStringList> rows;
    for (const QString &raw : ReadSourceText(relative).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList cells = line.split(QLatin1Char('|'));
        for (QString &cell : cells)
            cell = cell.trimmed();
        if (cells[0] != QLatin1String("Fog"))
            rows.push_back(cells);
    }
    return rows;
}

// The words of each fog signal by its rule, from the lights table.
inline std::map<QString, QString> FogSignalsByRule()
{
    std::map<QString, QString> fog;
    for (const QString &raw : ReadSourceText(QStringLiteral("data/lights-regulations.txt")).split(QLatin1Char('\n'))) {
        const QStringList cells = raw.split(QLatin1Char('|'));
        if (cells.size() == 3 && cells[0].trimmed() == QLatin1String("Fog"))
            fog[cells[1].trimmed()] = cells[2].trimmed();
    }
    return fog;
}

// Every word of a program text starts with a capital or a digit.
inline bool TitleCase(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z0-9]+"));
    auto it = word.globalMatch(text);
    while (it.hasNext()) {
        const QString w = it.next().captured();
        if (!w.at(0).isUpper() && !w.at(0).isDigit())
            return false;
    }
    return true;
}

inline long CountRows(Database &db, const QString &sql, const QVariantList &params = {})
{
    Recordset rs = db.OpenQuery(sql, params);
    const long n = rs.LongValue(QStringLiteral("N"));
    rs.Close();
    return n;
}

// A new database at path from the repository's schema and starter folder,
// made by the build's tool; empty when the tool succeeded, else its output.
inline QString MakeStarterDatabase(const QString &path)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral(MKDB_PATH), {path, TestSchemaFile(), SourceFile(QStringLiteral("data/starter"))});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QStringLiteral("mkdb failed: ") + QString::fromLocal8Bit(tool.readAll());
    return QString();
}

// Makes a new database from a starter folder holding one lights picture and
// fileName with content, by the loaders given; returns the complaint, or
// "loaded". A refused folder must leave no database behind.
inline QString StarterComplaint(const QString &fileName, const QString &content, const StarterLoaders &loaders)
{
    QTemporaryDir dir;
    const QString starterDir = dir.filePath(QStringLiteral("starter"));
    QDir().mkpath(starterDir);
    auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile f(starterDir + QLatin1Char('/') + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    };
    write(QStringLiteral("pictures.lights"),
          "Record: 1\nHint: H\nText: T\nFog Signal: F\nDirection: Still\nLight: Red, Large, 100, 100\n");
    write(fileName, content.toUtf8());
    const QString path = dir.filePath(QStringLiteral("CALVOREN.MDB"));
    try {
        CreateDatabase(path, TestSchemaFile(), starterDir, loaders);
    } catch (const DbError &e) {
        return QFile::exists(path) ? QStringLiteral("left a database behind") : e.Description();
    }
    return QStringLiteral("loaded");
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
