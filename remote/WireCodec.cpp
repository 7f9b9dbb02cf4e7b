#include "WireCodec.h"

#include "ByteReader.h"
#include "ByteWriter.h"
#include "TableCodec.h"

#include <cstring>

namespace {

constexpr std::uint8_t MoreFlag = 1;

bool knownKind(std::uint8_t k)
{
    return k >= 1 && k <= 7;
}

} // namespace

std::array<char, WireCodec::FrameHeaderSize> WireCodec::frameHeader(Kind kind,
                                                                    std::uint32_t length,
                                                                    bool more)
{
    std::array<char, FrameHeaderSize> h{};
    std::memcpy(h.data(), &length, 4);
    h[4] = static_cast<char>(kind);
    h[5] = static_cast<char>(more ? MoreFlag : 0);
    return h;
}

WireCodec::FrameHeader WireCodec::parseFrameHeader(const char* header)
{
    FrameHeader h;
    std::memcpy(&h.length, header, 4);
    const auto kind = static_cast<std::uint8_t>(header[4]);
    const auto flags = static_cast<std::uint8_t>(header[5]);
    if (!knownKind(kind))
        ByteReader::fail(QStringLiteral("bilinmeyen ileti türü %1").arg(kind));
    if (flags & ~MoreFlag)
        ByteReader::fail(QStringLiteral("bilinmeyen çerçeve işareti"));
    if (h.length > MaxFrameBody)
        ByteReader::fail(QStringLiteral("çerçeve çok büyük (%1 bayt)").arg(h.length));
    h.kind = static_cast<Kind>(kind);
    h.more = flags & MoreFlag;
    return h;
}

QByteArray WireCodec::encodeHello(const Hello& hello)
{
    QByteArray body;
    ByteWriter out(body);
    out.raw(Magic.data(), Magic.size());
    out.u16(hello.version);
    out.shortString(hello.context);
    return body;
}

WireCodec::Hello WireCodec::decodeHello(QByteArrayView body)
{
    ByteReader in(body);
    if (std::memcmp(in.bytes(Magic.size()).data(), Magic.data(), Magic.size()) != 0)
        ByteReader::fail(QStringLiteral("tanınmayan istemci"));
    Hello hello;
    hello.version = in.u16();
    hello.context = in.shortString();
    in.expectEnd();
    return hello;
}

QByteArray WireCodec::encodeWelcome(std::uint16_t version, const QString& serverName)
{
    QByteArray body;
    ByteWriter out(body);
    out.u16(version);
    out.shortString(serverName);
    return body;
}

std::uint16_t WireCodec::decodeWelcome(QByteArrayView body)
{
    ByteReader in(body);
    const std::uint16_t version = in.u16();
    in.shortString();
    in.expectEnd();
    return version;
}

QByteArray WireCodec::encodeText(const QString& text)
{
    QByteArray body;
    ByteWriter(body).longString(text);
    return body;
}

QString WireCodec::decodeText(QByteArrayView body)
{
    ByteReader in(body);
    QString text = in.longString();
    in.expectEnd();
    return text;
}

QByteArray WireCodec::encodeCall(const Call& call)
{
    QByteArray body;
    ByteWriter out(body);
    out.shortString(call.command);
    out.u16(static_cast<std::uint16_t>(call.params.size()));
    for (const auto& p : call.params)
        writeValue(out, p);
    return body;
}

WireCodec::Call WireCodec::decodeCall(QByteArrayView body)
{
    ByteReader in(body);
    Call call;
    call.command = in.shortString();
    const int count = in.u16();
    for (int i = 0; i < count; ++i)
        call.params.push_back(readValue(in));
    in.expectEnd();
    return call;
}

QByteArray WireCodec::encodeResult(const Result& result)
{
    QByteArray body;
    body.reserve(resultSizeHint(result));
    ByteWriter out(body);
    writeResult(out, result);
    return body;
}

qsizetype WireCodec::resultSizeHint(const Result& result)
{
    qsizetype hint = 16;
    for (const auto& [pos, v] : result.values) {
        if (v.tag() == WireTag::RecordSet || v.tag() == WireTag::DataPacket)
            hint += TableCodec::sizeHint(v.table());
        else if (v.tag() == WireTag::Stream)
            hint += v.streamBytes().size() + 8;
    }
    return hint;
}

void WireCodec::writeResult(ByteWriter& out, const Result& result)
{
    out.u16(static_cast<std::uint16_t>(result.values.size()));
    for (const auto& [pos, v] : result.values) {
        out.u16(static_cast<std::uint16_t>(pos));
        writeValue(out, v);
    }
}

WireCodec::Result WireCodec::decodeResult(QByteArrayView body)
{
    ByteReader in(body);
    Result result;
    const int count = in.u16();
    for (int i = 0; i < count; ++i) {
        const int pos = in.u16();
        result.values.emplace_back(pos, readValue(in));
    }
    in.expectEnd();
    return result;
}

void WireCodec::writeValue(ByteWriter& out, const WireValue& v)
{
    out.u8(static_cast<std::uint8_t>(v.tag()));
    switch (v.tag()) {
    case WireTag::Null: break;
    case WireTag::Int32: out.i32(v.toInt32()); break;
    case WireTag::Int64: out.i64(v.toInt64()); break;
    case WireTag::Double: out.f64(v.toDouble()); break;
    case WireTag::Boolean: out.u8(v.toBoolean() ? 1 : 0); break;
    case WireTag::String: out.longString(v.toString()); break;
    case WireTag::Record: out.longBytes(v.recordJson()); break;
    case WireTag::RecordSet:
    case WireTag::DataPacket: TableCodec::write(out, v.table()); break;
    case WireTag::Stream: out.longBytes(v.streamBytes()); break;
    case WireTag::Out: out.u8(static_cast<std::uint8_t>(v.outTag())); break;
    }
}

WireValue WireCodec::readValue(ByteReader& in)
{
    const std::uint8_t tag = in.u8();
    switch (static_cast<WireTag>(tag)) {
    case WireTag::Null: return WireValue::null();
    case WireTag::Int32: return WireValue::int32(in.i32());
    case WireTag::Int64: return WireValue::int64(in.i64());
    case WireTag::Double: return WireValue::real(in.f64());
    case WireTag::Boolean: {
        const std::uint8_t b = in.u8();
        if (b > 1)
            ByteReader::fail(QStringLiteral("geçersiz mantıksal değer"));
        return WireValue::boolean(b == 1);
    }
    case WireTag::String: return WireValue::string(in.longString());
    case WireTag::Record: return WireValue::record(in.bytes(in.u32()).toByteArray());
    case WireTag::RecordSet: return WireValue::recordSet(TableCodec::read(in));
    case WireTag::DataPacket: return WireValue::dataPacket(TableCodec::read(in));
    case WireTag::Stream: return WireValue::stream(in.bytes(in.u32()).toByteArray());
    case WireTag::Out: {
        const std::uint8_t expected = in.u8();
        if (expected > static_cast<std::uint8_t>(WireTag::Stream))
            ByteReader::fail(QStringLiteral("geçersiz çıktı parametresi türü"));
        return WireValue::out(static_cast<WireTag>(expected));
    }
    }
    ByteReader::fail(QStringLiteral("bilinmeyen değer türü %1").arg(tag));
}
