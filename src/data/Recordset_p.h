#pragma once

// Inside of a recordset: a table recordset walks the rowids of its table in
// the order of its current index; a query recordset holds the rows its query
// returned. A table recordset reads its rows' order only when a walk needs it,
// so seeking and appending cost the same whatever the size of the table.

#include "data/Database.h"
#include "data/Engine.h"

#include <QHash>
#include <QStringList>
#include <QVector>

#include <memory>
#include <vector>

class RecordsetImpl
{
public:
    static std::unique_ptr<RecordsetImpl> OpenTable(const std::shared_ptr<DatabaseConnection> &c, const QString &name);
    static std::unique_ptr<RecordsetImpl> OpenQuery(const std::shared_ptr<DatabaseConnection> &c, const QString &sql,
                                                    const QVariantList &params);

    void Index(const QString &name);
    void Seek(const QString &comparison, const QVariantList &keys);
    bool NoMatch() const { return m_noMatch; }
    bool Bof() const;
    bool Eof() const;
    void MoveNext();
    QVariant Value(const QString &fieldName);
    void AddNew();
    void Edit();
    void SetValue(const QString &fieldName, const QVariant &value);
    void Update();
    void CancelUpdate();
    void MoveLastModified();
    void Close();

    // Throws ObjectClosed once the recordset or its database is closed.
    void CheckOpen() const;

private:
    struct Field {
        QString name;
        FieldKind kind;
    };
    enum class EditMode { None, Adding, Editing };
    // Where a table recordset stands: on the first row of its order (not yet
    // looked up), on a known row, or past the last row.
    enum class Place { First, Row, End };

    explicit RecordsetImpl(std::shared_ptr<DatabaseConnection> c);
    int fieldIndex(const QString &fieldName) const;
    void requireTable(long number, const QString &what) const;
    bool tableEmpty() const;
    bool rowExists(qint64 rowid) const;
    void settleFirst();
    void loadOrder();
    qint64 currentRowid();
    const QVector<QVariant> &currentRow();
    void moveTo(qint64 rowid);

    std::shared_ptr<DatabaseConnection> m_c;
    bool m_closed = false;
    bool m_isTable = false;
    QString m_table; // as the catalogue spells it
    std::vector<Field> m_fields;
    bool m_noMatch = false;

    // Table recordsets.
    QStringList m_indexFields; // empty: table order
    Place m_place = Place::First;
    qint64 m_rowid = -1; // the current row, at Place::Row
    bool m_orderRead = false;
    std::vector<qint64> m_order; // read by loadOrder, valid while m_orderRead
    QHash<qint64, int> m_positionOf;
    qint64 m_cachedRowid = -1;
    QVector<QVariant> m_cachedRow;
    EditMode m_mode = EditMode::None;
    qint64 m_editRowid = -1;
    QHash<int, QVariant> m_copy; // values set since AddNew or Edit
    qint64 m_lastModified = -1;

    // Query recordsets.
    int m_position = 0;
    std::vector<QVector<QVariant>> m_rows;
};
