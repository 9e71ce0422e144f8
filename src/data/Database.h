#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <exception>
#include <functional>
#include <memory>

// The program's database engine over one SQLite file (CALVOREN.MDB).
//
// Usage follows the program's habit: open the file afresh, open recordsets,
// work, close each recordset and then the database before returning.
//
//     auto db = Database::OpenDatabase(AppPath + "CALVOREN.MDB");
//     Recordset rs = db->OpenRecordset("LIGHTLINE");
//     rs.Index("ALTERNATE");
//     rs.Seek("=", n);
//     if (!rs.NoMatch())
//         while (!rs.Eof() && rs.LongValue("HEADER") == n) { ...; rs.MoveNext(); }
//     rs.Close();
//     db->Close();
//
// Every failure throws DbError with an engine error number. A busy or locked
// file gives DbError::Locked (3260) or DbError::TableLocked (3218), which the
// error reporter retries. Table, field and index names match in any case.
// Values always go in as bound parameters ("?" in SQL text), never as text.

class DbError : public std::exception
{
public:
    DbError(long number, const QString &description);

    long Number() const { return m_number; }
    QString Description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

    // Engine error numbers this layer raises.
    static constexpr long InvalidUseOfNull = 94;      // a typed read met Null
    static constexpr long InvalidArgument = 3001;     // bad Seek operator or key count
    static constexpr long IndexNotFound = 3015;       // Index() name not defined for the table
    static constexpr long NoCurrentIndex = 3019;      // Seek before Index()
    static constexpr long UpdateWithoutEdit = 3020;   // Update/SetValue without AddNew or Edit
    static constexpr long NoCurrentRecord = 3021;     // read, Edit or MoveNext with no current row
    static constexpr long DuplicateKey = 3022;        // unique key broken
    static constexpr long FileNotFound = 3024;        // OpenDatabase on a missing file
    static constexpr long DiskFull = 3026;
    static constexpr long ReadOnly = 3027;            // file not writable, or a query recordset written
    static constexpr long TransactionState = 3034;    // commit/rollback without begin, or nested begin
    static constexpr long DiskError = 3043;           // I/O and any other engine failure
    static constexpr long DatabaseDamaged = 3049;     // file recognised but corrupt
    static constexpr long TooFewParameters = 3061;    // "?" count differs from the values given
    static constexpr long SelectNotAction = 3065;     // Execute given a select
    static constexpr long SyntaxError = 3075;         // SQL the engine cannot compile
    static constexpr long TableNotFound = 3078;       // no such table
    static constexpr long TrailingCharacters = 3142;  // more than one statement in one text
    static constexpr long FieldNotUpdatable = 3164;   // the counter key written
    static constexpr long RecordDeleted = 3167;       // current row deleted meanwhile
    static constexpr long TableLocked = 3218;         // lock conflict inside the engine
    static constexpr long NotSupported = 3251;        // Index/Seek/AddNew/Edit on a query recordset
    static constexpr long Locked = 3260;              // file busy: another user is writing
    static constexpr long FieldNotFound = 3265;       // no such field
    static constexpr long ValidationFailed = 3317;    // other constraint broken
    static constexpr long UnrecognizedFormat = 3343;  // not a database of this program
    static constexpr long NumericOverflow = 3349;     // value too large for the field
    static constexpr long ObjectClosed = 3420;        // recordset or database already closed
    static constexpr long ConversionError = 3421;     // value cannot become the field's type

private:
    long m_number;
    QString m_description;
    QByteArray m_what;
};

class Database;
struct DatabaseConnection;
class RecordsetImpl;

// A table recordset (OpenRecordset) or a query recordset (OpenQuery).
// Starts on the first row: in table order (insertion order) until Index()
// chooses a key order. Reading on after Seek visits rows in key order, rows
// with equal keys in the order they were added.
// Value() gives a null QVariant for Null, distinct from the empty text "".
// Boolean fields read back as int -1 (True) or 0 (False); writing true/false
// stores -1/0. Once its Database is closed every call throws ObjectClosed.
class Recordset
{
public:
    Recordset();
    Recordset(Recordset &&) noexcept;
    Recordset &operator=(Recordset &&) noexcept;
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;
    ~Recordset();

    // Table recordsets only: "PRIMARY", "ALTERNATE", "HEADTYPE", ... as the
    // table defines them; moves to the first row in that key order.
    void Index(const QString &name);
    // Only "=" is supported; one key, or two for a two-field index (a prefix
    // of the index's fields). On no match NoMatch() is true, there is no
    // current row and Eof() is true.
    void Seek(const QString &comparison, const QVariant &key1, const QVariant &key2 = QVariant());
    bool NoMatch() const;

    bool Bof() const; // true when the recordset holds no rows
    bool Eof() const; // true past the last row (and at once when empty)
    void MoveNext();

    QVariant Value(const QString &fieldName) const;
    // Typed reads of the current row: Null throws InvalidUseOfNull.
    long LongValue(const QString &fieldName) const;
    double DoubleValue(const QString &fieldName) const;
    QString TextValue(const QString &fieldName) const;
    bool BoolValue(const QString &fieldName) const;

    // Table recordsets only. AddNew opens a new row (its counter key is
    // assigned by the engine at Update), Edit opens the current row; SetValue
    // fills the copy; Update writes it. The current row stays where it was;
    // MoveLastModified makes the row written last current.
    void AddNew();
    void Edit();
    void SetValue(const QString &fieldName, const QVariant &value);
    void Update();
    void CancelUpdate();
    void MoveLastModified();

    void Close();

private:
    friend class Database;
    explicit Recordset(std::unique_ptr<RecordsetImpl> impl);
    RecordsetImpl &impl() const;
    std::unique_ptr<RecordsetImpl> d;
};

class Database
{
public:
    // Opens an existing file shared and writable; never creates one.
    // Missing file: FileNotFound. Not a database, or one without tables:
    // UnrecognizedFormat. Corrupt: DatabaseDamaged. Busy: Locked.
    static std::unique_ptr<Database> OpenDatabase(const QString &path);

    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    Recordset OpenRecordset(const QString &tableName);
    // Read-only recordset from one SQL statement with "?" placeholders.
    Recordset OpenQuery(const QString &sql, const QVariantList &params = {});
    // One action statement with "?" placeholders; "Delete * From ..." is
    // accepted as written. Returns the number of rows changed.
    int Execute(const QString &sql, const QVariantList &params = {});

    // Write transactions (the file is reserved at BeginTrans, so two writers
    // never deadlock). Prefer the Transaction guard below.
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    bool InTransaction() const;

    // Rolls back an open transaction, closes the file. Safe to call twice.
    void Close();

    QString Path() const;

    // Engine-wide: finishes pending work and releases read locks on every
    // open database.
    static void Idle();

    // Test seam: called with the SQL text before every write statement
    // (AddNew/Edit Update, Execute) on any database; throwing a DbError from
    // it makes that write fail as an engine failure would. An empty hook
    // removes it.
    using WriteHook = std::function<void(const QString &sql)>;
    static void SetWriteHook(WriteHook hook);

private:
    explicit Database(std::shared_ptr<DatabaseConnection> connection);
    std::shared_ptr<DatabaseConnection> m_connection;
};

// Runs several steps as one write transaction: rolled back when destroyed
// before Commit(), so a step that throws leaves nothing half-written.
// Lives inside the scope of its Database.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void Commit();

private:
    Database &m_db;
    bool m_done = false;
};
