#include "DataColumn.h"

#include "DayNumber.h"

#include <QDate>
#include <QDateTime>

QString fieldTypeName(FieldType t)
{
    switch (t) {
    case FieldType::Integer: return QStringLiteral("Integer");
    case FieldType::LargeInt: return QStringLiteral("LargeInt");
    case FieldType::Float: return QStringLiteral("Float");
    case FieldType::Currency: return QStringLiteral("Currency");
    case FieldType::Bcd: return QStringLiteral("Bcd");
    case FieldType::String: return QStringLiteral("String");
    case FieldType::Memo: return QStringLiteral("Memo");
    case FieldType::Date: return QStringLiteral("Date");
    case FieldType::DateTime: return QStringLiteral("DateTime");
    case FieldType::Boolean: return QStringLiteral("Boolean");
    case FieldType::Blob: return QStringLiteral("Blob");
    }
    return QStringLiteral("Unknown");
}

DataColumn::DataColumn(QString name, FieldType type, int size)
    : m_name(std::move(name)), m_type(type), m_size(size)
{
}

bool DataColumn::isNull(int row) const
{
    return !m_nullBits.empty() && (m_nullBits[row >> 3] >> (row & 7) & 1);
}

QByteArrayView DataColumn::bytesAt(int row) const
{
    const Span s = m_spans[row];
    return QByteArrayView(m_bytes.constData() + s.start, s.length);
}

QString DataColumn::stringAt(int row) const
{
    if (!isBytesType(m_type))
        return valueAt(row).toString();
    return QString::fromUtf8(bytesAt(row));
}

QVariant DataColumn::valueAt(int row) const
{
    if (isNull(row))
        return {};
    switch (m_type) {
    case FieldType::Integer: return m_ints[row];
    case FieldType::LargeInt: return QVariant::fromValue<qlonglong>(m_int64s[row]);
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::Bcd: return m_doubles[row];
    case FieldType::Date: return DayNumber::toDate(m_doubles[row]);
    case FieldType::DateTime: return DayNumber::toDateTime(m_doubles[row]);
    case FieldType::Boolean: return m_bools[row] != 0;
    case FieldType::String:
    case FieldType::Memo: return QString::fromUtf8(bytesAt(row));
    case FieldType::Blob: return bytesAt(row).toByteArray();
    }
    return {};
}

double DataColumn::numberAt(int row) const
{
    if (isNull(row))
        return 0;
    switch (m_type) {
    case FieldType::Integer: return m_ints[row];
    case FieldType::LargeInt: return static_cast<double>(m_int64s[row]);
    case FieldType::Boolean: return m_bools[row];
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Blob: return stringAt(row).toDouble();
    default: return m_doubles[row];
    }
}

void DataColumn::reserve(int rows)
{
    switch (m_type) {
    case FieldType::Integer: m_ints.reserve(rows); break;
    case FieldType::LargeInt: m_int64s.reserve(rows); break;
    case FieldType::Boolean: m_bools.reserve(rows); break;
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Blob: m_spans.reserve(rows); break;
    default: m_doubles.reserve(rows); break;
    }
}

void DataColumn::setNull(int row, bool null)
{
    if (!null && m_nullBits.empty())
        return;
    m_nullBits.resize((m_rows + 7) / 8, 0);
    const auto mask = static_cast<std::uint8_t>(1u << (row & 7));
    if (null)
        m_nullBits[row >> 3] |= mask;
    else
        m_nullBits[row >> 3] &= static_cast<std::uint8_t>(~mask);
}

void DataColumn::appendDefault()
{
    switch (m_type) {
    case FieldType::Integer: m_ints.push_back(0); break;
    case FieldType::LargeInt: m_int64s.push_back(0); break;
    case FieldType::Boolean: m_bools.push_back(0); break;
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Blob: m_spans.push_back(Span{static_cast<std::uint32_t>(m_bytes.size()), 0}); break;
    default: m_doubles.push_back(0); break;
    }
    ++m_rows;
    if (!m_nullBits.empty())
        m_nullBits.resize((m_rows + 7) / 8, 0);
}

void DataColumn::appendNull()
{
    appendDefault();
    setNull(m_rows - 1, true);
}

void DataColumn::append(const QVariant& value)
{
    appendDefault();
    set(m_rows - 1, value);
}

void DataColumn::appendInt(std::int32_t v)
{
    m_ints.push_back(v);
    ++m_rows;
    setNull(m_rows - 1, false);
}

void DataColumn::appendInt64(std::int64_t v)
{
    m_int64s.push_back(v);
    ++m_rows;
    setNull(m_rows - 1, false);
}

void DataColumn::appendDouble(double v)
{
    m_doubles.push_back(v);
    ++m_rows;
    setNull(m_rows - 1, false);
}

void DataColumn::appendBool(bool v)
{
    m_bools.push_back(v ? 1 : 0);
    ++m_rows;
    setNull(m_rows - 1, false);
}

void DataColumn::appendBytes(QByteArrayView v)
{
    m_spans.push_back(Span{static_cast<std::uint32_t>(m_bytes.size()),
                           static_cast<std::uint32_t>(v.size())});
    m_bytes.append(v);
    ++m_rows;
    setNull(m_rows - 1, false);
}

void DataColumn::appendFrom(const DataColumn& other, int row)
{
    if (other.isNull(row)) {
        appendNull();
        return;
    }
    switch (m_type) {
    case FieldType::Integer: appendInt(other.intAt(row)); break;
    case FieldType::LargeInt: appendInt64(other.int64At(row)); break;
    case FieldType::Boolean: appendBool(other.boolAt(row)); break;
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Blob: appendBytes(other.bytesAt(row)); break;
    default: appendDouble(other.doubleAt(row)); break;
    }
}

void DataColumn::setNumber(int row, const QVariant& value)
{
    double d = 0;
    if (value.metaType().id() == QMetaType::QDate)
        d = DayNumber::fromDate(value.toDate());
    else if (value.metaType().id() == QMetaType::QDateTime)
        d = DayNumber::fromDateTime(value.toDateTime());
    else
        d = value.toDouble();
    m_doubles[row] = d;
}

void DataColumn::set(int row, const QVariant& value)
{
    const bool null = !value.isValid() || value.isNull();
    setNull(row, null);
    if (null)
        return;
    switch (m_type) {
    case FieldType::Integer: m_ints[row] = value.toInt(); break;
    case FieldType::LargeInt: m_int64s[row] = value.toLongLong(); break;
    case FieldType::Boolean: m_bools[row] = value.toBool() ? 1 : 0; break;
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Blob: {
        // Edits append the new bytes; the old run stays unused until the column is cleared.
        const QByteArray bytes = value.metaType().id() == QMetaType::QByteArray
                                     ? value.toByteArray()
                                     : value.toString().toUtf8();
        m_spans[row] = Span{static_cast<std::uint32_t>(m_bytes.size()),
                            static_cast<std::uint32_t>(bytes.size())};
        m_bytes.append(bytes);
        break;
    }
    default: setNumber(row, value); break;
    }
}

void DataColumn::removeRow(int row)
{
    std::vector<std::uint8_t> bits;
    if (!m_nullBits.empty()) {
        bits.assign((m_rows - 1 + 7) / 8, 0);
        for (int r = 0, out = 0; r < m_rows; ++r) {
            if (r == row)
                continue;
            if (isNull(r))
                bits[out >> 3] |= static_cast<std::uint8_t>(1u << (out & 7));
            ++out;
        }
    }
    switch (m_type) {
    case FieldType::Integer: m_ints.erase(m_ints.begin() + row); break;
    case FieldType::LargeInt: m_int64s.erase(m_int64s.begin() + row); break;
    case FieldType::Boolean: m_bools.erase(m_bools.begin() + row); break;
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Blob: m_spans.erase(m_spans.begin() + row); break;
    default: m_doubles.erase(m_doubles.begin() + row); break;
    }
    --m_rows;
    m_nullBits = std::move(bits);
}

void DataColumn::clear()
{
    m_rows = 0;
    m_nullBits.clear();
    m_ints.clear();
    m_int64s.clear();
    m_doubles.clear();
    m_bools.clear();
    m_bytes.clear();
    m_spans.clear();
}

void DataColumn::assignFixed(int rows, std::vector<std::int32_t> ints,
                             std::vector<std::int64_t> int64s, std::vector<double> doubles,
                             std::vector<std::uint8_t> bools)
{
    m_rows = rows;
    m_ints = std::move(ints);
    m_int64s = std::move(int64s);
    m_doubles = std::move(doubles);
    m_bools = std::move(bools);
}

void DataColumn::assignBytes(int rows, QByteArray bytes, std::vector<Span> spans)
{
    m_rows = rows;
    m_bytes = std::move(bytes);
    m_spans = std::move(spans);
}
