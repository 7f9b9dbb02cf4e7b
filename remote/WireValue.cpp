#include "WireValue.h"

#include "RemoteError.h"

QString wireTagName(WireTag tag)
{
    switch (tag) {
    case WireTag::Null: return QStringLiteral("null");
    case WireTag::Int32: return QStringLiteral("Integer");
    case WireTag::Int64: return QStringLiteral("Int64");
    case WireTag::Double: return QStringLiteral("Double");
    case WireTag::Boolean: return QStringLiteral("Boolean");
    case WireTag::String: return QStringLiteral("string");
    case WireTag::Record: return QStringLiteral("record");
    case WireTag::RecordSet: return QStringLiteral("record set");
    case WireTag::DataPacket: return QStringLiteral("data packet");
    case WireTag::Stream: return QStringLiteral("stream");
    case WireTag::Out: return QStringLiteral("out");
    }
    return QStringLiteral("unknown");
}

void WireValue::expect(WireTag tag) const
{
    if (m_tag != tag)
        throw RemoteError(RemoteError::Kind::Protocol,
                          QStringLiteral("Beklenen değer türü %1, gelen %2")
                              .arg(wireTagName(tag), wireTagName(m_tag)));
}

std::int32_t WireValue::toInt32() const
{
    expect(WireTag::Int32);
    return std::get<std::int32_t>(m_value);
}

std::int64_t WireValue::toInt64() const
{
    expect(WireTag::Int64);
    return std::get<std::int64_t>(m_value);
}

double WireValue::toDouble() const
{
    expect(WireTag::Double);
    return std::get<double>(m_value);
}

bool WireValue::toBoolean() const
{
    expect(WireTag::Boolean);
    return std::get<bool>(m_value);
}

const QString& WireValue::toString() const
{
    expect(WireTag::String);
    return std::get<QString>(m_value);
}

QByteArray WireValue::recordJson() const
{
    if (m_tag == WireTag::Null)
        return {};
    expect(WireTag::Record);
    return std::get<QByteArray>(m_value);
}

const DataTable& WireValue::table() const
{
    if (m_tag != WireTag::DataPacket)
        expect(WireTag::RecordSet);
    return std::get<DataTable>(m_value);
}

DataTable WireValue::takeTable()
{
    if (m_tag != WireTag::DataPacket)
        expect(WireTag::RecordSet);
    return std::move(std::get<DataTable>(m_value));
}

const QByteArray& WireValue::streamBytes() const
{
    expect(WireTag::Stream);
    return std::get<QByteArray>(m_value);
}

WireTag WireValue::outTag() const
{
    expect(WireTag::Out);
    return static_cast<WireTag>(std::get<std::int32_t>(m_value));
}
