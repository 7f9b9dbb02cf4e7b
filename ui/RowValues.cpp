#include "RowValues.h"

#include "ClientDataSet.h"

bool RowValues::isValid() const
{
    return m_dataSet && m_row >= 0 && m_row < m_dataSet->RecordCount();
}

int RowValues::fieldIndex(const QString& fieldName) const
{
    return isValid() ? m_dataSet->FieldIndex(fieldName) : -1;
}

QVariant RowValues::value(const QString& fieldName) const
{
    const int field = fieldIndex(fieldName);
    return field < 0 ? QVariant() : m_dataSet->value(m_row, field);
}

double RowValues::number(const QString& fieldName) const
{
    const int field = fieldIndex(fieldName);
    return field < 0 ? 0.0 : m_dataSet->Data().column(field).numberAt(m_row);
}

QString RowValues::text(const QString& fieldName) const
{
    const QVariant v = value(fieldName);
    return v.isValid() ? v.toString() : QString();
}

QString RowValues::displayText(const QString& fieldName) const
{
    const int field = fieldIndex(fieldName);
    return field < 0 ? QString() : m_dataSet->displayText(m_row, field);
}
