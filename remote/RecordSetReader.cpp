#include "RecordSetReader.h"

#include "AppError.h"

bool RecordSetReader::Next()
{
    if (m_row < m_table.rowCount())
        ++m_row;
    return m_row < m_table.rowCount();
}

QVariant RecordSetReader::Value(const QString& column) const
{
    const int index = m_table.indexOf(column);
    if (index < 0)
        throw AppError(QStringLiteral("%1 sütunu bulunamadı").arg(column));
    return Value(index);
}
