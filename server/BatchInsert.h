#pragma once

#include <QString>
#include <QVariantList>

class Database;

/// Inserts many rows into one table with multi-row INSERT statements, which loads the
/// demo catalogue far faster than one statement per row.
class BatchInsert
{
public:
    BatchInsert(Database& db, QString table, const QString& columns, int rowsPerStatement = 64);
    void add(const QVariantList& row);
    void flush();

private:
    QString statement(int rows) const;

    Database& m_db;
    QString m_table;
    QString m_columns;
    int m_columnCount;
    int m_rowsPerStatement;
    int m_pending = 0;
    QVariantList m_values;
};
