#pragma once

#include "WireValue.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

/// The messages of the client–server protocol and their binary form (docs/protocol.md).
/// A message travels as one or more frames: a 6-byte header (body length, kind, flags)
/// followed by the body; flag bit 0 says that another frame of the same message follows.
class WireCodec
{
public:
    static constexpr std::uint16_t ProtocolVersion = 1;
    static constexpr std::array<char, 4> Magic = {'O', 'K', 'B', '2'};
    static constexpr int FrameHeaderSize = 6;
    /// Largest body of one frame.
    static constexpr std::uint32_t MaxFrameBody = 16u << 20;
    /// Largest message the server accepts from a client.
    static constexpr qsizetype MaxRequest = 4 << 20;
    /// Largest message the client accepts from the server.
    static constexpr qsizetype MaxAnswer = qsizetype(1) << 30;

    enum class Kind : std::uint8_t {
        Hello = 1,         // client: magic, protocol version, context
        Welcome = 2,       // server: protocol version, server name
        Refused = 3,       // server: reason; the connection closes
        Call = 4,          // client: command text and parameters
        Result = 5,        // server: output parameters and result by position
        Error = 6,         // server: the method failed; text
        ProtocolError = 7, // server: the request was not understood; text; the connection closes
    };

    struct FrameHeader
    {
        std::uint32_t length = 0;
        Kind kind = Kind::Hello;
        bool more = false;
    };

    struct Hello
    {
        std::uint16_t version = ProtocolVersion;
        QString context;
    };

    struct Call
    {
        QString command;
        std::vector<WireValue> params;
    };

    /// Output parameters and the result, each with its parameter position.
    struct Result
    {
        std::vector<std::pair<int, WireValue>> values;
    };

    static std::array<char, FrameHeaderSize> frameHeader(Kind kind, std::uint32_t length,
                                                         bool more);
    /// Parses and checks a frame header (known kind, flags, length within MaxFrameBody).
    static FrameHeader parseFrameHeader(const char* header);

    static QByteArray encodeHello(const Hello& hello);
    static Hello decodeHello(QByteArrayView body);
    static QByteArray encodeWelcome(std::uint16_t version, const QString& serverName);
    static std::uint16_t decodeWelcome(QByteArrayView body);
    static QByteArray encodeText(const QString& text);
    static QString decodeText(QByteArrayView body);
    static QByteArray encodeCall(const Call& call);
    static Call decodeCall(QByteArrayView body);
    static QByteArray encodeResult(const Result& result);
    /// Writes a Result body where `out` stands (a server builds it straight into its frame).
    static void writeResult(class ByteWriter& out, const Result& result);
    /// Roughly the size of a Result body, for reserving the buffer.
    static qsizetype resultSizeHint(const Result& result);
    static Result decodeResult(QByteArrayView body);

    static void writeValue(class ByteWriter& out, const WireValue& value);
    static WireValue readValue(class ByteReader& in);
};
