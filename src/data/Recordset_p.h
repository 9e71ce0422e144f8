#pragma once

// Inside of a recordset: a table recordset walks the rowids of its table in
// the order of its current index; a query recordset holds the rows its query
// returned.

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
    bool Bof() const { return rowCount() == 0; }
    bool Eof() const { return m_position >= rowCount(); }
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

    explicit RecordsetImpl(std::shared_ptr<DatabaseConnection> c);
    int rowCount() const;
    int fieldIndex(const QString &fieldName) const;
    void requireTable(long number, const QString &what) const;
    void loadOrder();
    const QVector<QVariant> &currentRow();
    void moveTo(qint64 rowid);

    std::shared_ptr<DatabaseConnection> m_c;
    bool m_closed = false;
    bool m_isTable = false;
    QString m_table; // as the catalogue spells it
    std::vector<Field> m_fields;
    int m_position = 0;
    bool m_noMatch = false;

    // Table recordsets.
    QStringList m_indexFields; // empty: table order
    std::vector<qint64> m_order;
    QHash<qint64, int> m_positionOf;
    qint64 m_cachedRowid = -1;
    QVector<QVariant> m_cachedRow;
    EditMode m_mode = EditMode::None;
    qint64 m_editRowid = -1;
    QHash<int, QVariant> m_copy; // values set since AddNew or Edit
    qint64 m_lastModified = -1;

    // Query recordsets.
    std::vector<QVector<QVariant>> m_rows;
};
