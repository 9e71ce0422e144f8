#include "data/Recordset_p.h"

namespace {

[[noreturn]] void noCurrentRecord()
{
    throw DbError(DbError::NoCurrentRecord, QStringLiteral("No current record."));
}

QString orderBy(const QStringList &fields)
{
    QStringList parts;
    for (const QString &f : fields)
        parts << QuoteName(f);
    parts << QStringLiteral("rowid");
    return QStringLiteral(" ORDER BY ") + parts.join(QStringLiteral(", "));
}

} // namespace

RecordsetImpl::RecordsetImpl(std::shared_ptr<DatabaseConnection> c)
    : m_c(std::move(c))
{
}

std::unique_ptr<RecordsetImpl> RecordsetImpl::OpenTable(const std::shared_ptr<DatabaseConnection> &c,
                                                        const QString &name)
{
    std::unique_ptr<RecordsetImpl> rs(new RecordsetImpl(c));
    {
        Statement find(*c, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
        find.Bind({name});
        if (!find.Step())
            throw DbError(DbError::TableNotFound, QStringLiteral("Cannot find the input table or query '%1'.").arg(name));
        rs->m_table = find.Column(0).toString();
    }
    {
        // A lone INTEGER primary key is the row's own number: the counter key.
        Statement info(*c, QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?)"));
        info.Bind({rs->m_table});
        int keyFields = 0;
        int counter = -1;
        while (info.Step()) {
            const QString type = info.Column(1).toString();
            if (info.Column(2).toInt() > 0) {
                ++keyFields;
                if (type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
                    counter = int(rs->m_fields.size());
            }
            rs->m_fields.push_back(Field{info.Column(0).toString(), KindOf(type)});
        }
        if (keyFields == 1 && counter >= 0)
            rs->m_fields[size_t(counter)].kind = FieldKind::Counter;
    }
    rs->m_isTable = true;
    return rs;
}

std::unique_ptr<RecordsetImpl> RecordsetImpl::OpenQuery(const std::shared_ptr<DatabaseConnection> &c,
                                                        const QString &sql, const QVariantList &params)
{
    std::unique_ptr<RecordsetImpl> rs(new RecordsetImpl(c));
    Statement query(*c, sql);
    if (!query.ReadOnly() || query.ColumnCount() == 0)
        throw DbError(DbError::NotSupported, QStringLiteral("A query recordset needs a select query."));
    query.Bind(params);
    for (int i = 0; i < query.ColumnCount(); ++i)
        rs->m_fields.push_back(Field{query.ColumnName(i), KindOf(query.ColumnDeclaredType(i))});
    // The rows are read at once, so no read lock outlives this call.
    while (query.Step()) {
        QVector<QVariant> row;
        row.reserve(query.ColumnCount());
        for (int i = 0; i < query.ColumnCount(); ++i)
            row << ReadAs(rs->m_fields[size_t(i)].kind, query.Column(i));
        rs->m_rows.push_back(std::move(row));
    }
    return rs;
}

void RecordsetImpl::CheckOpen() const
{
    if (m_closed)
        throw DbError(DbError::ObjectClosed, QStringLiteral("Object invalid or no longer set."));
    OpenHandle(*m_c);
}

bool RecordsetImpl::Bof() const
{
    return m_isTable ? tableEmpty() : m_rows.empty();
}

bool RecordsetImpl::Eof() const
{
    if (!m_isTable)
        return m_position >= int(m_rows.size());
    return m_place == Place::End || (m_place == Place::First && tableEmpty());
}

int RecordsetImpl::fieldIndex(const QString &fieldName) const
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    throw DbError(DbError::FieldNotFound, QStringLiteral("Item '%1' not found in this collection.").arg(fieldName));
}

void RecordsetImpl::requireTable(long number, const QString &what) const
{
    if (!m_isTable)
        throw DbError(number, what);
}

bool RecordsetImpl::tableEmpty() const
{
    Statement any(*m_c, QStringLiteral("SELECT 1 FROM ") + QuoteName(m_table) + QStringLiteral(" LIMIT 1"));
    return !any.Step();
}

bool RecordsetImpl::rowExists(qint64 rowid) const
{
    Statement find(*m_c, QStringLiteral("SELECT 1 FROM ") + QuoteName(m_table) + QStringLiteral(" WHERE rowid = ?"));
    find.Bind({rowid});
    return find.Step();
}

// Looks up the first row of the order, so that it stays current when rows
// are added before it.
void RecordsetImpl::settleFirst()
{
    if (m_place != Place::First)
        return;
    Statement first(*m_c, QStringLiteral("SELECT rowid FROM ") + QuoteName(m_table) + orderBy(m_indexFields) +
                              QStringLiteral(" LIMIT 1"));
    if (first.Step()) {
        m_place = Place::Row;
        m_rowid = first.Column(0).toLongLong();
    } else {
        m_place = Place::End;
    }
}

void RecordsetImpl::loadOrder()
{
    Statement order(*m_c, QStringLiteral("SELECT rowid FROM ") + QuoteName(m_table) + orderBy(m_indexFields));
    m_order.clear();
    m_positionOf.clear();
    while (order.Step()) {
        const qint64 rowid = order.Column(0).toLongLong();
        m_positionOf.insert(rowid, int(m_order.size()));
        m_order.push_back(rowid);
    }
    m_orderRead = true;
}

qint64 RecordsetImpl::currentRowid()
{
    settleFirst();
    if (m_place != Place::Row)
        noCurrentRecord();
    return m_rowid;
}

const QVector<QVariant> &RecordsetImpl::currentRow()
{
    if (!m_isTable) {
        if (Eof())
            noCurrentRecord();
        return m_rows[size_t(m_position)];
    }
    const qint64 rowid = currentRowid();
    if (rowid != m_cachedRowid) {
        Statement read(*m_c, QStringLiteral("SELECT * FROM ") + QuoteName(m_table) + QStringLiteral(" WHERE rowid = ?"));
        read.Bind({rowid});
        if (!read.Step())
            throw DbError(DbError::RecordDeleted, QStringLiteral("Record is deleted."));
        m_cachedRow.clear();
        for (int i = 0; i < read.ColumnCount() && size_t(i) < m_fields.size(); ++i)
            m_cachedRow << ReadAs(m_fields[size_t(i)].kind, read.Column(i));
        m_cachedRowid = rowid;
    }
    return m_cachedRow;
}

void RecordsetImpl::moveTo(qint64 rowid)
{
    m_place = Place::Row;
    m_rowid = rowid;
}

void RecordsetImpl::Index(const QString &name)
{
    CheckOpen();
    requireTable(DbError::NotSupported, QStringLiteral("Operation is not supported for this type of object."));
    // An index NAME of table T is stored as T_NAME (index names are shared by
    // all tables of one file).
    const QString stored = m_table + QLatin1Char('_') + name;
    QString found;
    {
        Statement list(*m_c, QStringLiteral("SELECT name FROM pragma_index_list(?)"));
        list.Bind({m_table});
        while (list.Step()) {
            const QString candidate = list.Column(0).toString();
            if (candidate.compare(stored, Qt::CaseInsensitive) == 0)
                found = candidate;
        }
    }
    if (found.isEmpty())
        throw DbError(DbError::IndexNotFound, QStringLiteral("'%1' isn't an index in this table.").arg(name));
    QStringList fields;
    {
        Statement info(*m_c, QStringLiteral("SELECT name FROM pragma_index_info(?) ORDER BY seqno"));
        info.Bind({found});
        while (info.Step())
            fields << info.Column(0).toString();
    }
    CancelUpdate();
    m_indexFields = fields;
    m_orderRead = false;
    m_place = Place::First;
    m_noMatch = false;
}

void RecordsetImpl::Seek(const QString &comparison, const QVariantList &keys)
{
    CheckOpen();
    requireTable(DbError::NotSupported, QStringLiteral("Operation is not supported for this type of object."));
    if (m_indexFields.isEmpty())
        throw DbError(DbError::NoCurrentIndex, QStringLiteral("Operation invalid without a current index."));
    if (comparison.trimmed() != QLatin1String("=") || keys.isEmpty() || keys.size() > m_indexFields.size())
        throw DbError(DbError::InvalidArgument, QStringLiteral("Invalid argument."));
    CancelUpdate();
    QStringList conditions;
    for (int i = 0; i < keys.size(); ++i)
        conditions << QuoteName(m_indexFields.at(i)) + QStringLiteral(" = ?");
    Statement seek(*m_c, QStringLiteral("SELECT rowid FROM ") + QuoteName(m_table) + QStringLiteral(" WHERE ") +
                             conditions.join(QStringLiteral(" AND ")) + orderBy(m_indexFields) +
                             QStringLiteral(" LIMIT 1"));
    seek.Bind(keys);
    if (seek.Step()) {
        const qint64 rowid = seek.Column(0).toLongLong();
        m_noMatch = false;
        moveTo(rowid);
    } else {
        m_noMatch = true;
        m_place = Place::End;
    }
}

void RecordsetImpl::MoveNext()
{
    CheckOpen();
    if (Eof())
        noCurrentRecord();
    CancelUpdate();
    if (!m_isTable) {
        ++m_position;
        return;
    }
    const qint64 rowid = currentRowid();
    if (!m_orderRead || !m_positionOf.contains(rowid))
        loadOrder();
    const auto it = m_positionOf.constFind(rowid);
    if (it == m_positionOf.constEnd())
        throw DbError(DbError::RecordDeleted, QStringLiteral("Record is deleted."));
    const size_t next = size_t(*it) + 1;
    if (next < m_order.size())
        moveTo(m_order[next]);
    else
        m_place = Place::End;
}

QVariant RecordsetImpl::Value(const QString &fieldName)
{
    CheckOpen();
    const int field = fieldIndex(fieldName);
    if (m_mode != EditMode::None) {
        const auto it = m_copy.constFind(field);
        if (it != m_copy.constEnd())
            return ReadAs(m_fields[size_t(field)].kind, *it);
        if (m_mode == EditMode::Adding)
            return QVariant();
    }
    return currentRow().at(field);
}

void RecordsetImpl::AddNew()
{
    CheckOpen();
    requireTable(DbError::ReadOnly, QStringLiteral("Cannot update. Database or object is read-only."));
    m_copy.clear();
    m_mode = EditMode::Adding;
}

void RecordsetImpl::Edit()
{
    CheckOpen();
    requireTable(DbError::ReadOnly, QStringLiteral("Cannot update. Database or object is read-only."));
    CancelUpdate();
    currentRow(); // the row must be there
    m_editRowid = m_rowid;
    m_mode = EditMode::Editing;
}

void RecordsetImpl::SetValue(const QString &fieldName, const QVariant &value)
{
    CheckOpen();
    requireTable(DbError::ReadOnly, QStringLiteral("Cannot update. Database or object is read-only."));
    const int field = fieldIndex(fieldName);
    if (m_mode == EditMode::None)
        throw DbError(DbError::UpdateWithoutEdit, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    const Field &f = m_fields[size_t(field)];
    if (f.kind == FieldKind::Counter)
        throw DbError(DbError::FieldNotUpdatable, QStringLiteral("Field '%1' cannot be updated.").arg(f.name));
    m_copy.insert(field, WriteAs(f.kind, f.name, value));
}

void RecordsetImpl::Update()
{
    CheckOpen();
    requireTable(DbError::ReadOnly, QStringLiteral("Cannot update. Database or object is read-only."));
    if (m_mode == EditMode::None)
        throw DbError(DbError::UpdateWithoutEdit, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));

    QList<int> fields = m_copy.keys();
    std::sort(fields.begin(), fields.end());
    QStringList names;
    QVariantList values;
    for (int field : fields) {
        names << QuoteName(m_fields[size_t(field)].name);
        values << m_copy.value(field);
    }

    // The current row stays current; a new row takes its place in key order.
    settleFirst();

    // On failure the copy is kept, so the same Update can be run again.
    qint64 written = m_editRowid;
    if (m_mode == EditMode::Adding) {
        QString sql = QStringLiteral("INSERT INTO ") + QuoteName(m_table);
        if (names.isEmpty()) {
            sql += QStringLiteral(" DEFAULT VALUES");
        } else {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i)
                marks << QStringLiteral("?");
            sql += QStringLiteral(" (") + names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                   marks.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
        Statement insert(*m_c, sql);
        insert.Bind(values);
        BeforeWrite(sql);
        insert.Step();
        written = sqlite3_last_insert_rowid(m_c->db);
    } else if (!names.isEmpty()) {
        QStringList sets;
        for (const QString &n : names)
            sets << n + QStringLiteral(" = ?");
        const QString sql = QStringLiteral("UPDATE ") + QuoteName(m_table) + QStringLiteral(" SET ") +
                            sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE rowid = ?");
        Statement update(*m_c, sql);
        values << m_editRowid;
        update.Bind(values);
        BeforeWrite(sql);
        update.Step();
    }

    m_lastModified = written;
    m_mode = EditMode::None;
    m_copy.clear();
    m_orderRead = false;
    m_cachedRowid = -1;
}

void RecordsetImpl::CancelUpdate()
{
    m_mode = EditMode::None;
    m_copy.clear();
}

void RecordsetImpl::MoveLastModified()
{
    CheckOpen();
    requireTable(DbError::NotSupported, QStringLiteral("Operation is not supported for this type of object."));
    if (m_lastModified < 0)
        noCurrentRecord();
    CancelUpdate();
    if (!rowExists(m_lastModified))
        throw DbError(DbError::RecordDeleted, QStringLiteral("Record is deleted."));
    moveTo(m_lastModified);
    m_noMatch = false;
}

void RecordsetImpl::Close()
{
    CancelUpdate();
    m_closed = true;
    m_order.clear();
    m_positionOf.clear();
    m_rows.clear();
    m_cachedRow.clear();
}

// The public face: every call goes to the inside, which checks it is open.

Recordset::Recordset() = default;
Recordset::Recordset(std::unique_ptr<RecordsetImpl> impl)
    : d(std::move(impl))
{
}
Recordset::Recordset(Recordset &&) noexcept = default;
Recordset &Recordset::operator=(Recordset &&) noexcept = default;
Recordset::~Recordset() = default;

RecordsetImpl &Recordset::impl() const
{
    if (!d)
        throw DbError(DbError::ObjectClosed, QStringLiteral("Object invalid or no longer set."));
    return *d;
}

void Recordset::Index(const QString &name) { impl().Index(name); }

void Recordset::Seek(const QString &comparison, const QVariant &key1, const QVariant &key2)
{
    QVariantList keys{key1};
    if (key2.isValid())
        keys << key2;
    impl().Seek(comparison, keys);
}

bool Recordset::NoMatch() const
{
    impl().CheckOpen();
    return impl().NoMatch();
}

bool Recordset::Bof() const
{
    impl().CheckOpen();
    return impl().Bof();
}

bool Recordset::Eof() const
{
    impl().CheckOpen();
    return impl().Eof();
}

void Recordset::MoveNext() { impl().MoveNext(); }

QVariant Recordset::Value(const QString &fieldName) const { return impl().Value(fieldName); }

namespace {

QVariant notNull(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        throw DbError(DbError::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    return v;
}

} // namespace

long Recordset::LongValue(const QString &fieldName) const
{
    bool ok = false;
    const QVariant v = notNull(Value(fieldName));
    const long n = long(v.toLongLong(&ok));
    if (!ok)
        throw DbError(DbError::ConversionError, QStringLiteral("Data type conversion error."));
    return n;
}

double Recordset::DoubleValue(const QString &fieldName) const
{
    bool ok = false;
    const double d = notNull(Value(fieldName)).toDouble(&ok);
    if (!ok)
        throw DbError(DbError::ConversionError, QStringLiteral("Data type conversion error."));
    return d;
}

QString Recordset::TextValue(const QString &fieldName) const { return notNull(Value(fieldName)).toString(); }

bool Recordset::BoolValue(const QString &fieldName) const
{
    bool ok = false;
    const double d = notNull(Value(fieldName)).toDouble(&ok);
    if (!ok)
        throw DbError(DbError::ConversionError, QStringLiteral("Data type conversion error."));
    return d != 0;
}

void Recordset::AddNew() { impl().AddNew(); }
void Recordset::Edit() { impl().Edit(); }
void Recordset::SetValue(const QString &fieldName, const QVariant &value) { impl().SetValue(fieldName, value); }
void Recordset::Update() { impl().Update(); }
void Recordset::CancelUpdate()
{
    impl().CheckOpen();
    impl().CancelUpdate();
}
void Recordset::MoveLastModified() { impl().MoveLastModified(); }

void Recordset::Close()
{
    if (d)
        d->Close();
}
