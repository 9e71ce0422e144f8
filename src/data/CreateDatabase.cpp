#include "data/CreateDatabase.h"

#include "data/Engine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString readScript(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(DbError::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(file));
    return QString::fromUtf8(f.readAll());
}

// A script of several statements, run as one transaction.
void runScript(const QString &path, const QString &file)
{
    DatabaseConnection c;
    c.path = path;
    const QByteArray name = QFileInfo(path).absoluteFilePath().toUtf8();
    const int rc = sqlite3_open_v2(name.constData(), &c.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    struct Closer {
        DatabaseConnection &c;
        ~Closer() { sqlite3_close(c.db); }
    } closer{c};
    if (rc != SQLITE_OK)
        ThrowEngineError(c, rc);
    const QByteArray script = QByteArrayLiteral("BEGIN IMMEDIATE;\n") + readScript(file).toUtf8() +
                              QByteArrayLiteral("\n;COMMIT;");
    char *message = nullptr;
    if (sqlite3_exec(c.db, script.constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message);
        sqlite3_free(message);
        throw DbError(DbError::SyntaxError, QStringLiteral("%1: %2").arg(file, text));
    }
}

void loadStarter(const QString &path, const QString &file, const StarterLoader &loader)
{
    auto db = Database::OpenDatabase(path);
    Transaction transaction(*db);
    loader(*db, file);
    transaction.Commit();
    db->Close();
}

} // namespace

void CreateDatabase(const QString &path, const QString &schemaFile, const QString &starterDir,
                    const StarterLoaders &loaders)
{
    if (QFileInfo::exists(path))
        throw DbError(DbError::ReadOnly, QStringLiteral("'%1' already exists.").arg(path));
    // Built beside the target and renamed at the end, so that a failed build
    // never leaves a file that looks finished.
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    try {
        runScript(building, schemaFile);
        if (!starterDir.isEmpty()) {
            const QFileInfoList files = QDir(starterDir).entryInfoList(QDir::Files, QDir::Name);
            for (const QFileInfo &file : files) {
                const QString suffix = file.suffix().toLower();
                if (suffix == QLatin1String("sql")) {
                    runScript(building, file.filePath());
                    continue;
                }
                const auto loader = loaders.constFind(suffix);
                if (loader == loaders.constEnd())
                    throw DbError(DbError::NotSupported,
                                  QStringLiteral("No loader for starter file '%1'.").arg(file.filePath()));
                loadStarter(building, file.filePath(), *loader);
            }
        }
        if (!QFile::rename(building, path))
            throw DbError(DbError::DiskError, QStringLiteral("Cannot create '%1'.").arg(path));
    } catch (...) {
        QFile::remove(building);
        throw;
    }
}
