#include "data/Engine.h"

#include "platform/values/Rounding.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

QString engineMessage(const DatabaseConnection &c)
{
    return c.db ? QString::fromUtf8(sqlite3_errmsg(c.db)) : QString();
}

} // namespace

[[noreturn]] void ThrowEngineError(const DatabaseConnection &c, int rc)
{
    const QString message = engineMessage(c);
    switch (rc & 0xff) {
    case SQLITE_BUSY:
        throw DbError(DbError::Locked, QStringLiteral("Could not use '%1'; currently locked by another user.").arg(c.path));
    case SQLITE_LOCKED:
        throw DbError(DbError::TableLocked, QStringLiteral("Could not update; currently locked."));
    case SQLITE_READONLY:
        // Named, so the user knows which file or folder to make writable.
        if (rc == SQLITE_READONLY_DIRECTORY)
            throw DbError(DbError::ReadOnly,
                          QStringLiteral("Cannot update. Database or object is read-only: the folder of '%1' "
                                         "cannot be written.")
                              .arg(c.path));
        throw DbError(DbError::ReadOnly,
                      QStringLiteral("Cannot update. Database or object is read-only: '%1'.").arg(c.path));
    case SQLITE_FULL:
        throw DbError(DbError::DiskFull, QStringLiteral("Not enough space on disk."));
    case SQLITE_CORRUPT:
        throw DbError(DbError::DatabaseDamaged,
                      QStringLiteral("Cannot open database '%1'. The file may be damaged.").arg(c.path));
    case SQLITE_NOTADB:
        throw DbError(DbError::UnrecognizedFormat, QStringLiteral("Unrecognized database format '%1'.").arg(c.path));
    case SQLITE_CONSTRAINT:
        if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
            throw DbError(DbError::DuplicateKey,
                          QStringLiteral("The changes were not successful because they would create duplicate "
                                         "values in the index or primary key."));
        throw DbError(DbError::ValidationFailed, QStringLiteral("One or more values are prohibited: %1").arg(message));
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
    case SQLITE_RANGE:
        throw DbError(DbError::ConversionError, QStringLiteral("Data type conversion error."));
    case SQLITE_ERROR: {
        static const QRegularExpression noTable(QStringLiteral("^no such table: (?:\\w+\\.)?(.+)$"));
        const auto m = noTable.match(message);
        if (m.hasMatch())
            throw DbError(DbError::TableNotFound,
                          QStringLiteral("Cannot find the input table or query '%1'.").arg(m.captured(1)));
        throw DbError(DbError::SyntaxError, QStringLiteral("Syntax error in query: %1.").arg(message));
    }
    default:
        throw DbError(DbError::DiskError, QStringLiteral("Disk or network error: %1.").arg(message));
    }
}

sqlite3 *OpenHandle(const DatabaseConnection &c)
{
    if (!c.db)
        throw DbError(DbError::ObjectClosed, QStringLiteral("Object invalid or no longer set."));
    return c.db;
}

QString QuoteName(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

Statement::Statement(const DatabaseConnection &c, const QString &sql)
    : m_c(c)
{
    sqlite3 *db = OpenHandle(c);
    const QByteArray text = sql.toUtf8();
    const char *tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, text.constData(), int(text.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK)
        ThrowEngineError(c, rc);
    if (!m_stmt)
        throw DbError(DbError::SyntaxError, QStringLiteral("Syntax error in query: no statement."));
    // One statement per text: nothing may follow it.
    const QString rest = QString::fromUtf8(tail).trimmed();
    if (!rest.isEmpty() && rest != QLatin1String(";")) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw DbError(DbError::TrailingCharacters, QStringLiteral("Characters found after end of SQL statement."));
    }
}

Statement::~Statement()
{
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

void Statement::Bind(const QVariantList &params)
{
    const int expected = sqlite3_bind_parameter_count(m_stmt);
    if (expected != params.size())
        throw DbError(DbError::TooFewParameters,
                      QStringLiteral("Wrong number of parameters. Expected %1, given %2.").arg(expected).arg(params.size()));
    for (int i = 0; i < expected; ++i) {
        const QVariant &v = params.at(i);
        const int at = i + 1;
        int rc = SQLITE_OK;
        if (!v.isValid() || v.isNull()) {
            rc = sqlite3_bind_null(m_stmt, at);
        } else {
            switch (v.typeId()) {
            case QMetaType::Bool:
                rc = sqlite3_bind_int64(m_stmt, at, v.toBool() ? -1 : 0);
                break;
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Long:
            case QMetaType::ULong:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::Char:
            case QMetaType::SChar:
            case QMetaType::UChar:
                rc = sqlite3_bind_int64(m_stmt, at, v.toLongLong());
                break;
            case QMetaType::ULongLong:
                if (v.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
                    throw DbError(DbError::NumericOverflow, QStringLiteral("Numeric field overflow."));
                rc = sqlite3_bind_int64(m_stmt, at, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(m_stmt, at, v.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray bytes = v.toByteArray();
                rc = sqlite3_bind_blob64(m_stmt, at, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray utf8 = v.toString().toUtf8();
                // An empty text stays text, never Null.
                rc = sqlite3_bind_text64(m_stmt, at, utf8.isEmpty() ? "" : utf8.constData(), quint64(utf8.size()),
                                         SQLITE_TRANSIENT, SQLITE_UTF8);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            ThrowEngineError(m_c, rc);
    }
}

bool Statement::Step()
{
    OpenHandle(m_c);
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The step failed: its error is read before the reset clears it.
    try {
        ThrowEngineError(m_c, rc);
    } catch (...) {
        sqlite3_reset(m_stmt);
        throw;
    }
}

bool Statement::ReadOnly() const { return sqlite3_stmt_readonly(m_stmt) != 0; }

int Statement::ColumnCount() const { return sqlite3_column_count(m_stmt); }

QString Statement::ColumnName(int i) const { return QString::fromUtf8(sqlite3_column_name(m_stmt, i)); }

QString Statement::ColumnDeclaredType(int i) const { return QString::fromUtf8(sqlite3_column_decltype(m_stmt, i)); }

QVariant Statement::Column(int i) const
{
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, i));
    case SQLITE_TEXT: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
        const int bytes = sqlite3_column_bytes(m_stmt, i);
        return bytes == 0 ? QVariant(QString(QLatin1String(""))) : QVariant(QString::fromUtf8(text, bytes));
    }
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(m_stmt, i));
        return QVariant(QByteArray(data, sqlite3_column_bytes(m_stmt, i)));
    }
    default:
        return QVariant();
    }
}

FieldKind KindOf(const QString &declaredType)
{
    const QString t = declaredType.trimmed().toUpper();
    if (t.isEmpty())
        return FieldKind::Any;
    if (t == QLatin1String("SMALLINT"))
        return FieldKind::Integer;
    if (t.contains(QLatin1String("BOOL")) || t == QLatin1String("BIT"))
        return FieldKind::Boolean;
    if (t.contains(QLatin1String("INT")) || t == QLatin1String("LONG"))
        return FieldKind::Long;
    if (t == QLatin1String("SINGLE") || t == QLatin1String("FLOAT"))
        return FieldKind::Single;
    if (t.contains(QLatin1String("DOUB")) || t == QLatin1String("REAL"))
        return FieldKind::Double;
    if (t.contains(QLatin1String("TEXT")) || t.contains(QLatin1String("CHAR")) || t == QLatin1String("MEMO"))
        return FieldKind::Text;
    return FieldKind::Any;
}

QVariant ReadAs(FieldKind kind, const QVariant &stored)
{
    if (!stored.isValid())
        return stored;
    const bool number = stored.typeId() == QMetaType::LongLong || stored.typeId() == QMetaType::Double;
    switch (kind) {
    case FieldKind::Counter:
    case FieldKind::Integer:
    case FieldKind::Long:
        if (stored.typeId() == QMetaType::LongLong) {
            const qlonglong v = stored.toLongLong();
            if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
                return QVariant(int(v));
        }
        return stored;
    case FieldKind::Boolean:
        if (number)
            return QVariant(stored.toDouble() != 0 ? -1 : 0);
        return stored;
    case FieldKind::Single:
    case FieldKind::Double:
        if (number)
            return QVariant(stored.toDouble());
        return stored;
    case FieldKind::Text:
        if (number)
            return QVariant(stored.toString());
        return stored;
    case FieldKind::Any:
        break;
    }
    if (stored.typeId() == QMetaType::LongLong) {
        const qlonglong v = stored.toLongLong();
        if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
            return QVariant(int(v));
    }
    return stored;
}

namespace {

[[noreturn]] void conversionError()
{
    throw DbError(DbError::ConversionError, QStringLiteral("Data type conversion error."));
}

[[noreturn]] void overflow(const QString &fieldName)
{
    throw DbError(DbError::NumericOverflow, QStringLiteral("Numeric field overflow in '%1'.").arg(fieldName));
}

bool isIntegral(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

// The value as a number; text must hold one.
double numberOf(const QVariant &v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? -1 : 0;
    bool ok = false;
    const double d = (v.typeId() == QMetaType::QString) ? v.toString().trimmed().toDouble(&ok) : v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        conversionError();
    return d;
}

QVariant wholeNumber(const QVariant &v, const QString &fieldName, qlonglong lowest, qlonglong highest)
{
    qlonglong n = 0;
    if (isIntegral(v)) {
        if (v.typeId() == QMetaType::ULongLong && v.toULongLong() > quint64(highest))
            overflow(fieldName);
        n = v.toLongLong();
    } else {
        const double d = numberOf(v);
        if (d < double(lowest) - 0.5 || d > double(highest) + 0.5)
            overflow(fieldName);
        n = RoundHalfEven(d);
    }
    if (n < lowest || n > highest)
        overflow(fieldName);
    return QVariant(n);
}

} // namespace

QVariant WriteAs(FieldKind kind, const QString &fieldName, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (kind) {
    case FieldKind::Integer:
        return wholeNumber(value, fieldName, -32768, 32767);
    case FieldKind::Counter:
    case FieldKind::Long:
        return wholeNumber(value, fieldName, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    case FieldKind::Boolean: {
        if (value.typeId() == QMetaType::QString) {
            const QString t = value.toString().trimmed();
            if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                return QVariant(qlonglong(-1));
            if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                return QVariant(qlonglong(0));
        }
        return QVariant(qlonglong(numberOf(value) != 0 ? -1 : 0));
    }
    case FieldKind::Single: {
        const double d = numberOf(value);
        if (std::fabs(d) > FLT_MAX)
            overflow(fieldName);
        return QVariant(double(float(d)));
    }
    case FieldKind::Double:
        return QVariant(numberOf(value));
    case FieldKind::Text:
        if (value.typeId() == QMetaType::Bool)
            return QVariant(value.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
        return QVariant(value.toString());
    case FieldKind::Any:
        break;
    }
    return value;
}
