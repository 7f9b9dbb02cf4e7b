#pragma once

#include "FieldType.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

class ClientDataSet;

/// A column of a client data set seen through its cursor: reads give the current record's
/// value, writes go to the record being edited or inserted. A cheap handle; it stays valid
/// while the data set keeps its columns.
class Field
{
public:
    Field(ClientDataSet* dataSet, int index) : m_dataSet(dataSet), m_index(index) {}

    int Index() const { return m_index; }
    QString FieldName() const;
    FieldType DataType() const;
    QString DisplayFormat() const;
    void SetDisplayFormat(const QString& format);

    bool IsNull() const;
    QVariant Value() const;
    QString AsString() const;
    int AsInteger() const;
    qint64 AsLargeInt() const;
    double AsFloat() const;
    bool AsBoolean() const;
    QDateTime AsDateTime() const;
    /// The value as shown in a grid: display format applied, empty for null.
    QString DisplayText() const;

    void SetValue(const QVariant& value);
    void SetAsString(const QString& value) { SetValue(value); }
    void SetAsInteger(int value) { SetValue(value); }
    void SetAsFloat(double value) { SetValue(value); }
    void SetAsBoolean(bool value) { SetValue(value); }
    void Clear() { SetValue(QVariant()); }

private:
    ClientDataSet* m_dataSet;
    int m_index;
};
