#pragma once

#include "DataTable.h"

#include <QVariant>

/// A record set as a call returns it: read forward row by row, or copied whole into a
/// client data set. It reads the table its proxy keeps, so it is valid only as long as
/// that result is.
class RecordSetReader
{
public:
    explicit RecordSetReader(const DataTable& table) : m_table(table) {}

    int ColumnCount() const { return m_table.columnCount(); }
    QString ColumnName(int column) const { return m_table.column(column).name(); }
    FieldType ColumnType(int column) const { return m_table.column(column).type(); }
    /// Moves to the next row (the first on the first call); false after the last.
    bool Next();
    /// The current row's value in `column`; invalid for null.
    QVariant Value(int column) const { return m_table.column(column).valueAt(m_row); }
    QVariant Value(const QString& column) const;
    const DataTable& Table() const { return m_table; }

private:
    const DataTable& m_table;
    int m_row = -1;
};
