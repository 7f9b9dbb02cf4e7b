#pragma once

#include "WireCodec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <functional>

class ByteWriter;

/// Builds a whole message in its frame form in one buffer, ready for the socket: the body is
/// written behind room for the first frame header, and a body longer than one frame is split
/// in place. A large answer is thus never copied from a body buffer into a frame buffer.
class FrameBuilder
{
public:
    /// The message of `kind` whose body `writeBody` writes; `sizeHint` reserves the buffer.
    static QByteArray message(WireCodec::Kind kind, qsizetype sizeHint,
                              const std::function<void(ByteWriter&)>& writeBody);
    /// The message of `kind` with an already encoded `body`.
    static QByteArray message(WireCodec::Kind kind, QByteArrayView body);

private:
    /// Turns the buffer of one header's room and the body into frames of at most
    /// MaxFrameBody bytes, each behind its header.
    static void splitIntoFrames(QByteArray& buffer, WireCodec::Kind kind);
};
