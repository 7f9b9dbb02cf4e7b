#include "DataTable.h"

DataTable::DataTable(std::vector<DataColumn> columns) : m_columns(std::move(columns)) {}

int DataTable::indexOf(const QString& name) const
{
    for (int i = 0; i < columnCount(); ++i) {
        if (m_columns[i].name().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void DataTable::appendRow(const QVariantList& values)
{
    for (int i = 0; i < columnCount(); ++i)
        m_columns[i].append(i < values.size() ? values[i] : QVariant());
    ++m_rows;
}

void DataTable::removeRow(int row)
{
    for (auto& c : m_columns)
        c.removeRow(row);
    --m_rows;
}

void DataTable::clearRows()
{
    for (auto& c : m_columns)
        c.clear();
    m_rows = 0;
}
