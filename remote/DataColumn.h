#pragma once

#include "FieldType.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <vector>

/// One typed column of a table, stored column-wise so that large results are decoded with
/// a few bulk copies and shown without per-cell objects. Text is kept as UTF-8 runs in one
/// byte buffer and turned into a QString only when a cell is read.
class DataColumn
{
public:
    /// Position and length of one text or blob cell inside the column's byte buffer.
    struct Span
    {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };

    DataColumn() = default;
    DataColumn(QString name, FieldType type, int size = 0);

    const QString& name() const { return m_name; }
    FieldType type() const { return m_type; }
    /// Declared width of a text column (informational), 0 for other types.
    int size() const { return m_size; }
    int rowCount() const { return m_rows; }

    bool isNull(int row) const;
    std::int32_t intAt(int row) const { return m_ints[row]; }
    std::int64_t int64At(int row) const { return m_int64s[row]; }
    double doubleAt(int row) const { return m_doubles[row]; }
    bool boolAt(int row) const { return m_bools[row] != 0; }
    QByteArrayView bytesAt(int row) const;
    QString stringAt(int row) const;

    /// The cell as a typed value; a null cell gives an invalid QVariant.
    QVariant valueAt(int row) const;
    /// The cell converted to a number (0 for null or non-numeric text).
    double numberAt(int row) const;

    void reserve(int rows);
    void appendNull();
    /// Appends a value converted to the column's type; an invalid QVariant appends null.
    void append(const QVariant& value);
    void appendInt(std::int32_t v);
    void appendInt64(std::int64_t v);
    void appendDouble(double v);
    void appendBool(bool v);
    void appendBytes(QByteArrayView v);
    /// Appends the cell `row` of a column of the same type.
    void appendFrom(const DataColumn& other, int row);

    /// Replaces one cell; an invalid QVariant makes it null.
    void set(int row, const QVariant& value);
    void removeRow(int row);
    void clear();

    // Bulk access for the wire codec.
    const std::vector<std::int32_t>& ints() const { return m_ints; }
    const std::vector<std::int64_t>& int64s() const { return m_int64s; }
    const std::vector<double>& doubles() const { return m_doubles; }
    const std::vector<std::uint8_t>& bools() const { return m_bools; }
    const std::vector<Span>& spans() const { return m_spans; }
    const QByteArray& bytes() const { return m_bytes; }
    /// Null bitmap, one bit per row (1 = null); empty when the column holds no null.
    const std::vector<std::uint8_t>& nullBits() const { return m_nullBits; }
    /// Replaces the whole content; used by the decoder. Sizes must match `rows`.
    void assignFixed(int rows, std::vector<std::int32_t> ints, std::vector<std::int64_t> int64s,
                     std::vector<double> doubles, std::vector<std::uint8_t> bools);
    void assignBytes(int rows, QByteArray bytes, std::vector<Span> spans);
    void assignNulls(std::vector<std::uint8_t> bits) { m_nullBits = std::move(bits); }

private:
    void setNull(int row, bool null);
    void appendDefault();
    void setNumber(int row, const QVariant& value);

    QString m_name;
    FieldType m_type = FieldType::String;
    int m_size = 0;
    int m_rows = 0;
    std::vector<std::uint8_t> m_nullBits;
    std::vector<std::int32_t> m_ints;
    std::vector<std::int64_t> m_int64s;
    std::vector<double> m_doubles;
    std::vector<std::uint8_t> m_bools;
    QByteArray m_bytes;
    std::vector<Span> m_spans;
};
