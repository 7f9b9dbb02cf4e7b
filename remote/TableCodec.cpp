#include "TableCodec.h"

#include "ByteReader.h"
#include "ByteWriter.h"

#include <cstring>
#include <limits>

namespace {

template <class T>
void writeArray(ByteWriter& out, const std::vector<T>& values)
{
    out.raw(values.data(), static_cast<qsizetype>(values.size() * sizeof(T)));
}

template <class T>
std::vector<T> readArray(ByteReader& in, int rows)
{
    const QByteArrayView raw = in.bytes(static_cast<qsizetype>(rows) * sizeof(T));
    std::vector<T> values(rows);
    if (rows > 0)
        std::memcpy(values.data(), raw.data(), raw.size());
    return values;
}

bool contiguous(const DataColumn& c)
{
    std::uint32_t expected = 0;
    for (const auto& s : c.spans()) {
        if (s.start != expected)
            return false;
        expected += s.length;
    }
    return expected == static_cast<std::uint32_t>(c.bytes().size());
}

void writeBytesColumn(ByteWriter& out, const DataColumn& c)
{
    const auto& spans = c.spans();
    std::uint64_t total = 0;
    std::vector<std::uint32_t> lengths(spans.size());
    for (size_t i = 0; i < spans.size(); ++i) {
        lengths[i] = spans[i].length;
        total += spans[i].length;
    }
    out.u32(static_cast<std::uint32_t>(total));
    writeArray(out, lengths);
    if (contiguous(c)) {
        out.bytes(c.bytes());
        return;
    }
    for (size_t i = 0; i < spans.size(); ++i)
        out.bytes(c.bytesAt(static_cast<int>(i)));
}

void writeColumnData(ByteWriter& out, const DataColumn& c)
{
    const int rows = c.rowCount();
    const auto& nulls = c.nullBits();
    out.u8(nulls.empty() ? 0 : 1);
    if (!nulls.empty()) {
        std::vector<std::uint8_t> bits(nulls);
        bits.resize((rows + 7) / 8, 0);
        writeArray(out, bits);
    }
    switch (c.type()) {
    case FieldType::Integer: writeArray(out, c.ints()); break;
    case FieldType::LargeInt: writeArray(out, c.int64s()); break;
    case FieldType::Boolean: writeArray(out, c.bools()); break;
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Blob: writeBytesColumn(out, c); break;
    default: writeArray(out, c.doubles()); break;
    }
}

void readBytesColumn(ByteReader& in, DataColumn& c, int rows)
{
    const std::uint32_t total = in.u32();
    const std::vector<std::uint32_t> lengths = readArray<std::uint32_t>(in, rows);
    std::vector<DataColumn::Span> spans(rows);
    std::uint64_t start = 0;
    for (int i = 0; i < rows; ++i) {
        spans[i] = DataColumn::Span{static_cast<std::uint32_t>(start), lengths[i]};
        start += lengths[i];
        if (start > total)
            ByteReader::fail(QStringLiteral("metin uzunlukları toplamı tutmuyor"));
    }
    if (start != total)
        ByteReader::fail(QStringLiteral("metin uzunlukları toplamı tutmuyor"));
    const QByteArrayView raw = in.bytes(total);
    c.assignBytes(rows, raw.toByteArray(), std::move(spans));
}

void readColumnData(ByteReader& in, DataColumn& c, int rows)
{
    const std::uint8_t hasNulls = in.u8();
    if (hasNulls > 1)
        ByteReader::fail(QStringLiteral("geçersiz boş değer işareti"));
    std::vector<std::uint8_t> nulls;
    if (hasNulls)
        nulls = readArray<std::uint8_t>(in, (rows + 7) / 8);
    switch (c.type()) {
    case FieldType::Integer: c.assignFixed(rows, readArray<std::int32_t>(in, rows), {}, {}, {}); break;
    case FieldType::LargeInt: c.assignFixed(rows, {}, readArray<std::int64_t>(in, rows), {}, {}); break;
    case FieldType::Boolean: c.assignFixed(rows, {}, {}, {}, readArray<std::uint8_t>(in, rows)); break;
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Blob: readBytesColumn(in, c, rows); break;
    default: c.assignFixed(rows, {}, {}, readArray<double>(in, rows), {}); break;
    }
    c.assignNulls(std::move(nulls));
}

} // namespace

void TableCodec::write(ByteWriter& out, const DataTable& table)
{
    out.u16(static_cast<std::uint16_t>(table.columnCount()));
    for (const auto& c : table.columns()) {
        out.shortString(c.name());
        out.u8(static_cast<std::uint8_t>(c.type()));
        out.u32(static_cast<std::uint32_t>(c.size()));
    }
    out.u32(static_cast<std::uint32_t>(table.rowCount()));
    for (const auto& c : table.columns())
        writeColumnData(out, c);
}

DataTable TableCodec::read(ByteReader& in)
{
    const int columnCount = in.u16();
    std::vector<DataColumn> columns;
    columns.reserve(columnCount);
    for (int i = 0; i < columnCount; ++i) {
        QString name = in.shortString();
        const std::uint8_t type = in.u8();
        if (!isKnownFieldType(type))
            ByteReader::fail(QStringLiteral("bilinmeyen sütun türü %1").arg(type));
        const std::uint32_t size = in.u32();
        if (size > static_cast<std::uint32_t>(std::numeric_limits<int>::max()))
            ByteReader::fail(QStringLiteral("geçersiz sütun genişliği"));
        columns.emplace_back(std::move(name), static_cast<FieldType>(type), static_cast<int>(size));
    }
    const std::uint32_t rows = in.u32();
    if (rows > static_cast<std::uint32_t>(std::numeric_limits<int>::max()) ||
        (columnCount == 0 && rows != 0))
        ByteReader::fail(QStringLiteral("geçersiz satır sayısı"));
    for (auto& c : columns)
        readColumnData(in, c, static_cast<int>(rows));
    return DataTable(std::move(columns));
}

qsizetype TableCodec::sizeHint(const DataTable& table)
{
    qsizetype size = 8;
    for (const auto& c : table.columns())
        size += 16 + c.name().size() + c.rowCount() * 8 + c.bytes().size();
    return size;
}
