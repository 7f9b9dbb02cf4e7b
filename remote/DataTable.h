#pragma once

#include "DataColumn.h"

#include <QString>
#include <vector>

/// A whole record set or data packet: named, typed columns of equal length. This is what
/// the wire carries and what a client data set holds.
class DataTable
{
public:
    DataTable() = default;
    explicit DataTable(std::vector<DataColumn> columns);

    int columnCount() const { return static_cast<int>(m_columns.size()); }
    int rowCount() const { return m_columns.empty() ? m_rows : m_columns.front().rowCount(); }
    const DataColumn& column(int i) const { return m_columns[i]; }
    DataColumn& column(int i) { return m_columns[i]; }
    const std::vector<DataColumn>& columns() const { return m_columns; }
    std::vector<DataColumn>& columns() { return m_columns; }
    /// Index of the column with this name (case-insensitive, as field names are), or -1.
    int indexOf(const QString& name) const;

    void addColumn(DataColumn column) { m_columns.push_back(std::move(column)); }
    /// Appends one row given as values in column order (missing trailing values are null).
    void appendRow(const QVariantList& values);
    void removeRow(int row);
    void clearRows();

private:
    std::vector<DataColumn> m_columns;
    int m_rows = 0; // row count of a table without columns
};
