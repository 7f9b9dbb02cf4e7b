#include "FrameBuilder.h"

#include "ByteWriter.h"

#include <cstring>

QByteArray FrameBuilder::message(WireCodec::Kind kind, qsizetype sizeHint,
                                 const std::function<void(ByteWriter&)>& writeBody)
{
    constexpr qsizetype header = WireCodec::FrameHeaderSize;
    QByteArray buffer;
    // Room for the further frames' headers too, so that splitting needs no new buffer.
    buffer.reserve(header + sizeHint + sizeHint / WireCodec::MaxFrameBody * header + header);
    buffer.resize(header);
    ByteWriter out(buffer);
    writeBody(out);
    splitIntoFrames(buffer, kind);
    return buffer;
}

QByteArray FrameBuilder::message(WireCodec::Kind kind, QByteArrayView body)
{
    return message(kind, body.size(), [body](ByteWriter& out) { out.bytes(body); });
}

void FrameBuilder::splitIntoFrames(QByteArray& buffer, WireCodec::Kind kind)
{
    constexpr qsizetype header = WireCodec::FrameHeaderSize;
    constexpr qsizetype maxBody = WireCodec::MaxFrameBody;
    const qsizetype body = buffer.size() - header;
    const qsizetype frames = body == 0 ? 1 : (body + maxBody - 1) / maxBody;
    buffer.resize(buffer.size() + (frames - 1) * header);
    char* data = buffer.data();
    // Frame f's body moves f headers further on; the last frame moves first.
    for (qsizetype f = frames - 1; f >= 0; --f) {
        const qsizetype length = std::min(maxBody, body - f * maxBody);
        if (f > 0)
            std::memmove(data + f * (maxBody + header) + header, data + header + f * maxBody,
                         size_t(length));
        const auto h = WireCodec::frameHeader(kind, std::uint32_t(length), f + 1 < frames);
        std::memcpy(data + f * (maxBody + header), h.data(), h.size());
    }
}
