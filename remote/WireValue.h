#pragma once

#include "DataTable.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <variant>

/// Type tags of values on the wire.
enum class WireTag : std::uint8_t {
    Null = 0,
    Int32 = 1,
    Int64 = 2,
    Double = 3,
    Boolean = 4,
    String = 5,
    Record = 6,     // a record's JSON wire form
    RecordSet = 7,  // a table read row by row
    DataPacket = 8, // a table assigned whole to a data set
    Stream = 9,     // bytes; the announced length travels as an Int64 out parameter
    Out = 10,       // placeholder for an output parameter; carries the expected tag
};

/// One parameter or result of a remote call.
class WireValue
{
public:
    WireValue() = default;

    static WireValue null() { return {}; }
    static WireValue int32(std::int32_t v) { return WireValue(WireTag::Int32, v); }
    static WireValue int64(std::int64_t v) { return WireValue(WireTag::Int64, v); }
    static WireValue real(double v) { return WireValue(WireTag::Double, v); }
    static WireValue boolean(bool v) { return WireValue(WireTag::Boolean, v); }
    static WireValue string(QString v) { return WireValue(WireTag::String, std::move(v)); }
    static WireValue record(QByteArray json) { return WireValue(WireTag::Record, std::move(json)); }
    static WireValue recordSet(DataTable t) { return WireValue(WireTag::RecordSet, std::move(t)); }
    static WireValue dataPacket(DataTable t) { return WireValue(WireTag::DataPacket, std::move(t)); }
    static WireValue stream(QByteArray bytes) { return WireValue(WireTag::Stream, std::move(bytes)); }
    static WireValue out(WireTag expected) { return WireValue(WireTag::Out, static_cast<std::int32_t>(expected)); }

    WireTag tag() const { return m_tag; }
    bool isNull() const { return m_tag == WireTag::Null; }

    // Typed reads; a tag other than the one asked for raises a protocol error.
    std::int32_t toInt32() const;
    std::int64_t toInt64() const;
    double toDouble() const;
    bool toBoolean() const;
    const QString& toString() const;
    /// The record's JSON; an empty array stands for an absent record (a Null value).
    QByteArray recordJson() const;
    const DataTable& table() const;
    DataTable takeTable();
    const QByteArray& streamBytes() const;
    WireTag outTag() const;

private:
    using Storage = std::variant<std::monostate, std::int32_t, std::int64_t, double, bool,
                                 QString, QByteArray, DataTable>;
    WireValue(WireTag tag, Storage v) : m_tag(tag), m_value(std::move(v)) {}
    void expect(WireTag tag) const;

    WireTag m_tag = WireTag::Null;
    Storage m_value;
};

QString wireTagName(WireTag tag);
