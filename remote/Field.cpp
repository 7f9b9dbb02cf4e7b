#include "Field.h"

#include "ClientDataSet.h"
#include "DayNumber.h"

QString Field::FieldName() const
{
    return m_dataSet->Data().column(m_index).name();
}

FieldType Field::DataType() const
{
    return m_dataSet->Data().column(m_index).type();
}

QString Field::DisplayFormat() const
{
    return m_dataSet->DisplayFormat(m_index);
}

void Field::SetDisplayFormat(const QString& format)
{
    m_dataSet->SetDisplayFormat(m_index, format);
}

QVariant Field::Value() const
{
    return m_dataSet->currentValue(m_index);
}

bool Field::IsNull() const
{
    const QVariant v = Value();
    return !v.isValid() || v.isNull();
}

QString Field::AsString() const
{
    return IsNull() ? QString() : Value().toString();
}

int Field::AsInteger() const
{
    return Value().toInt();
}

qint64 Field::AsLargeInt() const
{
    return Value().toLongLong();
}

double Field::AsFloat() const
{
    const QVariant v = Value();
    if (v.metaType().id() == QMetaType::QDate)
        return DayNumber::fromDate(v.toDate());
    if (v.metaType().id() == QMetaType::QDateTime)
        return DayNumber::fromDateTime(v.toDateTime());
    return v.toDouble();
}

bool Field::AsBoolean() const
{
    return Value().toBool();
}

QDateTime Field::AsDateTime() const
{
    const QVariant v = Value();
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate().startOfDay();
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime();
    return DayNumber::toDateTime(v.toDouble());
}

QString Field::DisplayText() const
{
    const int row = m_dataSet->CurrentRow();
    const auto state = m_dataSet->DataSetState();
    if (row < 0 || state == ClientDataSet::State::Edit || state == ClientDataSet::State::Insert)
        return AsString();
    return m_dataSet->displayText(row, m_index);
}

void Field::SetValue(const QVariant& value)
{
    m_dataSet->setCurrentValue(m_index, value);
}
