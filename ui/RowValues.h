#pragma once

#include <QString>
#include <QVariant>

class ClientDataSet;

/// The values of one data-set row as a grid row shows them, independent of the data set's
/// cursor. Custom-draw callbacks and double-click handlers read their row through it.
class RowValues
{
public:
    RowValues() = default;
    RowValues(const ClientDataSet* dataSet, int row) : m_dataSet(dataSet), m_row(row) {}

    bool isValid() const;
    int row() const { return m_row; }
    /// The typed value of a field; invalid when the field or the row does not exist.
    QVariant value(const QString& fieldName) const;
    /// The value as a number (0 for null, text or a missing field).
    double number(const QString& fieldName) const;
    /// The value as plain text (empty for null or a missing field).
    QString text(const QString& fieldName) const;
    /// The value as the grid shows it, with the column's display format applied.
    QString displayText(const QString& fieldName) const;

private:
    int fieldIndex(const QString& fieldName) const;

    const ClientDataSet* m_dataSet = nullptr;
    int m_row = -1;
};
