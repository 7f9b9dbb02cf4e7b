#include "ClientDataSet.h"

#include "AppError.h"
#include "DisplayFormat.h"

#include <QLocale>

namespace {

[[noreturn]] void fail(const QString& text)
{
    throw AppError(text);
}

QString plainNumber(double v)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(v, 'g', QLocale::FloatingPointShortest);
}

bool sameValue(const DataColumn& column, int row, const QVariant& value)
{
    if (column.isNull(row))
        return !value.isValid() || value.isNull();
    if (isBytesType(column.type()))
        return column.stringAt(row) == value.toString();
    if (column.type() == FieldType::Date || column.type() == FieldType::DateTime)
        return column.valueAt(row) == value;
    bool ok = false;
    const double d = value.toDouble(&ok);
    return ok && column.numberAt(row) == d;
}

} // namespace

ClientDataSet::ClientDataSet(QObject* parent) : QObject(parent) {}

void ClientDataSet::requireActive() const
{
    if (!Active())
        fail(QStringLiteral("Veri kümesi kapalı"));
}

void ClientDataSet::Open()
{
    if (Active())
        return;
    if (m_table.columnCount() == 0)
        fail(QStringLiteral("Veri kümesinin sütunu yok"));
    m_state = State::Browse;
    afterReplace();
}

void ClientDataSet::Close()
{
    m_state = State::Inactive;
    m_table = DataTable();
    m_displayFormats.clear();
    m_editBuffer.clear();
    m_row = 0;
    m_eof = m_bof = true;
    notifyReset();
}

void ClientDataSet::CreateDataSet(const std::vector<DataColumn>& columns)
{
    DataTable table;
    for (const auto& c : columns)
        table.addColumn(DataColumn(c.name(), c.type(), c.size()));
    SetData(std::move(table));
}

void ClientDataSet::SetData(DataTable packet)
{
    m_table = std::move(packet);
    m_displayFormats.clear();
    m_editBuffer.clear();
    m_state = State::Browse;
    afterReplace();
}

void ClientDataSet::CopyFrom(const DataTable& recordSet)
{
    SetData(recordSet);
}

void ClientDataSet::EmptyDataSet()
{
    requireActive();
    m_table.clearRows();
    m_editBuffer.clear();
    m_state = State::Browse;
    afterReplace();
}

void ClientDataSet::afterReplace()
{
    m_row = 0;
    m_bof = true;
    m_eof = RecordCount() == 0;
    notifyReset();
}

Field ClientDataSet::Fields(int index)
{
    if (index < 0 || index >= FieldCount())
        fail(QStringLiteral("Alan sırası geçersiz: %1").arg(index));
    return Field(this, index);
}

Field ClientDataSet::FieldByName(const QString& name)
{
    const auto field = FindField(name);
    if (!field)
        fail(QStringLiteral("%1 alanı bulunamadı").arg(name));
    return *field;
}

std::optional<Field> ClientDataSet::FindField(const QString& name)
{
    const int index = FieldIndex(name);
    if (index < 0)
        return std::nullopt;
    return Field(this, index);
}

QStringList ClientDataSet::FieldNames() const
{
    QStringList names;
    for (const auto& c : m_table.columns())
        names << c.name();
    return names;
}

void ClientDataSet::SetDisplayFormat(int column, const QString& format)
{
    m_displayFormats.insert(column, format);
    notifyReset();
}

void ClientDataSet::setCursor(int row)
{
    postPending();
    m_row = row;
    m_bof = false;
    m_eof = false;
}

void ClientDataSet::SetRecNo(int recNo)
{
    if (recNo >= 1 && recNo <= RecordCount())
        setCursor(recNo - 1);
}

void ClientDataSet::First()
{
    requireActive();
    postPending();
    m_row = 0;
    m_bof = true;
    m_eof = RecordCount() == 0;
}

void ClientDataSet::Next()
{
    requireActive();
    if (m_row + 1 < RecordCount())
        setCursor(m_row + 1);
    else
        m_eof = true;
}

void ClientDataSet::Prior()
{
    requireActive();
    if (m_row > 0)
        setCursor(m_row - 1);
    else
        m_bof = true;
}

void ClientDataSet::Last()
{
    requireActive();
    postPending();
    m_row = std::max(0, RecordCount() - 1);
    m_eof = true;
    m_bof = RecordCount() == 0;
}

bool ClientDataSet::Locate(const QString& fieldName, const QVariant& value)
{
    requireActive();
    const int column = FieldByName(fieldName).Index();
    const DataColumn& c = m_table.column(column);
    for (int row = 0; row < RecordCount(); ++row) {
        if (sameValue(c, row, value)) {
            setCursor(row);
            return true;
        }
    }
    return false;
}

void ClientDataSet::Edit()
{
    requireActive();
    if (m_state != State::Browse)
        return;
    if (RecordCount() == 0) {
        Append();
        return;
    }
    m_editBuffer.clear();
    m_state = State::Edit;
}

void ClientDataSet::Append()
{
    requireActive();
    postPending();
    m_editBuffer.clear();
    m_state = State::Insert;
}

void ClientDataSet::Post()
{
    requireActive();
    if (m_state == State::Edit) {
        for (auto it = m_editBuffer.cbegin(); it != m_editBuffer.cend(); ++it)
            m_table.column(it.key()).set(m_row, it.value());
        m_editBuffer.clear();
        m_state = State::Browse;
        if (ControlsDisabled())
            m_changedWhileDisabled = true;
        else
            emit rowChanged(m_row);
    } else if (m_state == State::Insert) {
        QVariantList values;
        for (int c = 0; c < FieldCount(); ++c)
            values << m_editBuffer.value(c);
        m_table.appendRow(values);
        m_editBuffer.clear();
        m_state = State::Browse;
        m_row = RecordCount() - 1;
        m_eof = m_bof = false;
        if (ControlsDisabled())
            m_changedWhileDisabled = true;
        else
            emit rowInserted(m_row);
    }
}

void ClientDataSet::Cancel()
{
    if (m_state == State::Edit || m_state == State::Insert) {
        m_editBuffer.clear();
        m_state = State::Browse;
    }
}

void ClientDataSet::postPending()
{
    if (m_state == State::Edit || m_state == State::Insert)
        Post();
}

void ClientDataSet::Delete()
{
    requireActive();
    Cancel();
    if (RecordCount() == 0)
        fail(QStringLiteral("Silinecek kayıt yok"));
    const int row = m_row;
    m_table.removeRow(row);
    m_row = std::min(row, std::max(0, RecordCount() - 1));
    m_eof = RecordCount() == 0;
    m_bof = RecordCount() == 0;
    if (ControlsDisabled())
        m_changedWhileDisabled = true;
    else
        emit rowRemoved(row);
}

void ClientDataSet::DisableControls()
{
    ++m_disableCount;
}

void ClientDataSet::EnableControls()
{
    if (m_disableCount == 0)
        return;
    if (--m_disableCount == 0 && m_changedWhileDisabled) {
        m_changedWhileDisabled = false;
        emit reset();
    }
}

void ClientDataSet::notifyReset()
{
    if (ControlsDisabled())
        m_changedWhileDisabled = true;
    else
        emit reset();
}

QVariant ClientDataSet::value(int row, int column) const
{
    return m_table.column(column).valueAt(row);
}

QString ClientDataSet::displayText(int row, int column) const
{
    const DataColumn& c = m_table.column(column);
    if (c.isNull(row))
        return {};
    const QString format = m_displayFormats.value(column);
    switch (c.type()) {
    case FieldType::Integer:
    case FieldType::LargeInt:
    case FieldType::Float:
    case FieldType::Bcd:
        return format.isEmpty() ? plainNumber(c.numberAt(row))
                                : DisplayFormat::format(format, c.numberAt(row));
    case FieldType::Currency:
        return DisplayFormat::format(format.isEmpty() ? QStringLiteral("#,##0.00") : format,
                                     c.doubleAt(row));
    case FieldType::Date: return QLocale().toString(c.valueAt(row).toDate(), QLocale::ShortFormat);
    case FieldType::DateTime:
        return QLocale().toString(c.valueAt(row).toDateTime(), QLocale::ShortFormat);
    case FieldType::Boolean: return c.boolAt(row) ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Blob: return QStringLiteral("(BLOB)");
    case FieldType::String:
    case FieldType::Memo: return c.stringAt(row);
    }
    return {};
}

QVariant ClientDataSet::currentValue(int column) const
{
    if (m_state == State::Edit || m_state == State::Insert) {
        const auto it = m_editBuffer.constFind(column);
        if (it != m_editBuffer.cend())
            return it.value();
        if (m_state == State::Insert)
            return {};
    }
    if (RecordCount() == 0)
        return {};
    return value(m_row, column);
}

void ClientDataSet::setCurrentValue(int column, const QVariant& value)
{
    if (m_state != State::Edit && m_state != State::Insert)
        fail(QStringLiteral("Veri kümesi düzenleme kipinde değil"));
    m_editBuffer.insert(column, value);
}
