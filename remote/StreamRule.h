#pragma once

#include <QByteArray>
#include <functional>
#include <optional>

class QIODevice;

/// Takes over a stream result (pictures, PDF documents, banners): copies it from position 0
/// in 1024-byte reads until a read comes back short, and accepts the bytes only when their
/// number equals the length the server announced. Announced length 0 means no content.
class StreamRule
{
public:
    static constexpr int BlockSize = 1024;

    /// The content, or nothing when the stream is absent, empty or not the announced length.
    /// `betweenBlocks`, when given, runs after every block (to keep a window responsive).
    static std::optional<QByteArray> take(QIODevice* stream, qint64 announcedLength,
                                          const std::function<void()>& betweenBlocks = {});
};
