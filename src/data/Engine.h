#pragma once

// Inside of the database layer: the SQLite connection shared by a Database
// and its recordsets, one prepared statement, error numbers, field kinds.

#include "data/Database.h"

#include <QString>
#include <QVariant>

#include <sqlite3.h>

struct DatabaseConnection {
    sqlite3 *db = nullptr;
    QString path;
};

// Throws the DbError that stands for an SQLite result code.
[[noreturn]] void ThrowEngineError(const DatabaseConnection &c, int rc);

// The connection, or ObjectClosed when it has been closed.
sqlite3 *OpenHandle(const DatabaseConnection &c);

// Runs the test hook before a write statement.
void BeforeWrite(const QString &sql);

QString QuoteName(const QString &name);

// One compiled statement; finalised when it goes out of scope, so no
// statement (and no read lock) outlives the call that made it.
class Statement
{
public:
    Statement(const DatabaseConnection &c, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void Bind(const QVariantList &params);
    bool Step(); // true while a row is there
    bool ReadOnly() const;
    int ColumnCount() const;
    QString ColumnName(int i) const;
    QString ColumnDeclaredType(int i) const;
    QVariant Column(int i) const; // the stored value as it is

private:
    const DatabaseConnection &m_c;
    sqlite3_stmt *m_stmt = nullptr;
};

// How a field's declared type is read and written.
enum class FieldKind { Any, Counter, Integer, Long, Boolean, Single, Double, Text };

FieldKind KindOf(const QString &declaredType);
// A stored value as the program reads it (booleans -1/0, reals as double).
QVariant ReadAs(FieldKind kind, const QVariant &stored);
// A value the program writes, made into the field's type; throws
// ConversionError or NumericOverflow when it cannot be.
QVariant WriteAs(FieldKind kind, const QString &fieldName, const QVariant &value);
