#include "data/Database.h"

#include "data/Engine.h"
#include "data/Recordset_p.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace {

// Rides over another user's very short write. Every silent retry of the
// error reporter waits this long once more, so it stays short enough that a
// file locked for good brings the reporter's question within a second.
constexpr int BusyTimeoutMs = 2;

std::vector<DatabaseConnection *> &openConnections()
{
    static std::vector<DatabaseConnection *> connections;
    return connections;
}

Database::WriteHook &writeHook()
{
    static Database::WriteHook hook;
    return hook;
}

void runSimple(const DatabaseConnection &c, const char *sql)
{
    Statement statement(c, QString::fromLatin1(sql));
    statement.Step();
}

// "Delete * From X" is how the program writes a deletion; SQLite has no "*".
QString normalised(const QString &sql)
{
    static const QRegularExpression deleteStar(QStringLiteral("^\\s*DELETE\\s+\\*\\s+FROM\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString text = sql;
    return text.replace(deleteStar, QStringLiteral("DELETE FROM"));
}

} // namespace

DbError::DbError(long number, const QString &description)
    : m_number(number), m_description(description), m_what(description.toUtf8())
{
}

void BeforeWrite(const QString &sql)
{
    if (writeHook())
        writeHook()(sql);
}

std::unique_ptr<Database> Database::OpenDatabase(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw DbError(DbError::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));

    auto connection = std::make_shared<DatabaseConnection>();
    connection->path = path;
    const QByteArray file = QFileInfo(path).absoluteFilePath().toUtf8();
    // Shared and writable; never create a file that is not there.
    const int rc = sqlite3_open_v2(file.constData(), &connection->db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        if (connection->db) {
            sqlite3_close(connection->db);
            connection->db = nullptr;
        }
        throw DbError(DbError::DiskError, QStringLiteral("Cannot open the file '%1'.").arg(path));
    }
    std::unique_ptr<Database> db(new Database(connection));
    sqlite3_extended_result_codes(connection->db, 1);
    sqlite3_busy_timeout(connection->db, BusyTimeoutMs);

    // Reading the catalogue finds a damaged or foreign file now, not later.
    Statement tables(*connection, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"));
    tables.Step();
    if (tables.Column(0).toLongLong() == 0)
        throw DbError(DbError::UnrecognizedFormat, QStringLiteral("Unrecognized database format '%1'.").arg(path));
    return db;
}

Database::Database(std::shared_ptr<DatabaseConnection> connection)
    : m_connection(std::move(connection))
{
    openConnections().push_back(m_connection.get());
}

Database::~Database() { Close(); }

Recordset Database::OpenRecordset(const QString &tableName)
{
    return Recordset(RecordsetImpl::OpenTable(m_connection, tableName));
}

Recordset Database::OpenQuery(const QString &sql, const QVariantList &params)
{
    return Recordset(RecordsetImpl::OpenQuery(m_connection, normalised(sql), params));
}

int Database::Execute(const QString &sql, const QVariantList &params)
{
    const QString text = normalised(sql);
    Statement statement(*m_connection, text);
    if (statement.ReadOnly() && statement.ColumnCount() > 0)
        throw DbError(DbError::SelectNotAction, QStringLiteral("Cannot execute a select query."));
    statement.Bind(params);
    if (!statement.ReadOnly())
        BeforeWrite(text);
    while (statement.Step()) {
    }
    return sqlite3_changes(m_connection->db);
}

void Database::BeginTrans()
{
    if (InTransaction())
        throw DbError(DbError::TransactionState, QStringLiteral("A transaction is already open."));
    // Reserve the file for writing now, so no other writer can slip in.
    runSimple(*m_connection, "BEGIN IMMEDIATE");
}

void Database::CommitTrans()
{
    if (!InTransaction())
        throw DbError(DbError::TransactionState, QStringLiteral("Commit without a transaction."));
    runSimple(*m_connection, "COMMIT");
}

void Database::Rollback()
{
    if (!InTransaction())
        throw DbError(DbError::TransactionState, QStringLiteral("Rollback without a transaction."));
    runSimple(*m_connection, "ROLLBACK");
}

bool Database::InTransaction() const
{
    return m_connection->db && sqlite3_get_autocommit(m_connection->db) == 0;
}

void Database::Close()
{
    DatabaseConnection &c = *m_connection;
    if (!c.db)
        return;
    if (sqlite3_get_autocommit(c.db) == 0)
        sqlite3_exec(c.db, "ROLLBACK", nullptr, nullptr, nullptr);
    auto &open = openConnections();
    open.erase(std::remove(open.begin(), open.end(), &c), open.end());
    sqlite3_close_v2(c.db);
    c.db = nullptr;
}

QString Database::Path() const { return m_connection->path; }

void Database::Idle()
{
    for (DatabaseConnection *c : openConnections()) {
        // A statement left stepping holds a read lock; resetting releases it.
        for (sqlite3_stmt *s = sqlite3_next_stmt(c->db, nullptr); s; s = sqlite3_next_stmt(c->db, s)) {
            if (sqlite3_stmt_busy(s))
                sqlite3_reset(s);
        }
        sqlite3_db_release_memory(c->db);
    }
}

void Database::SetWriteHook(WriteHook hook) { writeHook() = std::move(hook); }

Transaction::Transaction(Database &db)
    : m_db(db)
{
    m_db.BeginTrans();
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    try {
        if (m_db.InTransaction())
            m_db.Rollback();
    } catch (...) {
        // Closing the database rolls back whatever is left.
    }
}

void Transaction::Commit()
{
    m_db.CommitTrans();
    m_done = true;
}
